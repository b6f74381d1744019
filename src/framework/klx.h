// Utilities of the host libraries: identifiers and number texts.
#pragma once

#include <string>

namespace KLX {

// A fresh identifier of 20 characters (100 bits in base 32), never returned before in the
// process: partner and property codes travel in letters of bound 21.
std::string GenerateStringGUID();

// The text of a number with `decimales` decimals; 0 gives the shortest text without
// trailing zeros (2000.123 gives "2000.123").
std::string double2str(double valeur, int decimales);

}  // namespace KLX
