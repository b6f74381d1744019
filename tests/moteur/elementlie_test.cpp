#include "aide_lettres.h"
#include "elementlie2072.h"

TEST(ElementsLies, ModesResetsEtCopies) {
  TElementLie2072EAssurance e;
  EXPECT_EQ(e.getLie(), 1);
  EXPECT_EQ(e.getMontant(), 0);
  aide::VerifieAllerRetour(e, TElementLie2072EAssurance::Lettres().Descriptions());
  EXPECT_EQ(aide::Lit(e, 12772), "<refused>");  // another box's flag
  e.setMontant(500);
  e.setMontantCalcule(300);
  e.setLie(2);
  e.InitResultat();  // an overridden amount survives
  EXPECT_EQ(e.getMontant(), 500);
  EXPECT_EQ(e.getMontantCalcule(), 0);
  EXPECT_EQ(e.getLie(), 2);
  TElementLie2072EAssurance copie(e);
  EXPECT_EQ(copie, e);
  e.InitPartielle();
  EXPECT_EQ(e.getLie(), 1);
  EXPECT_EQ(e.getMontant(), 0);
  EXPECT_NE(copie, e);
}

TEST(ElementsLies, DrapeauReelDesRentreesDeCreances) {
  TElementLie2072ERentreesCreances e;
  EXPECT_TRUE(aide::Ecrit(e, 12820, "2.0"));
  EXPECT_EQ(e.getLie(), 2);
  EXPECT_EQ(aide::Lit(e, 12820), "2");
  EXPECT_EQ(TElementLie2072ERentreesCreances::Lettres().Descriptions()[1].type(), 'D');
  EXPECT_EQ(TElementLieVA::Lettres().Descriptions()[1].type(), 'L');
  TElementLieForfaitGestion2072 forfait;
  forfait.CasTestXX();
  EXPECT_EQ(forfait.getMontant(), 20);
}
