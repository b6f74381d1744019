// Property step "2012.2": schemes and deduction options 21 to 23 take today's codes.
#include "anciennes_lettres.h"
#include "codes2072.h"
#include "moulinettes2072.h"
#include "propriete2072.h"

namespace zorfiscal2072::migration {

namespace {

constexpr CorrespondanceOption kOptions[] = {
    {21, OptionFiscale::BorlooAncienSocial, OptionTauxDeduction::BorlooAncienSocial45},
    {22, OptionFiscale::BorlooAncienSocial60, OptionTauxDeduction::BorlooAncienSocial60},
    {23, OptionFiscale::BorlooAncienSocialIntermediaire, OptionTauxDeduction::BorlooAncienSocialIntermediaire70},
};

}  // namespace

void TMoulinettePropriete2012_2::Corrige(TMoulinetteInfo&, TPropriete2072& propriete) {
  AppliqueOptionsEtTaux(propriete, kOptions);
}

}  // namespace zorfiscal2072::migration
