// Reading and writing whole files; "-" names standard input or output.
#pragma once

#include <stdexcept>
#include <string>

namespace hote2072 {

struct ErreurFichier : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The whole content of a file or of standard input. Throws ErreurFichier.
std::string LitFichier(const std::string& chemin);

// Writes `contenu` to a temporary file beside `chemin`, then renames it into place: a reader
// sees the old file or the new one, never half of one. Throws ErreurFichier, leaving
// nothing behind.
void EcritFichier(const std::string& chemin, const std::string& contenu);

}  // namespace hote2072
