#include "format/nomschamps.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_map>
#include <vector>

#include "dictionnaire2072.h"
#include "format/declaration.h"

namespace hote2072 {

using zorfiscal2072::EntreeDictionnaire;

namespace {

// The dictionary's entries a declaration holds, by field name; a code held by two records once.
const std::unordered_map<std::string_view, std::vector<const EntreeDictionnaire*>>& ParNom() {
  static const auto parNom = [] {
    std::unordered_map<std::string_view, std::vector<const EntreeDictionnaire*>> n;
    for (const EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072()) {
      if (!e.parLaRacine) continue;  // the cumulative records' letters cannot be loaded
      auto& entrees = n[e.lettre.champ];
      const bool deja = std::any_of(entrees.begin(), entrees.end(), [&](const EntreeDictionnaire* autre) {
        return autre->lettre.code == e.lettre.code;
      });
      if (!deja) entrees.push_back(&e);
    }
    return n;
  }();
  return parNom;
}

// Whether the records holding `code` include `enregistrement`.
bool TenuPar(int code, std::string_view enregistrement) {
  const EntreeDictionnaire* premiere = zorfiscal2072::EntreeDictionnaire2072(code);
  if (premiere != nullptr && enregistrement == premiere->enregistrement) return true;
  for (const EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072())
    if (e.lettre.code == code && enregistrement == e.enregistrement) return true;
  return false;
}

// The index's levels, in any order, are the entry's.
bool MemesNiveaux(const EntreeDictionnaire& e, const Index& index) {
  if (e.niveaux.size() != index.size()) return false;
  std::vector<int> niveaux = e.niveaux, cles;
  for (const auto& niveau : index) cles.push_back(niveau.first);
  std::sort(niveaux.begin(), niveaux.end());
  std::sort(cles.begin(), cles.end());
  return niveaux == cles;
}

// "12569 (TElementLieVA, index {})"
std::string Candidat(const EntreeDictionnaire& e) {
  std::string niveaux;
  for (int n : e.niveaux) niveaux += (niveaux.empty() ? "" : ", ") + std::to_string(n);
  return std::to_string(e.lettre.code) + " (" + e.enregistrement + ", index levels {" + niveaux + "})";
}

std::string Candidats(const std::vector<const EntreeDictionnaire*>& entrees) {
  std::string texte;
  for (std::size_t k = 0; k < entrees.size(); ++k) texte += (k ? ", " : "") + Candidat(*entrees[k]);
  return texte;
}

std::size_t Distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> ligne(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) ligne[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonale = ligne[0];
    ligne[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t haut = ligne[j];
      ligne[j] = std::min({ligne[j] + 1, ligne[j - 1] + 1, diagonale + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonale = haut;
    }
  }
  return ligne[b.size()];
}

// The field names nearest to `champ` (case aside), nearest first: three at most, each a few
// typing slips away; empty when none is.
std::string NomsProches(std::string_view champ) {
  const auto minuscules = [](std::string_view t) {
    std::string m(t);
    std::transform(m.begin(), m.end(), m.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return m;
  };
  const std::string cherche = minuscules(champ.substr(0, 200));
  std::vector<std::pair<std::size_t, std::string_view>> noms;
  for (const auto& [nom, entrees] : ParNom()) noms.emplace_back(Distance(cherche, minuscules(nom)), nom);
  std::sort(noms.begin(), noms.end());
  std::string texte;
  const std::size_t ecart = std::max<std::size_t>(2, cherche.size() / 3);
  for (std::size_t k = 0; k < noms.size() && k < 3 && noms[k].first <= ecart; ++k)
    texte += (k ? ", " : "") + std::string(noms[k].second);
  return texte;
}

}  // namespace

long long CodeNomme(const LettreNommee& l, const Index& index, std::string& probleme) {
  if (l.codeDonne) {
    const EntreeDictionnaire* e =
        l.code >= 0 && l.code <= 32767 ? zorfiscal2072::EntreeDictionnaire2072(static_cast<int>(l.code)) : nullptr;
    if (e == nullptr) return l.code;  // the dictionary check names it
    if (!l.champ.empty() && l.champ != e->lettre.champ) {
      probleme = "\"code\" " + std::to_string(l.code) + " is " + e->lettre.champ + " of " + e->enregistrement +
                 ", not the field " + CiteValeur(l.champ) + ": give one of them, or both in agreement";
      return -1;
    }
    if (!l.enregistrement.empty() && !TenuPar(static_cast<int>(l.code), l.enregistrement)) {
      probleme = "\"code\" " + std::to_string(l.code) + " is a letter of " + e->enregistrement + ", not of " +
                 CiteValeur(l.enregistrement);
      return -1;
    }
    return l.code;
  }
  if (l.champ.empty()) {
    probleme = "a letter needs \"code\", a whole number, or \"field\", a field name (`sci2072 dictionary` lists both)";
    return -1;
  }
  const auto& parNom = ParNom();
  auto trouve = parNom.find(l.champ);
  // "TAdresseGerant.Ville": the field with its record, where the name alone is no field (a
  // seat's "SocieteAdresseSiege[0].Ville" is one).
  if (const std::size_t point = l.champ.find('.');
      trouve == parNom.end() && point != std::string_view::npos && l.enregistrement.empty()) {
    LettreNommee qualifiee = l;
    qualifiee.enregistrement = l.champ.substr(0, point);
    qualifiee.champ = l.champ.substr(point + 1);
    if (parNom.count(qualifiee.champ) != 0) return CodeNomme(qualifiee, index, probleme);
  }
  if (trouve == parNom.end()) {
    const std::string proches = NomsProches(l.champ);
    probleme = "unknown field " + CiteValeur(l.champ) +
               (proches.empty() ? "; `sci2072 dictionary` lists the fields" : "; nearest names: " + proches);
    return -1;
  }
  std::vector<const EntreeDictionnaire*> candidats;
  for (const EntreeDictionnaire* e : trouve->second)
    if (MemesNiveaux(*e, index)) candidats.push_back(e);
  if (candidats.empty()) {
    probleme = "the field " + CiteValeur(l.champ) + " is no letter at index " + DecritIndex(index) + "; it names " +
               Candidats(trouve->second);
    return -1;
  }
  if (!l.enregistrement.empty()) {
    std::vector<const EntreeDictionnaire*> du;
    for (const EntreeDictionnaire* e : candidats)
      if (TenuPar(e->lettre.code, l.enregistrement)) du.push_back(e);
    if (du.empty()) {
      probleme = "the field " + CiteValeur(l.champ) + " at index " + DecritIndex(index) + " is no letter of " +
                 CiteValeur(l.enregistrement) + "; it names " + Candidats(candidats);
      return -1;
    }
    candidats = std::move(du);
  }
  if (candidats.size() > 1) {
    probleme = "the field " + CiteValeur(l.champ) + " at index " + DecritIndex(index) + " names " +
               Candidats(candidats) + ": give \"record\" or \"code\" to choose, or name it with its record (" +
               candidats.front()->enregistrement + "." + std::string(l.champ) + ")";
    return -1;
  }
  return candidats.front()->lettre.code;
}

}  // namespace hote2072
