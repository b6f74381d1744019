// Outputs under attack: the PDF written as every other output, names planted beside it or in
// the temporary folder, a temporary folder whose name reads as an address, a browser that never
// ends, SIGINT and SIGTERM during a write or while printing. A stand-in browser (a script named
// chromium first on the PATH) prints the page it was given, or starts helpers and waits.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "aide_programme.h"
#include "systeme/fichiers.h"
#include "systeme/navigateur.h"
#include "systeme/nettoyage.h"

namespace {

namespace fs = std::filesystem;
using aide::Contenu;

// Prints "%PDF" then the page its address names, decoded as a browser decodes it; or starts
// three helpers in its group, says so, and waits for ever.
constexpr const char* kNavigateur = R"sh(#!/bin/bash
for a in "$@"; do case "$a" in --print-to-pdf=*) pdf="${a#--print-to-pdf=}";; esac; adresse="$a"; done
case "$FAUX_NAVIGATEUR" in
  imprime) chemin="${adresse#file://}"; chemin="$(printf '%b' "${chemin//%/\\x}")"
           { echo '%PDF'; cat "$chemin"; } > "$pdf";;
  attend) for k in 1 2 3; do sleep 1000 & echo $! >> "$FAUX_JOURNAL"; done
          echo $$ >> "$FAUX_JOURNAL"; echo "$TMPDIR" > "$FAUX_JOURNAL.pret"; wait;;
esac
)sh";

// A process that still runs (a zombie left to an init that does not reap counts as ended).
bool EnCours(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string ligne;
  if (!std::getline(stat, ligne)) return false;
  const auto parenthese = ligne.rfind(')');
  return parenthese != std::string::npos && ligne.size() > parenthese + 2 && ligne[parenthese + 2] != 'Z' &&
         ligne[parenthese + 2] != 'X';
}
// Still running after the few seconds a killed process may take to end.
bool Vivant(pid_t pid) {
  for (int k = 0; k < 250 && EnCours(pid); ++k) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return EnCours(pid);
}

std::vector<std::string> Contenus(const fs::path& dossier) {
  std::vector<std::string> noms;
  for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename().string());
  std::sort(noms.begin(), noms.end());
  return noms;
}

class Sorties : public aide::Programme {
 protected:
  void SetUp() override {
    aide::Programme::SetUp();
    fs::create_directories(Chemin("bin"));
    fs::create_directories(Chemin("temporaire"));
    Ecrit("bin/chromium", kNavigateur);
    fs::permissions(Chemin("bin/chromium"), fs::perms::owner_all);
  }
  // The program with the stand-in browser first on the PATH and a temporary folder of its own.
  std::string Environnement(const std::string& comportement, const std::string& temporaire = "temporaire") const {
    return "PATH='" + Chemin("bin").string() + "':\"$PATH\" TMPDIR='" + Chemin(temporaire).string() +
           "' FAUX_NAVIGATEUR=" + comportement + " FAUX_JOURNAL='" + Chemin("journal").string() + "' '" +
           SCI2072_PROGRAMME + "' ";
  }
  // Runs a command in the folder: its exit status, its standard error in erreur.txt.
  int Execute(const std::string& commande) const {
    const int brut =
        std::system(("cd '" + m_dossier.string() + "' && " + commande + " >/dev/null 2>erreur.txt").c_str());
    return WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
  }
  std::string Exemple() const { return "'" SCI2072_EXEMPLES "/sci-du-parc.json'"; }

