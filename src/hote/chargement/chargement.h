// Loading a declaration file into a declaration root.
#pragma once

#include <memory>
#include <string>
#include <unordered_set>

#include "chargement/verification.h"
#include "format/declaration.h"

namespace hote2072 {

// Checks the file (Verifie), creates the records its indexes name, moves every letter in
// (direction 0), then gives properties, partners and sales the codes the file gives them,
// every reference to a generated code following. Duplicate codes and references that name
// no record are reported at the letter that gives them. Null when the report has a problem.
std::unique_ptr<TDonnee2072> Charge(const FichierDeclaration& fichier, Rapport& rapport,
                                    const Controles& controles = {});

// The codes the file gives its records (properties, partners, sales, ...): the others are
// made up when loading and mean nothing to a reader.
std::unordered_set<std::string> CodesDonnes(const FichierDeclaration& fichier);

}  // namespace hote2072
