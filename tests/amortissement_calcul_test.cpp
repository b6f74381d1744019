// The depreciation library's computation: statutory schedules, the month rule, extensions,
// and the cases that give nothing.
#include <gtest/gtest.h>

#include "amortissement.h"

namespace {

// A depreciation object of one scheme for one year, with line `numero` filled.
TAmortissement Objet(short regime, long annee, int numero, double montant, long debut) {
  TAmortissement a;
  a.setRegime(regime);
  a.setAnnee(annee);
  a.setLigne(numero, {montant, debut});
  return a;
}

double Deduction(const TAmortissement& a, bool cumul = false) {
  double res = -1;
  a.CalculAmortissementPropriete(&res, cumul);
  return res;
}

double DeductionEn(TAmortissement a, long annee) {
  a.setAnnee(annee);
  return Deduction(a);
}

void Prorogation(TAmortissement& a, long periodes) { a.getEntree(1, 1).Nombre = periodes; }

}  // namespace

TEST(CalculAmortissement, BaremesLegaux) {
  const TAmortissement robien = Objet(kRegimeRobienClassique, 2009, 1, 200000, 20040401);
  EXPECT_EQ(Deduction(robien), 7750);  // 3 months at 8 %, 9 at 2.5 %
  EXPECT_EQ(DeductionEn(robien, 2013), 1250);
  EXPECT_EQ(Deduction(Objet(kRegimeRobienRecentre, 2014, 1, 180000, 20071101)), 10200);
  EXPECT_EQ(Deduction(Objet(kRegimeBessonNeuf, 2004, 1, 600000, 19990920)), 37000);
  EXPECT_EQ(Deduction(Objet(kRegimePerissol, 2012, 5, 12000, 20120301)), 1000);  // improvements

  // Périssol: 10 % for 4 years, then 2 % for 20; Borloo neuf as Robien recentré.
  const TAmortissement perissol = Objet(kRegimePerissol, 2003, 1, 100000, 20000101);
  EXPECT_EQ(Deduction(perissol), 10000);
  EXPECT_EQ(DeductionEn(perissol, 2004), 2000);
  EXPECT_EQ(DeductionEn(perissol, 2023), 2000);
  EXPECT_EQ(DeductionEn(perissol, 2024), 0);
  const TAmortissement borloo = Objet(kRegimeBorlooNeuf, 2015, 1, 100000, 20090101);
  EXPECT_EQ(Deduction(borloo), 6000);
  EXPECT_EQ(DeductionEn(borloo, 2016), 4000);

  // Lines 2-4 follow the scheme's schedule from their own start; the seven lines add up.
  TAmortissement lignes = robien;
  lignes.setLigne(3, {10000, 20090101});  // first year at 8 %: 800
  lignes.setLigne(6, {12000, 20080101});  // improvements at 10 %: 1,200
  EXPECT_EQ(Deduction(lignes), 7750 + 800 + 1200);

  // Cumulated to the 31 December: 5 years at 8 % and 9 months at 2.5 %; then the whole base.
  EXPECT_EQ(Deduction(robien, true), 80000 + 3750);
  TAmortissement fin = robien;
  fin.setAnnee(2030);
  EXPECT_EQ(Deduction(fin, true), 100000);
}

