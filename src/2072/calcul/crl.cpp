// The rental-income contribution of the company: 2.5 % of the receipts subject to it, rounded
// to the euro, less the instalment paid: a balance to pay or an excess, never both.
#include <algorithm>

#include "parametres2072.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {

void TDonnee2072::CalculCRL() {
  TInfogene2072& g = Infogene2072;
  g.setMontantCRL(Arrondi(g.getRecetteSoumiseCRL() * parametres::kTauxCRLPourcent * 0.01));
  g.setSoldeCRL(std::max(0.0, g.getMontantCRL() - g.getAcompteCRL()));
  g.setExcedentCRL(std::max(0.0, g.getAcompteCRL() - g.getMontantCRL()));
}

}  // namespace zorfiscal2072
