#include "presentation/listedictionnaire.h"

#include <cstdio>
#include <map>
#include <vector>
#include <nlohmann/json.hpp>

#include "dictionnaire2072.h"

namespace hote2072 {

using zorfiscal2072::Dictionnaire2072;
using zorfiscal2072::EntreeDictionnaire;

namespace {

// Characters a text letter holds (its bound less one), 0 when unbounded or not a text.
int Longueur(const EntreeDictionnaire& e) {
  return e.lettre.primitive == lettres::Primitive::Texte && e.lettre.taille >= 1 ? e.lettre.taille - 1 : 0;
}

}  // namespace

std::string CompteDictionnaire() {
  std::map<int, int> fois;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) ++fois[e.lettre.code];
  std::vector<int> doubles;
  for (const auto& [code, n] : fois)
    if (n > 1) doubles.push_back(code);
  std::string texte = std::to_string(Dictionnaire2072().size()) + " entries, one row each, for " +
                      std::to_string(fois.size()) + " distinct codes";
  if (doubles.empty()) return texte;
  texte += " (";
  for (std::size_t k = 0; k < doubles.size(); ++k)
    texte += (k == 0 ? "" : k + 1 == doubles.size() ? " and " : ", ") + std::to_string(doubles[k]);
  return texte + (doubles.size() == 1 ? " held by two records)" : " held by two records each)");
}

std::string DictionnaireTexte() {
  std::string texte =
      "code   type  levels    record                                  field                                          "
      "length\n";
  bool horsDeclaration = false;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    std::string niveaux;
    for (int n : e.niveaux) {
      if (!niveaux.empty()) niveaux += ',';
      niveaux += std::to_string(n);
    }
    const std::string enregistrement = std::string(e.enregistrement) + (e.parLaRacine ? "" : " *");
    horsDeclaration |= !e.parLaRacine;
    char ligne[512];
    std::snprintf(ligne, sizeof ligne, "%-6d %-5c %-9s %-39s %-46s %s", e.lettre.code, e.lettre.type(),
                  niveaux.empty() ? "-" : niveaux.c_str(), enregistrement.c_str(), e.lettre.champ,
                  Longueur(e) > 0 ? std::to_string(Longueur(e)).c_str() : "");
    std::string l = ligne;
    while (!l.empty() && l.back() == ' ') l.pop_back();
    texte += l + "\n";
  }
  if (horsDeclaration) texte += "* cumulative records that no declaration holds: declaration files cannot carry them\n";
  return texte;
}

std::string DictionnaireJson() {
  std::string texte = "[";
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    nlohmann::ordered_json entree{{"code", e.lettre.code},
                                  {"type", std::string(1, e.lettre.type())},
                                  {"record", e.enregistrement},
                                  {"field", e.lettre.champ},
                                  {"levels", e.niveaux}};
    if (Longueur(e) > 0) entree["maxLength"] = Longueur(e);
    if (e.lettre.primitive == lettres::Primitive::ReelFormat) entree["decimals"] = e.lettre.taille == 5 ? 5 : 2;
    entree["inDeclaration"] = e.parLaRacine;
    texte += (texte.size() > 1 ? ",\n " : "\n ") + entree.dump();
  }
  return texte + "\n]\n";
}

}  // namespace hote2072
