#include <cmath>
#include <limits>

#include "aide_lettres.h"
#include "lettres.h"

namespace {

// Reads `texte` into a variable through a typed move.
template <class T, class F>
T Lit(F transfert, const char* texte) {
  aide::Lettre l(1, texte);
  T v{};
  transfert(&v, &l.l.valeur, 0);
  return v;
}

template <class T, class F>
std::string Ecrit(F transfert, T v) {
  aide::Lettre l(1, "ancienne valeur");
  transfert(&v, &l.l.valeur, 1);
  return l.valeur();
}

}  // namespace

TEST(Lettres, MontantsAllerRetourEtTextesMalFormes) {
  // Entered amounts of up to 15 digits come back as they were entered.
  for (const char* entre :
       {"1", "-2.5", "1234567.89", "0.1", "0.0000001", "123456789012.34", "-0.0001", "999999999999999",
        "9999999999999.99", "0.000000000000123456789012345", "100000000000000000000", "2000.123"})
    EXPECT_EQ(Ecrit(TransfertDoubleReference, Lit<double>(TransfertDoubleReference, entre)), entre);
  // Computed ones without the noise of binary arithmetic, to 15 digits.
  const std::pair<double, const char*> calcules[] = {
      {11236 * 0.3, "3370.8"}, {0.1 + 0.2, "0.3"}, {2247.2000000000003, "2247.2"}, {1.0 / 3.0, "0.333333333333333"}};
  for (const auto& [v, texte] : calcules) EXPECT_EQ(Ecrit(TransfertDoubleReference, v), texte);
  const double plusGrand = std::numeric_limits<double>::max();  // its rounding to 15 digits would overflow
  EXPECT_EQ(Lit<double>(TransfertDoubleReference, Ecrit(TransfertDoubleReference, plusGrand).c_str()), plusGrand);
  EXPECT_EQ(Ecrit(TransfertDoubleReference, -0.0), "0");
  EXPECT_EQ(Lit<double>(TransfertDouble, " 12,5 "), 12.5);
  EXPECT_EQ(Lit<double>(TransfertDouble, "+3"), 3.0);
  EXPECT_EQ(Lit<double>(TransfertDouble, "-1.5e3"), -1500.0);
  for (const char* mauvais : {"", "abc", "12abc", "1.2.3", "--1", "+-1", "inf", "nan", "1e999", "0x10", "12 34"})
    EXPECT_EQ(Lit<double>(TransfertDouble, mauvais), 0.0) << mauvais;
  double v = 7;
  char* nul = nullptr;
  TransfertDouble(&v, &nul, 0);  // a letter without value reads as 0
  EXPECT_EQ(v, 0.0);
}

TEST(Lettres, FormatFixeDesMontantsEtDesParts) {
  aide::Lettre l(1, "");
  double v = 1234.5;
  TransfertDoubleReferenceFormat(&v, &l.l.valeur, "%0.2lf", 1);
  EXPECT_EQ(l.valeur(), "1234.50");
  v = 1.0 / 3.0;
  TransfertDoubleReferenceFormat(&v, &l.l.valeur, "%0.5lf", 1);
  EXPECT_EQ(l.valeur(), "0.33333");
  TransfertDoubleReferenceFormat(&v, &l.l.valeur, "%0.5lf", 0);
  EXPECT_DOUBLE_EQ(v, 0.33333);
}

TEST(Lettres, EntiersTronquesEtHorsBornes) {
  EXPECT_EQ(Lit<short>(TransfertShortIntReference, "12"), 12);
  EXPECT_EQ(Lit<short>(TransfertShortIntReference, " -7 "), -7);
  EXPECT_EQ(Lit<short>(TransfertShortIntReference, "2.9"), 2);
  EXPECT_EQ(Lit<short>(TransfertShortIntReference, "-2,9"), -2);
  EXPECT_EQ(Lit<short>(TransfertShortIntReference, "40000"), 0);
  EXPECT_EQ(Lit<short>(TransfertShortIntReference, "oui"), 0);
  EXPECT_EQ(Lit<long>(TransfertLongReference, "9223372036854775807"), std::numeric_limits<long>::max());
  EXPECT_EQ(Lit<long>(TransfertLongReference, "1e30"), 0);
  EXPECT_EQ(Ecrit<short>(TransfertShortIntReference, -3), "-3");
  EXPECT_EQ(Ecrit<long>(TransfertLong, 20091231), "20091231");
}

