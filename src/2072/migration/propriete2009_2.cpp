// Property step "2009.2": scheme 8 becomes the ordinary scheme; natural-area costs were
// entered as repair works.
#include "anciennes_lettres.h"
#include "codes2072.h"
#include "moulinettes2072.h"
#include "propriete2072.h"

namespace zorfiscal2072::migration {

namespace {

// The deduction option becomes 1, a code of earlier lists.
constexpr CorrespondanceOption kOptions[] = {{8, OptionFiscale::Ordinaire, 1}};

}  // namespace

void TMoulinettePropriete2009_2::Corrige(TMoulinetteInfo&, TPropriete2072& propriete) {
  AppliqueOptions(propriete, kOptions);
  if (propriete.getCategorie() == Categorie::EspacesNaturels) {
    TDonneeProprieteFoncierPropriete& foncier = propriete.getDonneeProprieteFoncier();
    foncier.setChargesEspacesNaturels(foncier.getTravauxReparation());
    foncier.setTravauxReparation(0);
  }
}

}  // namespace zorfiscal2072::migration
