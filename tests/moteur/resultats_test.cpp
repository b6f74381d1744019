#include <set>
#include <string>
#include <utility>

#include "aide_lettres.h"
#include "resultats2072.h"

using namespace zorfiscal2072;
using lettres::DescriptionLettre;

namespace {

// Every letter set to 7, then the reset: the fields that read back 0.
template <class R, class Reset>
std::set<std::string> ChampsRemisAZero(R& record, Reset reset) {
  const auto& descriptions = R::Lettres().Descriptions();
  for (const auto& d : descriptions) EXPECT_TRUE(aide::Ecrit(record, d.code, "7"));
  reset(record);
  std::set<std::string> zeros;
  for (const auto& d : descriptions)
    if (aide::Lit(record, d.code) == "0") zeros.insert(d.champ);
  return zeros;
}

}  // namespace

TEST(Resultats, ChaqueTableEchangeSesCodesEtRefuseCeuxDesAutres) {
  TResultatARepartirPropriete propriete;
  TResultatARepartirCumul cumul;
  TResultatGlobalARepartir global;
  TDonneeProprieteFoncierCumul foncier;
  aide::VerifieAllerRetour(propriete, TResultatARepartirPropriete::Lettres().Descriptions());
  aide::VerifieAllerRetour(cumul, TResultatARepartirCumul::Lettres().Descriptions());
  aide::VerifieAllerRetour(global, TResultatGlobalARepartir::Lettres().Descriptions());
  aide::VerifieAllerRetour(foncier, TDonneeProprieteFoncierCumul::Lettres().Descriptions());

  // Same field, other record's code: a property's result and the cumulative one never mix.
  EXPECT_EQ(aide::Lit(propriete, 12369), "<refused>");
  EXPECT_EQ(aide::Lit(cumul, 12202), "<refused>");
  EXPECT_EQ(aide::Lit(cumul, 12764), "<refused>");
  EXPECT_EQ(aide::Lit(global, 12202), "<refused>");
  EXPECT_EQ(aide::Lit(foncier, 12140), "<refused>");  // gross rents of a property's land record
  EXPECT_EQ(aide::Lit(foncier, 12171), "<refused>");

  // The letters reach the fields of the same name.
  EXPECT_EQ(aide::Lit(propriete, 12764), "1234.5");
  EXPECT_EQ(propriete.getTravaux(), 1234.5);
  EXPECT_EQ(foncier.getForfaitGestionValeur(), 1234.5);
  EXPECT_EQ(global.getInteretsEmprunts(), 1234.5);
}

TEST(Resultats, LaProprieteTientSonResultatSousLeTypeDeBase) {
  TResultatARepartirPropriete propriete;
  TResultatARepartir2072& vu = propriete;
  EXPECT_TRUE(aide::Ecrit(vu, 12207, "-250"));
  EXPECT_EQ(propriete.getRevenuOuDeficit(), -250);
  EXPECT_TRUE(vu.TransfertLettreXX(nullptr, 1));

  TResultatARepartir2072 nu;  // no codes of its own
  EXPECT_EQ(aide::Lit(nu, 12207), "<refused>");
  EXPECT_TRUE(nu.TransfertUneLettre(nullptr, {}, 0));
}

TEST(Resultats, RemisesAZero) {
  const std::set<std::string> tous{
      "RevenuBrut",          "Travaux",       "Charge",         "ChargeEspacesNaturels", "InteretEmprunt",
      "DeductionSpecifique", "Amortissement", "RevenuOuDeficit"};
  TResultatARepartirPropriete propriete;
  EXPECT_EQ(ChampsRemisAZero(propriete, [](auto& r) { r.Init(); }), tous);
  auto sansTravaux = tous;
  sansTravaux.erase("Travaux");
  EXPECT_EQ(ChampsRemisAZero(propriete, [](auto& r) { r.InitResultat(); }), sansTravaux);
  EXPECT_TRUE(ChampsRemisAZero(propriete, [](auto& r) { r.InitPartielle(); }).empty());

  TResultatGlobalARepartir global;
  const std::set<std::string> totaux{"RevenuBrut", "Travaux", "Charge", "InteretsEmprunts", "RevenuNetOuDeficit"};
  EXPECT_EQ(ChampsRemisAZero(global, [](auto& r) { r.Init(); }), totaux);
  EXPECT_EQ(ChampsRemisAZero(global, [](auto& r) { r.InitResultat(); }), totaux);
  EXPECT_TRUE(ChampsRemisAZero(global, [](auto& r) { r.InitPartielle(); }).empty());

  // Computed figures as in a property's land record; everything else is entered.
  TDonneeProprieteFoncierCumul foncier;
  const std::set<std::string> calcules{"TotalRecette", "TotalRecetteCRLCalcul", "DeductionAmortissement",
                                       "TotalCharge",  "RevenuOuDeficit",       "RemunerationNetteAssocie",
                                       "Resultat"};
  EXPECT_EQ(ChampsRemisAZero(foncier, [](auto& r) { r.InitResultat(); }), calcules);
  const auto saisis = ChampsRemisAZero(foncier, [](auto& r) { r.InitPartielle(); });
  EXPECT_EQ(saisis.size(), 22u);
  for (const auto& champ : calcules) EXPECT_FALSE(saisis.count(champ)) << champ;
  EXPECT_EQ(ChampsRemisAZero(foncier, [](auto& r) { r.Init(); }).size(), 29u);
}
