#include "systeme/fichiers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "systeme/nettoyage.h"

namespace hote2072 {

namespace {

std::string Erreur(const std::string& quoi, const std::string& chemin, int erreur = errno) {
  return quoi + " " + chemin + ": " + std::strerror(erreur);
}

bool EcritTout(int fd, std::string_view contenu) {
  std::size_t fait = 0;
  while (fait < contenu.size()) {
    const ssize_t n = ::write(fd, contenu.data() + fait, contenu.size() - fait);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    fait += static_cast<std::size_t>(n);
  }
  return true;
}

// Collects the pieces into large writes; the first failure is kept and later pieces dropped.
class Tampon {
 public:
  explicit Tampon(int fd) : m_fd(fd) { m_texte.reserve(kTaille); }
  void Ajoute(std::string_view piece) {
    if (m_erreur != 0) return;
    if (m_texte.size() + piece.size() > kTaille) Vide();
    if (piece.size() >= kTaille) {
      if (!EcritTout(m_fd, piece)) m_erreur = errno ? errno : EIO;
    } else {
      m_texte.append(piece);
    }
  }
  // errno of the first failure, 0 when everything was written.
  int Termine() {
    Vide();
    return m_erreur;
  }

 private:
  static constexpr std::size_t kTaille = 1 << 20;
  void Vide() {
    if (m_erreur == 0 && !m_texte.empty() && !EcritTout(m_fd, m_texte)) m_erreur = errno ? errno : EIO;
    m_texte.clear();
  }
  int m_fd;
  int m_erreur = 0;
  std::string m_texte;
};

int Produit(int fd, const Producteur& produit) {
  Tampon tampon(fd);
  produit([&](std::string_view piece) { tampon.Ajoute(piece); });
  return tampon.Termine();
}

std::string Dossier(const std::string& chemin) {
  const auto barre = chemin.rfind('/');
  return barre == std::string::npos ? "" : chemin.substr(0, barre + 1);
}

// The file a path names once its symbolic links are followed (it may not exist yet).
std::string Cible(const std::string& chemin) {
  std::string cible = chemin;
  for (int sauts = 0; sauts < 40; ++sauts) {
    struct stat s {};
    if (::lstat(cible.c_str(), &s) != 0 || !S_ISLNK(s.st_mode)) return cible;
    std::vector<char> lien(static_cast<std::size_t>(s.st_size > 0 ? s.st_size : 255) + 1);
    const ssize_t n = ::readlink(cible.c_str(), lien.data(), lien.size());
    if (n < 0 || static_cast<std::size_t>(n) >= lien.size())
      throw ErreurFichier(Erreur("cannot follow the link", cible));
    const std::string vers(lien.data(), static_cast<std::size_t>(n));
    cible = vers.front() == '/' ? vers : Dossier(cible) + vers;
  }
  throw ErreurFichier(Erreur("cannot follow the link", chemin, ELOOP));
}

void EcritDirectement(const std::string& chemin, const Producteur& produit) {
  const int fd = ::open(chemin.c_str(), O_WRONLY | O_TRUNC);
  if (fd < 0) throw ErreurFichier(Erreur("cannot open", chemin));
  const int erreur = Produit(fd, produit);
  if (::close(fd) != 0 || erreur != 0) throw ErreurFichier(Erreur("cannot write", chemin, erreur ? erreur : errno));
}

}  // namespace

std::string LitFichier(const std::string& chemin, std::size_t tailleMax, const Arret& arret) {
  const bool entree = chemin == "-";
  const std::string nom = entree ? "standard input" : chemin;
  const int fd = entree ? STDIN_FILENO : ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw ErreurFichier(Erreur("cannot open", nom));
  const auto trop = [&] {
    if (!entree) ::close(fd);
    return ErreurFichier(nom + " holds more than " + std::to_string(tailleMax) + " bytes (" +
                         std::to_string(tailleMax >> 20) + " MiB), the most read from one file");
  };
  std::string contenu;
  struct stat s {};
  if (::fstat(fd, &s) == 0 && S_ISREG(s.st_mode) && s.st_size > 0) {
    if (static_cast<std::uintmax_t>(s.st_size) > tailleMax) throw trop();
    contenu.reserve(static_cast<std::size_t>(s.st_size));
  }
  std::vector<char> bloc(1 << 16);
  int erreur = 0;
  for (;;) {
    const ssize_t n = ::read(fd, bloc.data(), bloc.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) erreur = errno;
    if (n <= 0) break;
    std::string_view lu(bloc.data(), static_cast<std::size_t>(n));
    const std::size_t garde = arret ? arret(lu) : std::string_view::npos;
    if (garde != std::string_view::npos) lu = lu.substr(0, garde);
    if (contenu.size() + lu.size() > tailleMax) throw trop();
    contenu.append(lu);
    if (garde != std::string_view::npos) break;
  }
  if (!entree) ::close(fd);
  if (erreur != 0) throw ErreurFichier(Erreur("cannot read", nom, erreur));
  return contenu;
}

LectureFichier::LectureFichier(const std::string& chemin) {
  m_fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat s {};
  if (m_fd >= 0 &&
      (::fstat(m_fd, &s) != 0 || !S_ISREG(s.st_mode) || static_cast<std::uintmax_t>(s.st_size) > kTailleLectureMax)) {
    ::close(m_fd);
    m_fd = -1;
  }
}

LectureFichier::~LectureFichier() {
  if (m_fd >= 0) ::close(m_fd);
}

bool LectureFichier::Lit(std::string& tampon) {
  constexpr std::size_t kBloc = 1 << 20;
  if (m_fd < 0 || m_interrompue) return false;
  const std::size_t avant = tampon.size();
  tampon.resize(avant + kBloc);
  ssize_t n = 0;
  do n = ::read(m_fd, tampon.data() + avant, kBloc);
  while (n < 0 && errno == EINTR);
  tampon.resize(avant + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
  m_lus += static_cast<std::size_t>(std::max<ssize_t>(n, 0));
  if (n < 0 || m_lus > kTailleLectureMax ||
      std::memchr(tampon.data() + avant, '\0', static_cast<std::size_t>(std::max<ssize_t>(n, 0))) != nullptr)
    m_interrompue = true;
  return n > 0 && !m_interrompue;
}

void EcritFichier(const std::string& chemin, const Producteur& produit) {
  if (chemin == "-") {
    if (const int erreur = Produit(STDOUT_FILENO, produit); erreur != 0)
      throw ErreurFichier(Erreur("cannot write", "standard output", erreur));
    return;
  }
  const std::string cible = Cible(chemin);
  struct stat existant {};
  const bool existe = ::stat(cible.c_str(), &existant) == 0;
  if (existe && !S_ISREG(existant.st_mode)) return EcritDirectement(cible, produit);

  // A name of its own (mkstemp opens it O_EXCL, never through a link), known to the signal
  // handler from the moment it exists: a leftover of an earlier run is never reused.
  std::vector<char> modele(cible.begin(), cible.end());
  for (char c : std::string(".tmp-XXXXXX")) modele.push_back(c);
  modele.push_back('\0');
  std::optional<CheminEnregistre> enregistre;
  int fd = -1;
  {
    SignauxRetenus retenus;
    fd = ::mkstemp(modele.data());
    if (fd >= 0) enregistre.emplace(modele.data());
  }
  if (fd < 0) throw ErreurFichier(Erreur("cannot create a temporary file beside", cible));
  const std::string temporaire(modele.data());
  // mkstemp makes the file private: give it the target's bits, or those of a new file.
  mode_t bits = existant.st_mode & 07777;
  if (!existe) {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    bits = 0666 & ~masque;
  }
  ::fchmod(fd, bits);
  int erreur = 0;
  try {
    erreur = Produit(fd, produit);
  } catch (...) {
    ::close(fd);
    ::unlink(temporaire.c_str());
    throw;
  }
  if (erreur == 0 && ::fsync(fd) != 0) erreur = errno;
  if (::close(fd) != 0 && erreur == 0) erreur = errno;
  if (erreur != 0) {
    ::unlink(temporaire.c_str());
    throw ErreurFichier(Erreur("cannot write", temporaire, erreur));
  }
  if (std::rename(temporaire.c_str(), cible.c_str()) != 0) {
    const int e = errno;
    ::unlink(temporaire.c_str());
    throw ErreurFichier(Erreur("cannot rename the temporary file to", cible, e));
  }
}

void EcritFichier(const std::string& chemin, const std::string& contenu) {
  EcritFichier(chemin, [&](const auto& ecrit) { ecrit(contenu); });
}

}  // namespace hote2072
