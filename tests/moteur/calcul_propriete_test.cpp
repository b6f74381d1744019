// Computation of one property, fed and read through its letters, where a declaration file
// cannot carry the case (whole properties computed from files are cases of tests/cas).
#include <cmath>
#include <utility>

#include "aide_lettres.h"
#include "arrondi.h"
#include "codes2072.h"
#include "propriete2072.h"
#include "tdonnee2072.h"

using namespace zorfiscal2072;

namespace {

using Lettres = std::initializer_list<std::pair<short, const char*>>;

void Ecrit(TPropriete2072& p, Lettres lettres) {
  for (const auto& [code, valeur] : lettres) ASSERT_TRUE(aide::Ecrit(p, code, valeur)) << code;
}
void Verifie(TPropriete2072& p, Lettres attendus) {
  for (const auto& [code, valeur] : attendus) EXPECT_EQ(aide::Lit(p, code), valeur) << code;
}

}  // namespace

TEST(CalculPropriete, ArrondiEtTauxDeductionSurLeCodeEntier) {
  EXPECT_EQ(TDonnee2072::Arrondi(0.5), 1);
  EXPECT_EQ(TDonnee2072::Arrondi(-2.5), -3);
  EXPECT_FALSE(std::signbit(TDonnee2072::Arrondi(-0.4)));                   // +0, never -0
  EXPECT_EQ(TDonnee2072::Arrondi(0.49999999999999994), 0);                  // floor(x + 0.5) gives 1
  EXPECT_EQ(TDonnee2072::Arrondi(4503599627370497.0), 4503599627370497.0);  // and 2^52 + 2 here
  EXPECT_DOUBLE_EQ(kel::Arrondi(-0.125, 2), -0.13);
  EXPECT_DOUBLE_EQ(kel::Arrondi(1250, -2), 1300);

  // 65541 is 5 + 65536: read as a short it was option 5, at 26 %.
  for (long code : {65541L, -65531L, 4294967301L, 9L})
    EXPECT_EQ(TDonneeProprieteFoncierPropriete::DonneTauxDeduction(code), 0) << code;
  TPropriete2072 p;
  Ecrit(p, {{12140, "10000"}, {12149, "65541"}});
  p.CalculPropriete2072();
  Verifie(p, {{12150, "0"}, {12151, "0"}});
}

TEST(CalculPropriete, AmortissementSelonLeDispositif) {
  const std::pair<long, short> regimes[] = {{2, kRegimePerissol},
                                            {3, kRegimeBessonNeuf},
                                            {7, kRegimeRobienClassique},
                                            {10, kRegimeRobienRecentre},
                                            {11, kRegimeBorlooNeuf}};
  for (const auto& [option, regime] : regimes) {
    TPropriete2072 p;
    p.setOptionFiscale(option);
    p.CalculPropriete2072();
    EXPECT_EQ(p.getAmortissement2072().getRegime(), regime) << option;
  }
  TPropriete2072 p;
  Ecrit(p, {{12392, "9"}, {12140, "20000"}, {12297, "180000"}, {12298, "01/01/2009"}});
  p.getAmortissement2072().setAnnee(2011);
  p.CalculPropriete2072();
  EXPECT_NE(aide::Lit(p, 12152), "0");
  // A scheme without depreciation never reaches the library and clears the deduction.
  Ecrit(p, {{12392, "6"}});
  p.getAmortissement2072().setRegime(kRegimeAucun);
  p.CalculPropriete2072();
  Verifie(p, {{12152, "0"}, {12563, "0"}});
  EXPECT_EQ(p.getAmortissement2072().getRegime(), kRegimeAucun);
  p.Destruct();  // no sub-records: nothing computed, no crash
  p.CalculPropriete2072();
  p.CalculRecetteCRL();
  p.DonneTauxCoherent();
}

TEST(CalculPropriete, RecettesCRLTypeImmeubleEtComposants) {
  TPropriete2072 p;
  Ecrit(p, {{12140, "7000"}, {12143, "600"}, {12144, "400"}, {12142, "1000"}, {12358, "5000"}, {12359, "4321"}});
  p.CalculPropriete2072();  // not subject: the computation leaves the figure alone
  Verifie(p, {{12359, "4321"}});
  p.CalculRecetteCRL();  // the host's service clears both
  Verifie(p, {{12358, "0"}, {12359, "0"}});
  Ecrit(p, {{12650, "1"}, {12358, "5000"}});
  p.CalculRecetteCRL();  // an entered amount stays; the computed one is the rents
  Verifie(p, {{12358, "5000"}, {12359, "8000"}});
  p.CalculPropriete2072();
  Verifie(p, {{12359, "5000"}});
  Ecrit(p, {{12358, "0"}});
  p.CalculRecetteCRL();
  Verifie(p, {{12358, "8000"}});

  Ecrit(p, {{12392, "10"}, {12357, "99"}});
  p.SetTypeImmeuble();
  Verifie(p, {{12357, "3"}});
  Ecrit(p, {{12103, "5"}});  // a category without a type of its own keeps it
  p.SetTypeImmeuble();
  Verifie(p, {{12357, "3"}});

  TAmortissementComposant& ac = p.getAmortissementComposant();
  ac.setTotalMethodeLineaire(99);
  ac.CalculTotauxParMethode();  // no component: both 0
  EXPECT_EQ(ac.getTotalMethodeLineaire(), 0);
  for (const auto& [mode, montant] : {std::pair<short, double>{1, 100}, {2, 40}, {1, 25.5}, {3, 7}}) {
    ac.getComposant().emplace_back();
    ac.getComposant().back().setModeAmortissement(mode);
    ac.getComposant().back().setMontantAmort(montant);
  }
  ac.CalculTotauxParMethode();
  EXPECT_EQ(ac.getTotalMethodeLineaire(), 125.5);
  EXPECT_EQ(ac.getTotalMethodeDegressive(), 47);  // any method but straight-line
}
