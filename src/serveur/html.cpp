#include "html.h"

#include <cctype>

namespace serveur2072 {

std::string Echappe(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  for (char c : texte) {
    switch (c) {
      case '&': sortie += "&amp;"; break;
      case '<': sortie += "&lt;"; break;
      case '>': sortie += "&gt;"; break;
      case '"': sortie += "&quot;"; break;
      case '\'': sortie += "&#39;"; break;
      default: sortie += c;
    }
  }
  return sortie;
}

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
