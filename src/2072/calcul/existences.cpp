// Whether partners under business, farm or corporate-tax rules exist, and whether the
// corporate-tax statement holds income in a column.
#include <algorithm>

#include "codes2072.h"
#include "etapes.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {

bool TDonnee2072::ExisteAssocieRevenuBA() const {
  return std::any_of(Associe2072.begin(), Associe2072.end(),
                     [](const TAssocie2072& a) { return a.getRegimeFiscal() == RegimeFiscal::BA; });
}

bool TDonnee2072::ExisteAssocieRevenuBICIS() const {
  return std::any_of(Associe2072.begin(), Associe2072.end(), [](const TAssocie2072& a) {
    return a.getRegimeFiscal() == RegimeFiscal::BIC || a.getRegimeFiscal() == RegimeFiscal::IS;
  });
}

bool TDonnee2072::ExisteRevenuBICouBA_IS(int colonne) const {
  if (colonne < 0 || static_cast<std::size_t>(colonne) >= TDonneeIS2072::kNbColonnes) return false;
  const auto c = static_cast<std::size_t>(colonne);
  return std::any_of(calcul::kLignesRevenuIS.begin(), calcul::kLignesRevenuIS.end(),
                     [&](TDonneeIS2072::Ligne ligne) { return DonneeIS2072.getMontant(ligne, c) != 0; });
}

}  // namespace zorfiscal2072
