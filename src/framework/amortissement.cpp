#include "amortissement.h"

#include <algorithm>
#include <cmath>

#include "arrondi.h"

namespace {

// A stretch of a schedule: so many years at one yearly rate.
struct TPalier {
  long Annees;
  double Taux;
};

// The statutory schedule of a scheme's investment, and whether it may be extended.
struct TBareme {
  short Regime;
  TPalier Paliers[2];
  bool Prorogeable;
};

constexpr TBareme kBaremes[] = {
    {kRegimePerissol, {{4, 0.10}, {20, 0.02}}, false},
    {kRegimeBessonNeuf, {{5, 0.08}, {4, 0.025}}, true},
    {kRegimeRobienClassique, {{5, 0.08}, {4, 0.025}}, true},
    {kRegimeRobienRecentre, {{7, 0.06}, {2, 0.04}}, false},
    {kRegimeBorlooNeuf, {{7, 0.06}, {2, 0.04}}, true},
};
constexpr TPalier kAmeliorations{10, 0.10};  // lines 5-7, every scheme
constexpr TPalier kPeriodeProrogation{3, 0.025};
constexpr long kMaxProrogations = 2;
constexpr int kDernierInvestissement = 4;  // lines 1-4 follow the scheme's schedule
// Beyond this many years after its start a line is past any schedule; keeps month counts
// far from overflow whatever the year.
constexpr long kHorizonAnnees = 1000;

// A line's schedule: at most the two stretches of a scheme and its extension.
struct TEcheancier {
  TPalier Paliers[3]{};
  int Nb = 0;
  void Ajoute(TPalier p) {
    if (p.Annees > 0) Paliers[Nb++] = p;
  }
};

// Sum of the yearly rates of the months [premier, fin) of the schedule, months counted
// from the line's first month.
double SommeTaux(const TEcheancier& e, long premier, long fin) {
  double somme = 0;
  long debut = 0;
  for (int i = 0; i < e.Nb; ++i) {
    const long finPalier = debut + 12 * e.Paliers[i].Annees;
    const long mois = std::min(fin, finPalier) - std::max(premier, debut);
    if (mois > 0) somme += static_cast<double>(mois) * e.Paliers[i].Taux;
    debut = finPalier;
  }
  return somme;
}

double DeductionLigne(const TAmortissement::TLigne& ligne, const TEcheancier& e, long annee, bool cumul) {
  if (!std::isfinite(ligne.Montant) || !(ligne.Montant > 0)) return 0;
  const long anneeDebut = ligne.DateDebut / 10000;
  const long moisDebut = ligne.DateDebut / 100 % 100;  // the day is ignored
  if (anneeDebut < 1 || moisDebut < 1 || moisDebut > 12 || anneeDebut > annee) return 0;
  // Months of the year, counted from the line's first month.
  const long premier = 12 * std::min(annee - anneeDebut, kHorizonAnnees) - (moisDebut - 1);
  const long fin = premier + 12;
  return ligne.Montant * SommeTaux(e, cumul ? 0 : premier, fin) / 12;
}

}  // namespace

void TAmortissement::Init() {
  Lignes.fill(TLigne{});
  Montants.fill(0);
  for (auto& serie : Series) serie.fill(TEntree{});
  Annee = 0;
  Regime = kRegimeAucun;
}

void TAmortissement::CalculAmortissementPropriete(double* res, bool cumul) const {
  if (res == nullptr) return;
  *res = 0;
  const auto bareme = std::find_if(std::begin(kBaremes), std::end(kBaremes),
                                   [this](const TBareme& b) { return b.Regime == Regime; });
  if (bareme == std::end(kBaremes) || Annee <= 0) return;

  TEcheancier investissement;
  for (const TPalier& palier : bareme->Paliers) investissement.Ajoute(palier);
  if (bareme->Prorogeable) {
    const long periodes = std::clamp(getEntree(1, 1).Nombre, 0L, kMaxProrogations);
    investissement.Ajoute({kPeriodeProrogation.Annees * periodes, kPeriodeProrogation.Taux});
  }
  TEcheancier ameliorations;
  ameliorations.Ajoute(kAmeliorations);

  double total = 0;
  for (int numero = 1; numero <= kNbLignes; ++numero)
    total += DeductionLigne(getLigne(numero), numero <= kDernierInvestissement ? investissement : ameliorations,
                            Annee, cumul);
  *res = kel::Arrondi(total);
}
