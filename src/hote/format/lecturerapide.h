// Declaration files in the plain shape this program writes, read at full speed.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "format/declaration.h"

namespace hote2072 {

// The file when it is in the plain shape: the root's members and each letter's given once
// with the types the format asks, strings without lone surrogates, nothing after the root.
// Empty for anything else, valid or not; the event reader (LitJson) then reads it with its
// exact messages, so both always agree on a file this one accepts. The letters are read in
// pieces of at least `tailleMorceau` bytes, each ending with a line.
inline constexpr std::size_t kTailleMorceau = 1 << 20;
std::optional<FichierDeclaration> LitJsonRapide(std::string_view texte, std::size_t tailleMorceau = kTailleMorceau);

}  // namespace hote2072
