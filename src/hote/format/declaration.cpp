#include "format/declaration.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "dictionnaire2072.h"

namespace hote2072 {

void AjouteTexteJson(std::string& sortie, std::string_view texte) {
  // Most texts need no escaping: quote them directly.
  if (std::none_of(texte.begin(), texte.end(), [](char c) { return c == '"' || c == '\\' || (c >= 0 && c < 0x20); })) {
    sortie += '"';
    sortie.append(texte);
    sortie += '"';
  } else {
    sortie += nlohmann::json(std::string(texte)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }
}

std::string TexteJson(const std::string& texte) {
  std::string t;
  AjouteTexteJson(t, texte);
  return t;
}

namespace {

// Length of the valid UTF-8 sequence at the start of `t`, 0 when its first byte starts none.
std::size_t LongueurUtf8(std::string_view t) {
  const auto octet = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
  const unsigned char c = octet(0);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned char min = 0x80, max = 0xBF;  // bounds of the second byte: no overlong form, no surrogate
  if (c >= 0xC2 && c <= 0xDF) n = 2;
  else if (c >= 0xE0 && c <= 0xEF) n = 3, min = c == 0xE0 ? 0xA0 : 0x80, max = c == 0xED ? 0x9F : 0xBF;
  else if (c >= 0xF0 && c <= 0xF4) n = 4, min = c == 0xF0 ? 0x90 : 0x80, max = c == 0xF4 ? 0x8F : 0xBF;
  if (n == 0 || t.size() < n || octet(1) < min || octet(1) > max) return 0;
  for (std::size_t i = 2; i < n; ++i)
    if ((octet(i) & 0xC0) != 0x80) return 0;
  return n;
}

}  // namespace

std::string CiteValeur(std::string_view texte) {
  constexpr std::size_t kCaracteres = 80;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string cite = "\"";
  std::size_t caracteres = 0;
  while (!texte.empty() && caracteres < kCaracteres) {
    const std::size_t n = LongueurUtf8(texte);
    const auto c = static_cast<unsigned char>(texte[0]);
    if (n == 0) {
      cite += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
    } else if (c == '"' || c == '\\') {
      cite += '\\';
      cite += static_cast<char>(c);
    } else if (c < 0x20) {
      cite += std::string("\\u00") + kHex[c >> 4] + kHex[c & 15];
    } else {
      cite.append(texte.substr(0, n));
    }
    texte.remove_prefix(n == 0 ? 1 : n);
    ++caracteres;
  }
  cite += '"';
  if (!texte.empty()) cite += "…";
  return cite;
}

std::string DecritIndex(const Index& index) {
  std::string texte = "{";
  for (const auto& [cle, position] : index) {
    if (texte.size() > 1) texte += ", ";
    texte += std::to_string(cle) + ": " + std::to_string(position);
  }
  return texte + "}";
}

std::string DecritLettre(const LettreFichier& lettre) {
  // A letter given alone (through the library's calls) has no rank in a file.
  std::string texte = (lettre.rang == 0 ? "" : "letter " + std::to_string(lettre.rang) + ": ") + "code " +
                      std::to_string(lettre.code);
  const auto* entree = (lettre.code >= 0 && lettre.code <= 32767)
                           ? zorfiscal2072::EntreeDictionnaire2072(static_cast<int>(lettre.code))
                           : nullptr;
  if (entree != nullptr) texte += std::string(" (") + entree->lettre.champ + " of " + entree->enregistrement + ")";
  texte += ", index " + DecritIndex(lettre.index) + ", value " + CiteValeur(lettre.valeur);
  return texte;
}

std::vector<std::string> Rapport::EnOrdre(Lignes lignes) {
  std::stable_sort(lignes.begin(), lignes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> textes;
  textes.reserve(lignes.size());
  for (auto& [rang, texte] : lignes) textes.push_back(std::move(texte));
  return textes;
}

}  // namespace hote2072
