// Reading and writing whole files; "-" names standard input or output.
#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hote2072 {

struct ErreurFichier : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The most a file or standard input may hold: a declaration of the largest fund takes a few
// hundred megabytes.
inline constexpr std::size_t kTailleLectureMax = std::size_t{1} << 30;

// Given each block as it is read, the length of it to keep when reading stops there (what
// follows cannot make the content valid), or npos to read on.
using Arret = std::function<std::size_t(std::string_view bloc)>;

// The whole content of a file or of standard input, up to `arret`. Throws ErreurFichier,
// naming the file, when it cannot be read or holds more than `tailleMax` bytes: a regular
// file is refused by its size before anything is read, anything else (a pipe, a device) as
// soon as it has given that much.
std::string LitFichier(const std::string& chemin, std::size_t tailleMax = kTailleLectureMax, const Arret& arret = {});

// A regular file of at most kTailleLectureMax bytes read piece by piece, for a reader that
// need not hold it whole and leaves anything unusual to LitFichier: it throws nothing, and
// stops at the first zero byte or failure.
class LectureFichier {
 public:
  explicit LectureFichier(const std::string& chemin);
  ~LectureFichier();
  LectureFichier(const LectureFichier&) = delete;
  LectureFichier& operator=(const LectureFichier&) = delete;
  // Opened, a regular file (not a pipe, a device, standard input) within the bound.
  bool lisible() const { return m_fd >= 0; }
  // Appends the next bytes (about a megabyte) to `tampon`; false once the file is over, or
  // when it cannot be read further.
  bool Lit(std::string& tampon);
  // Reading stopped before the end: a failure, a zero byte, more than the bound.
  bool interrompue() const { return m_interrompue; }

 private:
  int m_fd = -1;
  std::size_t m_lus = 0;
  bool m_interrompue = false;
};

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
