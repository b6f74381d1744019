// What a host application does when the user enters a property, played by the command-line
// host for the properties of a file: the receipts subject to the rental-income contribution
// and the deduction option that matches the tax scheme, where the file does not give them.
#pragma once

#include "format/declaration.h"
#include "tdonnee2072.h"

namespace hote2072 {

// For each property whose file gives no RecetteCRL (12358), CalculRecetteCRL; for each whose
// file gives no OptionTauxDeduction (12149), DonneTauxCoherent. A letter present always wins.
void CompleteSaisieProprietes(const FichierDeclaration& fichier, zorfiscal2072::TDonnee2072& racine);

}  // namespace hote2072
