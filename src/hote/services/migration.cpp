#include "services/migration.h"

#include <algorithm>
#include <map>
#include <span>
#include <unordered_map>

#include "chargement/chargement.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"
#include "format/ecriture.h"
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

// A letter that found no place, noted once every step of its record has run (a property's
// steps read old letters after loading).
struct Ecartee {
  short code;
  std::string valeur;
  bool connue;  // today's form has the code, at other index levels
  std::vector<int> niveaux;
};

// The old letters of one record, as the steps convert them.
struct Groupe {
  std::unique_ptr<TMoulinetteInfo> info;
  std::unordered_map<short, std::size_t> rangs;  // code -> rank of the old letter in the file
  std::size_t premierRang = 0;
  std::vector<Ecartee> ecartees;
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
void Garde(Groupe& g, const Index& index, FichierDeclaration& sortie) {
  const std::vector<int> cles = Cles(index);
  for (structLettre* l = VaPremiereLettre(g.info->geTListeLettres()); !FinListeLettre(l); l = VaLettreSuivante(l)) {
    std::string valeur = l->valeur ? l->valeur : "";
    const EntreeDictionnaire* e = zorfiscal2072::EntreeDictionnaire2072(l->code);
    const bool connue = e != nullptr && e->parLaRacine;
    if (connue && e->lettre.type() == 'd' && DateNonSaisie(valeur)) valeur.clear();
    if (!connue || e->niveaux != cles) {
      g.ecartees.push_back({l->code, std::move(valeur), connue, connue ? e->niveaux : std::vector<int>{}});
      continue;
    }
    const lettres::DescriptionLettre& d = e->lettre;
    if (d.primitive == lettres::Primitive::Texte && d.taille >= 1 &&
        lettres::NombreCaracteres(valeur) > static_cast<std::size_t>(d.taille - 1)) {
      const std::string coupe = lettres::Tronque(valeur, static_cast<std::size_t>(d.taille - 1));
      g.info->AjouteNote(l->code, TMoulinetteInfo::Evenement::Coupe,
                         "text of " + std::to_string(lettres::NombreCaracteres(valeur)) + " characters cut to " +
                             std::to_string(d.taille - 1) + ", what " + d.champ + " holds: " + CiteValeur(coupe));
      valeur = coupe;
    }
    const auto origine = g.rangs.find(g.info->Origine(l->code));
    const std::size_t rang = origine != g.rangs.end() ? origine->second : g.premierRang;
    sortie.lettres.push_back({rang, l->code, index, std::move(valeur)});
  }
}

// Notes the letters of a group that found no place, once its steps have all run.
void NoteEcartees(Groupe& g) {
  for (const Ecartee& e : g.ecartees) {
    if (e.valeur.empty()) continue;                     // nothing lost
    if (!e.connue && g.info->EstLue(e.code)) continue;  // a step used its content
    const std::string pourquoi = e.connue ? Appartenance(e.niveaux) : "today's form has no letter of this code";
    g.info->AjouteNote(e.code, TMoulinetteInfo::Evenement::Ecarte,
                       "left out, value " + CiteValeur(e.valeur) + ": " + pourquoi);
  }
  g.ecartees.clear();
}

// The old letters in record order (by index, file order within a record): a record's letters
// are converted together, and only one record is held at a time.
std::vector<const LettreFichier*> ParEnregistrement(const FichierDeclaration& ancien) {
  std::vector<const LettreFichier*> ordre;
  ordre.reserve(ancien.lettres.size());
  for (const LettreFichier& l : ancien.lettres) ordre.push_back(&l);
  const auto avant = [](const LettreFichier* a, const LettreFichier* b) { return a->index < b->index; };
  if (!std::is_sorted(ordre.begin(), ordre.end(), avant)) std::stable_sort(ordre.begin(), ordre.end(), avant);
  return ordre;
}

// Applies `f` to each run of letters of one record, in record order.
template <class F>
void PourChaqueEnregistrement(const std::vector<const LettreFichier*>& ordre, F f) {
  for (std::size_t debut = 0, fin = 0; debut < ordre.size(); debut = fin) {
    for (fin = debut + 1; fin < ordre.size() && ordre[fin]->index == ordre[debut]->index;) ++fin;
    f(std::span(ordre).subspan(debut, fin - debut));
  }
}

}  // namespace

