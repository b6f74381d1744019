#include <stdexcept>

#include "aide_lettres.h"
#include "amortissement2072.h"

using namespace zorfiscal2072;

TEST(Amortissement2072, EchangeSesLettresSurLObjetDeLaBibliotheque) {
  TAmortissement2072 a;
  aide::VerifieAllerRetour(a, TAmortissement2072::Lettres().Descriptions(), TIndex{{308, 7}});  // index ignored
  EXPECT_DOUBLE_EQ(a.getLigne(1).Montant, 1234.5);
  EXPECT_EQ(a.getLigne(7).DateDebut, 20110315);
  EXPECT_DOUBLE_EQ(a.getMontant(4), 1234.5);
  EXPECT_EQ(a.getEntree(2, 3).Nombre, 3);
  EXPECT_EQ(aide::Lit(a, 12299), "<refused>");
  EXPECT_TRUE(a.TransfertUneLettre(nullptr, {}, 0));
  EXPECT_THROW(a.getLigne(8), std::out_of_range);
  EXPECT_THROW(a.getEntree(0, 1), std::out_of_range);
}

TEST(Amortissement2072, ResultResetKeepsAllPartialResetClearsAll) {
  TAmortissement2072 a;
  ASSERT_TRUE(aide::Ecrit(a, 12410, "500"));
  a.setAnnee(2009);
  a.setRegime(kRegimeRobienRecentre);
  a.InitResultat();  // keeps everything
  EXPECT_EQ(a.getEntree(1, 1).Montant2, 500);
  EXPECT_EQ(a.getAnnee(), 2009);
  a.InitPartielle();  // the library's full reset
  EXPECT_EQ(a, TAmortissement2072());
  EXPECT_EQ(a.getRegime(), kRegimeAucun);
}

TEST(AmortissementComposant, LettresDuTotalEtDesComposantsParLaCle308) {
  TAmortissementComposant ac;
  aide::VerifieAllerRetour(ac, TAmortissementComposant::Lettres().Descriptions());
  ac.setComposant(std::vector<TComposant>(2));
  aide::VerifieAllerRetour(ac, TComposant::Lettres().Descriptions(), TIndex{{300, 0}, {308, 1}});
  EXPECT_EQ(ac.getComposant()[1].getModeAmortissement(), 3);
  EXPECT_EQ(ac.getComposant()[0], TComposant());  // the other component is untouched
  // No component beyond the vector, none without the key, and none created by a letter.
  EXPECT_EQ(aide::Lit(ac, 12657, TIndex{{308, 2}}), "<refused>");
  EXPECT_EQ(aide::Lit(ac, 12657, TIndex{{308, -1}}), "<refused>");
  EXPECT_FALSE(aide::Ecrit(ac, 12657, "1", TIndex{{308, 2}}));
  EXPECT_EQ(aide::Lit(ac, 12657), "<refused>");
  EXPECT_EQ(ac.getComposant().size(), 2u);
  // The label keeps 91 characters.
  ASSERT_TRUE(aide::Ecrit(ac, 12651, std::string(100, 'x'), TIndex{{308, 0}}));
  EXPECT_EQ(ac.getComposant()[0].getNomSaisi().size(), 91u);
}

TEST(AmortissementComposant, Remises) {
  TComposant c;
  EXPECT_EQ(c.getNom(), 1);
  EXPECT_EQ(c.getAmortissementsAnterieursCalcule(), 2);
  EXPECT_EQ(c.getAnneeCalcule(), 2);
  c.setCodePropriete("P1");
  c.setPrix(100);
  c.setPrixTTC(120);
  c.setMontantAmort(10);
  c.setValeurResiduelle(90);
  c.setModeAmortissement(2);

  TAmortissementComposant ac;
  ac.setComposant({c});
  ac.setTotalMethodeLineaire(5);
  ac.setTotalMethodeDegressive(6);
  ac.InitResultat();  // the totals only
  EXPECT_EQ(ac.getTotalMethodeDegressive(), 0);
  EXPECT_EQ(ac.getComposant()[0], c);
  ac.InitPartielle();  // each component's PrixTTC and MontantAmort
  const TComposant& apres = ac.getComposant()[0];
  EXPECT_EQ(apres.getPrixTTC(), 0);
  EXPECT_EQ(apres.getMontantAmort(), 0);
  EXPECT_EQ(apres.getPrix(), 100);
  EXPECT_EQ(apres.getValeurResiduelle(), 90);

  c.InitResultat();
  EXPECT_EQ(c.getPrix(), 0);
  EXPECT_EQ(c.getPrixTTC(), 120);
  c.Init();
  EXPECT_EQ(c.getCodePropriete(), "P1");  // the owning property's code stays
  c.setCodePropriete("");
  EXPECT_EQ(c, TComposant());

  ac.Init();
  EXPECT_TRUE(ac.getComposant().empty());
}

TEST(AmortissementComposant, MajNomSaisiPrendLeLibelleDeLaNature) {
  TComposant c;
  c.setNomSaisi("saisi");
  c.setNom(3);
  c.MajNomSaisi();
  EXPECT_EQ(c.getNomSaisi(), "Ascenseurs");
  c.setNom(21);  // not a component kind
  c.MajNomSaisi();
  EXPECT_EQ(c.getNomSaisi(), "Ascenseurs");
}
