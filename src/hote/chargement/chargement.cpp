#include "chargement/chargement.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "arbre2072.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"
#include "format/bornes.h"
#include "lettres.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

// A letter owning its heap value, as the letter library expects. One is reused for every
// letter of a file: its block is kept from one letter to the next.
class LettreTemporaire {
 public:
  LettreTemporaire() = default;
  ~LettreTemporaire() { std::free(m_lettre.valeur); }
  LettreTemporaire(const LettreTemporaire&) = delete;
  LettreTemporaire& operator=(const LettreTemporaire&) = delete;
  structLettre* Prend(long long code, const std::string& valeur) {
    ModifieLettre(&m_lettre, valeur.c_str());
    m_lettre.code = static_cast<std::int16_t>(code);
    return &m_lettre;
  }
  const char* valeur() const { return m_lettre.valeur != nullptr ? m_lettre.valeur : ""; }

 private:
  structLettre m_lettre{1, 0, nullptr, 0, nullptr};
};

// The text a field gave back reads as the value it was given. Fields narrower than their
// letter's type (a mode held as an integer behind an amount letter) would otherwise change a
// value silently.
bool MemeValeur(char type, const std::string& donne, const char* relu) {
  if (donne == relu) return true;  // the checks have read the value given
  switch (type) {
    case 'D': {
      double a = 0, b = 0;
      return lettres::LitReel(donne.c_str(), a) && lettres::LitReel(relu, b) && a == b;
    }
    case 'L': {
      long long a = 0, b = 0;  // a day, month or year not entered reads back empty
      const bool lu = donne.empty() || lettres::LitEntier(donne.c_str(), a);
      return lu && (*relu == '\0' || lettres::LitEntier(relu, b)) && a == b;
    }
    case 'd': {
      long a = 0, b = 0;
      return lettres::LitDate(donne.c_str(), a) && lettres::LitDate(relu, b) && a == b;
    }
    default: return donne == relu;
  }
}

TIndex VersTIndex(const Index& index) {
  TIndex t;
  for (const auto& [cle, position] : index) t.setValeurIndex(cle, position);
  return t;
}

void CreeEnregistrements(TDonnee2072& racine, const Effectifs& effectifs) {
  for (const Niveau& n : Niveaux())
    for (auto it = effectifs.lower_bound({n.cle, 0}); it != effectifs.end() && it->first.first == n.cle; ++it)
      Complete(racine, n.cle, it->first.second, it->second);
}

// Codes of the records of each level whose records have one, in position order.
using Codes = std::map<int, std::vector<std::string>>;

// The level whose records take their code from letter `code`, or null.
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

// Every field that names a record by its code takes the new code in one pass over the
// declaration.
void RepointeCodes(TDonnee2072& racine, const std::unordered_map<std::string, std::string>& nouveau) {
  if (nouveau.empty()) return;
  PourChaqueChampCode(racine, [&](std::string& code, const lettres::DescriptionLettre& d, const TIndex&) {
    if (d.role != lettres::Role::Reference) return;
    if (const auto it = nouveau.find(code); it != nouveau.end()) code = it->second;
  });
}

// The codes of one kind after loading: the map from each generated code the file replaced,
// and the problems of empty and duplicate codes, reported at the letters that give them.
void ControleCodes(const std::vector<std::string>& generes, const std::vector<std::string>& finals,
                   const std::unordered_map<int, const LettreFichier*>& lettreDuCode, const char* nom,
                   std::unordered_map<std::string, std::string>& nouveau, Rapport& rapport) {
  std::unordered_map<std::string, std::size_t> vus;
  for (std::size_t i = 0; i < finals.size(); ++i) {
    if (finals[i] == generes[i]) {
      vus.emplace(finals[i], i);
      continue;
    }
    nouveau.emplace(generes[i], finals[i]);
    const LettreFichier& l = *lettreDuCode.at(static_cast<int>(i));
    if (finals[i].empty()) {
      rapport.Ajoute(l, std::string("a ") + nom + "'s code cannot be empty");
    } else if (const auto [it, seul] = vus.emplace(finals[i], i); !seul) {
      rapport.Ajoute(l, std::string("duplicate code: ") + nom + " " + std::to_string(it->second) +
                            " already has code " + TexteJson(finals[i]));
    }
  }
}

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

