// The letter dictionary as the `dictionary` command shows it.
#pragma once

#include <string>

namespace hote2072 {

// "663 entries, one row each, for 661 distinct codes (12564 and 12565 held by two records)":
// the dictionary's counts, for the command's help.
std::string CompteDictionnaire();

// One line per entry: code, type, index levels, record, field, and the characters a text holds.
std::string DictionnaireTexte();
// A JSON array: {"code", "type", "record", "field", "levels", "maxLength" (texts), "decimals"
// (fixed-decimal amounts), "inDeclaration"}.
std::string DictionnaireJson();

}  // namespace hote2072
