// Property step "2010.1": scheme 13 becomes the ordinary scheme without special deduction;
// deduction option 12 is gone.
#include "anciennes_lettres.h"
#include "codes2072.h"
#include "moulinettes2072.h"
#include "propriete2072.h"

namespace zorfiscal2072::migration {

namespace {

constexpr CorrespondanceOption kOptions[] = {VersOrdinaire(13)};
constexpr CorrespondanceTaux kTaux[] = {{12, OptionTauxDeduction::Aucune}};

}  // namespace

void TMoulinettePropriete2010_1::Corrige(TMoulinetteInfo&, TPropriete2072& propriete) {
  AppliqueOptions(propriete, kOptions);
  AppliqueTaux(propriete, kTaux);
}

}  // namespace zorfiscal2072::migration
