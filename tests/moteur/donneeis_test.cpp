#include <set>
#include <stdexcept>
#include <string>

#include "aide_lettres.h"
#include "donneeis2072.h"

using namespace zorfiscal2072;

namespace {

// Every amount letter set to 7, then the reset: the lines (named as fields) whose two
// columns read back 0.
template <class Reset>
std::set<std::string> LignesRemisesAZero(TDonneeIS2072& is, Reset reset) {
  for (const auto& d : TDonneeIS2072::Lettres().Descriptions()) EXPECT_TRUE(aide::Ecrit(is, d.code, "7"));
  reset(is);
  std::set<std::string> zeros;
  for (const auto& ligne : TDonneeIS2072::Lignes())
    if (aide::Lit(is, ligne.codes[0]) == "0" && aide::Lit(is, ligne.codes[1]) == "0") zeros.insert(ligne.nom);
  return zeros;
}

std::string Drapeaux(TDonneeIS2072& is) { return aide::Lit(is, 12214) + aide::Lit(is, 12215) + aide::Lit(is, 12216); }

const std::set<std::string> kCalculees{"TotalProduitExploitation",
                                       "TotalChargeExploitation",
                                       "ResultatExploitation",
                                       "TotalProduitFinancier",
                                       "TotalChargeFinanciere",
                                       "ResultatFinancier",
                                       "TotalProduitExceptionnel",
                                       "TotalChargeExceptionnelle",
                                       "ResultatExceptionnel",
                                       "TotalProduit",
                                       "TotalCharge",
                                       "BeneficeOuPerte",
                                       "ResultatNetComptable",
                                       "TotalReintegration",
                                       "TotalDeduction",
                                       "BeneficeOuDeficitFiscal"};

}  // namespace

TEST(DonneeIS, QuatreVingtUneLettresEtRienDAutre) {
  TDonneeIS2072 is;
  const auto& descriptions = TDonneeIS2072::Lettres().Descriptions();
  aide::VerifieAllerRetour(is, descriptions);

  // The dictionary's codes: 12214-12216 'L', 12217-12290, 12293, 12296, 12822-12823 'D'.
  std::set<short> attendus;
  for (short c = 12214; c <= 12290; ++c) attendus.insert(c);
  for (short c : {12293, 12296, 12822, 12823}) attendus.insert(c);
  std::set<short> codes;
  for (const auto& d : descriptions) {
    codes.insert(d.code);
    EXPECT_EQ(d.type(), d.code <= 12216 ? 'L' : 'D') << d.code;
  }
  EXPECT_EQ(descriptions.size(), 81u);
  EXPECT_EQ(codes, attendus);
  for (short c : {12213, 12291, 12292, 12294, 12295, 12297, 12821, 12202})
    EXPECT_EQ(aide::Lit(is, c), "<refused>") << c;

  // Each column's letter lands in its line's column, under a name the host can show.
  EXPECT_TRUE(aide::Ecrit(is, 12822, "11"));
  EXPECT_TRUE(aide::Ecrit(is, 12296, "-5"));
  EXPECT_EQ(is.getRentreesCreances()[TDonneeIS2072::kColonneBICIS], 11);
  EXPECT_EQ(is.getBeneficeOuDeficitFiscal()[TDonneeIS2072::kColonneBA], -5);
  EXPECT_EQ(is.getMontant(TDonneeIS2072::RentreesCreances, 0), 11);
  EXPECT_STREQ(descriptions[3].champ, "RevenuImmeuble[0]");
  EXPECT_STREQ(descriptions[4].champ, "RevenuImmeuble[1]");
  EXPECT_THROW(is.getMontant(TDonneeIS2072::DAP, 2), std::out_of_range);
}

TEST(DonneeIS, RemisesAZero) {
  TDonneeIS2072 neuf;
  EXPECT_EQ(Drapeaux(neuf), "222");
  for (std::size_t l = 0; l < TDonneeIS2072::kNbLignes; ++l)
    EXPECT_EQ(neuf.getMontant(static_cast<TDonneeIS2072::Ligne>(l)), (std::vector<double>{0, 0}));

  TDonneeIS2072 is;
  EXPECT_EQ(LignesRemisesAZero(is, [](auto& r) { r.InitResultat(); }), kCalculees);
  EXPECT_EQ(Drapeaux(is), "222");

  std::set<std::string> saisies;
  for (const auto& ligne : TDonneeIS2072::Lignes())
    if (!kCalculees.count(ligne.nom)) saisies.insert(ligne.nom);
  EXPECT_EQ(saisies.size(), 23u);
  EXPECT_EQ(LignesRemisesAZero(is, [](auto& r) { r.InitPartielle(); }), saisies);
  EXPECT_EQ(Drapeaux(is), "777");  // flags are not entered figures

  EXPECT_EQ(LignesRemisesAZero(is, [](auto& r) { r.Init(); }).size(), TDonneeIS2072::kNbLignes);
  EXPECT_EQ(Drapeaux(is), "222");
}
