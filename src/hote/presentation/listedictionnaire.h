// The letter dictionary as the `dictionary` command shows it.
#pragma once

#include <string>

namespace hote2072 {

// One line per entry: code, type, index levels, record, field, and the characters a text holds.
std::string DictionnaireTexte();
// A JSON array: {"code", "type", "record", "field", "levels", "maxLength" (texts), "decimals"
// (fixed-decimal amounts), "inDeclaration"}.
std::string DictionnaireJson();

}  // namespace hote2072
