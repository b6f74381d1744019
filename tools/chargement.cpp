#include "chargement.h"

#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "bornes.h"
#include "dictionnaire2072.h"
#include "lettres.h"
#include "niveaux2072.h"
#include "verification.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

// Letters that give a property, a partner and a sale its code.
constexpr int kCodePropriete = 12655, kCodeAssocie = 12694, kCodeCession = 12765;

// A letter owning its heap value, as the letter library expects.
class LettreTemporaire {
 public:
  LettreTemporaire(int code, const std::string& valeur) {
    m_lettre.code = static_cast<std::int16_t>(code);
    m_lettre.valeur = static_cast<char*>(std::malloc(valeur.size() + 1));
    if (m_lettre.valeur == nullptr) throw std::bad_alloc();
    std::memcpy(m_lettre.valeur, valeur.c_str(), valeur.size() + 1);
  }
  ~LettreTemporaire() { std::free(m_lettre.valeur); }
  LettreTemporaire(const LettreTemporaire&) = delete;
  LettreTemporaire& operator=(const LettreTemporaire&) = delete;
  structLettre* get() { return &m_lettre; }

 private:
  structLettre m_lettre{1, 0, nullptr, 0, nullptr};
};

// The text a field gave back reads as the value it was given. Fields narrower than their
// letter's type (a mode held as an integer behind an amount letter) would otherwise change a
// value silently.
bool MemeValeur(char type, const std::string& donne, const char* relu) {
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

// Codes of the records of one kind, in position order.
struct Codes {
  std::vector<std::string> proprietes, associes, cessions;
};

Codes LitCodes(const TDonnee2072& racine) {
  Codes c;
  for (const auto& p : racine.getPropriete2072()) c.proprietes.push_back(p.getCodePropriete());
  for (const auto& a : racine.getAssocie2072()) c.associes.push_back(a.getCodeAssocie());
  for (const auto& s : racine.getOperationSociete().getCession()) c.cessions.push_back(s.getCodeCession());
  return c;
}

// Every field that names a property, a partner or a sale by its code takes the new code in
// one pass over the declaration.
void RepointeCodes(TDonnee2072& racine, const std::unordered_map<std::string, std::string>& nouveau) {
  if (nouveau.empty()) return;
  const auto suit = [&](const std::string& code, auto&& set) {
    if (const auto it = nouveau.find(code); it != nouveau.end()) set(it->second);
  };
  for (TPropriete2072& p : racine.getPropriete2072()) {
    for (TLocataire& t : p.getLocataire())
      suit(t.getCodePropriete(), [&](const std::string& c) { t.setCodePropriete(c); });
    for (TBeneficiaire& b : p.getBeneficiaire())
      suit(b.getCodePropriete(), [&](const std::string& c) { b.setCodePropriete(c); });
    for (TComposant& c : p.getAmortissementComposant().getComposant())
      suit(c.getCodePropriete(), [&](const std::string& v) { c.setCodePropriete(v); });
  }
  for (TAssocie2072& a : racine.getAssocie2072()) {
    for (TListeProprieteJouissanceGratuite& e : a.getListeProprieteJouissanceGratuite()) {
      suit(e.getCodePropriete(), [&](const std::string& c) { e.setCodePropriete(c); });
      suit(e.getCodeAssocie(), [&](const std::string& c) { e.setCodeAssocie(c); });
    }
    for (TQuotePartPropriete& q : a.getBulletin2072().getQuotePartPropriete()) {
      suit(q.getCodePropriete(), [&](const std::string& c) { q.setCodePropriete(c); });
      suit(q.getCodeAssocie(), [&](const std::string& c) { q.setCodeAssocie(c); });
    }
    for (TRepartitionOperationsSociete& r : a.getBulletin2072().getRepartitionOperationsSociete()) {
      suit(r.getCodeCession(), [&](const std::string& c) { r.setCodeCession(c); });
      suit(r.getCodeAssocie(), [&](const std::string& c) { r.setCodeAssocie(c); });
    }
  }
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

// The record whose code a reference letter must repeat, once codes are in place.
struct Reference {
  int niveauProprietaire;  // level of the record whose code the letter must repeat
  const char* nomProprietaire;
  const char* lettreCode;  // the letter that gives that record its code
};

const Reference* ReferenceDe(long long code) {
  static const std::unordered_map<long long, Reference> references{
      {12767, {kNiveauQuotePart, "property", "12655"}},  // share: its property (by position)
      {12768, {kNiveauAssocie, "partner", "12694"}},     // share: its partner
      {12766, {kNiveauRepartition, "sale", "12765"}},    // distribution: its sale (by position)
      {12769, {kNiveauAssocie, "partner", "12694"}},     // distribution: its partner
      {12693, {kNiveauAssocie, "partner", "12694"}},     // free-use entry: its partner
      {12654, {kNiveauPropriete, "property", "12655"}},  // tenant
      {12736, {kNiveauPropriete, "property", "12655"}},  // beneficiary
      {12743, {kNiveauPropriete, "property", "12655"}},  // component
  };
  const auto it = references.find(code);
  return it == references.end() ? nullptr : &it->second;
}

std::string PositionsAssocies(long n) {
  const std::string autre = std::to_string(n) + " for a person outside the partners";
  if (n == 0) return "the file has no partner: only " + autre;
  if (n == 1) return "the file has 1 partner: position 0, and " + autre;
  return "the file has " + std::to_string(n) + " partners: positions 0 to " + std::to_string(n - 1) + ", and " + autre;
}

// The codes of the kind of record a reference letter names: properties for shares (by the
// share's position) and for tenants, beneficiaries and components; partners; sales.
const std::vector<std::string>& CodesNommes(const Codes& codes, int niveau) {
  if (niveau == kNiveauQuotePart || niveau == kNiveauPropriete) return codes.proprietes;
  return niveau == kNiveauAssocie ? codes.associes : codes.cessions;
}

void ControleReferences(const FichierDeclaration& fichier, const TDonnee2072& racine, const Codes& generes,
                        Rapport& rapport) {
  const Codes codes = LitCodes(racine);
  const std::unordered_set<std::string> proprietes(codes.proprietes.begin(), codes.proprietes.end());
  for (const LettreFichier& l : fichier.lettres) {
    if (const Reference* r = ReferenceDe(l.code)) {
      const auto position = static_cast<std::size_t>(PositionDans(l.index, r->niveauProprietaire));
      const std::string& attendu = CodesNommes(codes, r->niveauProprietaire).at(position);
      if (l.valeur == attendu) continue;
      const bool genere = attendu == CodesNommes(generes, r->niveauProprietaire).at(position);
      const std::string nom = r->nomProprietaire;
      rapport.Ajoute(l, "names " + nom + " " + TexteJson(l.valeur) + ", but this letter's " + nom + " is " + nom + " " +
                            std::to_string(position) +
                            (genere ? std::string(", whose code the file does not give (letter ") + r->lettreCode + ")"
                                    : ", whose code is " + TexteJson(attendu)));
    } else if (l.code == 12692 && !l.valeur.empty() && proprietes.count(l.valeur) == 0) {
      rapport.Ajoute(l, "names property " + TexteJson(l.valeur) +
                            ", which no property has (letter 12655 gives a property its code)");
    } else if (l.code == 12762 || l.code == 12763) {
      long long p = 0;
      lettres::LitEntier(l.valeur.c_str(), p);
      const auto n = static_cast<long>(codes.associes.size());
      if (p < 0 || p > n)
        rapport.Ajoute(l, "names partner position " + std::to_string(p) + ", but " + PositionsAssocies(n));
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

  std::unordered_map<int, const LettreFichier*> codePropriete, codeAssocie, codeCession;
  for (const LettreFichier& l : fichier.lettres) {
    const TIndex index = VersTIndex(l.index);
    LettreTemporaire lettre(static_cast<int>(l.code), l.valeur), relue(static_cast<int>(l.code), "");
    if (!racine->TransfertUneLettre(lettre.get(), index, 0) || !racine->TransfertUneLettre(relue.get(), index, 1))
      rapport.Ajoute(l, "no record of the declaration took this letter");
    else if (const char type = zorfiscal2072::EntreeDictionnaire2072(static_cast<int>(l.code))->lettre.type();
             !MemeValeur(type, l.valeur, relue.get()->valeur))
      rapport.Ajoute(
          l, std::string("the field cannot hold this value exactly: it keeps ") + TexteJson(relue.get()->valeur));
    if (l.code == kCodePropriete) codePropriete[PositionDans(l.index, kNiveauPropriete)] = &l;
    if (l.code == kCodeAssocie) codeAssocie[PositionDans(l.index, kNiveauAssocie)] = &l;
    if (l.code == kCodeCession) codeCession[PositionDans(l.index, kNiveauCession)] = &l;
  }

  const Codes finals = LitCodes(*racine);
  std::unordered_map<std::string, std::string> nouveau;
  ControleCodes(generes.proprietes, finals.proprietes, codePropriete, "property", nouveau, rapport);
  ControleCodes(generes.associes, finals.associes, codeAssocie, "partner", nouveau, rapport);
  ControleCodes(generes.cessions, finals.cessions, codeCession, "sale", nouveau, rapport);
  RepointeCodes(*racine, nouveau);
  ControleReferences(fichier, *racine, generes, rapport);
  if (!rapport.vide()) return nullptr;
  // The choice lists of the transfers carry the partners' codes and names.
  racine->MajListeAssocieCessionnaire();
  racine->MajListeAssocieCedant();
  return racine;
}

}  // namespace hote2072
