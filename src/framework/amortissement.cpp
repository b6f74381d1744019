#include "amortissement.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "arrondi.h"

namespace {

// A rate in thousandths over twelve months: the year's amount is base x (months x rate) / 12000.
constexpr long long kDiviseurMois = 12 * 1000;
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

// Months [premier, fin) of the schedule, counted from the line's first month, each times its
// year's rate in thousandths: at most 12 x 100 for a year, 14,000 for a whole schedule.
long long MoisTaux(const TEcheancier& e, long premier, long fin) {
  long long somme = 0;
  long debut = 0;
  for (int i = 0; i < e.Nb; ++i) {
    const long finPalier = debut + 12 * e.Paliers[i].Annees;
    const long mois = std::min(fin, finPalier) - std::max(premier, debut);
    if (mois > 0) somme += static_cast<long long>(mois) * e.Paliers[i].TauxMillieme;
    debut = finPalier;
  }
  return somme;
}

// The line's months x rate for the year (or from its start with `cumul`); 0 for a line that
// gives nothing.
long long MoisTauxLigne(const TAmortissement::TLigne& ligne, const TEcheancier& e, long annee, bool cumul) {
  if (!std::isfinite(ligne.Montant) || !(ligne.Montant > 0)) return 0;
  const long anneeDebut = ligne.DateDebut / 10000;
  const long moisDebut = ligne.DateDebut / 100 % 100;  // the day is ignored
  if (anneeDebut < 1 || moisDebut < 1 || moisDebut > 12 || anneeDebut > annee) return 0;
  // Months of the year, counted from the line's first month.
  const long premier = 12 * std::min(annee - anneeDebut, kHorizonAnnees) - (moisDebut - 1);
  return MoisTaux(e, cumul ? 0 : premier, premier + 12);
}

// An amount that is a whole number of cents (every amount entered in euros and cents), with
// room for seven lines times 14,000 in a long long; otherwise -1.
constexpr double kCentimesMax = 1e13;
long long Centimes(double montant) {
  const double c = std::round(montant * 100);
  if (!(c < kCentimesMax) || c / 100 != montant) return -1;
  return static_cast<long long>(c);
}

// Whole cents times whole thousandths: the sum is exact and so is its rounding, a true half
// euro is a half (35,700 x 6 % x 11/12 is 1,963.50 and gives 1,964). An amount with finer
// decimals, or beyond 10^11 euros, takes one product per line and one division instead.
struct TPart {
  double Montant;
  long long MoisTaux;
};
using TParts = std::array<TPart, TAmortissement::kNbLignes>;

double Deduction(const TParts& parts) {
  long long centimes = 0;
  bool exact = true;
  for (const TPart& p : parts) {
    if (p.MoisTaux == 0) continue;
    const long long c = Centimes(p.Montant);
    if (c < 0)
      exact = false;
    else
      centimes += c * p.MoisTaux;
  }
  if (exact) {
    constexpr long long diviseur = 100 * kDiviseurMois;  // every amount is positive
    return static_cast<double>(centimes / diviseur + (2 * (centimes % diviseur) >= diviseur ? 1 : 0));
  }
  double somme = 0;
  for (const TPart& p : parts)
    if (p.MoisTaux != 0) somme += p.Montant * static_cast<double>(p.MoisTaux);
  return kel::Arrondi(somme / kDiviseurMois);
}

}  // namespace

void TAmortissement::Init() {
  Lignes.fill(TLigne{});
  Montants.fill(0);
  for (auto& serie : Series) serie.fill(TEntree{});
  Annee = 0;
  Regime = kRegimeAucun;
}

void TAmortissement::CalculAmortissementPropriete(double* res, bool cumul, const TBaremes& baremes) const {
  if (res == nullptr) return;
  *res = 0;
  const auto bareme = std::find_if(std::begin(baremes.Regimes), std::end(baremes.Regimes),
                                   [this](const TBareme& b) { return b.Regime == Regime; });
  if (bareme == std::end(baremes.Regimes) || Annee <= 0) return;

  TEcheancier investissement;
  for (const TPalier& palier : bareme->Paliers) investissement.Ajoute(palier);
  if (bareme->Prorogeable) {
    const long periodes = std::clamp(getEntree(1, 1).Nombre, 0L, baremes.MaxProrogations);
    investissement.Ajoute({baremes.Prorogation.Annees * periodes, baremes.Prorogation.TauxMillieme});
  }
  TEcheancier ameliorations;
  ameliorations.Ajoute(baremes.Ameliorations);

  TParts parts{};
  for (int numero = 1; numero <= kNbLignes; ++numero) {
    const TLigne& ligne = getLigne(numero);
    parts[numero - 1] = {
        ligne.Montant,
        MoisTauxLigne(ligne, numero <= kDernierInvestissement ? investissement : ameliorations, Annee, cumul)};
  }
  *res = Deduction(parts);
}
