// The form's parameters are all read by the rules: a rate or a date that no rule reads would
// be a parameter the computation silently ignores. The names are taken from the parameters
// file itself, so a new parameter is checked without being listed again here.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Lit(const fs::path& chemin) {
  std::ifstream flux(chemin);
  std::stringstream texte;
  texte << flux.rdbuf();
  return texte.str();
}

bool EstDansUnNom(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// `nom` stands in `texte` as a whole name.
bool Contient(const std::string& texte, const std::string& nom) {
  for (std::size_t p = texte.find(nom); p != std::string::npos; p = texte.find(nom, p + 1)) {
    const bool debut = p == 0 || !EstDansUnNom(texte[p - 1]);
    const bool fin = p + nom.size() == texte.size() || !EstDansUnNom(texte[p + nom.size()]);
    if (debut && fin) return true;
  }
  return false;
}

}  // namespace

TEST(Parameters, EveryParameterIsReadByARule) {
  const fs::path sources = fs::path(__FILE__).parent_path().parent_path().parent_path() / "src";
  const fs::path fichier = sources / "2072" / "parametres2072.h";
  const std::string parametres = Lit(fichier);
  std::string regles;
  for (const auto& entree : fs::recursive_directory_iterator(sources))
    if (entree.is_regular_file() && entree.path() != fichier) regles += Lit(entree.path());

  const std::regex declaration(R"(inline constexpr [\w:]+ (k\w+))");
  int nombre = 0;
  for (std::sregex_iterator it(parametres.begin(), parametres.end(), declaration), fin; it != fin; ++it, ++nombre)
    EXPECT_TRUE(Contient(regles, (*it)[1])) << (*it)[1] << " is read by no rule";
  EXPECT_GE(nombre, 20) << "the parameters were not found in " << fichier;
}
