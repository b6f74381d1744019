#include "adresses2072.h"
#include "aide_lettres.h"
#include "tdonnee2072.h"

using namespace zorfiscal2072;

TEST(Adresses, ChaqueRoleEchangeSesDixChampsEtRefuseCeuxDesAutres) {
  TAdresseGerant gerant;
  aide::VerifieAllerRetour(gerant, TAdresseGerant::Lettres().Descriptions());
  EXPECT_EQ(aide::Lit(gerant, 12463), "<refused>");  // the accountant's street number
  TAdresseCDI cdi;
  EXPECT_TRUE(aide::Ecrit(cdi, 12559, std::string(60, 'x')));
  EXPECT_EQ(aide::Lit(cdi, 12559).size(), 50u);  // the tax office's street type takes 50 characters
  TAdresseGerant autre;
  EXPECT_TRUE(aide::Ecrit(autre, 12553, std::string(60, 'x')));
  EXPECT_EQ(aide::Lit(autre, 12553).size(), 34u);
}

TEST(Adresses, CompositionDeLaLigneDeVoie) {
  const auto ligne = [](const char* numero, short complement, const char* type, const char* nom) {
    TAdressePropriete2072 a;
    a.setNumeroVoie(numero);
    a.setComplementNumeroVoie(complement);
    a.setTypeVoie(type);
    a.setTypeEtNomVoie(nom);
    TDonnee2072::GenereNumeroTypeEtNomVoie(a);
    return a.getNumeroTypeEtNomVoie();
  };
  EXPECT_EQ(ligne("12", 2, "rue", "du Chateau"), "12 bis rue du Chateau");
  EXPECT_EQ(ligne("12", 1, "rue", "du Chateau"), "12 rue du Chateau");
  EXPECT_EQ(ligne("", 1, "rue", "du Chateau"), "rue du Chateau");
  EXPECT_EQ(ligne("12", 1, "", ""), "12 ");
  EXPECT_EQ(ligne("12", 9, "rue", "des   Lilas"), "12 rue des Lilas");
  EXPECT_EQ(ligne("3", 4, "", "Le Bourg"), "3 quater Le Bourg");
}

TEST(Adresses, ResetScopes) {
  TAdresseAssocie a;
  EXPECT_EQ(a.getPays(), 1);
  EXPECT_EQ(a.getComplementNumeroVoie(), 1);
  a.setVille("Dijon");
  a.setNumeroTypeEtNomVoie("2 rue Vauban");
  a.InitPartielle();
  EXPECT_EQ(a.getVille(), "Dijon");
  a.InitResultat();
  EXPECT_EQ(a.getNumeroTypeEtNomVoie(), "");
  EXPECT_EQ(a.getVille(), "Dijon");
  a.setPays(79);
  a.Init();
  EXPECT_EQ(a.getVille(), "");
  EXPECT_EQ(a.getPays(), 1);
  TSocieteAdresseSiege siege;
  EXPECT_EQ(aide::Lit(siege, 12108), "<refused>");
}
