// The depreciation library's computation: statutory schedules, the month rule at the bounds
// of a schedule and of an extension, the cases that give nothing, one rounding.
#include <gtest/gtest.h>

#include <numeric>

#include "amortissement2072.h"

namespace {

// One line of one scheme, with the extension periods elected, declared for a year.
struct Cas {
  short regime;
  int ligne;
  double montant;
  long debut;
  long prorogation;
  long annee;
  double attendu;
};

zorfiscal2072::TAmortissement2072 Objet(const Cas& c) {
  zorfiscal2072::TAmortissement2072 a;
  a.setRegime(c.regime);
  a.setAnnee(c.annee);
  a.setLigne(c.ligne, {c.montant, c.debut});
  a.getEntree(1, 1).Nombre = c.prorogation;
  return a;
}

double Deduction(const zorfiscal2072::TAmortissement2072& a, bool cumul = false) {
  double res = -1;
  a.CalculAmortissementPropriete(&res, cumul);
  return res;
}

constexpr short P = kRegimePerissol, BN = kRegimeBessonNeuf, RC = kRegimeRobienClassique, RR = kRegimeRobienRecentre,
                BL = kRegimeBorlooNeuf;

const Cas kCas[] = {
    // The statutory figures.
    {RC, 1, 200000, 20040401, 0, 2009, 7750},  // 3 months at 8 %, 9 at 2.5 %
    {RC, 1, 200000, 20040401, 0, 2013, 1250},  // the last 3 months
    {RR, 1, 180000, 20071101, 0, 2014, 10200},
    {BN, 1, 600000, 19990920, 0, 2004, 37000},
    {P, 5, 12000, 20120301, 0, 2012, 1000},  // improvements
    {P, 1, 100000, 20000101, 0, 2003, 10000},
    {P, 1, 100000, 20000101, 0, 2023, 2000},
    {BL, 1, 100000, 20090101, 0, 2016, 4000},
    {RC, 3, 10000, 20090101, 0, 2009, 800},  // lines 2-4: the scheme's schedule from their own start
    // Start of a schedule: the month counts whole, the day is ignored, nothing before.
    {RC, 1, 200000, 20040430, 0, 2004, 12000},
    {RC, 1, 200000, 20041231, 0, 2004, 1333},
    {RC, 1, 200000, 20040401, 0, 2003, 0},
    {RC, 1, 200000, 20040401, 0, 2014, 0},  // past the end
    // Extension: 3 years a period at 2.5 %, from the month after the base, at most 2 periods.
    {RC, 1, 200000, 20040401, 1, 2013, 5000},
    {RC, 1, 200000, 20040401, 1, 2016, 1250},
    {RC, 1, 200000, 20040401, 1, 2017, 0},
    {RC, 1, 200000, 20040401, 7, 2019, 1250},
    {RC, 1, 200000, 20040401, 7, 2020, 0},
    {RC, 1, 200000, 20040401, -3, 2013, 1250},
    {BL, 1, 100000, 20090101, 1, 2018, 2500},
    {RR, 1, 180000, 20071101, 2, 2017, 0},   // Robien recentré is not extended
    {BL, 5, 12000, 20120301, 2, 2022, 200},  // nor are improvements
    {BL, 5, 12000, 20120301, 2, 2023, 0},
    // Nothing: a scheme outside 1-5, a year <= 0, no amount, a negative one, no date,
    // month 13, no year, a year far past any schedule.
    {0, 1, 200000, 20040401, 0, 2009, 0},
    {6, 1, 200000, 20040401, 0, 2009, 0},
    {RC, 1, 200000, 20040401, 0, 0, 0},
    {RC, 1, 0, 20040401, 0, 2009, 0},
    {RC, 1, -5000, 20040401, 0, 2009, 0},
    {RC, 1, 200000, 0, 0, 2009, 0},
    {RC, 1, 200000, 20041301, 0, 2009, 0},
    {RC, 1, 200000, 401, 0, 2009, 0},
    {RC, 1, 200000, 20040401, 0, 2147483647L, 0},
    // Half a euro rounds up, exactly: 35,700 x 6 % x 11/12 is 1,963.50.
    {P, 5, 60, 20111201, 0, 2011, 1},
    {RR, 1, 35700, 20090201, 0, 2009, 1964},
    {RR, 1, 35699.99, 20090201, 0, 2009, 1963},
};

}  // namespace

