
#include "aide_lettres.h"
#include "associe2072.h"
#include "niveaux2072.h"

using namespace zorfiscal2072;

namespace {

TIndex Index(int cle, int position) { return TIndex{{cle, position}}; }

}  // namespace

TEST(Associe, ChaqueLettreFaitLAllerRetourParLAssocie) {
  TAssocie2072 a;
  auto& bulletin = a.getBulletin2072();
  bulletin.getQuotePartPropriete().resize(2);
  bulletin.getRepartitionOperationsSociete().resize(2);
  a.AjouteProprieteJouissanceGratuite("P1");
  a.AjouteProprieteJouissanceGratuite("P2");

  aide::VerifieAllerRetour(a, TAssocie2072::Lettres().Descriptions());
  aide::VerifieAllerRetour(a, TAdresseAssocie::Lettres().Descriptions());
  aide::VerifieAllerRetour(a, TAdresseAvantDemenagement::Lettres().Descriptions());
  aide::VerifieAllerRetour(a, TBulletin2072::Lettres().Descriptions());
  aide::VerifieAllerRetour(a, TElementLieQuotePartProduitsFinanciers::Lettres().Descriptions());
  aide::VerifieAllerRetour(a, TQuotePartPropriete::Lettres().Descriptions(), Index(kNiveauQuotePart, 1));
  aide::VerifieAllerRetour(a, TProprieteReport::Lettres().Descriptions(), Index(kNiveauReport, 15));
  aide::VerifieAllerRetour(a, TListeProprieteJouissanceGratuite::Lettres().Descriptions(),
                           Index(kNiveauJouissanceGratuite, 1));
  const TIndex repartition = Index(kNiveauRepartition, 1);
  aide::VerifieAllerRetour(a, TRepartitionOperationsSociete::Lettres().Descriptions(), repartition);
  aide::VerifieAllerRetour(a, TElementLieQuotePartMV::Lettres().Descriptions(), repartition);
  aide::VerifieAllerRetour(a, TElementLieQuotePartPV::Lettres().Descriptions(), repartition);

  // Each letter landed in its own field, and only the entry the index named moved.
  EXPECT_EQ(a.getNom(), "Éé12055");
  EXPECT_EQ(a.getAdresse().getVille(), "Éé12073");
  EXPECT_EQ(a.getAdresseAvantDemenagement().getVille(), "Éé12629");
  EXPECT_EQ(a.getDateNaissance(), 20110315);
  EXPECT_EQ(bulletin.getQuotePartProduitsFinanciers().getMontant(), 1234.5);
  EXPECT_EQ(bulletin.getQuotePartPropriete()[1].getDeductionMobilite(), 1234.5);
  EXPECT_EQ(bulletin.getQuotePartPropriete()[0].getDeductionMobilite(), 0);
  EXPECT_EQ(bulletin.getProprieteReport()[15].getMobilite(), 1234.5);
  EXPECT_EQ(bulletin.getProprieteReport()[14].getMobilite(), 0);
  EXPECT_EQ(a.getListeProprieteJouissanceGratuite()[0].getCodePropriete(), "P1");
  EXPECT_EQ(bulletin.getRepartitionOperationsSociete()[0].getCodeCession(), "");
}

TEST(Associe, LettresRefuseesSansPositionValable) {
  TAssocie2072 a;
  a.getBulletin2072().getQuotePartPropriete().resize(1);
  a.getBulletin2072().getRepartitionOperationsSociete().resize(1);
  a.AjouteProprieteJouissanceGratuite("P1");

  EXPECT_EQ(aide::Lit(a, 12456), "<refused>");  // the manager's street number
  EXPECT_EQ(aide::Lit(a, 12140), "<refused>");  // a property's gross rents
  for (const int position : {-1, 1}) {          // negative, past the end
    EXPECT_EQ(aide::Lit(a, 12767, Index(kNiveauQuotePart, position)), "<refused>");
    EXPECT_EQ(aide::Lit(a, 12766, Index(kNiveauRepartition, position)), "<refused>");
    EXPECT_EQ(aide::Lit(a, 12692, Index(kNiveauJouissanceGratuite, position)), "<refused>");
  }
  EXPECT_EQ(aide::Lit(a, 12094, Index(kNiveauReport, -1)), "<refused>");
  EXPECT_EQ(aide::Lit(a, 12094, Index(kNiveauReport, 16)), "<refused>");
  // Without its key, or under another level's key, an entry is not reached.
  EXPECT_EQ(aide::Lit(a, 12767), "<refused>");
  EXPECT_EQ(aide::Lit(a, 12766, Index(kNiveauQuotePart, 0)), "<refused>");
  EXPECT_EQ(aide::Lit(a, 12692, Index(kNiveauAssocie, 0)), "<refused>");
  EXPECT_EQ(aide::Lit(a, 12094, Index(kNiveauQuotePart, 0)), "<refused>");
  EXPECT_EQ(aide::Lit(a, 12678, Index(kNiveauRepartition, 0)), "0");
  // A statement's letter needs no index; the partner's own letters are not the statement's.
  TBulletin2072 bulletin;
  EXPECT_EQ(aide::Lit(bulletin, 12055), "<refused>");
  EXPECT_TRUE(a.TransfertUneLettre(nullptr, {}, 0));
  EXPECT_FALSE(a.TransfertLettre(nullptr, 0));
}

