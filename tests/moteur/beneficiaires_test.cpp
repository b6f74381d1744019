#include "aide_lettres.h"
#include "beneficiaires2072.h"

using namespace zorfiscal2072;

TEST(Beneficiaires, ChaqueRecordEchangeSesLettresEtRefuseCellesDesAutres) {
  TLocataire locataire;
  aide::VerifieAllerRetour(locataire, TLocataire::Lettres().Descriptions());
  TBeneficiaire beneficiaire;
  aide::VerifieAllerRetour(beneficiaire, TBeneficiaire::Lettres().Descriptions());
  TListeProprieteJouissanceGratuite jouissance;
  aide::VerifieAllerRetour(jouissance, TListeProprieteJouissanceGratuite::Lettres().Descriptions());

  EXPECT_EQ(aide::Lit(beneficiaire, 12654), "<refused>");  // the tenant's property code
  EXPECT_EQ(aide::Lit(locataire, 12736), "<refused>");     // the beneficiary's property code
  EXPECT_EQ(aide::Lit(jouissance, 12694), "<refused>");    // the partner's own code
  EXPECT_TRUE(locataire.TransfertUneLettre(nullptr, TIndex{}, 0));

  // A free-use entry carries codes longer than a property code; a tenant's surname stops at 91.
  EXPECT_TRUE(aide::Ecrit(jouissance, 12692, std::string(120, 'c')));
  EXPECT_EQ(jouissance.getCodePropriete().size(), 100u);
  EXPECT_TRUE(aide::Ecrit(locataire, 12593, std::string(120, 'n')));
  EXPECT_EQ(locataire.getNom().size(), 91u);
}

TEST(Beneficiaires, InitGardeLeLienDuLocataireMaisPasCeluiDuBeneficiaire) {
  TLocataire locataire;
  EXPECT_EQ(locataire.getNouveau(), 2);
  locataire.setCodePropriete("P1");
  locataire.setNom("Durand");
  locataire.setPrenom("Élise");
  locataire.setLocalisation("Etage 3 porte B");
  locataire.setNouveau(1);
  locataire.Init();
  EXPECT_EQ(locataire.getCodePropriete(), "P1");
  EXPECT_TRUE(locataire.getNom().empty() && locataire.getPrenom().empty() && locataire.getLocalisation().empty());
  EXPECT_EQ(locataire.getNouveau(), 2);

  TBeneficiaire beneficiaire;
  beneficiaire.setCodePropriete("P1");
  beneficiaire.setSIRETBeneficiaire("12345678912345");
  beneficiaire.Init();
  EXPECT_EQ(beneficiaire, TBeneficiaire{});

  TListeProprieteJouissanceGratuite jouissance;
  jouissance.setCodePropriete("P1");
  jouissance.setCodeAssocie("A1");
  jouissance.Init();
  EXPECT_EQ(jouissance, TListeProprieteJouissanceGratuite{});
}
