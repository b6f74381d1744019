#include "aide_lettres.h"
#include "composant2072.h"

using zorfiscal2072::TDonnee2072;

TEST(Composant, PossedeLaDeclarationEtSesServices) {
  TComposantZR2072 composant;
  ASSERT_NE(composant.donnee2072(), nullptr);
  EXPECT_EQ(composant.get_ressourcesManager()->getRessourceSaisie(), "sais2072.rsc");
  EXPECT_NE(composant.get_creerLettrage(), nullptr);
  composant.get_staticsManager()->AddTokenInCollection("#SocieteNom#", "SCI DU PARC", -1);

  TComposantZR2072 copie(composant);
  EXPECT_NE(copie.donnee2072(), composant.donnee2072());
  EXPECT_EQ(copie.donnee2072()->getGuid(), composant.donnee2072()->getGuid());
  ASSERT_NE(copie.get_staticsManager()->TrouveToken("#SocieteNom#"), nullptr);
  EXPECT_EQ(*copie.get_staticsManager()->TrouveToken("#SocieteNom#"), "SCI DU PARC");

  TComposantZR2072 autre;
  autre.donnee2072()->setAnnee(2010);
  autre = composant;
  EXPECT_EQ(autre.donnee2072()->getAnnee(), 2011);
  EXPECT_EQ(autre.donnee2072()->getGuid(), composant.donnee2072()->getGuid());

  TDonnee2072 racine;
  racine.setAnnee(2012);
  TDonnee* propre = composant.get_donnee();
  EXPECT_EQ(composant.set_donnee(nullptr), nullptr);
  EXPECT_EQ(composant.set_donnee(&racine), propre);
  EXPECT_EQ(*composant.donnee2072(), racine);
  EXPECT_EQ(composant.donnee2072()->getAnnee(), 2012);
}

TEST(Racine, IdentifiantAnneeEtResets) {
  TDonnee2072 a, b;
  EXPECT_EQ(a.getAnnee(), 2011);
  EXPECT_FALSE(a.getGuid().empty());
  EXPECT_NE(a.getGuid(), b.getGuid());
  EXPECT_EQ(a, b);
  TDonnee2072 copie(a);
  EXPECT_EQ(copie.getGuid(), a.getGuid());
  a.setAnnee(2013);
  EXPECT_NE(a, b);
  a.InitResultat();
  a.InitPartielle();
  EXPECT_EQ(a.getAnnee(), 2013);
  a.InitPersonnalise();
  EXPECT_EQ(a.getAnnee(), 2011);
  a.setAnnee(2013);
  a.Init();
  EXPECT_EQ(a.getAnnee(), 2011);
  EXPECT_FALSE(a.TransfertLettre(nullptr, 0));
}

TEST(Racine, RoutageDesLettres) {
  TDonnee2072 d;
  d.AjouteAssocie();
  d.AjouteAssocie();
  d.AjouteAssocie();
  EXPECT_FALSE(aide::Ecrit(d, 12055, "DURAND"));  // a partner's letter without the partner's key
  EXPECT_TRUE(aide::Ecrit(d, 12055, "DURAND", {{301, 2}}));
  EXPECT_EQ(d.getAssocie2072()[2].getNom(), "DURAND");
  EXPECT_FALSE(aide::Ecrit(d, 12055, "DURAND", {{301, 3}}));
  EXPECT_FALSE(aide::Ecrit(d, 12593, "MARTIN", {{303, 0}}));  // a tenant needs its property too
  EXPECT_TRUE(d.TransfertUneLettre(nullptr, {}, 0));
  aide::Lettre l(12003, "SCI");
  EXPECT_TRUE(d.TransfertUneLettre(&l, {}, 7));  // no other direction moves anything
  EXPECT_EQ(d.getInfogene2072().getSocieteNom(), "");
  // Held twice: through the root, the general information takes them.
  EXPECT_TRUE(aide::Ecrit(d, 12564, "150"));
  EXPECT_EQ(d.getOperationSociete().getProduitsFinanciers(), 0);
}
