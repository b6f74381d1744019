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
// Partners times properties (shares), partners times sales (distributions): some 230 bytes
// each, so ten million take a few gigabytes.
inline constexpr std::size_t kQuotesMax = 10000000;
// Every record loading creates, of every level, shares and distributions included: beyond
// kEnregistrementsLibres, at most kEnregistrementsParLettre per letter of the file, so that a
// small file cannot fill the memory (4,000 partners and 4,000 properties named in 8,000
// letters would make 16 million shares).
inline constexpr std::size_t kEnregistrementsLibres = 2000000;
inline constexpr std::size_t kEnregistrementsParLettre = 100;
std::size_t EnregistrementsPermis(std::size_t lettres);

// Reports, at the letter that asks for them, records beyond these bounds.
void VerifieBornes(const FichierDeclaration& fichier, Rapport& rapport);

}  // namespace hote2072
