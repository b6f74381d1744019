// The 2072-E statement: the value added of the properties subject to the CVAE. Each line is a
// share of a land figure (or of a difference of two); total A gathers the receipts, total B
// the charges, and the value added is A less B.
#include "codes2072.h"
#include "etapes.h"
#include "parametres2072.h"

namespace zorfiscal2072::calcul {
namespace {

using Foncier = TDonneeProprieteFoncierPropriete;

enum class Total { A, B };

struct Ligne2072E {
  TElementLie& (*element)(TInfogene2072&);
  double (*montant)(const Foncier&);
  Total total;
};

// Form order; the receivables collected (total A) come from the corporate-tax statement.
const std::array<Ligne2072E, Cumul2072E::kNbLignes>& Lignes() {
  static const std::array<Ligne2072E, Cumul2072E::kNbLignes> lignes{{
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072ELoyersBruts(); },
       [](const Foncier& f) { return f.getLoyerBrut(); }, Total::A},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EChargeLocataires(); },
       [](const Foncier& f) { return f.getChargeLocataire(); }, Total::A},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072ERecettesDiverses(); },
       [](const Foncier& f) { return f.getRecetteDiverse(); }, Total::A},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EFraisGerance(); },
       [](const Foncier& f) { return f.getFraisGerance() + f.getForfaitGestion().getMontant(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EAssurance(); },
       [](const Foncier& f) { return f.getAssurance(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072ETravauxReparation(); },
       [](const Foncier& f) { return f.getTravauxReparation(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EChargesEspacesNaturels(); },
       [](const Foncier& f) { return f.getChargesEspacesNaturels(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072ENP(); },
       [](const Foncier& f) { return f.getTravauxGrosseReparation(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EAssuranceFraisZR(); },
       [](const Foncier& f) { return f.getAssuranceFraisZR(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EChargesRecuperables(); },
       [](const Foncier& f) { return f.getChargesRecuperable(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EIndemnitesEtFrais(); },
       [](const Foncier& f) { return f.getIndemniteEtFrais(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EDeductionSpecifique(); },
       [](const Foncier& f) { return f.getDeductionFraisDivers() - f.getReintegrationDeduction(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EDeductionAmortissement(); },
       [](const Foncier& f) { return f.getDeductionAmortissement(); }, Total::B},
      {[](TInfogene2072& g) -> TElementLie& { return g.getD2072EProvisionCharges(); },
       [](const Foncier& f) { return f.getProvision() - f.getRegularisation(); }, Total::B},
  }};
  return lignes;
}

}  // namespace

void Cumul2072E::Ajoute(const Foncier& foncier) {
  for (std::size_t k = 0; k < kNbLignes; ++k)
    m_cumuls[k] += Lignes()[k].montant(foncier) * parametres::kCoefficient2072E;
}

void Cumul2072E::Ecrit(TInfogene2072& infogene, const TDonneeIS2072& is) const {
  double totalA = 0, totalB = 0;
  for (std::size_t k = 0; k < kNbLignes; ++k) {
    TElementLie& element = Lignes()[k].element(infogene);
    FixeCalcule(element, m_cumuls[k]);
    (Lignes()[k].total == Total::A ? totalA : totalB) += element.getMontant();
  }
  const auto& creances = is.getRentreesCreances();
  TElementLie& rentrees = infogene.getD2072ERentreesCreances();
  FixeCalcule(rentrees, (creances.at(TDonneeIS2072::kColonneBICIS) + creances.at(TDonneeIS2072::kColonneBA)) *
                            parametres::kCoefficient2072E);
  totalA += rentrees.getMontant();
  infogene.setD2072ETotalA(totalA);
  infogene.setD2072ETotalB(totalB);
  FixeCalcule(infogene.getVA(), totalA - totalB);
}

}  // namespace zorfiscal2072::calcul
