#include "arrondi.h"

#include <cmath>

namespace kel {

// std::round is half away from zero without the error of floor(x + 0.5), which adds 0.5
// in floating point and so rounds 0.49999999999999994 up and odd numbers beyond 2^52 to even.
double Arrondi(double x) {
  const double r = std::round(x);
  return r == 0 ? 0.0 : r;  // -0 becomes +0
}

double Arrondi(double x, int decimales) {
  const double echelle = std::pow(10.0, decimales);
  const double r = std::round(x * echelle) / echelle;
  return r == 0 ? 0.0 : r;
}

}  // namespace kel
