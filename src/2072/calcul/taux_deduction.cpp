// Special deduction of a property: the rate of each deduction option, and the option that
// goes with each tax scheme.
#include "codes2072.h"
#include "foncierpropriete2072.h"
#include "parametres2072.h"

namespace zorfiscal2072 {
namespace {

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

// Decided on the whole code: the option is a long, and 65541 is not option 5. Options 1, 2
// and 7 (older codes without a rate) and any code not listed give 0.
double TDonneeProprieteFoncierPropriete::DonneTauxDeduction(long option) {
  for (const parametres::TauxOption& ligne : parametres::kTauxDeduction)
    if (ligne.Option == option) return ligne.Taux;
  return 0;
}

short TDonneeProprieteFoncierPropriete::OptionTauxProprieteCoherent(long optionFiscale) {
  for (const OptionCoherente& ligne : kOptionsCoherentes)
    if (ligne.OptionFiscale == optionFiscale) return static_cast<short>(ligne.OptionTauxDeduction);
  return static_cast<short>(OptionTauxDeduction::Aucune);
}

}  // namespace zorfiscal2072
