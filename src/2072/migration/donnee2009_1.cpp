// Root step "2009.1": telephones and faxes that hold only the input mask become empty.
#include <string_view>

#include "anciennes_lettres.h"
#include "moulinettes2072.h"

namespace zorfiscal2072::migration {

namespace {

// Telephones and faxes of the manager, accountant, administrator and declarant.
constexpr short kTelephones[] = {12029, 12377, 12329, 12337, 12338, 12346, 12347, 12349};
constexpr std::string_view kMasques[] = {"  .  .  .  .  ", "  .  .  .  ."};

}  // namespace

void TMoulinetteDonnee2009_1::Convertit(AnciennesLettres& l) {
  for (short code : kTelephones) {
    if (!l.Existe(code)) continue;
    const std::string texte = l.Texte(code);
    for (std::string_view masque : kMasques)
      if (texte == masque) l.Vide(code);
  }
}

}  // namespace zorfiscal2072::migration
