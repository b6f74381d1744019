// Printing a page through a headless browser found on the PATH.
#pragma once

#include <string>

namespace hote2072 {

// Prints an HTML page to a PDF file through a headless browser; false with `erreur` set when
// none is installed or printing fails (nothing is left at `sortie` then).
bool ImprimePdf(const std::string& html, const std::string& sortie, std::string& erreur);

}  // namespace hote2072
