#include <set>

#include "aide_lettres.h"
#include "foncierpropriete2072.h"

using namespace zorfiscal2072;
using Foncier = TDonneeProprieteFoncierPropriete;

namespace {

// The record's letters and those of its flat-rate element.
std::vector<lettres::DescriptionLettre> ToutesLettres() {
  auto toutes = Foncier::Lettres().Descriptions();
  const auto& forfait = TElementLieForfaitGestion2072::Lettres().Descriptions();
  toutes.insert(toutes.end(), forfait.begin(), forfait.end());
  return toutes;
}

// Fills every letter, runs the reset, and checks that exactly the `remises` codes went back
// to the value of a new record.
void VerifieRemise(void (Foncier::*remise)(), const std::set<short>& remises) {
  Foncier foncier;
  for (const auto& d : ToutesLettres()) ASSERT_TRUE(aide::Ecrit(foncier, d.code, aide::ValeurExemple(d)));
  (foncier.*remise)();
  Foncier lecteur;  // a new record: the reset values
  for (const auto& d : ToutesLettres()) {
    const std::string attendu = remises.count(d.code) ? aide::Lit(lecteur, d.code) : aide::ValeurExemple(d);
    EXPECT_EQ(aide::Lit(foncier, d.code), attendu) << "code " << d.code << " (" << d.champ << ")";
  }
}

}  // namespace

TEST(DonneeProprieteFoncier, EchangeSesLettresEtCellesDuForfaitDeGestion) {
  Foncier foncier;
  aide::VerifieAllerRetour(foncier, ToutesLettres(), TIndex{{300, 4}});
  EXPECT_EQ(foncier.getForfaitGestion().getLie(), 3);
  EXPECT_EQ(foncier.getOptionTauxDeduction(), 3);
  EXPECT_EQ(aide::Lit(foncier, 12172), "<refused>");  // the cumulative record's gross rents
  EXPECT_EQ(aide::Lit(foncier, 12141), "<refused>");
  EXPECT_TRUE(foncier.TransfertUneLettre(nullptr, {}, 0));
}

TEST(DonneeProprieteFoncier, RemisesAZero) {
  Foncier neuf;
  EXPECT_EQ(neuf.getOptionTauxDeduction(), 3);
  EXPECT_EQ(neuf.getForfaitGestion().getLie(), 1);
  // Init clears everything, TravauxProprieteRurale included.
  std::set<short> tout;
  for (const auto& d : ToutesLettres()) tout.insert(d.code);
  VerifieRemise(&Foncier::Init, tout);
  // Computed figures and the element's computed amount only.
  VerifieRemise(&Foncier::InitResultat, {12145, 12433, 12359, 12539, 12150, 12152, 12563, 12163, 12165, 12168, 12170});
  // Entered figures, the option back to 3 and the whole element; TravauxProprieteRurale stays.
  VerifieRemise(&Foncier::InitPartielle,
                {12140, 12143, 12144, 12142, 12358, 12153, 12396, 12538, 12539, 12154, 12155, 12428, 12158, 12159,
                 12160, 12360, 12147, 12434, 12161, 12149, 12151, 12162, 12366, 12164, 12166, 12167, 12169});
}

TEST(DonneeProprieteFoncier, FlatRateSetterCopiesFourFieldsAndNoElementRefusesItsLetters) {
  Foncier a;
  TElementLieForfaitGestion2072 saisi;
  saisi.setMontant(45);
  saisi.setMontantCalcule(60);
  saisi.setLie(2);
  a.setForfaitGestion(saisi);
  EXPECT_EQ(static_cast<const TElementLie&>(a.getForfaitGestion()), saisi);
  a.Destruct();
  EXPECT_EQ(aide::Lit(a, 12396), "<refused>");  // no element, no flat-rate letters
  a.Init();                                     // and no crash on the missing element
}

TEST(DonneeProprieteFoncier, TauxEtOptionsDeDeduction) {
  const std::pair<short, double> taux[] = {{1, 0},     {3, 0},     {5, 0.26},  {7, 0},     {8, 0},
                                           {10, 0.30}, {11, 0.30}, {12, 0.45}, {14, 0.30}, {15, 0.40},
                                           {16, 0.60}, {17, 0.75}, {18, 0.26}, {19, 0.30}, {20, 0.30},
                                           {24, 0.70}, {25, 0.60}, {26, 0.10}, {27, 0},    {-1, 0}};
  for (const auto& [option, attendu] : taux) EXPECT_DOUBLE_EQ(Foncier::DonneTauxDeduction(option), attendu) << option;

  const std::pair<long, short> coherent[] = {{1, 3},   {2, 3},   {6, 5},   {7, 5},   {10, 5},
                                             {11, 10}, {12, 11}, {13, 12}, {14, 14}, {17, 17},
                                             {20, 20}, {24, 24}, {25, 25}, {9, 3},   {21, 3}};
  for (const auto& [option, attendu] : coherent)
    EXPECT_EQ(Foncier::OptionTauxProprieteCoherent(option), attendu) << option;

  Foncier foncier;
  foncier.setOptionTauxDeduction(8);
  foncier.DonneTauxCoherent(13);
  EXPECT_EQ(foncier.getOptionTauxDeduction(), 12);
}

TEST(DonneeProprieteFoncier, TypeImmeubleSelonCategorieEtOption) {
  const std::pair<long, long> categorie1[] = {{2, 3},  {7, 3},  {11, 3}, {6, 4},   {18, 4},  {12, 5}, {20, 5}, {15, 6},
                                              {13, 7}, {16, 9}, {25, 9}, {17, 10}, {24, 15}, {1, 2},  {8, 2}};
  for (const auto& [option, attendu] : categorie1)
    EXPECT_EQ(Foncier::DonneTypeImmeuble(1, option, 99), attendu) << option;
  EXPECT_EQ(Foncier::DonneTypeImmeuble(4, 11, 99), 11);
  EXPECT_EQ(Foncier::DonneTypeImmeuble(6, 1, 99), 12);
  EXPECT_EQ(Foncier::DonneTypeImmeuble(7, 1, 99), 13);
  EXPECT_EQ(Foncier::DonneTypeImmeuble(8, 1, 99), 14);
  EXPECT_EQ(Foncier::DonneTypeImmeuble(5, 6, 99), 99);  // unchanged outside the known categories
}
