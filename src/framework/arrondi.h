// Rounding of amounts, shared by the engine and the depreciation library so that both
// round the same way.
#pragma once

namespace kel {

// Half away from zero to a whole number (2.5 gives 3, -2.5 gives -3); a zero result is +0.
// Exact for every double: 0.49999999999999994 gives 0, a whole number beyond 2^52 stays.
double Arrondi(double x);

// The same rule to `decimales` decimals: Arrondi(x * 10^decimales) / 10^decimales.
double Arrondi(double x, int decimales);

}  // namespace kel
