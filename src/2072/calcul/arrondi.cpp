#include <cmath>

#include "tdonnee2072.h"

namespace zorfiscal2072 {

double TDonnee2072::Arrondi(double x) {
  const double r = x >= 0 ? std::floor(x + 0.5) : -std::floor(-x + 0.5);
  return r == 0 ? 0.0 : r;
}

}  // namespace zorfiscal2072
