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
