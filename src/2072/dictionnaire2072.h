// The dictionary of the form: every letter the engine exchanges, derived from the records'
// own letter tables, with the record that answers for it and the index levels that reach it.
#pragma once

#include <vector>

#include "tablelettres.h"

namespace zorfiscal2072 {

struct EntreeDictionnaire {
  lettres::DescriptionLettre lettre;
  const char* enregistrement;  // class of the record that answers for the code
  std::vector<int> niveaux;    // level keys the index must hold, outermost first
  bool parLaRacine;            // false for the cumulative records, which the declaration does not hold
};

// Every entry in the builder's order: 663 entries for 661 codes (12564 and 12565 are held by
// the general information and by the company operations).
const std::vector<EntreeDictionnaire>& Dictionnaire2072();

// The names hosts show for a field's role and unit: "entered", "computed", "linked-used",
// "linked-computed", "linked-mode"; "euros", "percent", "fraction", "parts", "years" ("" for none).
const char* NomNature(lettres::Nature nature);
const char* NomUnite(lettres::Unite unite);

// The entry a host reaches a code through (for a code held twice, the record the root asks
// first), or null for a code no record holds.
const EntreeDictionnaire* EntreeDictionnaire2072(int code);

}  // namespace zorfiscal2072
