// Declaration files in the plain shape this program writes, read at full speed.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "format/declaration.h"

namespace hote2072 {

// One letter as the fast reader gives it; the views hold until the next letter.
struct LettreRapide {
  long long code = 0;
  std::span<const std::pair<int, int>> index;  // sorted by key
  std::string_view valeur;
};

// Where the fast reader takes a file's text from: each call appends the text's next bytes to
// `tampon` (any number of them) and answers false once there is nothing more to come.
using SourceTexte = std::function<bool(std::string& tampon)>;
// A text in memory, given in pieces of `taille` bytes.
SourceTexte SourceMemoire(std::string_view texte, std::size_t taille = 1 << 20);

// The file when it is in the plain shape: the root's members and each letter's given once
// with the types the format asks, strings without lone surrogates, nothing after the root.
// Nothing for anything else, valid or not; the event reader (LitJson) then reads it with its
// exact messages, so both always agree on a file this one accepts. The letters are read in
// pieces of at least `tailleMorceau` bytes, each ending with a line, so that the reader's
// memory stays that of a piece whatever the file's size.
inline constexpr std::size_t kTailleMorceau = 1 << 20;

// Reads the file `source` gives letter by letter, each given to `recoit` as soon as it is
// read; reading stops at the first letter `recoit` refuses. The year (the default when the
// file gives none) when the whole file is in the plain shape and every letter was taken;
// nothing otherwise. The root's members are checked last: letters of a file that turns out
// not to be a declaration may have been given.
std::optional<long> LitLettresRapide(const SourceTexte& source, const std::function<bool(const LettreRapide&)>& recoit,
                                     std::size_t tailleMorceau = kTailleMorceau);

// The whole file as letters.
std::optional<FichierDeclaration> LitJsonRapide(std::string_view texte, std::size_t tailleMorceau = kTailleMorceau);

}  // namespace hote2072
