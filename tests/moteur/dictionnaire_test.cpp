#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "aide_lettres.h"
#include "arbre2072.h"
#include "composant2072.h"
#include "dictionnaire2072.h"
#include "niveaux2072.h"
#include "tables2072.h"

using namespace zorfiscal2072;

namespace {

// A declaration holding one record of every kind, each at position 0.
TDonnee2072 DeclarationComplete() {
  TDonnee2072 d;
  d.AjoutePropriete();
  d.AjouteCession();
  d.AjouteAssocie();
  TPropriete2072& p = d.getPropriete2072()[0];
  p.getLocataire().emplace_back();
  p.getBeneficiaire().emplace_back();
  p.getAmortissementComposant().getComposant().emplace_back();
  TAssocie2072& a = d.getAssocie2072()[0];
  a.getListeProprieteJouissanceGratuite().emplace_back();
  d.getCessionsPartsSociete().getCessionParts().emplace_back();
  return d;
}

TIndex IndexPour(const EntreeDictionnaire& e, int position = 0) {
  TIndex index;
  for (int niveau : e.niveaux) index.setValeurIndex(niveau, position);
  return index;
}

TIndex IndexComplet() {
  TIndex index;
  for (int niveau = kNiveauPropriete; niveau <= kNiveauJouissanceGratuite; ++niveau) index.setValeurIndex(niveau, 0);
  return index;
}

using CodesParEnregistrement = std::map<std::string, std::map<int, char>>;

// tests/moteur/codes_enregistrements.txt: "TLocataire: 12593-12595 S, 12596 L, 12654 S", a
// record's line holding each code or range of codes with its type; a record may have two lines.
CodesParEnregistrement CodesAttendus() {
  std::ifstream fichier(std::filesystem::path(SCI2072_EXEMPLES).parent_path() /
                        "tests/moteur/codes_enregistrements.txt");
  CodesParEnregistrement attendus;
  std::string ligne;
  while (std::getline(fichier, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    std::istringstream flux(ligne.substr(ligne.find(':') + 1));
    std::map<int, char>& codes = attendus[ligne.substr(0, ligne.find(':'))];
    std::string plage;
    char type = 0;
    while (flux >> plage >> type) {
      const auto tiret = plage.find('-');
      const int debut = std::stoi(plage.substr(0, tiret));
      const int fin = tiret == std::string::npos ? debut : std::stoi(plage.substr(tiret + 1));
      for (int c = debut; c <= fin; ++c) codes[c] = type;
      flux.ignore(1, ',');
    }
  }
  return attendus;
}

}  // namespace

// Each record answers for exactly its codes, with their types, each field under one code.
TEST(Dictionnaire, ChaqueEnregistrementSesCodes) {
  CodesParEnregistrement lus;
  std::map<std::string, std::set<std::string>> champs;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    lus[e.enregistrement][e.lettre.code] = e.lettre.type();
    EXPECT_TRUE(champs[e.enregistrement].insert(e.lettre.champ).second) << e.enregistrement << " " << e.lettre.champ;
  }
  const CodesParEnregistrement attendus = CodesAttendus();
  ASSERT_EQ(attendus.size(), 53u);
  for (const auto& [enregistrement, codes] : attendus) EXPECT_EQ(lus[enregistrement], codes) << enregistrement;
  EXPECT_EQ(lus.size(), attendus.size());
}

TEST(Dictionnaire, ContenuOrdreEtTypes) {
  structListeLettres* liste = nullptr;
  TCreerLettrage_2072().Execute(&liste, true);
  std::vector<structLettre*> lettres;
  for (structLettre* l = VaPremiereLettre(liste); !FinListeLettre(l); l = VaLettreSuivante(l)) lettres.push_back(l);
  ASSERT_EQ(lettres.size(), 663u);
  std::map<char, int> parType;
  std::multiset<int> codes;
  for (structLettre* l : lettres) {
    ++parType[static_cast<char>(l->type)];
    codes.insert(l->code);
    EXPECT_STREQ(l->valeur, "");
  }
  EXPECT_EQ(parType['D'], 302);
  EXPECT_EQ(parType['S'], 215);
  EXPECT_EQ(parType['L'], 127);
  EXPECT_EQ(parType['d'], 19);
  EXPECT_EQ(std::set<int>(codes.begin(), codes.end()).size(), 661u);
  EXPECT_EQ(codes.count(12564), 2u);
  EXPECT_EQ(codes.count(12565), 2u);
  for (int absent : {12004, 12050, 12051, 12052, 12053, 12054}) EXPECT_EQ(codes.count(absent), 0u) << absent;
  const std::vector<int> debut{12003, 12005, 12438, 12439, 12440, 12550};
  for (std::size_t i = 0; i < debut.size(); ++i) EXPECT_EQ(lettres[i]->code, debut[i]);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(lettres[lettres.size() - 5 + i]->code, 12702 + static_cast<int>(i));
  LibereListeLettres(&liste);

  TCreerLettrage_2072().Execute(&liste, false);  // types left as the list made them
  EXPECT_EQ(NombreLettres(liste), 663u);
  EXPECT_EQ(VaPremiereLettre(liste)->type, 0);
  LibereListeLettres(&liste);
  TCreerLettrage_2072().Execute(nullptr, true);  // a null handle is harmless

  const EntreeDictionnaire* e = EntreeDictionnaire2072(12593);
  ASSERT_NE(e, nullptr);
  EXPECT_STREQ(e->enregistrement, "TLocataire");
  EXPECT_EQ(e->niveaux, (std::vector<int>{300, 303}));
  EXPECT_STREQ(EntreeDictionnaire2072(12564)->enregistrement, "TInfogene2072");
  EXPECT_STREQ(EntreeDictionnaire2072(12441)->lettre.champ, "SocieteAdresseSiege[0].NumeroTypeEtNomVoie");
  EXPECT_EQ(EntreeDictionnaire2072(12004), nullptr);
}

