// The letter dictionary as the `dictionary` command shows it.
#pragma once

#include <string>

namespace hote2072 {

// "663 entries, one row each, for 661 distinct codes (12564 and 12565 held by two records)":
// the dictionary's counts, for the command's help.
std::string CompteDictionnaire();

// One line per entry: code, type, index levels, record, field, the characters a text holds,
// the field's role, unit and list, and its French label.
std::string DictionnaireTexte();
// {"entries": [{"code", "type", "record", "field", "levels", "maxLength" (texts), "decimals"
// (fixed-decimal amounts), "inDeclaration", "label", "role", "unit" (when it has one), "list"
// (coded fields; with "legalPersonList" and "personTypeField" when the person type chooses)}],
//  "lists": {name: [{"code", "label"}], every reference list once}}.
std::string DictionnaireJson();
// Every reference list: its name and what takes its values from it, then one line per entry.
std::string ListesTexte();

}  // namespace hote2072
