// Declaration files in JSON:
//   { "format": "sci2072-declaration", "version": 1, "year": 2011,
//     "letters": [ { "code": 12140, "index": { "300": 0 }, "value": "60000" }, ... ] }
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "declaration.h"

namespace hote2072 {

// Reads a file's shape: malformed JSON (with its line and column), missing or mistyped
// members, index keys outside 300 to 310, positions outside 0 to kPositionMax. Letters are
// not yet checked against the dictionary. Empty when the report has a problem.
std::optional<FichierDeclaration> LitJson(std::string_view texte, Rapport& rapport);

// One letter per line, each with the field and record names of its code for people to read.
std::string EcritJson(const FichierDeclaration& fichier);

}  // namespace hote2072