TEST(Associe, ReinitialisationsSelonLeurPortee) {
  TAssocie2072 a;
  EXPECT_EQ(a.getBulletin2072().getProprieteReport().size(), 16u);
  EXPECT_EQ(TBulletin2072().getProprieteReport().size(), 0u);
  a.setCodeAssocie("A1");
  a.setNom("Martin");
  a.setNombreParts(10);
  a.setPourcentageDetention(25);
  a.setQuotePartResultats(25);
  a.setPresenceNouvelAssocie(1);
  a.setRemunerationDiverse(1500);
  a.setTauxPlusValue(5);
  a.setIdentiteCedant("X");
  a.getAdresse().setVille("Tours");
  a.AjouteProprieteJouissanceGratuite("P1");
  auto& b = a.getBulletin2072();
  b.setTotalCharge(300);
  b.setPresenceCessionParts(1);
  b.getQuotePartProduitsFinanciers().setMontant(700);
  b.getQuotePartProduitsFinanciers().setMontantCalcule(600);
  b.getQuotePartProduitsFinanciers().setLie(2);
  TQuotePartPropriete q;
  q.setCodePropriete("P1");
  q.setCodeAssocie("A1");
  q.setRevenuBrut(1000);
  q.setDeductionMobilite(200);
  b.getQuotePartPropriete().push_back(q);
  b.getProprieteReport()[0].setRevenuBrut(50);
  b.getProprieteReport()[0].setMobilite(60);

  TAssocie2072 r = a;
  r.InitResultat();
  EXPECT_EQ(r.getPourcentageDetention(), 0);
  EXPECT_EQ(r.getQuotePartResultats(), 0);
  EXPECT_EQ(r.getPresenceNouvelAssocie(), 2);
  EXPECT_EQ(r.getNombreParts(), 10);
  EXPECT_EQ(r.getRemunerationDiverse(), 1500);
  EXPECT_EQ(r.getBulletin2072().getTotalCharge(), 0);
  EXPECT_EQ(r.getBulletin2072().getPresenceCessionParts(), 2);
  EXPECT_EQ(r.getBulletin2072().getQuotePartProduitsFinanciers().getMontant(), 700);  // overridden, kept
  EXPECT_EQ(r.getBulletin2072().getQuotePartProduitsFinanciers().getMontantCalcule(), 0);
  EXPECT_EQ(r.getBulletin2072().getQuotePartPropriete().size(), 1u);

  TAssocie2072 p = a;
  p.InitPartielle();
  EXPECT_EQ(p.getRemunerationDiverse(), 0);
  EXPECT_EQ(p.getTauxPlusValue(), 3);
  EXPECT_EQ(p.getIdentiteCedant(), "");
  EXPECT_EQ(p.getNom(), "Martin");
  EXPECT_EQ(p.getNombreParts(), 10);
  EXPECT_EQ(p.getPourcentageDetention(), 25);
  EXPECT_EQ(p.getAdresse().getVille(), "Tours");
  EXPECT_EQ(p.aJouissanceGratuite("P1"), "1");
  const auto& pq = p.getBulletin2072().getQuotePartPropriete()[0];
  EXPECT_EQ(pq.getDeductionMobilite(), 0);
  EXPECT_EQ(pq.getRevenuBrut(), 1000);
  EXPECT_EQ(p.getBulletin2072().getProprieteReport()[0].getMobilite(), 0);
  EXPECT_EQ(p.getBulletin2072().getProprieteReport()[0].getRevenuBrut(), 50);
  EXPECT_EQ(p.getBulletin2072().getQuotePartProduitsFinanciers().getLie(), 1);

  TAssocie2072 i = a;
  i.Init();
  EXPECT_EQ(i.getCodeAssocie(), "A1");
  EXPECT_EQ(i.getNom(), "");
  EXPECT_EQ(i.getFormeJuridiqueOuTitre(), 29);
  EXPECT_EQ(i.getFormeJuridique(), 31);
  EXPECT_EQ(i.getQuotePartDifferente(), 2);
  EXPECT_EQ(i.getAdresse().getVille(), "");
  EXPECT_TRUE(i.getListeProprieteJouissanceGratuite().empty());
  EXPECT_TRUE(i.getBulletin2072().getProprieteReport().empty());
  EXPECT_TRUE(i.getBulletin2072().getQuotePartPropriete().empty());

  q.Init();  // a share keeps naming its property and partner
  EXPECT_EQ(q.getCodePropriete(), "P1");
  EXPECT_EQ(q.getCodeAssocie(), "A1");
  EXPECT_EQ(q.getDeductionMobilite(), 0);
  TProprieteReport report = b.getProprieteReport()[0];
  report.InitResultat();
  EXPECT_EQ(report.getRevenuBrut(), 0);
  EXPECT_EQ(report.getMobilite(), 60);
}

