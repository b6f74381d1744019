#include "aide_lettres.h"
#include "cessionparts2072.h"
#include "niveaux2072.h"
#include "operationsociete2072.h"

using namespace zorfiscal2072;

namespace {

TCessionParts Transfert(long cessionnaire, long cedant, double parts = 10) {
  TCessionParts c;
  c.setAssocieCessionnaire(cessionnaire);
  c.setAssocieCedant(cedant);
  c.setNombreParts(parts);
  return c;
}

}  // namespace

TEST(CessionParts, LesLettresAtteignentLeTransfertDesigneParLeNiveau309) {
  TCessionsPartsSociete societe;
  societe.setCessionParts({TCessionParts{}, TCessionParts{}});
  const TIndex second{{kNiveauCessionParts, 1}};
  aide::VerifieAllerRetour(societe, TCessionParts::Lettres().Descriptions(), second);
  EXPECT_EQ(societe.getCessionParts()[0], TCessionParts{});  // only the second transfer moved
  EXPECT_EQ(societe.getCessionParts()[1].getNombreParts(), 12.5);
  EXPECT_EQ(societe.getCessionParts()[1].getDateCession(), 20110315);

  EXPECT_EQ(aide::Lit(societe, 12566, second), "<refused>");  // a sale's amount
  EXPECT_EQ(aide::Lit(societe, 12710), "<refused>");          // no level 309
  EXPECT_EQ(aide::Lit(societe, 12710, TIndex{{kNiveauCession, 1}}), "<refused>");
  EXPECT_EQ(aide::Lit(societe, 12710, TIndex{{kNiveauCessionParts, 2}}), "<refused>");
  EXPECT_EQ(aide::Lit(societe, 12710, TIndex{{kNiveauCessionParts, -1}}), "<refused>");
  EXPECT_TRUE(societe.TransfertUneLettre(nullptr, TIndex{}, 0));
  aide::Lettre lettre(12710, "x");
  EXPECT_TRUE(societe.TransfertUneLettre(&lettre, TIndex{}, 2));  // no direction: nothing moves

  // The position of a side arrives alone; the identity is copied later from the partner.
  TCessionParts& c = societe.getCessionParts()[1];
  const std::string nom = c.getNomCessionnaire();
  EXPECT_TRUE(aide::Ecrit(societe, 12762, "0", second));
  EXPECT_EQ(c.getAssocieCessionnaire(), 0);
  EXPECT_EQ(c.getNomCessionnaire(), nom);
}

TEST(CessionParts, SupprimeCessionParAssocieRetireLesDeuxCotesEtGardeLOrdre) {
  TCessionsPartsSociete societe;
  societe.setCessionParts({Transfert(0, 1, 1), Transfert(2, 0, 2), Transfert(1, 3, 3), Transfert(1, 2, 4),
                           Transfert(3, 0, 5), Transfert(2, 2, 6)});
  societe.SupprimeCessionParAssocie(2);
  ASSERT_EQ(societe.getCessionParts().size(), 3u);
  EXPECT_EQ(societe.getCessionParts()[0].getNombreParts(), 1);
  EXPECT_EQ(societe.getCessionParts()[1].getNombreParts(), 3);
  EXPECT_EQ(societe.getCessionParts()[2].getNombreParts(), 5);
}

TEST(CessionParts, ReinitialisationsEtCopiesLaissentLesListesDeChoix) {
  TCessionParts c = Transfert(1, 2, 7.5);
  c.setNomCedant("Martin");
  c.setDateCession(20110601);
  c.setPresenceHoldingCedant(1);
  c.InitResultat();
  c.InitPartielle();  // the count of the year only
  EXPECT_EQ(c.getNombreParts(), 0);
  EXPECT_EQ(c.getNomCedant(), "Martin");
  EXPECT_EQ(c.getAssocieCedant(), 2);
  EXPECT_EQ(c.getDateCession(), 20110601);
  c.Init();
  EXPECT_EQ(c, TCessionParts{});
  EXPECT_EQ(c.getPresenceHoldingCessionnaire(), 2);
  EXPECT_EQ(c.getPresenceHoldingCedant(), 2);

  TCessionsPartsSociete societe;
  societe.setCessionParts({Transfert(0, 1, 4), Transfert(1, 0, 6)});
  societe.getListeAssocieCessionnaire() = {TElement2072(0, "Dupont", "A"), TElement2072(1, "Autre")};
  societe.getListeAssocieCedant() = societe.getListeAssocieCessionnaire();

  TCessionsPartsSociete copie = societe;
  EXPECT_TRUE(copie.getListeAssocieCessionnaire().empty());
  EXPECT_EQ(copie, societe);  // the lists take no part in equality
  TCessionsPartsSociete cible;
  cible.getListeAssocieCedant() = {TElement2072(0, "Autre")};
  cible = societe;
  EXPECT_EQ(cible.getCessionParts(), societe.getCessionParts());
  ASSERT_EQ(cible.getListeAssocieCedant().size(), 1u);
  EXPECT_EQ(cible.getListeAssocieCedant()[0].get_libelle(), "Autre");

  societe.InitPartielle();
  ASSERT_EQ(societe.getCessionParts().size(), 2u);
  EXPECT_EQ(societe.getCessionParts()[1].getNombreParts(), 0);
  EXPECT_EQ(societe.getCessionParts()[1].getAssocieCessionnaire(), 1);
  societe.Init();
  EXPECT_TRUE(societe.getCessionParts().empty());
  EXPECT_EQ(societe.getListeAssocieCessionnaire().size(), 2u);
}
