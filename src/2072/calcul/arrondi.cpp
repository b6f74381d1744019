// The engine's rounding rule is the framework's, so the depreciation library and the
// computation round alike.
#include "arrondi.h"

#include "tdonnee2072.h"

namespace zorfiscal2072 {

double TDonnee2072::Arrondi(double x) { return kel::Arrondi(x); }

}  // namespace zorfiscal2072
