// Steps of the declaration's computation shared between its files: the 2072-E accumulators,
// the entered lines of the corporate-tax statement, linked elements.
#pragma once

#include <array>
#include <cstddef>

#include "codes2072.h"
#include "donneeis2072.h"
#include "elementlie2072.h"
#include "foncierpropriete2072.h"
#include "infogene2072.h"

namespace zorfiscal2072::calcul {

// The computed amount of a linked element; the amount used follows it in mode 1 only.
inline void FixeCalcule(TElementLie& element, double montant) {
  element.setMontantCalcule(montant);
  if (element.getLie() == ModeElementLie::Calcule) element.setMontant(montant);
}

// The entered lines of the corporate-tax statement whose presence tells that a column holds
// income, in the order they are tested; the receivables collected are not among them.
inline constexpr std::array<TDonneeIS2072::Ligne, 22> kLignesRevenuIS = {
    TDonneeIS2072::RevenuImmeuble,
    TDonneeIS2072::AutreRevenuGestion,
    TDonneeIS2072::Achat,
    TDonneeIS2072::ImpotEtTaxe,
    TDonneeIS2072::ChargePersonnel,
    TDonneeIS2072::AutreChargeGestion,
    TDonneeIS2072::DAP,
    TDonneeIS2072::ProduitFinancier,
    TDonneeIS2072::AutreProduitFinancier,
    TDonneeIS2072::ChargeFinanciere,
    TDonneeIS2072::AutreChargeFinanciere,
    TDonneeIS2072::ProduitExceptionnel,
    TDonneeIS2072::AutreProduitExceptionnel,
    TDonneeIS2072::ChargeExceptionnelle,
    TDonneeIS2072::AutreChargeExceptionnelle,
    TDonneeIS2072::MVNetteLongTerme,
    TDonneeIS2072::PVNetteCourtTermeAnterieure,
    TDonneeIS2072::DiversReintegration,
    TDonneeIS2072::ProduitFinancierDeductible,
    TDonneeIS2072::PVNetteLongTerme,
    TDonneeIS2072::PVNetteCourtTermeDiffere,
    TDonneeIS2072::DiversDeduction,
};

// The 2072-E lines drawn from the land figures of the properties subject to the CVAE.
class Cumul2072E {
 public:
  static constexpr std::size_t kNbLignes = 14;
  // Adds one property's figures, each times the form's coefficient.
  void Ajoute(const TDonneeProprieteFoncierPropriete& foncier);
  // The 2072-E elements, their two totals and the value added.
  void Ecrit(TInfogene2072& infogene, const TDonneeIS2072& is) const;

 private:
  std::array<double, kNbLignes> m_cumuls{};
};

}  // namespace zorfiscal2072::calcul
