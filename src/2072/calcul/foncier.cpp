// Land figures of one property: receipts, the specific deduction, charges, income or
// deficit, the partners' net remuneration and the property's result.
#include "codes2072.h"
#include "parametres2072.h"
#include "propriete2072.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {

void TPropriete2072::CalculProprieteFoncier2072() {
  if (!DonneeProprieteFoncier) return;
  TDonneeProprieteFoncierPropriete& f = *DonneeProprieteFoncier;
  f.setTotalRecette(f.getLoyerBrut() + f.getChargeLocataire() + f.getRecetteDiverse() + f.getRecettePossible());
  f.setBaseCalculDeduction(f.getTotalRecette());

  TElementLie& forfait = f.getForfaitGestion();
  forfait.setMontantCalcule(parametres::kForfaitGestionParLocal * static_cast<double>(TotalNombreLocaux));
  if (forfait.getLie() == ModeElementLie::Calcule) forfait.setMontant(forfait.getMontantCalcule());

  // The table holds no negative rate: every option but "Autre cas" takes its rate.
  f.setTauxDeduction(DonneTauxDeduction(f.getOptionTauxDeduction()));
  const bool deductionAuTaux = f.getOptionTauxDeduction() != OptionTauxDeduction::AutreCas;
  if (deductionAuTaux)
    f.setDeductionFraisDivers(TDonnee2072::Arrondi(f.getBaseCalculDeduction() * f.getTauxDeduction()));

  f.setTotalCharge(f.getChargesRecuperable() + f.getIndemniteEtFrais() + f.getFraisGerance() + forfait.getMontant() +
                   f.getAssurance() + f.getTravauxReparation() + f.getChargesEspacesNaturels() +
                   f.getTravauxGrosseReparation() + f.getImpotEtTaxe() + f.getProvision() - f.getRegularisation() +
                   f.getTravauxProprieteRurale());
  f.setRevenuOuDeficit(f.getTotalRecette() -
                       (f.getTotalCharge() + f.getInteretEmprunt() + f.getDeductionAmortissement() +
                        f.getTravauxTransformation() + f.getAssuranceFraisZR() + f.getDeductionFraisDivers()));

  // The partners' remuneration is reduced at the deduction's rate; with an entered deduction,
  // at the rate it makes of the receipts (none when there are no receipts).
  double remunerationNette = 0;
  if (deductionAuTaux)
    remunerationNette = (1 - f.getTauxDeduction()) * f.getRemunerationBruteAssocie();
  else if (f.getBaseCalculDeduction() != 0)
    remunerationNette =
        (1 - f.getDeductionFraisDivers() / f.getBaseCalculDeduction()) * f.getRemunerationBruteAssocie();
  f.setRemunerationNetteAssocie(remunerationNette);

  f.setResultat(f.getRevenuOuDeficit() + f.getReintegrationDeduction() + f.getRevenuAutreSI() -
                f.getRemunerationNetteAssocie());
  if (ApplicationCRL == OuiNon::Oui) f.setRecetteCRLCalcul(f.getRecetteCRL());
}

}  // namespace zorfiscal2072
