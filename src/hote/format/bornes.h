// Bounds on the records a file makes loading create, checked over its letters before any
// record exists: what a file asks for stays in proportion to what it says.
#pragma once

#include <cstddef>

#include "format/declaration.h"

namespace hote2072 {

// A position may lie at most this far beyond the number of records of its level (under the
// same owner) that the file's letters name.
inline constexpr std::size_t kEcartMax = 1000;
// Records of one level, all owners together.
inline constexpr std::size_t kEnregistrementsMax = 1000000;
// Partners times properties (shares), partners times sales (distributions).
inline constexpr std::size_t kQuotesMax = 100000000;

// Reports, at the letter that asks for them, records beyond these bounds.
void VerifieBornes(const FichierDeclaration& fichier, Rapport& rapport);

}  // namespace hote2072