TEST(Lettres, DatesJoursMoisAnnees) {
  EXPECT_EQ(Ecrit<long>(TransfertDateReferenceJJ_MM_SSAA, 20090105), "05/01/2009");
  EXPECT_EQ(Ecrit<long>(TransfertDateReferenceJJ_MM_SSAA, 0), "");
  EXPECT_EQ(Lit<long>(TransfertDateJJ_MM_SSAA, "05/01/2009"), 20090105);
  EXPECT_EQ(Lit<long>(TransfertDateJJ_MM_SSAA, "5/1/2009"), 20090105);
  EXPECT_EQ(Lit<long>(TransfertDateJJ_MM_SSAA, "29/02/2012"), 20120229);
  for (const char* mauvaise :
       {"", "29/02/2011", "31/04/2010", "00/01/2010", "01/13/2010", "1/1/09", "01-01-2010", "01/01/2010x", "aa/bb/cccc",
        // runs of digits far past a part's width (undefined behaviour once)
        "99999999999999999999/01/2011", "01/99999999999999999999/2011", "01/01/99999999999999999999999"})
    EXPECT_EQ(Lit<long>(TransfertDateJJ_MM_SSAA, mauvaise), 0) << mauvaise;
  EXPECT_EQ(Ecrit<long>(TransfertLongMoisJourReference, 7), "07");
  EXPECT_EQ(Ecrit<long>(TransfertLongMoisJourReference, 0), "");
  EXPECT_EQ(Lit<long>(TransfertLongMoisJourReference, "07"), 7);
  EXPECT_EQ(Lit<long>(TransfertLongMoisJourReference, ""), 0);
  EXPECT_EQ(Ecrit<long>(TransfertLongSiecleAnneeReference, 2009), "2009");
  EXPECT_EQ(Ecrit<long>(TransfertLongSiecleAnneeReference, 0), "");
  EXPECT_EQ(Lit<long>(TransfertLongSiecleAnneeReference, "2009"), 2009);
}

TEST(Lettres, BorneDesTextesEnCaracteres) {
  aide::Lettre l(1, "Élodie Château");  // 14 characters, 16 bytes
  std::string v;
  TransfertString(&v, &l.l.valeur, 0, 7);
  EXPECT_EQ(v, "Élodie");
  v = "àéîõü€x";
  TransfertString(&v, &l.l.valeur, 1, 7);
  EXPECT_EQ(l.valeur(), "àéîõü€");
  TransfertString(&v, &l.l.valeur, 2, 7);  // no other direction moves anything
  EXPECT_EQ(l.valeur(), "àéîõü€");
  EXPECT_EQ(lettres::NombreCaracteres("àéîõü€"), 6u);
  EXPECT_EQ(lettres::Tronque("a€", 1), "a");
}

TEST(Lettres, ListesAjoutRemplacementSuppression) {
  structListeLettres* liste = nullptr;
  AjouteLettre(&liste, 12564, nullptr, 0, 0, 1, 0);
  AjouteLettre(&liste, 12564, nullptr, 0, 0, 1, 0);  // mode 0 always appends
  EXPECT_EQ(NombreLettres(liste), 2u);
  liste->courante->type = 'D';
  AjouteLettre(&liste, 12003, "SCI A", 0, 0, 1, 1);
  AjouteLettre(&liste, 12003, "SCI B", 0, 0, 1, 1);  // mode 1 replaces
  EXPECT_EQ(NombreLettres(liste), 3u);
  EXPECT_STREQ(TrouveLettre(12003, liste)->valeur, "SCI B");
  EXPECT_EQ(TrouveLettre(12564, liste)->type, 0);  // the first of the two
  ModifieLettre(TrouveLettre(12003, liste), "SCI C");
  EXPECT_STREQ(TrouveLettre(12003, liste)->valeur, "SCI C");
  SupprimeLettre(&liste, 12564);
  EXPECT_EQ(NombreLettres(liste), 1u);
  EXPECT_EQ(TrouveLettre(12564, liste), nullptr);
  AjouteLettre(&liste, 12005, "x", 0, 0, 1, 0);  // the tail is right after a removal
  structLettre* l = VaPremiereLettre(liste);
  EXPECT_EQ(l->code, 12003);
  l = VaLettreSuivante(l);
  EXPECT_EQ(l->code, 12005);
  EXPECT_TRUE(FinListeLettre(VaLettreSuivante(l)));
  AjouteLettre(nullptr, 1, "ignored", 0, 0, 1, 0);
  LibereListeLettres(&liste);
  EXPECT_EQ(liste, nullptr);
}

TEST(Lettres, MessagesVersLeRecepteur) {
  TJournalMessages journal(1);
  struTEcranLettre ecran{3};
  short* curseur = nullptr;
  EXPECT_EQ(Message(&journal, &ecran, 76, &curseur, 0, 0, 0, 0, 0), 1);
  ASSERT_NE(curseur, nullptr);
  *curseur = 12297;  // the cursor of the first message stays where it was written
  EXPECT_EQ(Message(&journal, nullptr, 99, &curseur, 0, 0, 0, 0, 0), 1);
  ASSERT_EQ(journal.Messages().size(), 2u);
  EXPECT_EQ(journal.Messages()[0].numero, 76);
  EXPECT_EQ(journal.Messages()[0].ecran, 3);
  EXPECT_EQ(journal.Messages()[0].curseur, 12297);
  EXPECT_EQ(journal.Messages()[1].numero, 99);
  EXPECT_EQ(journal.Messages()[1].curseur, 0);
  EXPECT_EQ(Message(nullptr, &ecran, 76, &curseur, 0, 0, 0, 0, 0), 0);
}