// Every dictionary code is taken by its record through the root with the index its levels
// need, and gives back what was written; no other code of the range is taken by any record.
TEST(Dictionnaire, AccordAvecLesEnregistrements) {
  TDonnee2072 d = DeclarationComplete();
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    if (!e.parLaRacine) continue;
    const std::string valeur = e.lettre.code == 12820 ? "2" : aide::ValeurExemple(e.lettre);
    const TIndex index = IndexPour(e);
    ASSERT_TRUE(aide::Ecrit(d, e.lettre.code, valeur, index)) << e.lettre.code << " " << e.enregistrement;
    EXPECT_EQ(aide::Lit(d, e.lettre.code, index), valeur) << e.lettre.code << " " << e.enregistrement;
    // A letter whose index names no existing record is not taken and changes nothing.
    if (!e.niveaux.empty()) {
      const TDonnee2072 avant = d;
      EXPECT_FALSE(aide::Ecrit(d, e.lettre.code, valeur, IndexPour(e, 1))) << e.lettre.code;
      EXPECT_EQ(d, avant);
    }
  }
  for (int code = 12000; code <= 12999; ++code) {
    if (EntreeDictionnaire2072(code) != nullptr) continue;
    EXPECT_EQ(aide::Lit(d, static_cast<short>(code), IndexComplet()), "<refused>") << code;
  }
}

// The catalogue: every entry has a label, one of its own; a coded field names a list the
// tables hold; a list chosen by the person type names a type field of its record; fields
// moved as short codes are all coded, and so are the codes the form holds in longs and reals;
// each list is used by some field or is said to be the host's.
TEST(Catalogue, LibellesListesEtUsages) {
  const TTables_2072& tables = *TTables_2072::getInstance();
  std::map<std::string, int> libelles;
  std::set<lettres::Liste> utilisees;
  const std::set<std::string> codesLongsOuReels{"RegimeFiscal",
                                                "Categorie",
                                                "OptionFiscale",
                                                "OptionTauxDeduction",
                                                "TauxPlusValue",
                                                "ModePaiementCRL",
                                                "QuotePartDifferente",
                                                "AssociesISBICBA",
                                                "ImpressionImmeuble",
                                                "ImpressionGroupeImmeubles",
                                                "Lie"};
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    const lettres::DescriptionLettre& d = e.lettre;
    const std::string quoi = std::to_string(d.code) + " " + d.champ;
    ASSERT_NE(d.libelle, nullptr) << quoi;
    EXPECT_GE(std::string(d.libelle).size(), 3u) << quoi;
    const auto [autre, nouveau] = libelles.emplace(d.libelle, d.code);
    EXPECT_TRUE(nouveau || autre->second == d.code) << quoi << " has the label of " << autre->second;
    if (d.primitive == lettres::Primitive::Court || codesLongsOuReels.count(d.champ) != 0) {
      EXPECT_TRUE(d.codee()) << quoi << " names no list";
    }
    if (!d.codee()) continue;
    EXPECT_EQ(d.unite, lettres::Unite::Aucune) << quoi;
    std::vector<lettres::Liste> listes{d.liste, d.listeMorale};
    for (std::size_t k = 0; k < d.nbListesSelon; ++k) {
      listes.push_back(d.listesSelon[k].liste);
      // a list chosen by another field is a part of the field's list
      for (const TElement& x : *tables.Liste(d.listesSelon[k].liste))
        EXPECT_TRUE(std::any_of(tables.Liste(d.liste)->begin(), tables.Liste(d.liste)->end(),
                                [&](const TElement& y) { return y.get_enum() == x.get_enum(); }))
            << quoi << ": " << x.get_enum();
    }
    for (lettres::Liste l : listes) {
      if (l == lettres::kAucuneListe) continue;
      ASSERT_NE(tables.Liste(l), nullptr) << quoi;
      utilisees.insert(l);
    }
    if (d.listeMorale != lettres::kAucuneListe || d.nbListesSelon > 0) {
      const auto& lignes = Dictionnaire2072();
      const auto type = std::find_if(lignes.begin(), lignes.end(), [&](const EntreeDictionnaire& t) {
        return t.enregistrement == e.enregistrement && std::string(t.lettre.champ) == d.champType;
      });
      ASSERT_NE(type, lignes.end()) << quoi;
      if (d.listeMorale != lettres::kAucuneListe) {
        EXPECT_EQ(type->lettre.liste, lettres::Liste::ListeTypePersonne) << quoi;
      }
    }
  }
  EXPECT_EQ(TTables_2072::Listes().size(), 36u);
  for (lettres::Liste l : TTables_2072::Listes())
    EXPECT_EQ(utilisees.count(l) == 1, TTables_2072::Usage(l) == UsageListe::Champ) << TTables_2072::NomListe(l);
}

