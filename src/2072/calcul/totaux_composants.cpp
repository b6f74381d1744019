// The year's depreciation of a property's building components, totalled by method: the
// straight-line components on one side, every other method on the declining-balance side.
#include "amortissement2072.h"
#include "codes2072.h"

namespace zorfiscal2072 {

void TAmortissementComposant::CalculTotauxParMethode() {
  TotalMethodeLineaire = 0;
  TotalMethodeDegressive = 0;
  for (const TComposant& composant : Composant)
    (composant.getModeAmortissement() == ModeAmortissement::Lineaire ? TotalMethodeLineaire : TotalMethodeDegressive) +=
        composant.getMontantAmort();
}

}  // namespace zorfiscal2072
