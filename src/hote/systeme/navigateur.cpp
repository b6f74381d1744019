// Printing the report to PDF through a headless browser found on the PATH.
#include "systeme/navigateur.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <thread>
#include <vector>

#include "systeme/fichiers.h"
#include "systeme/nettoyage.h"

extern char** environ;

namespace hote2072 {

namespace {

namespace fs = std::filesystem;

std::string TrouveNavigateur() {
  const char* path = std::getenv("PATH");
  std::string chemins = path ? path : "";
  for (const char* nom : {"chromium", "chromium-browser"}) {
    std::size_t debut = 0;
    while (debut <= chemins.size()) {
      const std::size_t fin = std::min(chemins.find(':', debut), chemins.size());
      const fs::path candidat = fs::path(chemins.substr(debut, fin - debut)) / nom;
      if (fin > debut && access(candidat.c_str(), X_OK) == 0) return candidat.string();
      debut = fin + 1;
    }
  }
  return {};
}

// Creates the page in the private folder: a new file (O_EXCL), never through a link.
bool EcritPage(const fs::path& page, const std::string& html) {
  const int fd = ::open(page.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::size_t fait = 0;
  while (fait < html.size()) {
    const ssize_t n = ::write(fd, html.data() + fait, html.size() - fait);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    fait += static_cast<std::size_t>(n);
  }
  return ::close(fd) == 0 && fait == html.size();
}

// Starts the browser as the leader of a process group of its own, registered before any
// signal can arrive, its signals as a new program's, its temporary files in `dossier`.
pid_t Lance(std::vector<std::string> arguments, const std::string& dossier,
            std::optional<EnfantEnregistre>& enregistre) {
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::string temporaire = "TMPDIR=" + dossier;
  std::vector<char*> env;
  for (char** v = environ; *v != nullptr; ++v)
    if (std::string_view(*v).rfind("TMPDIR=", 0) != 0) env.push_back(*v);
  env.push_back(temporaire.data());
  env.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributs;
  posix_spawnattr_init(&attributs);
  sigset_t aucun, defaut;
  sigemptyset(&aucun);
  sigemptyset(&defaut);
  sigaddset(&defaut, SIGINT);
  sigaddset(&defaut, SIGTERM);
  posix_spawnattr_setflags(&attributs, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  posix_spawnattr_setpgroup(&attributs, 0);
  posix_spawnattr_setsigmask(&attributs, &aucun);
  posix_spawnattr_setsigdefault(&attributs, &defaut);
  pid_t pid = 0;
  {
    SignauxRetenus retenus;
    if (posix_spawn(&pid, argv[0], &actions, &attributs, argv.data(), env.data()) != 0) pid = 0;
    if (pid > 0) enregistre.emplace(pid);
  }
  posix_spawnattr_destroy(&attributs);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Waits for the browser at most `delai` seconds, then stops its whole group; in any case
// stops what of the group outlives its leader, while the unreaped leader still holds the
// group's number. True when the browser ended by itself with status 0.
bool Attend(pid_t pid, int delai, bool& expire) {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(delai);
  for (;;) {
    siginfo_t fin{};
    if (::waitid(P_PID, static_cast<id_t>(pid), &fin, WEXITED | WNOHANG | WNOWAIT) < 0 && errno != EINTR) return false;
    if (fin.si_pid == pid) break;
    if (std::chrono::steady_clock::now() >= limite) {
      expire = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(-pid, SIGKILL);
  int statut = 0;
  while (::waitpid(pid, &statut, 0) < 0 && errno == EINTR) {
  }
  return !expire && WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

}  // namespace

std::string AdresseFichier(const std::string& chemin) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string adresse = "file://";
  for (const char c : chemin) {
    const auto o = static_cast<unsigned char>(c);
    if ((o >= 'a' && o <= 'z') || (o >= 'A' && o <= 'Z') || (o >= '0' && o <= '9') || c == '-' || c == '.' ||
        c == '_' || c == '~' || c == '/')
      adresse += c;
    else
      adresse.append(1, '%').append(1, kHex[o >> 4]).append(1, kHex[o & 15]);
  }
  return adresse;
}

std::optional<std::string> ImprimePdf(const std::string& html, int delai, std::string& erreur) {
  const std::string navigateur = TrouveNavigateur();
  if (navigateur.empty()) {
    erreur = "--pdf needs a headless browser: install chromium (Debian: apt-get install chromium)";
    return std::nullopt;
  }
  std::error_code e;
  const fs::path temporaire = fs::temp_directory_path(e);
  std::string modele = (temporaire / "sci2072-rapport-XXXXXX").string();
  std::optional<CheminEnregistre> enregistre;
  {
    SignauxRetenus retenus;
    if (e || mkdtemp(modele.data()) == nullptr) {
      erreur = "cannot create a private temporary folder for printing in " + temporaire.string();
      return std::nullopt;
    }
    enregistre.emplace(modele);
  }
  const fs::path dossier = fs::absolute(modele, e), page = dossier / "rapport.html", pdf = dossier / "rapport.pdf";
  std::optional<std::string> resultat;
  if (!EcritPage(page, html)) {
    erreur = "cannot write the page to print in " + dossier.string();
  } else {
    std::optional<EnfantEnregistre> enfant;
    const pid_t pid = Lance({navigateur, "--headless", "--no-sandbox", "--disable-gpu", "--no-pdf-header-footer",
                             "--user-data-dir=" + (dossier / "profil").string(), "--print-to-pdf=" + pdf.string(),
                             AdresseFichier(page.string())},
                            dossier.string(), enfant);
    bool expire = false;
    const bool imprime = pid > 0 && Attend(pid, delai, expire);
    enfant.reset();
    if (expire) {
      erreur = navigateur + " did not finish printing within " + std::to_string(delai) +
               " s and was stopped (--pdf-timeout gives it longer)";
    } else if (!imprime) {
      erreur = navigateur + " could not print the report";
    } else {
      try {
        resultat = LitFichier(pdf.string());
      } catch (const ErreurFichier&) {
      }
      if (!resultat || resultat->empty()) {
        resultat.reset();
        erreur = navigateur + " printed nothing";
      }
    }
  }
  fs::remove_all(dossier, e);
  return resultat;
}

}  // namespace hote2072
