// The host's loading and writing: round trips through every letter, codes and references.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "aide_hote.h"
#include "chargement/chargement.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "lettres.h"

namespace {

using namespace hote2072;
using zorfiscal2072::TDonnee2072;

std::unique_ptr<TDonnee2072> ChargeSansProbleme(const FichierDeclaration& f) {
  Rapport rapport;
  auto racine = Charge(f, rapport);
  for (const std::string& p : rapport.problemes()) ADD_FAILURE() << p;
  return racine;
}

// Same value read as the letter's type: "12.5" and "12.50000" are one amount.
bool MemeValeur(const LettreFichier& a, const LettreFichier& b) {
  const auto* e = zorfiscal2072::EntreeDictionnaire2072(static_cast<int>(a.code));
  double x = 0, y = 0;
  if (e->lettre.type() == 'D')
    return lettres::LitReel(a.valeur.c_str(), x) && lettres::LitReel(b.valeur.c_str(), y) && x == y;
  long long i = 0, j = 0;
  if (e->lettre.type() == 'L')
    return lettres::LitEntier(a.valeur.c_str(), i) && lettres::LitEntier(b.valeur.c_str(), j) && i == j;
  return a.valeur == b.valeur;
}

TEST(Hote, EveryLetterReachesItsFieldAndTravelsBackUnchanged) {
  const FichierDeclaration f = aide::DeclarationComplete();
  auto racine = ChargeSansProbleme(f);
  ASSERT_TRUE(racine);
  EXPECT_EQ(racine->getAnnee(), 2012);
  EXPECT_EQ(racine->NbPropriete(), 2);
  EXPECT_EQ(racine->NbAssocie(), 2);
  EXPECT_EQ(racine->getCessionsPartsSociete().getCessionParts().size(), 3u);

  // With --all every letter of every record comes out once (loading it again would report a
  // letter given twice), and each letter of the file with the value it was given.
  const FichierDeclaration toutes = Ecrit(*racine, true);
  for (const LettreFichier& l : f.lettres) {
    const auto it = std::find_if(toutes.lettres.begin(), toutes.lettres.end(),
                                 [&](const LettreFichier& w) { return w.code == l.code && w.index == l.index; });
    ASSERT_NE(it, toutes.lettres.end()) << DecritLettre(l);
    EXPECT_TRUE(MemeValeur(l, *it)) << DecritLettre(l) << " came back as " << it->valeur;
  }

  for (const bool tout : {false, true}) {
    const FichierDeclaration ecrit = Ecrit(*racine, tout);
    auto relue = ChargeSansProbleme(ecrit);
    ASSERT_TRUE(relue);
    EXPECT_TRUE(*relue == *racine) << (tout ? "--all" : "default");
    EXPECT_EQ(Ecrit(*relue, tout), ecrit);
    Rapport rapport;
    EXPECT_EQ(LitJson(EcritJson(ecrit), rapport), ecrit);  // accents, quotes and indexes survive JSON
  }
  EXPECT_LT(Ecrit(*racine, false).lettres.size(), toutes.lettres.size());
}

TEST(Hote, LettersInAnyOrderGiveTheSameConsistentDeclaration) {
  // Codes for the records at position 0 too, which the file otherwise leaves to be generated.
  FichierDeclaration f = aide::DeclarationComplete();
  for (const auto& [code, cle, valeur] : {std::tuple{12655, 300, "P0"}, {12694, 301, "A0"}, {12765, 305, "S0"}})
    f.lettres.push_back({f.lettres.size() + 1, code, {{cle, 0}}, valeur});
  auto racine = ChargeSansProbleme(f);
  std::reverse(f.lettres.begin(), f.lettres.end());
  auto inverse = ChargeSansProbleme(f);
  ASSERT_TRUE(racine && inverse);
  EXPECT_TRUE(*racine == *inverse);

  // Every record naming a property, partner or sale names its own, whether its letters
  // named it (position 1) or loading created it with the code it replaced (position 0).
  const auto& proprietes = racine->getPropriete2072();
  const auto& cessions = racine->getOperationSociete().getCession();
  EXPECT_EQ(proprietes[0].getCodePropriete(), "P0");
  EXPECT_EQ(cessions[0].getCodeCession(), "S0");
  for (const auto& p : proprietes) {
    for (const auto& t : p.getLocataire()) EXPECT_EQ(t.getCodePropriete(), p.getCodePropriete());
    for (const auto& b : p.getBeneficiaire()) EXPECT_EQ(b.getCodePropriete(), p.getCodePropriete());
    for (const auto& c : p.getAmortissementComposant().getComposant())
      EXPECT_EQ(c.getCodePropriete(), p.getCodePropriete());
  }
  for (const auto& a : racine->getAssocie2072()) {
    const auto& quotes = a.getBulletin2072().getQuotePartPropriete();
    const auto& repartitions = a.getBulletin2072().getRepartitionOperationsSociete();
    ASSERT_EQ(quotes.size(), proprietes.size());
    ASSERT_EQ(repartitions.size(), cessions.size());
    for (std::size_t k = 0; k < quotes.size(); ++k) {
      EXPECT_EQ(quotes[k].getCodePropriete(), proprietes[k].getCodePropriete());
      EXPECT_EQ(quotes[k].getCodeAssocie(), a.getCodeAssocie());
    }
    for (std::size_t k = 0; k < repartitions.size(); ++k) {
      EXPECT_EQ(repartitions[k].getCodeCession(), cessions[k].getCodeCession());
      EXPECT_EQ(repartitions[k].getCodeAssocie(), a.getCodeAssocie());
    }
    for (const auto& j : a.getListeProprieteJouissanceGratuite()) EXPECT_EQ(j.getCodeAssocie(), a.getCodeAssocie());
  }
  // The transfers' choice lists name the partners by their final codes, then "Autre".
  const auto& liste = racine->getCessionsPartsSociete().getListeAssocieCedant();
  ASSERT_EQ(liste.size(), 3u);
  EXPECT_EQ(liste[1].getCodeGuid(), "A1");
}

TEST(Hote, ANewDeclarationWritesNoLetterAndLoadsFromNothing) {
  TDonnee2072 vide;
  EXPECT_TRUE(Ecrit(vide, false).lettres.empty());
  auto racine = ChargeSansProbleme(FichierDeclaration{});
  ASSERT_TRUE(racine);
  EXPECT_TRUE(*racine == vide);
}

}  // namespace
