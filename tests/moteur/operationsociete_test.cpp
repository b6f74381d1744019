#include "aide_lettres.h"
#include "niveaux2072.h"
#include "operationsociete2072.h"

using namespace zorfiscal2072;

namespace {

TCession Vente(const std::string& code, double montant) {
  TCession c;
  c.setCodeCession(code);
  c.setLibelle("Local " + code);
  c.setMethode("Virement");
  c.setDate(20110415);
  c.setMontant(montant);
  c.setPlusValue(montant / 10);
  c.setMoinsValue(3);
  c.setBNCTypePVImposable(2);
  return c;
}

}  // namespace

TEST(OperationSociete, LesVentesSontAtteintesParLeNiveau305) {
  TOperationSociete operations;
  aide::VerifieAllerRetour(operations, TOperationSociete::Lettres().Descriptions());
  operations.setCession({TCession{}, TCession{}});
  const TIndex seconde{{kNiveauCession, 1}};
  aide::VerifieAllerRetour(operations, TCession::Lettres().Descriptions(), seconde);
  EXPECT_EQ(operations.getCession()[0], TCession{});
  EXPECT_EQ(operations.getCession()[1].getDate(), 20110315);

  EXPECT_EQ(aide::Lit(operations, 12710, seconde), "<refused>");  // a transfer of shares
  EXPECT_EQ(aide::Lit(operations, 12766, seconde), "<refused>");  // a distribution
  EXPECT_EQ(aide::Lit(operations, 12566), "<refused>");
  EXPECT_EQ(aide::Lit(operations, 12566, TIndex{{kNiveauCessionParts, 1}}), "<refused>");
  EXPECT_EQ(aide::Lit(operations, 12566, TIndex{{kNiveauCession, 2}}), "<refused>");
  EXPECT_EQ(aide::Lit(operations, 12566, TIndex{{kNiveauCession, -1}}), "<refused>");
  // The company's own amounts need no index, and take no level.
  EXPECT_EQ(aide::Lit(operations, 12564, seconde), "1234.5");
}

TEST(OperationSociete, GetDetailCessionParCodeCessionRendLaPremiere) {
  TOperationSociete operations;
  EXPECT_EQ(operations.GetDetailCessionParCodeCession(""), nullptr);
  operations.setCession({Vente("V1", 100), Vente("V2", 200), Vente("V2", 300)});
  TCession* trouvee = operations.GetDetailCessionParCodeCession("V2");
  ASSERT_NE(trouvee, nullptr);
  EXPECT_EQ(trouvee, &operations.getCession()[1]);
  EXPECT_EQ(operations.GetDetailCessionParCodeCession("v2"), nullptr);
}

TEST(OperationSociete, InitPartielleGardeLesVentesEtEffaceLeursMontants) {
  TOperationSociete operations;
  operations.setCession({Vente("V1", 100), Vente("V2", 200)});
  operations.setProduitsFinanciers(12000);
  operations.setProduitsExceptionnels(50);
  operations.InitResultat();
  EXPECT_EQ(operations.getProduitsFinanciers(), 12000);
  TOperationSociete copie = operations;
  EXPECT_EQ(copie, operations);

  operations.InitPartielle();
  EXPECT_NE(copie, operations);
  EXPECT_EQ(operations.getProduitsFinanciers(), 0);
  EXPECT_EQ(operations.getProduitsExceptionnels(), 0);
  ASSERT_EQ(operations.getCession().size(), 2u);
  const TCession& v = operations.getCession()[1];
  EXPECT_EQ(v.getCodeCession(), "V2");
  EXPECT_EQ(v.getLibelle(), "Local V2");
  EXPECT_EQ(v.getMethode(), "Virement");
  EXPECT_EQ(v.getDate(), 20110415);
  EXPECT_EQ(v.getBNCTypePVImposable(), 2);
  EXPECT_EQ(v.getMontant(), 0);
  EXPECT_EQ(v.getPlusValue(), 0);
  EXPECT_EQ(v.getMoinsValue(), 0);

  TCession vente = Vente("V9", 10);
  vente.Init();
  TCession attendue;
  attendue.setCodeCession("V9");
  EXPECT_EQ(vente, attendue);  // its own code stays

  operations.Init();
  EXPECT_EQ(operations, TOperationSociete{});
}

TEST(RepartitionOperationsSociete, CodesEtMontantsLiesVoyagentEtSeReinitialisent) {
  TRepartitionOperationsSociete repartition;
  aide::VerifieAllerRetour(repartition, TRepartitionOperationsSociete::Lettres().Descriptions());
  aide::VerifieAllerRetour(repartition, TElementLieQuotePartMV::Lettres().Descriptions());
  aide::VerifieAllerRetour(repartition, TElementLieQuotePartPV::Lettres().Descriptions());
  EXPECT_EQ(repartition.getQuotePartMV().getMontant(), 1234.5);
  EXPECT_EQ(repartition.getQuotePartPV().getLie(), 3);
  EXPECT_EQ(aide::Lit(repartition, 12633), "<refused>");  // the statement's financial income

  // Copies own their linked amounts.
  TRepartitionOperationsSociete copie = repartition;
  EXPECT_EQ(copie, repartition);
  copie.getQuotePartPV().setMontant(1);
  EXPECT_EQ(repartition.getQuotePartPV().getMontant(), 1234.5);
  EXPECT_NE(copie, repartition);
  copie = repartition;
  EXPECT_EQ(copie, repartition);

  TElementLie saisi;
  saisi.setMontant(80);
  saisi.setMontantCalcule(70);
  saisi.setLie(2);
  repartition.setQuotePartMV(saisi);
  EXPECT_EQ(repartition.getQuotePartMV().getLie(), 2);
  repartition.InitResultat();  // the entered amount survives
  EXPECT_EQ(repartition.getQuotePartMV().getMontant(), 80);
  EXPECT_EQ(repartition.getQuotePartMV().getMontantCalcule(), 0);

  repartition.setCodeCession("V1");
  repartition.setCodeAssocie("A1");
  repartition.Init();
  EXPECT_EQ(repartition.getCodeCession(), "V1");
  EXPECT_EQ(repartition.getCodeAssocie(), "A1");
  EXPECT_EQ(repartition.getQuotePartMV(), TElementLieQuotePartMV{});
  EXPECT_EQ(repartition.getQuotePartPV(), TElementLieQuotePartPV{});
  repartition.getQuotePartPV().setMontant(5);
  repartition.InitPartielle();
  EXPECT_EQ(repartition.getQuotePartPV(), TElementLieQuotePartPV{});
}
