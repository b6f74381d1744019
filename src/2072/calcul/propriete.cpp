// Computation of one property: depreciation, land figures, result to distribute.
#include "propriete2072.h"

namespace zorfiscal2072 {

void TPropriete2072::CalculPropriete2072() {}
void TPropriete2072::CalculProprieteFoncier2072() {}
void TPropriete2072::CalculResultatARepartir() {}
void TPropriete2072::CalculRecetteCRL() {}

}  // namespace zorfiscal2072
