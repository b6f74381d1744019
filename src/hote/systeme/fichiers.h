// Reading and writing whole files; "-" names standard input or output.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hote2072 {

struct ErreurFichier : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The whole content of a file or of standard input. Throws ErreurFichier, naming the file.
std::string LitFichier(const std::string& chemin);

// Gives a file's content piece by piece to `ecrit`.
using Producteur = std::function<void(const std::function<void(std::string_view)>& ecrit)>;

// Writes a file so that a reader sees the old file or the new one, never half of one: the
// content goes to a temporary file beside the target, renamed into place once complete; an
// existing target keeps its permission bits. A symbolic link is followed to its target. A
// target that is not a regular file (a pipe, a device such as /dev/null) is written directly.
// Throws ErreurFichier, leaving the target as it was and nothing behind.
void EcritFichier(const std::string& chemin, const Producteur& produit);
void EcritFichier(const std::string& chemin, const std::string& contenu);

}  // namespace hote2072
