#include "chargement/codes.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "arbre2072.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

std::string Positions(const Niveau& n, long nombre) {
  const std::string autre = std::to_string(nombre) + " for a person outside the " + n.pluriel;
  const std::string nom = n.nom;
  if (nombre == 0) return "the file has no " + nom + ": only " + autre;
  if (nombre == 1) return "the file has 1 " + nom + ": position 0, and " + autre;
  return "the file has " + std::to_string(nombre) + " " + n.pluriel + ": positions 0 to " + std::to_string(nombre - 1) +
         ", and " + autre;
}

// The level whose position names the record a reference must repeat the code of: the level
// itself when it is on the letter's way (a tenant's property), the letter's own level when
// that one holds one record per record of the level (a share's property); 0 when the
// reference may name any record of the level (a free-use entry's property).
int NiveauDuNomme(const EntreeDictionnaire& e, int niveau) {
  if (std::find(e.niveaux.begin(), e.niveaux.end(), niveau) != e.niveaux.end()) return niveau;
  if (e.niveaux.empty()) return 0;
  const Niveau* propre = TrouveNiveau(e.niveaux.back());
  return propre != nullptr && propre->parPositionDe == niveau ? propre->cle : 0;
}

}  // namespace

const Niveau* NiveauDeLaCle(long long code) {
  static const auto parCode = [] {
    std::array<const Niveau*, lettres::kEtendueCodes> t{};
    for (const Niveau& n : Niveaux())
      if (n.lettreCle != 0) t[static_cast<std::size_t>(n.lettreCle - lettres::kPremierCode)] = &n;
    return t;
  }();
  const long long i = code - lettres::kPremierCode;
  return i >= 0 && i < lettres::kEtendueCodes ? parCode[static_cast<std::size_t>(i)] : nullptr;
}

Codes LitCodes(const TDonnee2072& racine) {
  Codes c;
  for (const Niveau& n : Niveaux())
    if (n.lettreCle != 0) c[n.cle];
  PourChaqueChampCode(racine, [&](const std::string& code, const lettres::DescriptionLettre& d, const TIndex&) {
    if (d.role == lettres::Role::Cle) c[NiveauDeLaCle(d.code)->cle].push_back(code);
  });
  return c;
}

void RepointeCodes(TDonnee2072& racine, const std::unordered_map<std::string, std::string>& nouveau, int niveau) {
  if (nouveau.empty()) return;
  PourChaqueChampCode(racine, [&](std::string& code, const lettres::DescriptionLettre& d, const TIndex&) {
    if (d.role != lettres::Role::Reference || (niveau != 0 && d.niveau != niveau)) return;
    if (const auto it = nouveau.find(code); it != nouveau.end()) code = it->second;
  });
}

References::References(const TDonnee2072& racine) : m_racine(racine), m_codes(LitCodes(racine)) {
  for (const auto& [niveau, liste] : m_codes) m_existants[niveau].insert(liste.begin(), liste.end());
}

std::string References::Probleme(const LettreFichier& l, const Codes* generes) const {
  const EntreeDictionnaire* e = EntreeDictionnaire2072(static_cast<int>(l.code));
  const lettres::Role role = e->lettre.role;
  if (role != lettres::Role::Reference && role != lettres::Role::Position) return {};
  const Niveau& nomme = *TrouveNiveau(e->lettre.niveau);
  const std::string nom = nomme.nom;
  if (role == lettres::Role::Position) {
    long long p = 0;
    lettres::LitEntier(l.valeur.c_str(), p);
    const auto n = static_cast<long>(Nombre(m_racine, nomme.cle, 0));
    if (p < 0 || p > n) return "names " + nom + " position " + std::to_string(p) + ", but " + Positions(nomme, n);
  } else if (const int par = NiveauDuNomme(*e, nomme.cle); par != 0) {
    const auto position = static_cast<std::size_t>(PositionDans(l.index, par));
    const std::string& attendu = m_codes.at(nomme.cle).at(position);
    if (l.valeur == attendu) return {};
    const bool genere = generes != nullptr && attendu == generes->at(nomme.cle).at(position);
    return "names " + nom + " " + TexteJson(l.valeur) + ", but this letter's " + nom + " is " + nom + " " +
           std::to_string(position) +
           (genere ? ", whose code the file does not give (letter " + std::to_string(nomme.lettreCle) + ")"
                   : ", whose code is " + TexteJson(attendu));
  } else if (const auto it = m_existants.find(nomme.cle);
             !l.valeur.empty() && (it == m_existants.end() || it->second.count(l.valeur) == 0)) {
    return "names " + nom + " " + TexteJson(l.valeur) + ", which no " + nom + " has (letter " +
           std::to_string(nomme.lettreCle) + " gives a " + nom + " its code)";
  }
  return {};
}

void ControleReferences(const std::vector<LettreFichier>& lettres, const TDonnee2072& racine, const Codes& generes,
                        Rapport& rapport) {
  const References references(racine);
  for (const LettreFichier& l : lettres)
    if (std::string probleme = references.Probleme(l, &generes); !probleme.empty()) rapport.Ajoute(l, probleme);
}

}  // namespace hote2072
