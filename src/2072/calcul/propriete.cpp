// The whole computation of one property: the year's depreciation under its scheme, then
// its land figures and its result to distribute.
#include "codes2072.h"
#include "parametres2072.h"
#include "propriete2072.h"

namespace zorfiscal2072 {
namespace {

struct RegimeSelonOption {
  long OptionFiscale;
  short Regime;
};

// The depreciation library's scheme for each depreciation option; Périssol otherwise.
constexpr RegimeSelonOption kRegimes[] = {
    {OptionFiscale::BessonNeuf, kRegimeBessonNeuf},
    {OptionFiscale::RobienClassique, kRegimeRobienClassique},
    {OptionFiscale::RobienClassiqueZRR, kRegimeRobienClassique},
    {OptionFiscale::RobienRecentre, kRegimeRobienRecentre},
    {OptionFiscale::RobienRecentreZRR, kRegimeRobienRecentre},
    {OptionFiscale::BorlooNeuf, kRegimeBorlooNeuf},
};

short RegimeAmortissement(long optionFiscale) {
  for (const RegimeSelonOption& ligne : kRegimes)
    if (ligne.OptionFiscale == optionFiscale) return ligne.Regime;
  return kRegimePerissol;
}

// Depreciation under these schemes counts towards the ceiling of tax advantages.
bool EstPlafonnable(long optionFiscale) {
  return optionFiscale == OptionFiscale::RobienRecentre || optionFiscale == OptionFiscale::RobienRecentreZRR ||
         optionFiscale == OptionFiscale::BorlooNeuf;
}

}  // namespace

void TPropriete2072::CalculPropriete2072() {
  if (!DonneeProprieteFoncier) return;  // a destructed property has nothing to compute
  TDonneeProprieteFoncierPropriete& foncier = *DonneeProprieteFoncier;
  foncier.setDeductionAmortissement(0);
  foncier.setAmortissementSIPlafonnable(0);
  if (ExisteOptionAmortissement()) {
    Amortissement2072.setRegime(RegimeAmortissement(OptionFiscale));
    double deduction = 0;
    Amortissement2072.CalculAmortissementPropriete(&deduction, false);
    foncier.setDeductionAmortissement(deduction);
    if (Amortissement2072.getAnnee() >= parametres::kPremiereAnneePlafond &&
        DateAcquisition >= parametres::kDebutPlafond && EstPlafonnable(OptionFiscale))
      foncier.setAmortissementSIPlafonnable(deduction);
  }
  CalculProprieteFoncier2072();
  CalculResultatARepartir();
}

}  // namespace zorfiscal2072
