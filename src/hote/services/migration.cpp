#include "services/migration.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "chargement/chargement.h"
#include "chargement/verification.h"
#include "format/ecriture.h"
#include "dictionnaire2072.h"
#include "lettres.h"
#include "moulinette.h"
#include "niveaux2072.h"
#include "tablelettres.h"

namespace hote2072 {

using zorfiscal2072::EntreeDictionnaire;

namespace {

// Codes of every engine, today's and earlier ones, lie in the letter tables' range.
constexpr long long kPremierCodeAncien = lettres::kPremierCode;
constexpr long long kDernierCodeAncien = lettres::kPremierCode + lettres::kEtendueCodes - 1;

// The old letters of one record, as the steps convert them.
struct Groupe {
  std::unique_ptr<TMoulinetteInfo> info;
  std::unordered_map<short, std::size_t> rangs;  // code -> rank of the old letter in the file
  std::size_t premierRang = 0;
};

// A letter that found no place, noted once every step has run (a property's steps read old
// letters after loading).
struct Ecartee {
  Groupe* groupe;
  short code;
  std::string valeur;
  bool connue;  // today's form has the code, at other index levels
  std::vector<int> niveaux;
};

std::vector<int> Cles(const Index& index) {
  std::vector<int> cles;
  for (const auto& [cle, position] : index) cles.push_back(cle);
  return cles;
}

// A date whose day, month and year are all zero or blank ("00/00/   0") was not entered.
bool DateNonSaisie(const std::string& texte) {
  int parties = 1;
  for (char c : texte) {
    if (c == '/')
      ++parties;
    else if (c != '0' && c != ' ')
      return false;
  }
  return parties == 3;
}

std::string Appartenance(const std::vector<int>& niveaux) {
  if (niveaux.empty()) return "this letter belongs to the declaration itself (no index), not to this record";
  std::string texte = "this letter belongs to a record reached with index levels";
  for (std::size_t k = 0; k < niveaux.size(); ++k) texte += (k ? ", " : " ") + std::to_string(niveaux[k]);
  return texte + ", not to this one";
}

std::string TexteNote(const TMoulinetteInfo::Note& n) {
  return "code " + std::to_string(n.code) + ", index " + DecritIndex(VersIndex(n.index)) + ": " + n.detail;
}

// The converted letters of a group that today's declaration holds at this record; the
// others are set aside.
void Garde(Groupe& g, const Index& index, FichierDeclaration& sortie, std::vector<Ecartee>& ecartees) {
  const std::vector<int> cles = Cles(index);
  for (structLettre* l = VaPremiereLettre(g.info->geTListeLettres()); !FinListeLettre(l); l = VaLettreSuivante(l)) {
    std::string valeur = l->valeur ? l->valeur : "";
    const EntreeDictionnaire* e = zorfiscal2072::EntreeDictionnaire2072(l->code);
    const bool connue = e != nullptr && e->parLaRacine;
    if (connue && e->lettre.type() == 'd' && DateNonSaisie(valeur)) valeur.clear();
    if (!connue || e->niveaux != cles) {
      ecartees.push_back({&g, l->code, std::move(valeur), connue, connue ? e->niveaux : std::vector<int>{}});
      continue;
    }
    const lettres::DescriptionLettre& d = e->lettre;
    if (d.primitive == lettres::Primitive::Texte && d.taille >= 1 &&
        lettres::NombreCaracteres(valeur) > static_cast<std::size_t>(d.taille - 1)) {
      const std::string coupe = lettres::Tronque(valeur, static_cast<std::size_t>(d.taille - 1));
      g.info->AjouteNote(l->code, TMoulinetteInfo::Evenement::Coupe,
                         "text of " + std::to_string(lettres::NombreCaracteres(valeur)) + " characters cut to " +
                             std::to_string(d.taille - 1) + ", what " + d.champ + " holds: " + TexteJson(coupe));
      valeur = coupe;
    }
    const auto origine = g.rangs.find(g.info->Origine(l->code));
    const std::size_t rang = origine != g.rangs.end() ? origine->second : g.premierRang;
    sortie.lettres.push_back({rang, l->code, index, std::move(valeur)});
  }
}

void NoteEcartee(const Ecartee& e) {
  if (e.valeur.empty()) return;                              // nothing lost
  if (!e.connue && e.groupe->info->EstLue(e.code)) return;  // a step used its content
  const std::string pourquoi =
      e.connue ? Appartenance(e.niveaux) : "today's form has no letter of this code";
  e.groupe->info->AjouteNote(e.code, TMoulinetteInfo::Evenement::Ecarte,
                             "left out, value " + TexteJson(e.valeur) + ": " + pourquoi);
}

}  // namespace

void VerifieFormeAncienne(const FichierDeclaration& ancien, Rapport& rapport) {
  std::map<std::pair<long long, Index>, std::size_t> vues;
  for (const LettreFichier& l : ancien.lettres) {
    if (l.code < kPremierCodeAncien || l.code > kDernierCodeAncien) {
      rapport.Ajoute(l, "not a letter code: codes of earlier engines are whole numbers from " + std::to_string(kPremierCodeAncien) +
                            " to " + std::to_string(kDernierCodeAncien));
      continue;
    }
    const auto [it, nouvelle] = vues.try_emplace({l.code, l.index}, l.rang);
    if (!nouvelle)
      rapport.Ajoute(l, "the same letter (code and index) is already given by letter " + std::to_string(it->second));
    // The steps work on the letter library's texts, which end at a zero byte: the rest of the
    // value would be lost without a word.
    if (l.valeur.find('\0') != std::string::npos)
      rapport.Ajoute(l, "the value holds a zero byte (\\u0000), which no letter can hold: expected a text without one");
  }
}

Migration Migre(const FichierDeclaration& ancien, const std::string& version, Rapport& rapport) {
  Migration resultat;
  VerifieFormeAncienne(ancien, rapport);
  if (!rapport.vide()) return resultat;

  // Codes are 12000 to 12999 from here on: they fit the letters' 16 bits.
  std::map<Index, Groupe> groupes;
  for (const LettreFichier& l : ancien.lettres) {
    Groupe& g = groupes[l.index];
    if (!g.info) {
      g.info = std::make_unique<TMoulinetteInfo>(version, VersTIndex(l.index));
      g.premierRang = l.rang;
    }
    const auto code = static_cast<short>(l.code);
    AjouteLettre(&g.info->geTListeLettres(), code, l.valeur.c_str(), 0, 0, 1, 0);
    g.rangs.emplace(code, l.rang);
  }

  FichierDeclaration converti;
  converti.annee = ancien.annee;
  std::vector<Ecartee> ecartees;
  {
    TDonnee2072 modele;
    for (auto& [index, g] : groupes) {
      modele.moulinette(*g.info);
      Garde(g, index, converti, ecartees);
    }
  }
  std::stable_sort(converti.lettres.begin(), converti.lettres.end(),
                   [](const LettreFichier& a, const LettreFichier& b) { return a.rang < b.rang; });

  // The properties' steps come after loading, so a coded value may still be an old one here:
  // the lists are checked on what the steps leave.
  auto racine = Charge(converti, rapport, {.listes = false, .gabarits = false});
  if (racine) {
    // A property's steps correct the loaded property, with its record's old letters.
    auto& proprietes = racine->getPropriete2072();
    for (std::size_t p = 0; p < proprietes.size(); ++p) {
      const Index index{{zorfiscal2072::kNiveauPropriete, static_cast<int>(p)}};
      Groupe& g = groupes[index];
      if (!g.info) g.info = std::make_unique<TMoulinetteInfo>(version, VersTIndex(index));
      proprietes[p].moulinette(*g.info);
    }
    // What is written must load: a value outside its list is the old file's, or a step's fault.
    Rapport migree;
    Verifie(Ecrit(*racine, false), migree);
    for (const std::string& p : migree.problemes()) rapport.Ajoute("the migrated declaration's " + p);
    for (const std::string& a : migree.avertissements()) rapport.Avertit("the migrated declaration's " + a);
  }
  for (const Ecartee& e : ecartees) NoteEcartee(e);
  for (const auto& [index, g] : groupes)
    for (const TMoulinetteInfo::Note& n : g.info->Notes()) resultat.notes.push_back(TexteNote(n));
  if (rapport.vide()) resultat.racine = std::move(racine);
  return resultat;
}

}  // namespace hote2072
