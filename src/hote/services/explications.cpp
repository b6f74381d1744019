// The messages' French texts are the engine's, one row each with their number.
#include "services/explications.h"

#include "controles/messages2072.h"

namespace hote2072 {

const char* ExplicationMessage(int numero) {
  const auto* message = zorfiscal2072::DonneMessage(numero);
  return message != nullptr ? message->texte : "";
}

}  // namespace hote2072
