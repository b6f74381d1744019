// Special deduction of a property: the rate of each deduction option, and the option that
// goes with each tax scheme.
#include "codes2072.h"
#include "foncierpropriete2072.h"

namespace zorfiscal2072 {
namespace {

struct TauxOption {
  long Option;
  double Taux;
};

// Options 1, 2 and 7 (older codes without a rate) and any code not listed give 0.
constexpr TauxOption kTauxDeduction[] = {
    {OptionTauxDeduction::Aucune, 0},
    {OptionTauxDeduction::Taux26, 0.26},
    {OptionTauxDeduction::AutreCas, 0},  // the amount is entered
    {OptionTauxDeduction::BorlooNeuf30, 0.30},
    {OptionTauxDeduction::BorlooAncienIntermediaire30, 0.30},
    {OptionTauxDeduction::BorlooAncienSocial45, 0.45},
    {OptionTauxDeduction::Option14, 0.30},
    {OptionTauxDeduction::Carriere40, 0.40},
    {OptionTauxDeduction::Option16, 0.60},
    {OptionTauxDeduction::Option17, 0.75},
    {OptionTauxDeduction::ScellierZRR26, 0.26},
    {OptionTauxDeduction::ScellierIntermediaire30, 0.30},
    {OptionTauxDeduction::ScellierIntermediaireDOM30, 0.30},
    {OptionTauxDeduction::BorlooAncienSocialIntermediaire70, 0.70},
    {OptionTauxDeduction::BorlooAncienSocial60, 0.60},
    {OptionTauxDeduction::Option26, 0.10},
};

struct OptionCoherente {
  long OptionFiscale;
  long OptionTauxDeduction;
};

// Any scheme not listed goes with no deduction ("(aucune)").
constexpr OptionCoherente kOptionsCoherentes[] = {
    {OptionFiscale::BessonAncien, OptionTauxDeduction::Taux26},
    {OptionFiscale::RobienClassiqueZRR, OptionTauxDeduction::Taux26},
    {OptionFiscale::RobienRecentreZRR, OptionTauxDeduction::Taux26},
    {OptionFiscale::BorlooNeuf, OptionTauxDeduction::BorlooNeuf30},
    {OptionFiscale::BorlooAncienIntermediaire, OptionTauxDeduction::BorlooAncienIntermediaire30},
    {OptionFiscale::BorlooAncienSocial, OptionTauxDeduction::BorlooAncienSocial45},
    {OptionFiscale::Option14, OptionTauxDeduction::Option14},
    {OptionFiscale::Carrieres, OptionTauxDeduction::Carriere40},
    {OptionFiscale::Option16, OptionTauxDeduction::Option16},
    {OptionFiscale::Option17, OptionTauxDeduction::Option17},
    {OptionFiscale::ScellierZRR, OptionTauxDeduction::ScellierZRR26},
    {OptionFiscale::ScellierIntermediaire, OptionTauxDeduction::ScellierIntermediaire30},
    {OptionFiscale::ScellierIntermediaireDOM, OptionTauxDeduction::ScellierIntermediaireDOM30},
    {OptionFiscale::BorlooAncienSocialIntermediaire, OptionTauxDeduction::BorlooAncienSocialIntermediaire70},
    {OptionFiscale::BorlooAncienSocial60, OptionTauxDeduction::BorlooAncienSocial60},
};

}  // namespace

// Decided on the whole code: the option is a long, and 65541 is not option 5.
double TDonneeProprieteFoncierPropriete::DonneTauxDeduction(long option) {
  for (const TauxOption& ligne : kTauxDeduction)
    if (ligne.Option == option) return ligne.Taux;
  return 0;
}

short TDonneeProprieteFoncierPropriete::OptionTauxProprieteCoherent(long optionFiscale) {
  for (const OptionCoherente& ligne : kOptionsCoherentes)
    if (ligne.OptionFiscale == optionFiscale) return static_cast<short>(ligne.OptionTauxDeduction);
  return static_cast<short>(OptionTauxDeduction::Aucune);
}

}  // namespace zorfiscal2072
