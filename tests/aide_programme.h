// The built sci2072 run in a temporary folder of its own, for the host's end-to-end tests.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace aide {

struct Resultat {
  int statut;
  std::string sortie, erreur;
};

// Reads a whole file as bytes; empty when it cannot be read.
inline std::string Contenu(const std::filesystem::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream tout;
  tout << f.rdbuf();
  return tout.str();
}

class Programme : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (std::filesystem::temp_directory_path() / "sci2072-XXXXXX").string();
    ASSERT_NE(mkdtemp(modele.data()), nullptr);
    m_dossier = modele;
  }
  void TearDown() override { std::filesystem::remove_all(m_dossier); }

  std::filesystem::path Chemin(const std::string& nom) const { return m_dossier / nom; }
  std::string Lit(const std::string& nom) const { return Contenu(Chemin(nom)); }
  std::filesystem::path Ecrit(const std::string& nom, const std::string& contenu) const {
    std::ofstream(Chemin(nom), std::ios::binary) << contenu;
    return Chemin(nom);
  }

  // Runs sci2072 with `arguments` (already quoted where needed) in the folder, capturing both
  // outputs; statut is -1 when the program did not exit by itself.
  Resultat Lance(const std::string& arguments) const {
    const std::string commande =
        "cd '" + m_dossier.string() + "' && '" SCI2072_PROGRAMME "' " + arguments + " > stdout.txt 2> stderr.txt";
    const int brut = std::system(commande.c_str());
    return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, Lit("stdout.txt"), Lit("stderr.txt")};
  }

  std::filesystem::path m_dossier;
};

}  // namespace aide
