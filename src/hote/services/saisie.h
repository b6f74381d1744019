// What a person types into one field of a record, checked as loading checks a letter of a
// file before it reaches the engine, then moved in through the root.
#pragma once

#include <string>

#include "chargement/niveauxhote.h"

namespace hote2072 {

// The text of letter `code` of the record `index` names, read through the root (direction
// 1); empty when no record takes it.
std::string LitValeur(TDonnee2072& racine, int code, const Index& index);

// Enters `valeur` into field `code` of the record `index` names (exactly the levels on the
// field's way). Empty when entered; otherwise why not, in French, and the declaration is
// unchanged: a field no record of the declaration holds, a record that does not exist, a
// value that does not read as the field's type or exceeds its bounds, a field that names a
// record on its own way (a tenant's property), a code that is empty or already another
// record's (a record's new code is followed by every field that names it), a reference to a
// record that does not exist, a position beyond the partners and "Autre".
std::string SaisitValeur(TDonnee2072& racine, int code, const Index& index, const std::string& valeur);

// The update a screen runs after each change: texts and the whole computation, then the
// transfers' choice lists of partners, which carry the partners' names.
void MetAJour(TDonnee2072& racine);

}  // namespace hote2072
