#include "fichiers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <vector>

namespace hote2072 {

namespace {

std::string Erreur(const std::string& quoi, const std::string& chemin) {
  return quoi + " " + chemin + ": " + std::strerror(errno);
}

bool EcritTout(int fd, const std::string& contenu) {
  std::size_t fait = 0;
  while (fait < contenu.size()) {
    const ssize_t n = ::write(fd, contenu.data() + fait, contenu.size() - fait);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    fait += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string LitFichier(const std::string& chemin) {
  if (chemin == "-") {
    std::ostringstream tout;
    tout << std::cin.rdbuf();
    if (std::cin.bad()) throw ErreurFichier("cannot read standard input");
    return tout.str();
  }
  std::ifstream entree(chemin, std::ios::binary);
  if (!entree) throw ErreurFichier(Erreur("cannot open", chemin));
  std::string contenu((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
  if (entree.bad()) throw ErreurFichier(Erreur("cannot read", chemin));
  return contenu;
}

void EcritFichier(const std::string& chemin, const std::string& contenu) {
  if (chemin == "-") {
    std::cout << contenu << std::flush;
    if (!std::cout) throw ErreurFichier("cannot write standard output");
    return;
  }
  std::vector<char> modele(chemin.begin(), chemin.end());
  for (char c : std::string(".tmp-XXXXXX")) modele.push_back(c);
  modele.push_back('\0');
  const int fd = ::mkstemp(modele.data());
  if (fd < 0) throw ErreurFichier(Erreur("cannot create a temporary file beside", chemin));
  const std::string temporaire(modele.data());
  // mkstemp makes the file private; a declaration is an ordinary file.
  const mode_t masque = ::umask(0);
  ::umask(masque);
  ::fchmod(fd, 0666 & ~masque);
  const bool ecrit = EcritTout(fd, contenu) && ::fsync(fd) == 0;
  const int erreur = errno;
  if (::close(fd) != 0 || !ecrit) {
    ::unlink(temporaire.c_str());
    errno = ecrit ? errno : erreur;
    throw ErreurFichier(Erreur("cannot write", temporaire));
  }
  if (std::rename(temporaire.c_str(), chemin.c_str()) != 0) {
    const int e = errno;
    ::unlink(temporaire.c_str());
    errno = e;
    throw ErreurFichier(Erreur("cannot rename the temporary file to", chemin));
  }
}

}  // namespace hote2072
