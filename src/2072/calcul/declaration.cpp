// The whole declaration's computation, in the order of its steps.
#include "tdonnee2072.h"

namespace zorfiscal2072 {

void TDonnee2072::CalculDec2072(long) {}

}  // namespace zorfiscal2072
