// Property step "2011.2": schemes 14, 16 and 17 become the ordinary scheme without special
// deduction; the tenants of the old letters 12119 to 12124 become the property's tenants.
#include "anciennes_lettres.h"
#include "moulinettes2072.h"
#include "propriete2072.h"

namespace zorfiscal2072::migration {

namespace {

constexpr CorrespondanceOption kOptions[] = {VersOrdinaire(16), VersOrdinaire(17), VersOrdinaire(14)};
constexpr short kPremierLocataire = 12119, kDernierLocataire = 12124;

}  // namespace

void TMoulinettePropriete2011_2::Corrige(TMoulinetteInfo& info, TPropriete2072& propriete) {
  AppliqueOptionsEtTaux(propriete, kOptions);

  // The tenant's name holds what its letter holds.
  const lettres::DescriptionLettre& nom = TLocataire::Lettres().Trouve(12593)->description;
  const std::size_t longueur = static_cast<std::size_t>(nom.taille - 1);
  AnciennesLettres l(info);
  for (short code = kPremierLocataire; code <= kDernierLocataire; ++code) {
    if (!l.Renseigne(code)) continue;
    TLocataire& locataire = propriete.getLocataire().emplace_back();
    // Tenants name their property: without its code the written file would not load again.
    locataire.setCodePropriete(propriete.getCodePropriete());
    locataire.setNom(l.Coupe(code, l.Texte(code), longueur));
  }
}

}  // namespace zorfiscal2072::migration
