// Receipts of a property subject to the rental-income contribution, offered to the host
// when the user enters a property: the rents, the charges borne by the tenants and the
// other receipts, unless the user entered an amount of their own.
#include "codes2072.h"
#include "propriete2072.h"

namespace zorfiscal2072 {

void TPropriete2072::CalculRecetteCRL() {
  if (!DonneeProprieteFoncier) return;
  TDonneeProprieteFoncierPropriete& f = *DonneeProprieteFoncier;
  if (ApplicationCRL != OuiNon::Oui) {
    f.setRecetteCRLCalcul(0);
    f.setRecetteCRL(0);
    return;
  }
  f.setRecetteCRLCalcul(f.getLoyerBrut() + f.getChargeLocataire() + f.getRecetteDiverse());
  if (f.getRecetteCRL() == 0) f.setRecetteCRL(f.getRecetteCRLCalcul());  // an entered amount stays
}

}  // namespace zorfiscal2072
