// Letters a file names by their field ("field": "LoyerBrut") instead of, or as well as, their
// code: the field names the dictionary gives, told apart by the index's levels and by the
// record ("record": "TElementLieVA") where the levels do not settle it.
#pragma once

#include <string>
#include <string_view>

#include "chargement/niveauxhote.h"

namespace hote2072 {

struct LettreNommee {
  bool codeDonne = false;  // the file gives "code"
  long long code = 0;
  std::string_view champ;           // "field", empty when not given
  std::string_view enregistrement;  // "record", empty when not given
};

// The letter's code: the code given, once its field and record agree with it, or the one
// code the field names at the index's levels and in the record ("TAdresseGerant.Ville" names
// both). The one resolver of field names: files, the C interface and the screens use it. -1 and `probleme` set (the
// candidates, or the nearest names) when there is none or more than one. A code no letter
// has is returned as given: the dictionary check reports it.
long long CodeNomme(const LettreNommee& lettre, const Index& index, std::string& probleme);

}  // namespace hote2072
