// Reading and changing one letter of a declaration from a program, as loading a file takes
// it: the code, or the field's name, found in the dictionary; the index holding exactly the
// letter's levels; the value read as its field reads it; a record created when the index
// names the next position of its level; a record's new code followed by every record that
// names it.
#pragma once

#include <string>
#include <string_view>

#include "format/declaration.h"

namespace hote2072 {

// Why a call on one letter was refused.
enum class Refus {
  Aucun,
  Usage,   // the call names nothing it may: a code or field no letter has, an index without the
           // letter's levels, a record that is not there
  Valeur,  // the value does not read as the field's, or names a record it may not
};

struct Issue {
  Refus refus = Refus::Aucun;
  std::string message;  // what was refused and what was expected; empty when nothing was
  bool reussie() const { return refus == Refus::Aucun; }
};

// The code of field `champ` of the record at the levels of `index`: "LoyerBrut" with
// {300: 0}; "TAdresseGerant.Ville" where several records at those levels have a field of
// that name.
Issue CodeDuChamp(std::string_view champ, const Index& index, int& code);

// The letter's text, as a declaration file holds it. The index's levels may come in any order.
Issue LitLettre(TDonnee2072& racine, int code, Index index, std::string& valeur);

// Gives the letter its value. Nothing changes when the call is refused. The declaration is not
// computed again.
Issue ChangeLettre(TDonnee2072& racine, int code, Index index, const std::string& valeur);

}  // namespace hote2072
