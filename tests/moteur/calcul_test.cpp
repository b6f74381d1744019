// The declaration's computation, rule by rule on small hand-computed declarations (whole
// declarations computed from their files are cases of tests/cas).
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

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

TEST(Calcul, HoldingsAndTheCompanyFlags) {
  TAssocie2072 a;
  a.setNombreParts(10);
  a.CalculAssocie2072(40, 15);
  EXPECT_EQ(a.getPourcentageDetention(), 25);
  EXPECT_EQ(a.getQuotePartResultats(), 25);
  EXPECT_EQ(a.getValeurParts(), 150);
  a.setQuotePartDifferente(1);
  a.setQuotePartResultatsSaisie(30);
  a.CalculAssocie2072(40, 15);
  EXPECT_EQ(a.getQuotePartResultats(), 30);
  a.setQuotePartDifferente(2);
  a.CalculAssocie2072(0, 0);  // no total: the share of results stays
  EXPECT_EQ(a.getPourcentageDetention(), 0);
  EXPECT_EQ(a.getQuotePartResultats(), 30);

  TDonnee2072 d = Declaration(2, 0);
  d.getInfogene2072().setCapital(1500);
  d.getInfogene2072().setNombrePartsTotal(100);
  d.getAssocie2072()[0].setNombreParts(60.5);
  d.getAssocie2072()[0].setNombreParts1erJanvier(0.5);
  d.getAssocie2072()[1].setNombreParts(40);
  d.getAssocie2072()[1].setRegimeFiscal(RegimeFiscal::IS);
  d.getDonneeIS2072().setMontant(TDonneeIS2072::RevenuImmeuble, 1, 10);  // no BA partner: cleared
  d.Calcul();
  const TInfogene2072& g = d.getInfogene2072();
  EXPECT_EQ(g.getNominalParts(), 15);
  EXPECT_EQ(g.getNombrePartsTotalCalcul(), 100.5);
  EXPECT_DOUBLE_EQ(g.getQuotePartResultatsTotal(), 100.5);
  EXPECT_EQ(g.getNombreAssociesCalcul(), 2);
  EXPECT_EQ(d.getAssocie2072()[0].getPresenceNouvelAssocie(), 2);
  EXPECT_EQ(d.getAssocie2072()[1].getPresenceNouvelAssocie(), 1);
  EXPECT_EQ(d.getDonneeIS2072().getExisteAssocieIS(), 1);
  EXPECT_EQ(d.getDonneeIS2072().getExisteAssocieBIC(), 2);
  EXPECT_EQ(g.getPresenceAssociesBICIS(), 1);
  EXPECT_EQ(g.getPresenceAssociesBA(), 2);
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

// Partner statements, on results to distribute set by hand (no property computation).
class Bulletins : public ::testing::Test {
 protected:
  void SetUp() override {
    d = Declaration(2, 2);
    d.getAssocie2072()[0].setQuotePartResultats(50);
    d.getAssocie2072()[1].setQuotePartResultats(30);
    TResultatARepartir2072 r;
    r.setRevenuBrut(1001);
    r.setCharge(-1001);
    r.setRevenuOuDeficit(1000);
    d.getPropriete2072()[0].setResultatARepartir(r);
    r.setRevenuBrut(3);
    d.getPropriete2072()[1].setResultatARepartir(r);
  }
  TQuotePartPropriete& Quote(int associe, int propriete) {
    return d.getAssocie2072()[associe].getBulletin2072().getQuotePartPropriete()[propriete];
  }
  TDonnee2072 d;
};

TEST_F(Bulletins, SharesAreRoundedOneByOneAndTotalledRounded) {
  d.CalculBulletin();
  EXPECT_EQ(Quote(0, 0).getRevenuBrut(), 501);  // 500.5 rounds up
  EXPECT_EQ(Quote(0, 0).getCharge(), -501);
  EXPECT_EQ(Quote(0, 1).getRevenuBrut(), 2);  // 1.5
  const TBulletin2072& b = d.getAssocie2072()[0].getBulletin2072();
  EXPECT_EQ(b.getTotalRevenuBrut(), 503);  // not the rounded 502 of 1004 × 50 %
  EXPECT_EQ(b.getTotalRevenuOuDeficit(), 1000);
  EXPECT_EQ(d.getAssocie2072()[1].getBulletin2072().getTotalRevenuBrut(), 300 + 1);
}

TEST_F(Bulletins, MobilityDeductionOnlyWhereItApplies) {
  Quote(0, 0).setDeductionMobilite(200);
  Quote(0, 0).setPresenceMobilite(1);
  Quote(1, 0).setDeductionMobilite(200);  // flag left at 2
  d.getAssocie2072()[1].setQuotePartResultats(50);
  d.CalculBulletin();
  EXPECT_EQ(Quote(0, 0).getRevenuOuDeficit(), 300);  // 500 less 200
  EXPECT_EQ(d.getAssocie2072()[0].getBulletin2072().getTotalDeductionMobilite(), 200);
  EXPECT_EQ(Quote(1, 0).getRevenuOuDeficit(), 500);
  EXPECT_EQ(Quote(1, 0).getDeductionMobilite(), 200);
  EXPECT_EQ(d.getAssocie2072()[1].getBulletin2072().getTotalDeductionMobilite(), 0);

  d.getAssocie2072()[0].setQuotePartResultats(100);  // the stated case: 200 on a share of 1000
  d.CalculBulletin();
  EXPECT_EQ(Quote(0, 0).getRevenuOuDeficit(), 800);
}

TEST_F(Bulletins, PropertiesFoundByCodeFirstOneWinning) {
  Quote(0, 1).setCodePropriete("NOWHERE");
  Quote(0, 1).setRevenuBrut(77);
  d.getPropriete2072()[1].setCodePropriete(d.getPropriete2072()[0].getCodePropriete());
  Quote(1, 1).setCodePropriete(d.getPropriete2072()[0].getCodePropriete());
  d.CalculBulletin();
  EXPECT_EQ(Quote(0, 1).getRevenuBrut(), 0);
  EXPECT_EQ(d.getAssocie2072()[0].getBulletin2072().getTotalRevenuBrut(), 501);
  EXPECT_EQ(Quote(1, 1).getRevenuBrut(), 300);  // the first property of that code
}

TEST_F(Bulletins, TransfersIncomeSharesAndSales) {
  auto& cessions = d.getCessionsPartsSociete().getCessionParts();
  for (auto [cessionnaire, cedant, parts] :
       std::initializer_list<std::tuple<long, long, double>>{{0, 2, 5}, {0, 1, 2.5}, {-1, 1, 4}}) {
    TCessionParts c;
    c.setAssocieCessionnaire(cessionnaire);
    c.setAssocieCedant(cedant);
    c.setNombreParts(parts);
    cessions.push_back(c);
  }
  d.getInfogene2072().setProduitsFinanciers(1000);
  d.getDonneeIS2072().setMontant(TDonneeIS2072::BeneficeOuDeficitFiscal, 0, 2000);
  d.getDonneeIS2072().setMontant(TDonneeIS2072::BeneficeOuDeficitFiscal, 1, 400);
  d.getAssocie2072()[0].setRegimeFiscal(RegimeFiscal::BA);
  d.getAssocie2072()[1].getBulletin2072().setRevenuTNSouIS(9);  // land income: kept
  d.getAssocie2072()[1].getBulletin2072().getQuotePartProduitsFinanciers().setLie(2);
  const int vente = d.AjouteCession();
  d.getOperationSociete().getCession()[vente].setPlusValue(5000);
  d.getOperationSociete().getCession()[vente].setMoinsValue(100);
  d.CalculBulletin();

  const TBulletin2072& b0 = d.getAssocie2072()[0].getBulletin2072();
  const TBulletin2072& b1 = d.getAssocie2072()[1].getBulletin2072();
  EXPECT_EQ(b0.getNbpartsAcquises(), 7.5);
  EXPECT_EQ(b0.getPresenceAcquisitionParts(), 1);
  EXPECT_EQ(b0.getPresenceCessionParts(), 2);
  EXPECT_EQ(b1.getNbpartsCedees(), 6.5);
  EXPECT_EQ(b1.getNbpartsAcquises(), 0);
  EXPECT_EQ(b0.getRevenuBICIS(), 1000);
  EXPECT_EQ(b0.getRevenuTNSouIS(), 200);
  EXPECT_DOUBLE_EQ(b1.getRevenuBA(), 120);
  EXPECT_EQ(b1.getRevenuTNSouIS(), 9);
  EXPECT_EQ(b0.getQuotePartProduitsFinanciers().getMontant(), 500);
  EXPECT_DOUBLE_EQ(b1.getQuotePartProduitsFinanciers().getMontantCalcule(), 300);
  EXPECT_EQ(b1.getQuotePartProduitsFinanciers().getMontant(), 0);
  EXPECT_EQ(b0.getRepartitionOperationsSociete()[0].getQuotePartPV().getMontant(), 2500);
  EXPECT_EQ(b0.getRepartitionOperationsSociete()[0].getQuotePartMV().getMontant(), 50);
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
  TDonnee2072 d;
  d.getInfogene2072().setRecetteSoumiseCRL(10020);
  d.getInfogene2072().setAcompteCRL(300);
  d.CalculCRL();
  EXPECT_EQ(d.getInfogene2072().getMontantCRL(), 251);  // 250.5
  EXPECT_EQ(d.getInfogene2072().getSoldeCRL(), 0);
  EXPECT_EQ(d.getInfogene2072().getExcedentCRL(), 49);

  d = Declaration(0, 2);
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

TEST(Calcul, PropertiesNumberedComponentsTotalledAnd2072ELines) {
  TDonnee2072 d = Declaration(0, 3);
  auto& p = d.getPropriete2072();
  std::vector<TComposant> composants(3);
  composants[0].setMontantAmort(100);
  composants[1].setMontantAmort(30);
  composants[1].setModeAmortissement(2);
  composants[2].setMontantAmort(5);
  composants[2].setModeAmortissement(7);
  p[1].getAmortissementComposant().setComposant(composants);
  p[2].setLocationStationnement(1);
  for (int i : {0, 1}) {
    p[i].setSoumisCVAE(1);
    TDonneeProprieteFoncierPropriete& f = p[i].getDonneeProprieteFoncier();
    f.setLoyerBrut(1000);
    f.setFraisGerance(100);
    f.setProvision(50);
    f.setRegularisation(20);
  }
  p[2].getDonneeProprieteFoncier().setLoyerBrut(99999);  // not subject to the CVAE
  TElementLie saisi;
  saisi.setLie(2);
  saisi.setMontant(7);
  d.getInfogene2072().setD2072EAssurance(saisi);
  d.Calcul();

  EXPECT_EQ(p[2].getNumero(), 3);
  EXPECT_EQ(p[1].getAmortissementComposant().getTotalMethodeLineaire(), 100);
  EXPECT_EQ(p[1].getAmortissementComposant().getTotalMethodeDegressive(), 35);
  const TInfogene2072& g = d.getInfogene2072();
  EXPECT_EQ(g.getLocationStationnement(), 1);
  EXPECT_EQ(g.getD2072ELoyersBruts().getMontant(), 400);
  EXPECT_EQ(g.getD2072EFraisGerance().getMontant(), 40);
  EXPECT_DOUBLE_EQ(g.getD2072EProvisionCharges().getMontant(), 12);
  EXPECT_EQ(g.getD2072EAssurance().getMontant(), 7);  // entered, kept, and totalled
  EXPECT_EQ(g.getD2072ETotalA(), 400);
  EXPECT_DOUBLE_EQ(g.getD2072ETotalB(), 40 + 7 + 12);
  EXPECT_DOUBLE_EQ(g.getVA().getMontant(), 400 - 59);
  EXPECT_EQ(g.getTotalRecetteGeneral(), 101999);
  EXPECT_EQ(d.getResultatGlobalARepartir().getCharge(), 2 * (100 + 50 - 20));
}

}  // namespace