namespace {

void VerifieForme(const std::vector<const LettreFichier*>& ordre, Rapport& rapport) {
  std::unordered_map<long long, std::size_t> vues;  // code -> rank, within one record
  PourChaqueEnregistrement(ordre, [&](std::span<const LettreFichier* const> lettres) {
    vues.clear();
    for (const LettreFichier* l : lettres) {
      if (l->code < kPremierCodeAncien || l->code > kDernierCodeAncien) {
        rapport.Ajoute(*l, "not a letter code: codes of earlier engines are whole numbers from " +
                               std::to_string(kPremierCodeAncien) + " to " + std::to_string(kDernierCodeAncien));
        continue;
      }
      const auto [it, nouvelle] = vues.try_emplace(l->code, l->rang);
      if (!nouvelle)
        rapport.Ajoute(*l, "the same letter (code and index) is already given by letter " + std::to_string(it->second));
      // The steps work on the letter library's texts, which end at a zero byte: the rest of
      // the value would be lost without a word.
      if (l->valeur.find('\0') != std::string::npos)
        rapport.Ajoute(*l,
                       "the value holds a zero byte (\\u0000), which no letter can hold: expected a text without one");
    }
  });
}

}  // namespace

void VerifieFormeAncienne(const FichierDeclaration& ancien, Rapport& rapport) {
  VerifieForme(ParEnregistrement(ancien), rapport);
}

Migration Migre(const FichierDeclaration& ancien, const std::string& version, Rapport& rapport) {
  Migration resultat;
  const std::vector<const LettreFichier*> ordre = ParEnregistrement(ancien);
  VerifieForme(ordre, rapport);
  if (!rapport.vide()) return resultat;

  // Each record's letters run the root's steps and leave their converted letters; only the
  // properties' groups are kept, for their own steps once the declaration is loaded. Codes
  // are 12000 to 12999 from here on: they fit the letters' 16 bits.
  FichierDeclaration converti;
  converti.annee = ancien.annee;
  std::map<Index, Groupe> proprietes;
  std::vector<std::pair<Index, std::vector<std::string>>> notes;  // by record; a property's come later
  {
    TDonnee2072 modele;
    PourChaqueEnregistrement(ordre, [&](std::span<const LettreFichier* const> lettres) {
      const Index& index = lettres.front()->index;
      Groupe g;
      g.info = std::make_unique<TMoulinetteInfo>(version, VersTIndex(index));
      g.premierRang = lettres.front()->rang;
      for (const LettreFichier* l : lettres) {
        const auto code = static_cast<short>(l->code);
        AjouteLettre(&g.info->geTListeLettres(), code, l->valeur.c_str(), 0, 0, 1, 0);
        g.rangs.emplace(code, l->rang);
      }
      modele.moulinette(*g.info);
      Garde(g, index, converti);
      notes.emplace_back(index, std::vector<std::string>{});
      if (index.size() == 1 && index[0].first == zorfiscal2072::kNiveauPropriete) {
        proprietes.emplace(index, std::move(g));
        return;
      }
      NoteEcartees(g);
      for (const TMoulinetteInfo::Note& n : g.info->Notes()) notes.back().second.push_back(TexteNote(n));
    });
  }
  std::stable_sort(converti.lettres.begin(), converti.lettres.end(),
                   [](const LettreFichier& a, const LettreFichier& b) { return a.rang < b.rang; });

  // The properties' steps come after loading, so a coded value may still be an old one here:
  // the lists are checked on what the steps leave.
  auto racine = Charge(converti, rapport, {.listes = false, .gabarits = false});
  converti = {};
  if (racine) {
    // A property's steps correct the loaded property, with its record's old letters.
    auto& liste = racine->getPropriete2072();
    for (std::size_t p = 0; p < liste.size(); ++p) {
      const Index index{{zorfiscal2072::kNiveauPropriete, static_cast<int>(p)}};
      Groupe& g = proprietes[index];
      if (!g.info) g.info = std::make_unique<TMoulinetteInfo>(version, VersTIndex(index));
      liste[p].moulinette(*g.info);
    }
    // What is written must load: a value outside its list is the old file's, or a step's fault.
    Rapport migree;
    Verifie(Ecrit(*racine, false), migree);
    for (const std::string& p : migree.problemes()) rapport.Ajoute("the migrated declaration's " + p);
    for (const std::string& a : migree.avertissements()) rapport.Avertit("the migrated declaration's " + a);
  }
  for (auto& [index, textes] : notes) {
    const auto it = proprietes.find(index);
    if (it == proprietes.end()) continue;
    NoteEcartees(it->second);
    for (const TMoulinetteInfo::Note& n : it->second.info->Notes()) textes.push_back(TexteNote(n));
  }
  for (auto& [index, textes] : notes)
    for (std::string& t : textes) resultat.notes.push_back(std::move(t));
  if (rapport.vide()) resultat.racine = std::move(racine);
  return resultat;
}

}  // namespace hote2072