// Fields that name records, checked once codes are in place: a code must be the one of the
// record on the letter's way, or of some record; a position must name a record or the
// person outside them.
void ControleReferences(const FichierDeclaration& fichier, const TDonnee2072& racine, const Codes& generes,
                        Rapport& rapport) {
  const Codes codes = LitCodes(racine);
  std::map<int, std::unordered_set<std::string>> existants;
  for (const auto& [niveau, liste] : codes) existants[niveau].insert(liste.begin(), liste.end());
  for (const LettreFichier& l : fichier.lettres) {
    const EntreeDictionnaire* e = EntreeDictionnaire2072(static_cast<int>(l.code));
    const lettres::Role role = e->lettre.role;
    if (role != lettres::Role::Reference && role != lettres::Role::Position) continue;
    const Niveau& nomme = *TrouveNiveau(e->lettre.niveau);
    const std::string nom = nomme.nom;
    if (role == lettres::Role::Position) {
      long long p = 0;
      lettres::LitEntier(l.valeur.c_str(), p);
      const auto n = static_cast<long>(Nombre(racine, nomme.cle, 0));
      if (p < 0 || p > n) rapport.Ajoute(l, "names " + nom + " position " + std::to_string(p) + ", but " + Positions(nomme, n));
    } else if (const int par = NiveauDuNomme(*e, nomme.cle); par != 0) {
      const auto position = static_cast<std::size_t>(PositionDans(l.index, par));
      const std::string& attendu = codes.at(nomme.cle).at(position);
      if (l.valeur == attendu) continue;
      const bool genere = attendu == generes.at(nomme.cle).at(position);
      rapport.Ajoute(l, "names " + nom + " " + TexteJson(l.valeur) + ", but this letter's " + nom + " is " + nom + " " +
                            std::to_string(position) +
                            (genere ? ", whose code the file does not give (letter " + std::to_string(nomme.lettreCle) + ")"
                                    : ", whose code is " + TexteJson(attendu)));
    } else if (!l.valeur.empty() && existants[nomme.cle].count(l.valeur) == 0) {
      rapport.Ajoute(l, "names " + nom + " " + TexteJson(l.valeur) + ", which no " + nom + " has (letter " +
                            std::to_string(nomme.lettreCle) + " gives a " + nom + " its code)");
    }
  }
}

}  // namespace

std::unique_ptr<TDonnee2072> Charge(const FichierDeclaration& fichier, Rapport& rapport) {
  Verifie(fichier, rapport);
  VerifieBornes(fichier, rapport);
  if (!rapport.vide()) return nullptr;

  auto racine = std::make_unique<TDonnee2072>();
  racine->setAnnee(fichier.annee);
  CreeEnregistrements(*racine, CompteEffectifs(fichier));
  const Codes generes = LitCodes(*racine);

  // The letter that gave each record its code, by level and position.
  std::map<int, std::unordered_map<int, const LettreFichier*>> lettreDuCode;
  LettreTemporaire donnee, relue;
  const auto charge = [&](auto& enregistrement, const LettreFichier& l, const TIndex& index) {
    if (!enregistrement.TransfertUneLettre(donnee.Prend(l.code, l.valeur), index, 0) ||
        !enregistrement.TransfertUneLettre(relue.Prend(l.code, {}), index, 1))
      rapport.Ajoute(l, "no record of the declaration took this letter");
    else if (const char type = EntreeDictionnaire2072(static_cast<int>(l.code))->lettre.type();
             !MemeValeur(type, l.valeur, relue.valeur()))
      rapport.Ajoute(l, std::string("the field cannot hold this value exactly: it keeps ") + TexteJson(relue.valeur()));
    if (const Niveau* n = NiveauDeLaCle(l.code)) lettreDuCode[n->cle][PositionDans(l.index, n->cle)] = &l;
  };
  // Every letter has passed the checks, so its index holds exactly its record's levels: the
  // record is reached directly, once for a run of letters with the same index (a record's
  // letters usually follow each other), rather than routing each letter from the root.
  const std::vector<LettreFichier>& lettres = fichier.lettres;
  for (std::size_t debut = 0, fin = 0; debut < lettres.size(); debut = fin) {
    for (fin = debut + 1; fin < lettres.size() && lettres[fin].index == lettres[debut].index;) ++fin;
    const TIndex index = VersTIndex(lettres[debut].index);
    const auto chargeSuite = [&](auto& enregistrement) {
      for (std::size_t k = debut; k < fin; ++k) charge(enregistrement, lettres[k], index);
    };
    const std::vector<int>& niveaux = EntreeDictionnaire2072(static_cast<int>(lettres[debut].code))->niveaux;
    if (niveaux.empty())
      chargeSuite(*racine);
    else if (!PourEnregistrementAuNiveau(*racine, niveaux.back(), index, chargeSuite))
      for (std::size_t k = debut; k < fin; ++k) rapport.Ajoute(lettres[k], "no record of the declaration took this letter");
  }

  const Codes finals = LitCodes(*racine);
  std::unordered_map<std::string, std::string> nouveau;
  for (const auto& [niveau, codes] : finals)
    ControleCodes(generes.at(niveau), codes, lettreDuCode[niveau], TrouveNiveau(niveau)->nom, nouveau, rapport);
  RepointeCodes(*racine, nouveau);
  ControleReferences(fichier, *racine, generes, rapport);
  if (!rapport.vide()) return nullptr;
  // The choice lists of the transfers carry the partners' codes and names.
  racine->MajListeAssocieCessionnaire();
  racine->MajListeAssocieCedant();
  return racine;
}

std::unordered_set<std::string> CodesDonnes(const FichierDeclaration& fichier) {
  std::unordered_set<std::string> codes;
  for (const LettreFichier& l : fichier.lettres)
    if (const auto* e = EntreeDictionnaire2072(static_cast<int>(l.code)); e != nullptr && e->lettre.role == lettres::Role::Cle)
      codes.insert(l.valeur);
  return codes;
}

}  // namespace hote2072
