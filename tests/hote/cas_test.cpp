// Computation cases as data: each tests/cas/NAME.json (a declaration file) computed by the
// program gives the values NAME.attendu.json lists, each named by its record, field and index
// (a "note" says how the figure comes about); a null value is a figure left at its default,
// which the output does not write. A new case is two files, no code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "aide_programme.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path kDossierCas = fs::path(SCI2072_EXEMPLES).parent_path() / "tests" / "cas";

std::vector<std::string> Cas() {
  std::vector<std::string> noms;
  for (const auto& e : fs::directory_iterator(kDossierCas)) {
    const std::string nom = e.path().filename().string();
    const std::string suffixe = ".attendu.json";
    if (nom.size() > suffixe.size() && nom.ends_with(suffixe))
      noms.push_back(nom.substr(0, nom.size() - suffixe.size()));
  }
  std::sort(noms.begin(), noms.end());
  return noms;
}

// "TBulletin2072 TotalRevenuOuDeficit {"301":0}": what names one value of the output.
std::string Cle(const json& valeur) {
  return valeur.value("record", "") + " " + valeur.value("field", "") + " " +
         valeur.value("index", json::object()).dump();
}

class CasDeCalcul : public aide::Programme, public ::testing::WithParamInterface<std::string> {};

TEST_P(CasDeCalcul, ComputesTheExpectedValues) {
  const fs::path source = kDossierCas / (GetParam() + ".json");
  const aide::Resultat r = Lance("compute '" + source.string() + "' -o calcul.json");
  ASSERT_EQ(r.statut, 0) << r.erreur;
  const json calcul = json::parse(Lit("calcul.json"));
  std::map<std::string, std::string> valeurs;
  for (const json& lettre : calcul.at("letters")) valeurs[Cle(lettre)] = lettre.at("value").get<std::string>();

  const json attendu = json::parse(aide::Contenu(kDossierCas / (GetParam() + ".attendu.json")));
  ASSERT_FALSE(attendu.empty());
  for (const json& a : attendu) {
    const auto trouve = valeurs.find(Cle(a));
    if (a.at("value").is_null()) {
      EXPECT_TRUE(trouve == valeurs.end())
          << Cle(a) << " is " << trouve->second << ", not its default: " << a.value("note", "");
      continue;
    }
    ASSERT_NE(trouve, valeurs.end()) << Cle(a) << " is not in the output";
    EXPECT_EQ(trouve->second, a.at("value").get<std::string>()) << Cle(a) << ": " << a.value("note", "");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CasDeCalcul, ::testing::ValuesIn(Cas()), [](const auto& info) {
  std::string nom = info.param;
  std::replace_if(
      nom.begin(), nom.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return nom;
});

}  // namespace
