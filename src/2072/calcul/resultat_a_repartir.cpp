// The property's result to distribute among the partners, from its land figures.
#include "propriete2072.h"

namespace zorfiscal2072 {

void TPropriete2072::CalculResultatARepartir() {
  if (!DonneeProprieteFoncier || !ResultatARepartir) return;
  const TDonneeProprieteFoncierPropriete& f = *DonneeProprieteFoncier;
  TResultatARepartir2072& r = *ResultatARepartir;
  r.setRevenuBrut(f.getTotalRecette() + f.getReintegrationDeduction() - f.getRemunerationNetteAssocie() +
                  f.getRevenuAutreSI());
  r.setCharge(f.getTotalCharge() + f.getTravauxTransformation() + f.getAssuranceFraisZR());
  r.setInteretEmprunt(f.getInteretEmprunt());
  r.setDeductionSpecifique(f.getDeductionFraisDivers());
  r.setAmortissement(f.getDeductionAmortissement());
  r.setRevenuOuDeficit(r.getRevenuBrut() - r.getCharge() - r.getInteretEmprunt() - r.getDeductionSpecifique() -
                       r.getAmortissement());
  // Informative: the works are already inside the charges.
  r.setTravaux(f.getTravauxReparation() + f.getTravauxProprieteRurale() + f.getChargesEspacesNaturels() +
               f.getTravauxGrosseReparation());
}

}  // namespace zorfiscal2072
