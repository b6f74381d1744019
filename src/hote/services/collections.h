// Adding, duplicating, moving and removing the repeated records of a declaration, as an entry
// application does it: through the root's collection operations where the engine has them, so
// that shares, distributions, transfers of shares and "Autre" follow as the engine says.
#pragma once

#include "chargement/niveauxhote.h"

namespace hote2072 {

// Adds one record at level `cle` to the owner `proprietaire` names (the owner's own index;
// empty for the root's levels) and returns its position: properties, partners and sales
// through the root (every statement gets its share or distribution), the others as new
// records of their owner, those that name their owner carrying its code. -1, and nothing
// added, for the levels that hold one record per property or sale (shares, distributions),
// the carried-forward results, or an owner that does not exist.
int AjouteEnregistrement(TDonnee2072& racine, int cle, const Index& proprietaire);

// Removes the record `index` names (the level removed from is its last): a property with
// every share and free-use entry that names it, a partner with the transfers of shares that
// name it, a sale with its distributions, any other record from its owner. False, and
// nothing removed, when the index names no record or a level whose records are not removed
// one by one.
bool SupprimeEnregistrement(TDonnee2072& racine, const Index& index);

// Appends a copy of partner `position` (named "copie de ..." with a code of its own); false
// when there is no such partner.
bool DupliqueAssocie(TDonnee2072& racine, int position);

// Exchanges partner `position` with its neighbour (`sens` -1 or +1), transfers of shares
// following; false when either is not a partner.
bool DeplaceAssocie(TDonnee2072& racine, int position, int sens);

}  // namespace hote2072
