// Printing the report to PDF through a headless browser found on the PATH.
#include "systeme/navigateur.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>


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

}  // namespace

bool ImprimePdf(const std::string& html, const std::string& sortie, std::string& erreur) {
  const std::string navigateur = TrouveNavigateur();
  if (navigateur.empty()) {
    erreur = "--pdf needs a headless browser: install chromium (Debian: apt-get install chromium)";
    return false;
  }
  std::string modele = (fs::temp_directory_path() / "sci2072-rapport-XXXXXX").string();
  if (!mkdtemp(modele.data())) {
    erreur = "cannot create a temporary folder for printing";
    return false;
  }
  const fs::path dossier = modele, page = dossier / "rapport.html", pdf = dossier / "rapport.pdf";
  std::ofstream(page, std::ios::binary) << html;
  const std::string optionPdf = "--print-to-pdf=" + pdf.string(), profil = "--user-data-dir=" + (dossier / "profil").string();
  const std::string url = "file://" + page.string();
  std::vector<std::string> arguments{navigateur, "--headless", "--no-sandbox", "--disable-gpu", "--no-pdf-header-footer",
                                     profil, optionPdf, url};
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int statut = -1;
  const bool lance = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (lance) waitpid(pid, &statut, 0);
  std::error_code e;
  const bool ecrit = lance && WIFEXITED(statut) && WEXITSTATUS(statut) == 0 && fs::file_size(pdf, e) > 0 && !e;
  if (ecrit) {
    // Beside the destination first, so that the rename is atomic.
    const fs::path provisoire = fs::path(sortie).concat(".tmp-pdf");
    fs::copy_file(pdf, provisoire, fs::copy_options::overwrite_existing, e);
    if (!e) fs::rename(provisoire, sortie, e);
    if (e) {
      fs::remove(provisoire, e);
      erreur = "cannot write " + sortie;
    }
  } else {
    erreur = navigateur + " could not print the report";
  }
  fs::remove_all(dossier, e);
  return erreur.empty();
}

}  // namespace hote2072
