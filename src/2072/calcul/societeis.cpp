// The income statement under business or corporate-tax rules (column 0) and farm rules
// (column 1): totals, results and the taxable result of each column. No rounding.
#include <vector>

#include "tdonnee2072.h"

namespace zorfiscal2072 {
namespace {

using L = TDonneeIS2072;

// A computed line: the sum of the lines added less the lines subtracted.
struct Formule {
  L::Ligne resultat;
  std::vector<L::Ligne> plus;
  std::vector<L::Ligne> moins;
};

// In the order they are computed: each formula reads only lines computed before it.
const std::vector<Formule>& Formules() {
  static const std::vector<Formule> formules{
      {L::TotalProduitExploitation, {L::RevenuImmeuble, L::AutreRevenuGestion}, {}},
      {L::TotalChargeExploitation, {L::Achat, L::ImpotEtTaxe, L::ChargePersonnel, L::AutreChargeGestion, L::DAP}, {}},
      {L::ResultatExploitation, {L::TotalProduitExploitation}, {L::TotalChargeExploitation}},
      {L::TotalProduitFinancier, {L::ProduitFinancier, L::AutreProduitFinancier}, {}},
      {L::TotalChargeFinanciere, {L::ChargeFinanciere, L::AutreChargeFinanciere}, {}},
      {L::ResultatFinancier, {L::TotalProduitFinancier}, {L::TotalChargeFinanciere}},
      // The receivables collected stay out of the statement: they feed the 2072-E only.
      {L::TotalProduitExceptionnel, {L::ProduitExceptionnel, L::AutreProduitExceptionnel}, {}},
      {L::TotalChargeExceptionnelle, {L::ChargeExceptionnelle, L::AutreChargeExceptionnelle}, {}},
      {L::ResultatExceptionnel, {L::TotalProduitExceptionnel}, {L::TotalChargeExceptionnelle}},
      {L::TotalProduit, {L::TotalProduitExploitation, L::TotalProduitFinancier, L::TotalProduitExceptionnel}, {}},
      {L::TotalCharge, {L::TotalChargeExploitation, L::TotalChargeFinanciere, L::TotalChargeExceptionnelle}, {}},
      {L::BeneficeOuPerte, {L::TotalProduit}, {L::TotalCharge}},
      {L::ResultatNetComptable, {L::BeneficeOuPerte}, {}},
      {L::TotalReintegration, {L::MVNetteLongTerme, L::PVNetteCourtTermeAnterieure, L::DiversReintegration}, {}},
      {L::TotalDeduction,
       {L::ProduitFinancierDeductible, L::PVNetteLongTerme, L::PVNetteCourtTermeDiffere, L::DiversDeduction},
       {}},
      {L::BeneficeOuDeficitFiscal, {L::ResultatNetComptable, L::TotalReintegration}, {L::TotalDeduction}},
  };
  return formules;
}

}  // namespace

void TDonnee2072::CalculProprieteIS2072() {
  for (std::size_t colonne = 0; colonne < L::kNbColonnes; ++colonne)
    for (const Formule& f : Formules()) {
      double v = 0;
      for (L::Ligne l : f.plus) v += DonneeIS2072.getMontant(l, colonne);
      for (L::Ligne l : f.moins) v -= DonneeIS2072.getMontant(l, colonne);
      DonneeIS2072.setMontant(f.resultat, colonne, v);
    }
}

}  // namespace zorfiscal2072
