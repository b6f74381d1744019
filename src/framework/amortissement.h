// Depreciation library: the tax-scheme depreciation of one property. The object holds the
// values the user enters (seven depreciation lines, four single amounts, two series of three
// entries), the declaration year and the scheme the property is depreciated under.
//
// What the computation reads: the seven lines, the year, the scheme, and the whole number of
// series 1 entry 1 (the extension periods elected). The four single amounts, both amounts of
// every entry, and the whole numbers of the other entries are reserved: stored, copied,
// compared and exchanged, never used by the computation.
#pragma once

#include <array>
#include <cstddef>

// Depreciation schemes, in the library's own numbering.
enum RegimeAmortissement : short {
  kRegimeAucun = 0,  // not chosen yet
  kRegimePerissol = 1,
  kRegimeBessonNeuf = 2,
  kRegimeRobienClassique = 3,  // with or without ZRR
  kRegimeRobienRecentre = 4,   // with or without ZRR
  kRegimeBorlooNeuf = 5,
};

// A stretch of a statutory schedule: so many years at one yearly rate, in thousandths (25 is
// 2.5 %): whole numbers, so that a year's rate times its months is exact.
struct TPalier {
  long Annees;
  long TauxMillieme;
};
// The statutory schedule of a scheme's investment lines, and whether it may be extended.
struct TBareme {
  short Regime;
  TPalier Paliers[2];
  bool Prorogeable;
};
// The statutory schedules the library applies, given by its caller: one per scheme, the
// improvements' schedule (lines 5-7, every scheme), the extension period and how many of
// them may be elected.
struct TBaremes {
  TBareme Regimes[5];
  TPalier Ameliorations;
  TPalier Prorogation;
  long MaxProrogations;
};

class TAmortissement {
 public:
  static constexpr int kNbLignes = 7;  // line 1 the investment, 2-4 and 5-7 two groups of expenses
  static constexpr int kNbMontants = 4;
  static constexpr int kNbSeries = 2;
  static constexpr int kNbEntrees = 3;  // entries per series

  // A depreciation line: the amount depreciated and the date its depreciation starts.
  struct TLigne {
    double Montant = 0;
    long DateDebut = 0;  // yyyymmdd, 0 when not entered
    bool operator==(const TLigne&) const = default;
  };
  // An entry of a series: two amounts and a whole number.
  struct TEntree {
    double Montant1 = 0;
    double Montant2 = 0;
    long Nombre = 0;
    bool operator==(const TEntree&) const = default;
  };

  TAmortissement() = default;
  TAmortissement(const TAmortissement&) = default;
  TAmortissement& operator=(const TAmortissement&) = default;
  virtual ~TAmortissement() = default;
  bool operator==(const TAmortissement&) const = default;

  // Every value back to zero, the year and the scheme included.
  void Init();

  // The year's depreciation deduction of the property, in euros: the seven lines summed and
  // rounded once, half away from zero, exactly for amounts in euros and cents (a true half
  // euro gives the euro above); with `cumul`, the depreciation cumulated from each
  // line's start to the 31 December of the year. Writes nothing through a null `res`; gives
  // 0 for a scheme `baremes` does not list or a year <= 0. The object is not changed.
  //
  // Line 1 (the investment) and lines 2-4 (reconstruction, enlargement) follow the scheme's
  // schedule, each from its own start; lines 5-7 (improvements) the improvements' schedule.
  // A scheme that may be extended is, lines 1-4 only, by the periods elected (the whole
  // number of series 1 entry 1, clamped to 0 and the most allowed). A line starts on the first day of the month of its
  // start date; each month of the year inside its schedule counts for a twelfth of that schedule year's rate. A line
  // without a positive amount, without a valid start month, or starting after the year gives 0.
  void CalculAmortissementPropriete(double* res, bool cumul, const TBaremes& baremes) const;

  // Lines, amounts, series and entries are numbered from 1 as on the form; a number out of
  // range raises std::out_of_range.
  TLigne& getLigne(int numero) { return Lignes.at(Rang(numero)); }
  const TLigne& getLigne(int numero) const { return Lignes.at(Rang(numero)); }
  void setLigne(int numero, const TLigne& ligne) { Lignes.at(Rang(numero)) = ligne; }
  double& getMontant(int numero) { return Montants.at(Rang(numero)); }
  double getMontant(int numero) const { return Montants.at(Rang(numero)); }
  void setMontant(int numero, double montant) { Montants.at(Rang(numero)) = montant; }
  TEntree& getEntree(int serie, int numero) { return Series.at(Rang(serie)).at(Rang(numero)); }
  const TEntree& getEntree(int serie, int numero) const { return Series.at(Rang(serie)).at(Rang(numero)); }
  void setEntree(int serie, int numero, const TEntree& entree) { Series.at(Rang(serie)).at(Rang(numero)) = entree; }

  long getAnnee() const { return Annee; }
  void setAnnee(long annee) { Annee = annee; }
  short getRegime() const { return Regime; }
  void setRegime(short regime) { Regime = regime; }

 private:
  // Wraps to a huge value for 0 and negatives, so that at() rejects them too.
  static std::size_t Rang(int numero) { return static_cast<std::size_t>(numero) - 1; }

  std::array<TLigne, kNbLignes> Lignes{};
  std::array<double, kNbMontants> Montants{};
  std::array<std::array<TEntree, kNbEntrees>, kNbSeries> Series{};
  long Annee = 0;
  short Regime = kRegimeAucun;
};
