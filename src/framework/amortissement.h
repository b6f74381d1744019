// Depreciation library: the tax-scheme depreciation of one property. The object holds the
// values the user enters (seven depreciation lines, four single amounts, two series of three
// entries), the declaration year and the scheme the property is depreciated under.
#pragma once

#include <array>
#include <cstddef>

// Depreciation schemes, in the library's own numbering.
enum RegimeAmortissement : short {
  kRegimeAucun = 0,            // not chosen yet
  kRegimePerissol = 1,
  kRegimeBessonNeuf = 2,
  kRegimeRobienClassique = 3,  // with or without ZRR
  kRegimeRobienRecentre = 4,   // with or without ZRR
  kRegimeBorlooNeuf = 5,
};

class TAmortissement {
 public:
  static constexpr int kNbLignes = 7;   // line 1 the investment, 2-4 and 5-7 two groups of expenses
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
