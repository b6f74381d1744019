#include "presentation/listedictionnaire.h"

#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <vector>

#include "dictionnaire2072.h"
#include "tables2072.h"

namespace hote2072 {

using zorfiscal2072::Dictionnaire2072;
using zorfiscal2072::EntreeDictionnaire;

namespace {

// Characters a text letter holds (its bound less one), 0 when unbounded or not a text.
int Longueur(const EntreeDictionnaire& e) {
  return e.lettre.primitive == lettres::Primitive::Texte && e.lettre.taille >= 1 ? e.lettre.taille - 1 : 0;
}

// "ListeRegimeFiscal"; "ListeTitres1/ListeFormesJuridiques1" when the person type chooses.
std::string NomListe(const lettres::DescriptionLettre& d) {
  std::string nom = TTables_2072::NomListe(d.liste);
  if (d.listeMorale != lettres::kAucuneListe) nom += std::string("/") + TTables_2072::NomListe(d.listeMorale);
  return nom;
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
      "length role            unit     list                                     label\n";
  bool horsDeclaration = false;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    std::string niveaux;
    for (int n : e.niveaux) {
      if (!niveaux.empty()) niveaux += ',';
      niveaux += std::to_string(n);
    }
    const std::string enregistrement = std::string(e.enregistrement) + (e.parLaRacine ? "" : " *");
    horsDeclaration |= !e.parLaRacine;
    const std::string liste = e.lettre.codee() ? NomListe(e.lettre) : "-";
    const char* unite = zorfiscal2072::NomUnite(e.lettre.unite);
    char ligne[1024];
    std::snprintf(ligne, sizeof ligne, "%-6d %-5c %-9s %-39s %-46s %-6s %-15s %-8s %-40s %s", e.lettre.code,
                  e.lettre.type(), niveaux.empty() ? "-" : niveaux.c_str(), enregistrement.c_str(), e.lettre.champ,
                  Longueur(e) > 0 ? std::to_string(Longueur(e)).c_str() : "", zorfiscal2072::NomNature(e.lettre.nature),
                  *unite != '\0' ? unite : "-", liste.c_str(), e.lettre.libelle);
    texte += std::string(ligne) + "\n";
  }
  if (horsDeclaration) texte += "* cumulative records that no declaration holds: declaration files cannot carry them\n";
  return texte;
}

std::string DictionnaireJson() {
  std::string texte = "{\"entries\": [";
  bool premier = true;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    const lettres::DescriptionLettre& d = e.lettre;
    nlohmann::ordered_json entree{{"code", d.code},
                                  {"type", std::string(1, d.type())},
                                  {"record", e.enregistrement},
                                  {"field", d.champ},
                                  {"levels", e.niveaux}};
    if (Longueur(e) > 0) entree["maxLength"] = Longueur(e);
    if (d.primitive == lettres::Primitive::ReelFormat) entree["decimals"] = d.taille == 5 ? 5 : 2;
    entree["inDeclaration"] = e.parLaRacine;
    entree["label"] = d.libelle;
    entree["role"] = zorfiscal2072::NomNature(d.nature);
    if (d.unite != lettres::Unite::Aucune) entree["unit"] = zorfiscal2072::NomUnite(d.unite);
    if (d.codee()) entree["list"] = TTables_2072::NomListe(d.liste);
    if (d.listeMorale != lettres::kAucuneListe) {
      entree["legalPersonList"] = TTables_2072::NomListe(d.listeMorale);
      entree["personTypeField"] = d.champType;
    }
    if (d.nbListesSelon > 0) {  // {"field": "Categorie", "lists": {"1": "ListeOptionsCategorie1", ...}}
      nlohmann::ordered_json listes = nlohmann::ordered_json::object();
      for (std::size_t k = 0; k < d.nbListesSelon; ++k)
        listes[std::to_string(d.listesSelon[k].valeur)] = TTables_2072::NomListe(d.listesSelon[k].liste);
      entree["listsBy"] = {{"field", d.champType}, {"lists", listes}};
    }
    texte += (premier ? "\n " : ",\n ") + entree.dump();
    premier = false;
  }
  texte += "\n],\n\"lists\": {";
  premier = true;
  const TTables_2072& tables = *TTables_2072::getInstance();
  for (lettres::Liste liste : TTables_2072::Listes()) {
    nlohmann::ordered_json entrees = nlohmann::ordered_json::array();
    for (const TElement& element : *tables.Liste(liste))
      entrees.push_back(nlohmann::ordered_json{{"code", element.get_enum()}, {"label", element.get_libelle()}});
    texte += std::string(premier ? "\n " : ",\n ") + nlohmann::json(TTables_2072::NomListe(liste)).dump() + ": " +
             entrees.dump();
    premier = false;
  }
  return texte + "\n}}\n";
}

std::string ListesTexte() {
  std::string texte;
  const TTables_2072& tables = *TTables_2072::getInstance();
  for (lettres::Liste liste : TTables_2072::Listes()) {
    const bool hote = TTables_2072::Usage(liste) == zorfiscal2072::UsageListe::Hote;
    texte += std::string(TTables_2072::NomListe(liste)) + (hote ? " (no field: shown by the host)" : "") + "\n";
    for (const TElement& element : *tables.Liste(liste))
      texte += "  " + std::to_string(element.get_enum()) + "  " + element.get_libelle() + "\n";
  }
  return texte;
}

}  // namespace hote2072
