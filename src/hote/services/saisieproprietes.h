// What a host application does when the user enters a property, played by the command-line
// host for the properties of a file: the receipts subject to the rental-income contribution
// and the deduction option that matches the tax scheme, where the file does not give them.
#pragma once

#include <cstddef>
#include <functional>

#include "format/declaration.h"
#include "tdonnee2072.h"

namespace hote2072 {

// For each property whose file gives no RecetteCRL (12358), CalculRecetteCRL; for each whose
// file gives no OptionTauxDeduction (12149), DonneTauxCoherent. A letter present always wins.
void CompleteSaisieProprietes(const FichierDeclaration& fichier, zorfiscal2072::TDonnee2072& racine);
// The same, `donne(code, propriete)` telling whether the file gives letter `code` of the
// property at that position.
void CompleteSaisieProprietes(const std::function<bool(long long code, std::size_t propriete)>& donne,
                              zorfiscal2072::TDonnee2072& racine);

}  // namespace hote2072
