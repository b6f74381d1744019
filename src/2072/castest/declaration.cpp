// The sample declaration: the company, its property, its two partners, its income statement
// under corporate-tax rules, with the figures of a computation stored as they are (the
// sample stays uncomputed until the host computes it).
#include "echantillon.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {

using namespace exemple;

void TDonnee2072::CasTest() {
  Init();
  Infogene2072.CasTest();
  OperationSociete.CasTest();
  CessionsPartsSociete.CasTest();
  ResultatGlobalARepartir.CasTest();
  Propriete2072.emplace_back().CasTest();
  for (std::size_t n = 0; n < kNbAssocies; ++n) Associe2072.emplace_back().CasTest(n);
  DonneeIS2072.CasTest();
  // The transfer screen offers the partners just added.
  MajListeAssocieCessionnaire();
  MajListeAssocieCedant();
}

void TOperationSociete::CasTestXX() { Remplit(*this, {{"ProduitsFinanciers", 12000}}); }

void TResultatGlobalARepartir::CasTestXX() {
  Remplit(*this, {{"RevenuBrut", 60000}, {"Charge", 42000}, {"RevenuNetOuDeficit", 18000}});
}

// Column 0 (business or corporate-tax rules) of the income statement.
void TDonneeIS2072::CasTestXX() {
  Remplit(*this, {
                     {"RevenuImmeuble[0]", 60000},
                     {"AutreRevenuGestion[0]", 1000},
                     {"TotalProduitExploitation[0]", 61000},
                     {"Achat[0]", 1000},
                     {"ImpotEtTaxe[0]", 1000},
                     {"ChargePersonnel[0]", 1000},
                     {"AutreChargeGestion[0]", 1000},
                     {"DAP[0]", 1000},
                     {"TotalChargeExploitation[0]", 5000},
                     {"ResultatExploitation[0]", 56000},
                     {"ProduitFinancier[0]", 200},
                     {"AutreProduitFinancier[0]", 200},
                     {"ChargeFinanciere[0]", 200},
                     {"AutreChargeFinanciere[0]", 200},
                     {"TotalProduitFinancier[0]", 400},
                     {"TotalChargeFinanciere[0]", 400},
                     {"ResultatFinancier[0]", 0.0},
                     {"ProduitExceptionnel[0]", 200},
                     {"AutreProduitExceptionnel[0]", 200},
                     {"ChargeExceptionnelle[0]", 200},
                     {"AutreChargeExceptionnelle[0]", 200},
                     {"TotalProduitExceptionnel[0]", 400},
                     {"TotalChargeExceptionnelle[0]", 400},
                     {"ResultatExceptionnel[0]", 0.0},
                     {"TotalProduit[0]", 61800},
                     {"TotalCharge[0]", 5800},
                     {"BeneficeOuPerte[0]", 56000},
                     {"ResultatNetComptable[0]", 56000},
                     {"MVNetteLongTerme[0]", 100},
                     {"PVNetteCourtTermeAnterieure[0]", 100},
                     {"DiversReintegration[0]", 100},
                     {"ProduitFinancierDeductible[0]", 100},
                     {"PVNetteLongTerme[0]", 100},
                     {"PVNetteCourtTermeDiffere[0]", 100},
                     {"DiversDeduction[0]", 100},
                     {"TotalReintegration[0]", 300},
                     {"TotalDeduction[0]", 400},
                     // As the sample has always stored it, though its lines give 56000 + 300 - 400 = 55900.
                     {"BeneficeOuDeficitFiscal[0]", 55800},
                 });
}

}  // namespace zorfiscal2072
