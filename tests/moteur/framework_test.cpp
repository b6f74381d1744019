#include <set>

#include "aide_lettres.h"
#include "kel.h"
#include "klx.h"
#include "tablelettres.h"
#include "tdonnee.h"

TEST(Utilitaires, IdentifiantsCourtsEtUniques) {
  std::set<std::string> vus;
  for (int i = 0; i < 100000; ++i) {
    const std::string id = KLX::GenerateStringGUID();
    ASSERT_EQ(id.size(), 20u);
    ASSERT_TRUE(vus.insert(id).second) << id;
  }
}

TEST(Utilitaires, NombresDatesEtAssertions) {
  EXPECT_EQ(KLX::double2str(2000.123, 0), "2000.123");
  EXPECT_EQ(KLX::double2str(2000.0, 0), "2000");
  EXPECT_EQ(KLX::double2str(2.5, 2), "2.50");
  EXPECT_EQ(kel::Date(20090315).Annee(), 2009);

  std::vector<kel::RapportAssertion> rapports;
  auto precedent = kel::InstalleGestionnaireAssertion([&](const kel::RapportAssertion& r) { rapports.push_back(r); });
  const int src = 3;
  KEL_ASSERT(src < 2, "maj2072");
  KEL_ASSERT(src < 5, "maj2072");
  kel::InstalleGestionnaireAssertion(precedent);
  ASSERT_EQ(rapports.size(), 1u);
  EXPECT_EQ(rapports[0].expression, "src < 2");
  EXPECT_NE(rapports[0].fichier.find("framework_test"), std::string::npos);
  EXPECT_GT(rapports[0].ligne, 0);
}

namespace {

// A record with one letter, repeated in a vector: the shape of every indexed level.
struct Fiche : TDonneeBase {
  std::string Nom;
  int Drapeau = 1;
  static const lettres::TableLettres<Fiche>& Lettres() {
    using R = Fiche;
    static const lettres::TableLettres<R> table{LETTRE(12593, Nom, Texte, 51, "Nom"),
                                                LETTRE(12820, Drapeau, Reel, 0, "Drapeau")};
    return table;
  }
  bool TransfertUneLettre(structLettre* l, TIndex, long sens) override { return Lettres().Transfert(*this, l, sens); }
};

struct Proprietaire : TDonneeBase {
  std::vector<Fiche> fiches = std::vector<Fiche>(3);
  bool TransfertUneLettre(structLettre* l, TIndex index, long sens) override {
    return lettres::TransfertIndexe(fiches, 303, l, index, sens);
  }
};

}  // namespace

TEST(Routage, ParCleEtPositionDIndex) {
  Proprietaire p;
  EXPECT_TRUE(aide::Ecrit(p, 12593, "MARTIN", {{300, 0}, {303, 2}}));
  EXPECT_EQ(p.fiches[2].Nom, "MARTIN");
  EXPECT_EQ(aide::Lit(p, 12593, {{303, 2}}), "MARTIN");
  EXPECT_FALSE(aide::Ecrit(p, 12593, "X", {{300, 0}}));   // key missing
  EXPECT_FALSE(aide::Ecrit(p, 12593, "X", {{303, 3}}));   // past the end
  EXPECT_FALSE(aide::Ecrit(p, 12593, "X", {{303, -1}}));  // negative
  EXPECT_FALSE(aide::Ecrit(p, 12594, "X", {{303, 0}}));   // a code the record does not hold
  aide::Lettre l(12593, "Y");
  EXPECT_TRUE(p.TransfertUneLettre(&l, {{303, 0}}, 5));  // other directions are taken, nothing moves
  EXPECT_EQ(p.fiches[0].Nom, "");
  EXPECT_TRUE(p.fiches[0].TransfertUneLettre(nullptr, {}, 0));
  // An int field moved through a real letter: truncated toward zero; out of range reads as 0.
  EXPECT_TRUE(aide::Ecrit(p, 12820, "2.0", {{303, 1}}));
  EXPECT_EQ(p.fiches[1].Drapeau, 2);
  EXPECT_TRUE(aide::Ecrit(p, 12820, "-1.7", {{303, 1}}));
  EXPECT_EQ(p.fiches[1].Drapeau, -1);
  EXPECT_TRUE(aide::Ecrit(p, 12820, "1e12", {{303, 1}}));
  EXPECT_EQ(p.fiches[1].Drapeau, 0);
}