  // Starts sci2072 in the background through a shell that execs it: its pid.
  pid_t Demarre(const std::string& commande) const {
    const pid_t pid = fork();
    if (pid == 0) {
      const std::string texte = "cd '" + m_dossier.string() + "' && exec env " + commande + " >/dev/null 2>erreur.txt";
      execl("/bin/sh", "sh", "-c", texte.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    return pid;
  }
  // Waits (within a minute) for the stand-in browser to be waiting.
  bool NavigateurPret() const {
    for (int k = 0; k < 3000 && !fs::exists(Chemin("journal.pret")); ++k)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fs::exists(Chemin("journal.pret"));
  }
  std::vector<pid_t> Enfants() const {
    std::vector<pid_t> pids;
    std::istringstream journal(Lit("journal"));
    for (pid_t p = 0; journal >> p;) pids.push_back(p);
    return pids;
  }
};

TEST_F(Sorties, PdfGoesThroughTheWriterOfEveryOutputAndIgnoresPlantedNames) {
  const std::string imprime = Environnement("imprime");
  // A private file stays private; a link writes its target; a pipe is written as it is.
  Ecrit("prive.pdf", "ancien");
  fs::permissions(Chemin("prive.pdf"), fs::perms::owner_read | fs::perms::owner_write);
  Ecrit("cible.pdf", "ancien");
  fs::create_symlink("cible.pdf", Chemin("lien.pdf"));
  // Names an earlier version used, or a killed run left, planted as links to a victim.
  Ecrit("victime", "intact");
  for (const char* plante : {"prive.pdf.tmp-pdf", "lien.pdf.tmp-pdf", "cible.pdf.tmp-pdf", "temporaire/rapport.html",
                             "temporaire/rapport.pdf", "prive.pdf.tmp-AAAAAA"})
    fs::create_symlink(Chemin("victime"), Chemin(plante));
  for (const char* sortie : {"prive.pdf", "lien.pdf"}) {
    ASSERT_EQ(Execute(imprime + "report " + Exemple() + " --pdf -o " + sortie), 0)
        << sortie << ": " << Lit("erreur.txt");
  }
  EXPECT_EQ(Lit("prive.pdf").substr(0, 5), "%PDF\n");
  EXPECT_NE(Lit("prive.pdf").find("SCI DU PARC"), std::string::npos);
  EXPECT_EQ(fs::status(Chemin("prive.pdf")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(fs::is_symlink(Chemin("lien.pdf")));
  EXPECT_EQ(Lit("cible.pdf"), Lit("prive.pdf"));
  EXPECT_EQ(Lit("victime"), "intact");
  ASSERT_EQ(::mkfifo(Chemin("tube").c_str(), 0600), 0);
  std::string lu;
  std::thread lecteur([&] { lu = Lit("tube"); });
  EXPECT_EQ(Execute(imprime + "report " + Exemple() + " --pdf -o tube"), 0);
  lecteur.join();
  EXPECT_EQ(lu, Lit("prive.pdf"));
  EXPECT_TRUE(fs::is_fifo(Chemin("tube")));

  // A temporary folder whose name holds what an address reads otherwise: the page printed is
  // the report, not a listing of a folder.
  for (const char* nom : {"t#m", "t?m", "t%41m", "t m", "t;m&n=1"}) {
    fs::create_directories(Chemin(nom));
    ASSERT_EQ(Execute(Environnement("imprime", nom) + "report " + Exemple() + " --pdf -o adresse.pdf"), 0)
        << nom << ": " << Lit("erreur.txt");
    EXPECT_NE(Lit("adresse.pdf").find("SCI DU PARC"), std::string::npos) << nom;
    EXPECT_TRUE(fs::is_empty(Chemin(nom))) << nom;
  }
  EXPECT_EQ(hote2072::AdresseFichier("/tmp/a b#c?d%e/é.html"), "file:///tmp/a%20b%23c%3Fd%25e/%C3%A9.html");
  EXPECT_EQ(Contenus(Chemin("temporaire")), (std::vector<std::string>{"rapport.html", "rapport.pdf"}));
}

// A browser that never ends is stopped at the delay, SIGTERM or SIGINT while it prints stop it
// too: every process of its group ends, our files go, the output is left as it was.
TEST_F(Sorties, BrowserStoppedAtTheDelayOrOnASignalLeavesNothing) {
  Ecrit("sortie.pdf", "ancien");
  const struct {
    int signal;  // 0: the delay ends it
  } cas[] = {{0}, {SIGTERM}, {SIGINT}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.signal);
    fs::remove(Chemin("journal"));
    fs::remove(Chemin("journal.pret"));
    const pid_t pid = Demarre(Environnement("attend") + "report " + Exemple() + " --pdf -o sortie.pdf" +
                              (c.signal == 0 ? " --pdf-timeout 1" : ""));
    ASSERT_TRUE(NavigateurPret());
    // The browser's temporary files went to the private folder, not beside ours.
    EXPECT_EQ(Lit("journal.pret").rfind(Chemin("temporaire").string() + "/sci2072-rapport-", 0), 0u);
    if (c.signal != 0) ::kill(pid, c.signal);
    int statut = 0;
    ASSERT_EQ(::waitpid(pid, &statut, 0), pid);
    if (c.signal == 0) {
      EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 1);
      EXPECT_NE(Lit("erreur.txt").find("did not finish printing within 1 s"), std::string::npos) << Lit("erreur.txt");
    } else {
      EXPECT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == c.signal) << statut;
    }
    const auto enfants = Enfants();
    EXPECT_EQ(enfants.size(), 4u);
    for (const pid_t enfant : enfants) EXPECT_FALSE(Vivant(enfant)) << enfant;
    EXPECT_TRUE(fs::is_empty(Chemin("temporaire")));
    EXPECT_EQ(Lit("sortie.pdf"), "ancien");
  }
}

// SIGINT or SIGTERM in the middle of a write: the temporary file beside the output goes, the
// output stays as it was; without the handler (a library's caller) nothing is removed.
TEST_F(Sorties, SignalDuringAWriteRemovesTheTemporaryFile) {
  for (const int signal : {SIGINT, SIGTERM}) {
    Ecrit("sortie.json", "ancien");
    const pid_t pid = fork();
    if (pid == 0) {
      hote2072::InstalleNettoyageSignaux();
      hote2072::EcritFichier(Chemin("sortie.json").string(), [&](const auto& ecrit) {
        ecrit(std::string(3 << 20, 'x'));  // beyond one write
        std::raise(signal);
      });
      _exit(0);
    }
    int statut = 0;
    ASSERT_EQ(::waitpid(pid, &statut, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == signal);
    EXPECT_EQ(Lit("sortie.json"), "ancien");
    EXPECT_EQ(Contenus(m_dossier), (std::vector<std::string>{"bin", "sortie.json", "temporaire"}));
  }
}

}  // namespace
