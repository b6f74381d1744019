// Special deduction of a property: the rate of each deduction option.
#include "foncierpropriete2072.h"
#include "parametres2072.h"

namespace zorfiscal2072 {

// Decided on the whole code: the option is a long, and 65541 is not option 5. Options 1, 2
// and 7 (older codes without a rate) and any code not listed give 0.
double TDonneeProprieteFoncierPropriete::DonneTauxDeduction(long option) {
  for (const parametres::TauxOption& ligne : parametres::kTauxDeduction)
    if (ligne.Option == option) return ligne.Taux;
  return 0;
}

}  // namespace zorfiscal2072
