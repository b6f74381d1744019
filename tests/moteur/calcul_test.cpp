// The declaration's computation, rule by rule on small hand-computed declarations (whole
// declarations computed from their files are cases of tests/cas).
#include <gtest/gtest.h>

#include <initializer_list>

#include "aide_lettres.h"
#include "codes2072.h"
#include "tdonnee2072.h"

namespace {

using namespace zorfiscal2072;

// A declaration of `associes` partners and `proprietes` properties, every statement holding one
// share per property; nothing computed yet.
TDonnee2072 Declaration(int associes, int proprietes) {
  TDonnee2072 d;
  for (int i = 0; i < proprietes; ++i) d.AjoutePropriete();
  for (int i = 0; i < associes; ++i) d.AjouteAssocie();
  return d;
}

TEST(Calcul, CorporateTaxStatementLeavesTheReceivablesOut) {
  TDonnee2072 d;
  TDonneeIS2072& is = d.getDonneeIS2072();
  is.setMontant(TDonneeIS2072::RevenuImmeuble, 0, 1000);
  is.setMontant(TDonneeIS2072::RentreesCreances, 0, 70);
  is.setMontant(TDonneeIS2072::PVNetteLongTerme, 1, 300);
  is.setMontant(TDonneeIS2072::MVNetteLongTerme, 1, 100);
  is.setMontant(TDonneeIS2072::ChargeExceptionnelle, 1, 50);
  d.CalculProprieteIS2072();
  for (auto ligne : {TDonneeIS2072::TotalProduit, TDonneeIS2072::BeneficeOuPerte, TDonneeIS2072::ResultatNetComptable,
                     TDonneeIS2072::BeneficeOuDeficitFiscal})
    EXPECT_EQ(is.getMontant(ligne, 0), 1000) << ligne;
  EXPECT_EQ(is.getMontant(TDonneeIS2072::ResultatExceptionnel, 1), -50);
  EXPECT_EQ(is.getMontant(TDonneeIS2072::BeneficeOuDeficitFiscal, 1), -50 + 100 - 300);

  TDonnee2072 seules;
  seules.getDonneeIS2072().setMontant(TDonneeIS2072::RentreesCreances, 0, 70);
  seules.getDonneeIS2072().setMontant(TDonneeIS2072::TotalProduit, 0, 70);
  EXPECT_FALSE(seules.ExisteRevenuBICIS());
  EXPECT_TRUE(d.ExisteRevenuBA());
  EXPECT_FALSE(d.ExisteRevenuBICouBA_IS(2));
}

// A statement's share names its property by code: an unknown code gets nothing, and of two
// properties with one code the first counts.
TEST(Calcul, StatementSharesFindTheirPropertyByCode) {
  TDonnee2072 d = Declaration(2, 2);
  d.getAssocie2072()[0].setQuotePartResultats(50);
  d.getAssocie2072()[1].setQuotePartResultats(30);
  TResultatARepartir2072 r;
  r.setRevenuBrut(1001);
  d.getPropriete2072()[0].setResultatARepartir(r);
  r.setRevenuBrut(3);
  d.getPropriete2072()[1].setResultatARepartir(r);
  const auto quote = [&](int associe, int propriete) -> TQuotePartPropriete& {
    return d.getAssocie2072()[associe].getBulletin2072().getQuotePartPropriete()[propriete];
  };
  quote(0, 1).setCodePropriete("NOWHERE");
  quote(0, 1).setRevenuBrut(77);
  d.getPropriete2072()[1].setCodePropriete(d.getPropriete2072()[0].getCodePropriete());
  quote(1, 1).setCodePropriete(d.getPropriete2072()[0].getCodePropriete());
  d.CalculBulletin();
  EXPECT_EQ(quote(0, 1).getRevenuBrut(), 0);
  EXPECT_EQ(d.getAssocie2072()[0].getBulletin2072().getTotalRevenuBrut(), 501);
  EXPECT_EQ(quote(1, 1).getRevenuBrut(), 300);  // the first property of that code
}

TEST(Calcul, CoherenceCopiesPartnersIntoTransfersAndClearsUnusedColumns) {
  TDonnee2072 d = Declaration(2, 0);
  TAssocie2072& morale = d.getAssocie2072()[0];
  morale.setType(2);
  morale.setNom("IGNORÉ");
  morale.setDenomination("SOCIÉTÉ CIVILE IMMOBILIÈRE DES ÉTANGS ET DES PRÉS");  // 47 characters
  morale.getAdresse().setNumeroTypeEtNomVoie("2 rue Neuve");
  morale.getAdresse().setVille("ÉCULLY");
  morale.setPresenceHolding(1);
  d.getAssocie2072()[1].setNom("MARTIN");
  d.getAssocie2072()[1].setRegimeFiscal(RegimeFiscal::BA);
  auto& cessions = d.getCessionsPartsSociete().getCessionParts();
  cessions.resize(3);
  cessions[0].setAssocieCessionnaire(0);
  cessions[0].setAssocieCedant(2);  // outside the partners
  cessions[0].setNomCedant("DURAND");
  cessions[0].setSIRETCessionnaire("123");
  cessions[1].setAssocieCessionnaire(-1);
  cessions[1].setNomCessionnaire("ENTRÉ");
  cessions[1].setAssocieCedant(1);
  cessions[2].setAssocieCessionnaire(7);
  TDonneeIS2072& is = d.getDonneeIS2072();
  for (std::size_t c : {0u, 1u}) {
    is.setMontant(TDonneeIS2072::RevenuImmeuble, c, 10);
    is.setMontant(TDonneeIS2072::RentreesCreances, c, 20);
  }
  d.Coherence();
  const TDonnee2072 une = d;
  d.Coherence();
  EXPECT_TRUE(d == une);

  EXPECT_EQ(cessions[0].getNomCessionnaire(), "SOCIÉTÉ CIVILE IMMOBILIÈRE DES ÉTA");  // 34 characters
  EXPECT_EQ(aide::Lit(cessions[0], 12710, {}), cessions[0].getNomCessionnaire());
  EXPECT_EQ(cessions[0].getAdresseCessionnaire(), "2 rue Neuve ÉCULLY");
  EXPECT_EQ(cessions[0].getPresenceHoldingCessionnaire(), 1);
  EXPECT_EQ(cessions[0].getSIRETCessionnaire(), "123");
  EXPECT_EQ(cessions[0].getNomCedant(), "DURAND");
  EXPECT_EQ(cessions[1].getNomCessionnaire(), "ENTRÉ");
  EXPECT_EQ(cessions[1].getNomCedant(), "MARTIN");
  EXPECT_EQ(cessions[2].getNomCessionnaire(), "");
  // A farm partner and no business one: column 1 stays, column 0 is cleared.
  EXPECT_EQ(is.getMontant(TDonneeIS2072::RevenuImmeuble, 0), 0);
  EXPECT_EQ(is.getMontant(TDonneeIS2072::RentreesCreances, 0), 0);
  EXPECT_EQ(is.getMontant(TDonneeIS2072::RevenuImmeuble, 1), 10);
  EXPECT_EQ(is.getMontant(TDonneeIS2072::RentreesCreances, 1), 20);
}

TEST(Calcul, RentalContributionCountsOnlyPropertiesItAppliesTo) {
  TDonnee2072 d = Declaration(0, 2);
  for (TPropriete2072& p : d.getPropriete2072()) p.getDonneeProprieteFoncier().setRecetteCRLCalcul(4000);
  d.getPropriete2072()[0].setApplicationCRL(1);
  d.getPropriete2072()[0].getDonneeProprieteFoncier().setRecetteCRL(8000);
  d.getInfogene2072().setAcompteCRL(50);
  d.Calcul();
  EXPECT_EQ(d.getPropriete2072()[1].getDonneeProprieteFoncier().getRecetteCRLCalcul(), 4000);  // stale, kept
  EXPECT_EQ(d.getInfogene2072().getRecetteSoumiseCRL(), 8000);
  EXPECT_EQ(d.getInfogene2072().getMontantCRL(), 200);
  EXPECT_EQ(d.getInfogene2072().getSoldeCRL(), 150);
  EXPECT_EQ(d.getInfogene2072().getExcedentCRL(), 0);
}

}  // namespace