TEST(CalculAmortissement, BaremesEtRegleDuMois) {
  for (const Cas& c : kCas)
    EXPECT_EQ(Deduction(Objet(c)), c.attendu) << "scheme " << c.regime << " line " << c.ligne << " from " << c.debut
                                              << " x" << c.prorogation << " in " << c.annee;
}

// Every yearly rate of a schedule over every count of months of one year: on a base in cents
// that makes the year's amount an exact half euro, the half rounds up; a cent less rounds down.
// A stretch that opens a schedule is reached by a line starting in the year, one that closes
// it by the year after the schedule's end (or its last full year for twelve months).
TEST(CalculAmortissement, DemiEuroExact) {
  struct Palier {
    short regime;
    int ligne;
    long tauxMillieme;
    long anneesAvantFin;  // 0: the stretch opens the schedule; otherwise the schedule's length
  };
  const Palier paliers[] = {{P, 1, 100, 0}, {P, 1, 20, 24}, {RC, 1, 80, 0}, {RC, 1, 25, 9},
                            {RR, 1, 60, 0}, {RR, 1, 40, 9}, {BL, 5, 100, 0}};
  for (const Palier& p : paliers)
    for (long mois = 1; mois <= 12; ++mois) {
      long debut = 2000'00'01 + 100 * (13 - mois), annee = 2000;
      if (p.anneesAvantFin != 0) {
        debut = mois == 12 ? 2000'01'01 : 2000'00'01 + 100 * (mois + 1);
        annee = 2000 + p.anneesAvantFin - (mois == 12 ? 1 : 0);
      }
      // Cents x rate x months / 600,000 halves: an odd number on the odd multiples of
      // 600,000 / gcd (the one near 35,700 euros), unless rate x months holds more twos than
      // 600,000 (8 % over 8 months): then no amount in cents comes to a half.
      const long long produit = p.tauxMillieme * mois, pgcd = std::gcd(600000LL, produit);
      if ((produit / pgcd) % 2 == 0) continue;
      const long long pas = 600000 / pgcd, centimes = pas * ((3570000 / pas) | 1);
      const long long demis = centimes * produit / 600000;
      const auto cas = [&](long long c) {
        return Cas{p.regime, p.ligne, static_cast<double>(c) / 100, debut, 0, annee, 0};
      };
      EXPECT_EQ(Deduction(Objet(cas(centimes))), static_cast<double>(demis / 2 + 1))
          << "rate " << p.tauxMillieme << " for " << mois << " months on " << centimes << " cents";
      EXPECT_EQ(Deduction(Objet(cas(centimes - 1))), static_cast<double>(demis / 2))
          << "rate " << p.tauxMillieme << " for " << mois << " months on " << centimes - 1 << " cents";
    }
}

TEST(CalculAmortissement, LignesCumulEtObjetInchange) {
  zorfiscal2072::TAmortissement2072 a = Objet(kCas[0]);
  a.CalculAmortissementPropriete(nullptr, false);  // nothing written, no crash
  EXPECT_EQ(Deduction(a, true), 80000 + 3750);     // cumulated: 5 years at 8 %, 9 months at 2.5 %
  a.setLigne(3, {10000, 20090101});
  a.setLigne(6, {12000, 20080101});
  a.setMontant(1, 99999);  // reserved values change nothing
  a.getEntree(1, 1).Montant1 = 5000;
  a.getEntree(2, 1).Nombre = 2;
  const zorfiscal2072::TAmortissement2072 avant = a;
  EXPECT_EQ(Deduction(a), 7750 + 800 + 1200);
  EXPECT_EQ(a, avant);
  // Three lines of 8.33 each give 25: rounded once, not three times.
  zorfiscal2072::TAmortissement2072 tiers = Objet({P, 5, 1000, 20111201, 0, 2011, 0});
  tiers.setLigne(6, {1000, 20111201});
  tiers.setLigne(7, {1000, 20111201});
  EXPECT_EQ(Deduction(tiers), 25);
}
