#include "systeme/nettoyage.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace hote2072 {

namespace {

// A slot is free (0), being filled (1) or holds a path or a child (2); the handler reads only
// full slots, so a signal in the middle of a registration sees nothing half-written.
enum Etat : int { kLibre, kEnCours, kPlein };

struct CaseChemin {
  std::atomic<int> etat{kLibre};
  char chemin[PATH_MAX];
};
struct CaseEnfant {
  std::atomic<int> etat{kLibre};
  pid_t groupe = 0;
};

// A few of each are alive at once: one output and one printing folder.
CaseChemin gChemins[8];
CaseEnfant gEnfants[4];

template <class Case, std::size_t N>
int Reserve(Case (&cases)[N]) {
  for (std::size_t k = 0; k < N; ++k) {
    int libre = kLibre;
    if (cases[k].etat.compare_exchange_strong(libre, kEnCours)) return static_cast<int>(k);
  }
  return -1;
}

// Removes a file, or a folder with everything in it, with system calls only (no allocation,
// no lock): a folder's entries are read in batches and removed until it is empty. Folders
// nest at most `profondeur` deep; deeper ones stay.
void Supprime(int dossier, const char* nom, int profondeur) {
  if (::unlinkat(dossier, nom, 0) == 0 || errno == ENOENT) return;
  if ((errno != EISDIR && errno != EPERM) || profondeur == 0) return;
  const int fd = ::openat(dossier, nom, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  alignas(8) char tampon[2048];
  for (int passe = 0; passe < 1000; ++passe) {
    ::lseek(fd, 0, SEEK_SET);
    const long n = ::syscall(SYS_getdents64, fd, tampon, sizeof tampon);
    if (n <= 0) break;
    bool supprime = false;
    for (long p = 0; p < n;) {
      struct Entree {  // the kernel's record of one entry
        std::uint64_t inode;
        std::int64_t suivante;
        unsigned short longueur;
        unsigned char type;
        char nom[1];
      };
      const auto* e = reinterpret_cast<const Entree*>(tampon + p);
      p += e->longueur;
      if (std::strcmp(e->nom, ".") == 0 || std::strcmp(e->nom, "..") == 0) continue;
      Supprime(fd, e->nom, profondeur - 1);
      supprime = true;
    }
    if (!supprime) break;
  }
  ::close(fd);
  ::unlinkat(dossier, nom, AT_REMOVEDIR);
}

void Gestionnaire(int signal) {
  const int erreur = errno;
  for (CaseEnfant& c : gEnfants)
    if (c.etat.load() == kPlein) ::kill(-c.groupe, SIGKILL);
  for (CaseEnfant& c : gEnfants)
    if (c.etat.load() == kPlein) ::waitpid(c.groupe, nullptr, 0);  // its group dies with it
  for (int passe = 0; passe < 2; ++passe)                          // a second time for what a dying child still wrote
    for (CaseChemin& c : gChemins)
      if (c.etat.load() == kPlein) Supprime(AT_FDCWD, c.chemin, 16);
  errno = erreur;
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

sigset_t Signaux() {
  sigset_t s;
  sigemptyset(&s);
  sigaddset(&s, SIGINT);
  sigaddset(&s, SIGTERM);
  return s;
}

}  // namespace

void InstalleNettoyageSignaux() {
  struct sigaction action {};
  action.sa_handler = Gestionnaire;
  action.sa_mask = Signaux();  // one handler at a time
  for (const int signal : {SIGINT, SIGTERM}) {
    struct sigaction avant {};
    // A signal ignored when the program started (a job in the background) stays ignored.
    if (::sigaction(signal, nullptr, &avant) == 0 && avant.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
}

CheminEnregistre::CheminEnregistre(const std::string& chemin) : m_case(-1) {
  if (chemin.size() >= PATH_MAX) return;
  m_case = Reserve(gChemins);
  if (m_case < 0) return;
  CaseChemin& c = gChemins[m_case];
  std::memcpy(c.chemin, chemin.c_str(), chemin.size() + 1);
  c.etat.store(kPlein);
}

CheminEnregistre::~CheminEnregistre() {
  if (m_case >= 0) gChemins[m_case].etat.store(kLibre);
}

EnfantEnregistre::EnfantEnregistre(pid_t groupe) : m_case(Reserve(gEnfants)) {
  if (m_case < 0) return;
  gEnfants[m_case].groupe = groupe;
  gEnfants[m_case].etat.store(kPlein);
}

EnfantEnregistre::~EnfantEnregistre() {
  if (m_case >= 0) gEnfants[m_case].etat.store(kLibre);
}

SignauxRetenus::SignauxRetenus() {
  const sigset_t s = Signaux();
  ::pthread_sigmask(SIG_BLOCK, &s, &m_avant);
}

SignauxRetenus::~SignauxRetenus() { ::pthread_sigmask(SIG_SETMASK, &m_avant, nullptr); }

}  // namespace hote2072
