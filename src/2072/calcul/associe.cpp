// One partner's holding: percentage of the parts, share of the results, value of its parts.
#include "associe2072.h"
#include "codes2072.h"

namespace zorfiscal2072 {

void TAssocie2072::CalculAssocie2072(double nombrePartsTotal, double nominalParts) {
  PourcentageDetention = 0;
  if (nombrePartsTotal != 0) {
    PourcentageDetention = NombreParts / nombrePartsTotal * 100;
    // An entered share of results replaces the holding; with no total the share stays as it was.
    QuotePartResultats = QuotePartDifferente == OuiNon::Oui ? QuotePartResultatsSaisie : PourcentageDetention;
  }
  ValeurParts = NombreParts * nominalParts;
}

}  // namespace zorfiscal2072
