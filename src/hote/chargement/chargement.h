// Loading a declaration file into a declaration root.
#pragma once

#include <memory>

#include "format/declaration.h"

namespace hote2072 {

// Checks the file (Verifie), creates the records its indexes name, moves every letter in
// (direction 0), then gives properties, partners and sales the codes the file gives them,
// every reference to a generated code following. Duplicate codes and references that name
// no record are reported at the letter that gives them. Null when the report has a problem.
std::unique_ptr<TDonnee2072> Charge(const FichierDeclaration& fichier, Rapport& rapport);

}  // namespace hote2072
