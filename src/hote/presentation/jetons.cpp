#include "presentation/jetons.h"

#include <nlohmann/json.hpp>

#include "lettres.h"

namespace hote2072 {

namespace {

// One token per line: the value's backslashes and control characters are escaped so that a
// value never breaks the line or the tab that separates it from its token.
std::string Echappe(const std::string& valeur) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string texte;
  for (const char c : valeur) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\\')
      texte += "\\\\";
    else if (c == '\t')
      texte += "\\t";
    else if (c == '\n')
      texte += "\\n";
    else if (c == '\r')
      texte += "\\r";
    else if (u < 0x20 || u == 0x7f)
      texte += {'\\', 'x', kHex[u >> 4], kHex[u & 15]};
    else
      texte += c;
  }
  return texte;
}

}  // namespace

std::string EcritJetons(const TStaticsManager& statics, bool json) {
  std::string texte;
  if (!json) {
    for (const std::string& jeton : statics.Ordre())
      texte += jeton + "\t" + lettres::Lisible(Echappe(*statics.TrouveToken(jeton))) + "\n";
    return texte;
  }
  // One object per line, as the dictionary writes its entries.
  texte = "[";
  for (const std::string& jeton : statics.Ordre()) {
    const nlohmann::ordered_json entree{{"token", jeton}, {"value", *statics.TrouveToken(jeton)}};
    texte +=
        (texte.size() > 1 ? ",\n " : "\n ") + entree.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }
  return texte + "\n]\n";
}

}  // namespace hote2072
