// Writing a declaration root out as a declaration file.
#pragma once

#include <functional>
#include <string>

#include "format/declaration.h"

namespace hote2072 {

// Every letter of every record of the root exactly once, with the index that reaches it,
// read with direction 1 through the root: the declaration's own letters, then each property
// with its tenants, beneficiaries and components, each partner with its free-use entries,
// shares, distributions and carried-forward results, each sale, each transfer of shares.
// Unless `toutes`, a letter whose text equals that of a record just created by loading is
// left out (loading gives it that value again); a repeated record left with no letter keeps
// its first one, so that loading creates it.
FichierDeclaration Ecrit(TDonnee2072& racine, bool toutes);
// The same letters given one by one to `recoit`, none kept.
void Ecrit(TDonnee2072& racine, bool toutes, const std::function<void(const LettreFichier&)>& recoit);

// Writes the root as a declaration file (EcritFichier), letter by letter: neither the letters
// nor the text are ever held whole. `annote` adds each letter's field and record names.
void EcritDeclaration(const std::string& chemin, TDonnee2072& racine, bool toutes, bool annote);

}  // namespace hote2072
