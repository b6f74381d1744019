#include "html.h"

#include <cctype>

namespace serveur2072 {

std::string EncodeUrl(std::string_view texte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string sortie;
  for (char c : texte) {
    const auto o = static_cast<unsigned char>(c);
    if (std::isalnum(o) || c == '-' || c == '_' || c == '.' || c == '~') {
      sortie += c;
    } else {
      sortie += '%';
      sortie += kHex[o >> 4];
      sortie += kHex[o & 0xF];
    }
  }
  return sortie;
}

}  // namespace serveur2072
