// The year's depreciation of the building components, totalled by method: the engine computes
// no component itself, the amounts come from the host.
#include "codes2072.h"
#include "etapes.h"

namespace zorfiscal2072::calcul {

void CalculTotauxParMethode(TAmortissementComposant& composants) {
  double lineaire = 0, degressive = 0;
  for (const TComposant& c : composants.getComposant())
    (c.getModeAmortissement() == ModeAmortissement::Lineaire ? lineaire : degressive) += c.getMontantAmort();
  composants.setTotalMethodeLineaire(lineaire);
  composants.setTotalMethodeDegressive(degressive);
}

}  // namespace zorfiscal2072::calcul