TEST(CalculAmortissement, RegleDuMoisAuxBornesDesEcheanciers) {
  // Start: the month of the start date counts whole, the day is ignored; nothing before.
  const TAmortissement robien = Objet(kRegimeRobienClassique, 2004, 1, 200000, 20040430);
  EXPECT_EQ(Deduction(robien), 12000);  // April to December at 8 %
  EXPECT_EQ(DeductionEn(robien, 2003), 0);
  EXPECT_EQ(Deduction(Objet(kRegimeRobienClassique, 2004, 1, 200000, 20041231)), 1333);  // one month

  // End: the base schedule ends with March 2013.
  EXPECT_EQ(DeductionEn(robien, 2013), 1250);
  EXPECT_EQ(DeductionEn(robien, 2014), 0);

  // Extension: from April 2013 at 2.5 %, 3 years a period, at most 2 periods.
  TAmortissement prorogee = robien;
  Prorogation(prorogee, 1);
  EXPECT_EQ(DeductionEn(prorogee, 2013), 5000);
  EXPECT_EQ(DeductionEn(prorogee, 2016), 1250);  // ends with March 2016
  EXPECT_EQ(DeductionEn(prorogee, 2017), 0);
  Prorogation(prorogee, 7);  // clamped to 2: ends with March 2019
  EXPECT_EQ(DeductionEn(prorogee, 2019), 1250);
  EXPECT_EQ(DeductionEn(prorogee, 2020), 0);
  Prorogation(prorogee, -3);  // clamped to 0
  EXPECT_EQ(DeductionEn(prorogee, 2013), 1250);

  // Robien recentré and Périssol ignore the election; improvements are never extended.
  TAmortissement recentre = Objet(kRegimeRobienRecentre, 2017, 1, 180000, 20071101);
  Prorogation(recentre, 2);
  EXPECT_EQ(DeductionEn(recentre, 2016), 6000);  // January to October at 4 %
  EXPECT_EQ(Deduction(recentre), 0);
  TAmortissement perissol = Objet(kRegimePerissol, 2024, 1, 100000, 20000101);
  Prorogation(perissol, 2);
  EXPECT_EQ(Deduction(perissol), 0);
  TAmortissement ameliorations = Objet(kRegimeBorlooNeuf, 2022, 5, 12000, 20120301);
  Prorogation(ameliorations, 2);
  EXPECT_EQ(Deduction(ameliorations), 200);  // January and February
  EXPECT_EQ(DeductionEn(ameliorations, 2023), 0);
  // A Borloo neuf investment is extended: base ends with December 2017, then 2.5 %.
  TAmortissement borloo = Objet(kRegimeBorlooNeuf, 2018, 1, 100000, 20090101);
  Prorogation(borloo, 1);
  EXPECT_EQ(Deduction(borloo), 2500);
}

TEST(CalculAmortissement, CasSansDeductionEtArrondiUnique) {
  const TAmortissement robien = Objet(kRegimeRobienClassique, 2009, 1, 200000, 20040401);
  robien.CalculAmortissementPropriete(nullptr, false);  // nothing to write, no crash

  for (short regime : {short{kRegimeAucun}, short{6}, short{-1}}) {
    TAmortissement a = robien;
    a.setRegime(regime);
    EXPECT_EQ(Deduction(a), 0) << regime;
  }
  for (long annee : {0L, -2009L}) EXPECT_EQ(DeductionEn(robien, annee), 0) << annee;

  // Lines that give nothing: no amount, a negative one, no date, a month out of 1-12, a
  // start after the year, a date without a year.
  const TAmortissement::TLigne vides[] = {{0, 20040401},       {-5000, 20040401}, {200000, 0},
                                          {200000, 20041301}, {200000, 20040001}, {200000, 20100101},
                                          {200000, 401},      {200000, -20040401}};
  for (const auto& ligne : vides) {
    TAmortissement a = robien;
    a.setLigne(1, ligne);
    EXPECT_EQ(Deduction(a), 0) << ligne.Montant << " " << ligne.DateDebut;
  }
  EXPECT_EQ(DeductionEn(robien, 2147483647L), 0);  // far past any schedule, no overflow

  // The call changes nothing, and reserved values change nothing.
  TAmortissement reserve = robien;
  reserve.setMontant(1, 99999);
  reserve.getEntree(1, 1).Montant1 = 5000;
  reserve.getEntree(2, 1).Nombre = 2;
  const TAmortissement avant = reserve;
  EXPECT_EQ(Deduction(reserve), 7750);
  EXPECT_EQ(reserve, avant);

  // Three lines of 8.33 each give 25, rounded once (not 3 x 8); a half rounds up.
  TAmortissement tiers = Objet(kRegimePerissol, 2011, 5, 1000, 20111201);
  tiers.setLigne(6, {1000, 20111201});
  tiers.setLigne(7, {1000, 20111201});
  EXPECT_EQ(Deduction(tiers), 25);
  EXPECT_EQ(Deduction(Objet(kRegimePerissol, 2011, 5, 60, 20111201)), 1);  // 0.5
}
