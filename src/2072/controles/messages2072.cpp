#include "messages2072.h"

namespace zorfiscal2072 {

const std::array<MessageControle, kNombreMessages>& Messages2072() {
  using enum EnregistrementMessage;
  static constexpr std::array<MessageControle, kNombreMessages> kMessages{{
#define MESSAGE_2072_LIGNE(numero, identifiant, enregistrement, texte) {numero, #identifiant, enregistrement, texte},
      MESSAGES_2072(MESSAGE_2072_LIGNE)
#undef MESSAGE_2072_LIGNE
  }};
  return kMessages;
}

// Numbers 1 to 168 in order, each once.
static_assert([] {
  short attendu = 1;
#define MESSAGE_2072_NUMERO(numero, identifiant, enregistrement, texte) \
  if (numero != attendu++) return false;
  MESSAGES_2072(MESSAGE_2072_NUMERO)
#undef MESSAGE_2072_NUMERO
  return attendu == kNombreMessages + 1;
}());

const MessageControle* DonneMessage(int numero) {
  if (numero < 1 || numero > kNombreMessages) return nullptr;
  return &Messages2072()[static_cast<std::size_t>(numero - 1)];
}

}  // namespace zorfiscal2072
