// Printing a page through a headless browser found on the PATH.
#pragma once

#include <optional>
#include <string>

namespace hote2072 {

// Seconds a browser is given to print before it is stopped, unless told otherwise.
inline constexpr int kDelaiImpressionDefaut = 120;

// The PDF a headless browser prints of an HTML page, or nothing with `erreur` set when none is
// installed, printing fails or takes more than `delai` seconds. The page and the browser's
// files live in a private folder of the temporary directory, removed afterwards; the
// browser's processes are all stopped, and on SIGINT or SIGTERM too.
std::optional<std::string> ImprimePdf(const std::string& html, int delai, std::string& erreur);

// A path as the address of a local file: "file://" then the path, every byte other than
// letters, digits, "-._~/" written %XX, so that "#", "?", "%" or a space stay in the path.
std::string AdresseFichier(const std::string& chemin);

}  // namespace hote2072