TEST(Associe, ProprietesEnJouissanceGratuite) {
  TAssocie2072 a;
  a.setCodeAssocie("A1");
  EXPECT_EQ(a.aJouissanceGratuite("P1"), "0");
  a.AjouteProprieteJouissanceGratuite("P1");
  a.AjouteProprieteJouissanceGratuite("P1");
  a.AjouteProprieteJouissanceGratuite("P2");
  ASSERT_EQ(a.getListeProprieteJouissanceGratuite().size(), 2u);
  EXPECT_EQ(a.getListeProprieteJouissanceGratuite()[0].getCodeAssocie(), "A1");
  EXPECT_EQ(a.aJouissanceGratuite("p1"), "0");  // codes compare exactly

  a.SupprimeProprieteJouissanceGratuite("P3");
  EXPECT_EQ(a.getListeProprieteJouissanceGratuite().size(), 2u);
  // An entry entered twice by letters leaves one removal at a time.
  a.getListeProprieteJouissanceGratuite().push_back(a.getListeProprieteJouissanceGratuite()[0]);
  a.SupprimeProprieteJouissanceGratuite("P1");
  ASSERT_EQ(a.getListeProprieteJouissanceGratuite().size(), 2u);
  EXPECT_EQ(a.getListeProprieteJouissanceGratuite()[0].getCodePropriete(), "P2");
  EXPECT_EQ(a.aJouissanceGratuite("P1"), "1");
}

TEST(Associe, RecherchesDuBulletin) {
  TBulletin2072 b;
  EXPECT_EQ(b.GetDetailQuoteParCodePropriete("P1"), nullptr);
  for (const char* code : {"P1", "P2", "P1"}) {
    TQuotePartPropriete q;
    q.setCodePropriete(code);
    b.getQuotePartPropriete().push_back(q);
    TRepartitionOperationsSociete r;
    r.setCodeCession(code);
    b.getRepartitionOperationsSociete().push_back(r);
  }
  b.getQuotePartPropriete()[2].setPresenceMobilite(1);
  EXPECT_EQ(b.GetDetailQuoteParCodePropriete("P1"), &b.getQuotePartPropriete()[0]);
  EXPECT_EQ(b.presenceMobiliteQuoteParPropriete("P1"), 1);  // the second share of P1 carries it
  EXPECT_EQ(b.presenceMobiliteQuoteParPropriete("P2"), 0);

  b.SupprimeQuoteParPropriete("P1");
  ASSERT_EQ(b.getQuotePartPropriete().size(), 1u);
  EXPECT_EQ(b.getQuotePartPropriete()[0].getCodePropriete(), "P2");
  EXPECT_EQ(b.presenceMobiliteQuoteParPropriete("P1"), 0);
  b.SupprimeRepartitionParCession("P2");
  ASSERT_EQ(b.getRepartitionOperationsSociete().size(), 2u);
  EXPECT_EQ(b.getRepartitionOperationsSociete()[1].getCodeCession(), "P1");
}

TEST(Associe, Designation) {
  TAssocie2072 a;
  a.setNom("A");
  EXPECT_EQ(a.DonneDesignation(), "A");
  a.setPrenoms("Jean  Marie");
  EXPECT_EQ(a.DonneDesignation(), "A Jean Marie");
  a.setNom("");
  EXPECT_EQ(a.DonneDesignation(), "Jean Marie");
  a.setNom("Du   Pont ");
  EXPECT_EQ(a.DonneDesignation(), "Du Pont Jean Marie");
  a.setType(2);
  a.setDenomination("SCI  des    Lilas");
  EXPECT_EQ(a.DonneDesignation(), "SCI des Lilas");
  a.setType(3);
  EXPECT_EQ(a.DonneDesignation(), "");
}

TEST(Associe, AssignmentInPlaceAndVectorsInTheEquality) {
  TAssocie2072 a;
  a.setCodeAssocie("A1");
  a.getAdresse().setVille("Tours");
  a.AjouteProprieteJouissanceGratuite("P1");
  a.getBulletin2072().getQuotePartPropriete().resize(1);

  // Assigned in place; the statement's vectors and the free-use list count in the equality.
  TAssocie2072 autre;
  const TAdresseAssocie* adresse = &autre.getAdresse();
  autre = a;
  EXPECT_EQ(autre, a);
  EXPECT_EQ(&autre.getAdresse(), adresse);  // assigned in place
  autre.getBulletin2072().getQuotePartPropriete()[0].setDeductionMobilite(1);
  EXPECT_NE(autre, a);
  autre = a;
  autre.getListeProprieteJouissanceGratuite().clear();
  EXPECT_NE(autre, a);

  // An address of another role is copied field by field into the partner's own.
  TAdresseGerant gerant;
  gerant.setCodePostal("37000");
  autre.setAdresseAvantDemenagement(gerant);
  EXPECT_EQ(autre.getAdresseAvantDemenagement().getCodePostal(), "37000");
  EXPECT_EQ(aide::Lit(autre, 12621), "37000");
}
