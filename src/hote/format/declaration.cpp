#include "format/declaration.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "dictionnaire2072.h"
#include "lettres.h"

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

std::string CiteValeur(std::string_view texte) { return lettres::Cite(texte); }

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
  std::string texte =
      (lettre.rang == 0 ? "" : "letter " + std::to_string(lettre.rang) + ": ") + "code " + std::to_string(lettre.code);
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
