// Declaration files in the plain shape this program writes, read at full speed.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "declaration.h"

namespace hote2072 {

// The file when it is in the plain shape: the root's members and each letter's given once
// with the types the format asks, strings without lone surrogates, nothing after the root.
// Empty for anything else, valid or not; the event reader (LitJson) then reads it with its
// exact messages, so both always agree on a file this one accepts. `texte` must be readable
// up to `capacite` bytes, at least `taille` + kRembourrage.
std::optional<FichierDeclaration> LitJsonRapide(const char* texte, std::size_t taille, std::size_t capacite);
// The same on a copy of `texte` with room for the padding.
std::optional<FichierDeclaration> LitJsonRapide(std::string_view texte);

// Bytes the fast reader may read beyond the end of the text.
inline constexpr std::size_t kRembourrage = 64;

}  // namespace hote2072