namespace {

// Every letter of a record of the declaration, with the index that names the record.
struct Occurrence {
  lettres::DescriptionLettre description;
  TIndex index;
};

std::vector<Occurrence> Occurrences(TDonnee2072& d) {
  std::vector<Occurrence> occurrences;
  PourChaqueEnregistrement(d, [&](auto& r, const TIndex& index) {
    using T = std::remove_cvref_t<decltype(r)>;
    if constexpr (arbre::kALettres<T>)
      for (const lettres::DescriptionLettre& description : T::Lettres().Descriptions())
        occurrences.push_back({description, index});
  });
  return occurrences;
}

// What the test writes into a field: an example for what a person enters (the mode of a
// linked element keeps the amount entered; codes and the codes that link records keep the
// declaration's shape), a value no computation gives for what the engine fills.
std::string Ecrite(const lettres::DescriptionLettre& d) {
  using lettres::Nature;
  if (d.nature == Nature::LieMode) return "2";
  if (d.role != lettres::Role::Valeur) return "";
  if (d.nature == Nature::Saisie || d.nature == Nature::LieRetenu) return d.codee() ? "" : aide::ValeurExemple(d);
  switch (d.primitive) {
    case lettres::Primitive::Texte: return "zz";
    case lettres::Primitive::Reel: return "987654.25";
    case lettres::Primitive::ReelFormat: return d.taille == 5 ? "98765.43210" : "987654.25";
    default: return "97";
  }
}

}  // namespace

// The roles against the engine: what a person enters survives a computation (in one record
// at least: a property's category clears the amounts it excludes), what the engine fills does
// not survive its reset of the results and the computation that follows.
TEST(Catalogue, RolesSelonLeMoteur) {
  TDonnee2072 d;
  constexpr long kCategories[][3] = {{1, 2, 3}, {4, 6, 3}, {6, 12, 8}, {8, 1, 3}};  // category, scheme, deduction
  for (const auto& [categorie, option, deduction] : kCategories) {
    TPropriete2072& p = d.getPropriete2072()[static_cast<std::size_t>(d.AjoutePropriete())];
    p.setCategorie(categorie);
    p.setOptionFiscale(option);
    p.setApplicationCRL(1);
    p.getDonneeProprieteFoncier().setOptionTauxDeduction(deduction);
    p.getLocataire().emplace_back();
    p.getBeneficiaire().emplace_back();
    p.getAmortissementComposant().getComposant().emplace_back();
  }
  d.AjouteCession();
  for (long regime : {3, 2}) d.getAssocie2072()[static_cast<std::size_t>(d.AjouteAssocie())].setRegimeFiscal(regime);
  d.getAssocie2072()[0].getListeProprieteJouissanceGratuite().emplace_back();
  TCessionParts& transfert = d.getCessionsPartsSociete().getCessionParts().emplace_back();
  transfert.setAssocieCessionnaire(2);  // two people outside the partners: their identities are entered
  transfert.setAssocieCedant(2);

  const std::vector<Occurrence> occurrences = Occurrences(d);
  for (const Occurrence& o : occurrences)
    if (const std::string v = Ecrite(o.description); !v.empty()) aide::Ecrit(d, o.description.code, v, o.index);
  std::vector<std::string> ecrites;
  for (const Occurrence& o : occurrences) ecrites.push_back(aide::Lit(d, o.description.code, o.index));

  TDonnee2072 calculee = d;
  calculee.Update();
  TDonnee2072 reinitialisee = d;
  reinitialisee.InitResultat();
  std::map<short, bool> garde;     // entered: kept by the computation in one record at least
  std::map<short, bool> remplace;  // computed: replaced by the reset and computation everywhere
  for (std::size_t k = 0; k < occurrences.size(); ++k) {
    const lettres::DescriptionLettre& l = occurrences[k].description;
    const TIndex& index = occurrences[k].index;
    if (l.nature == lettres::Nature::Calculee || l.nature == lettres::Nature::LieCalcule) {
      const bool change = aide::Lit(reinitialisee, l.code, index) != ecrites[k];
      remplace[l.code] = remplace.count(l.code) == 0 ? change : remplace[l.code] && change;
    } else {
      garde[l.code] |= aide::Lit(calculee, l.code, index) == ecrites[k];
    }
  }
  for (const auto& [code, oui] : garde) EXPECT_TRUE(oui) << code << " is entered but the computation replaces it";
  for (const auto& [code, oui] : remplace) EXPECT_TRUE(oui) << code << " is computed but keeps what was entered";
  EXPECT_EQ(garde.size() + remplace.size(), 661u - 29u - 5u);  // the two cumulative records are not held
}
