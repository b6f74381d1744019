// Values a file gives against what the form knows of them: coded fields against their lists
// (refused), registration numbers, postal codes and the year against their shapes (warned),
// letters named by their field. The cases are the data file valeurs.json beside this one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>

#include "aide_programme.h"
#include "chargement/chargement.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"

namespace {

using namespace hote2072;
using Json = nlohmann::json;

std::vector<std::string> Textes(const Json& lignes) {
  std::vector<std::string> t;
  for (const Json& l : lignes) t.push_back(l.get<std::string>());
  return t;
}

const std::string kCas =
    (std::filesystem::path(SCI2072_EXEMPLES).parent_path() / "tests" / "hote" / "valeurs.json").string();

TEST(Valeurs, EachBadFileIsRefusedOrWarnedWithItsMessage) {
  std::ifstream f(kCas);
  ASSERT_TRUE(f) << kCas;
  for (const Json& cas : Json::parse(f)) {
    Json fichier = {{"format", "sci2072-declaration"}, {"version", 1}, {"letters", cas["letters"]}};
    if (cas.contains("year")) fichier["year"] = cas["year"];
    Rapport rapport;
    if (const auto lu = LitJson(fichier.dump(), rapport)) Charge(*lu, rapport);
    EXPECT_EQ(rapport.problemes(), Textes(cas.value("problems", Json::array()))) << cas["about"];
    EXPECT_EQ(rapport.avertissements(), Textes(cas.value("warnings", Json::array()))) << cas["about"];
  }
}

// A file whose letters name only their fields (and the record where the levels do not settle
// it) loads to the declaration its codes give.
TEST(Valeurs, ExamplesWrittenByFieldNamesLoadAsWithCodes) {
  for (const char* exemple : {"sci-du-parc", "sci-les-restanques"}) {
    std::ifstream f(std::string(SCI2072_EXEMPLES) + "/" + exemple + ".json");
    Json avecCodes = Json::parse(f), parNoms = avecCodes;
    for (Json& lettre : parNoms["letters"]) {
      const auto* e = zorfiscal2072::EntreeDictionnaire2072(lettre["code"].get<int>());
      ASSERT_NE(e, nullptr);
      lettre.erase("code");
      lettre["field"] = e->lettre.champ;
      lettre["record"] = e->enregistrement;
    }
    Rapport r1, r2;
    const auto a = Charge(*LitJson(avecCodes.dump(), r1), r1);
    const auto b = Charge(*LitJson(parNoms.dump(), r2), r2);
    ASSERT_TRUE(a && b) << exemple << ": " << (r2.vide() ? "" : r2.problemes().front());
    EXPECT_EQ(Ecrit(*a, true), Ecrit(*b, true)) << exemple;
  }
}

class Avertissements : public aide::Programme {};

// Warnings go to standard error, one line each, whatever the command; the file still loads.
TEST_F(Avertissements, EveryCommandShowsThemAndGoesOn) {
  Ecrit("in.json", R"({"format": "sci2072-declaration", "version": 1, "year": 2012, "letters": [
    {"code": 12003, "value": "SCI"}, {"code": 12544, "value": "123"}]})");
  const std::string attendu =
      "in.json: warning: \"year\" 2012: this engine computes the 2011 return; the figures follow 2011's rules\n"
      "in.json: warning: letter 2: code 12544 (NumeroSIREN of TInfogene2072), index {}, value \"123\": a SIREN "
      "number has 9 digits\n";
  for (const char* commande : {"compute in.json -o out.json", "summary in.json", "report in.json -o out.html"}) {
    // then, for compute, the count of the screen checks' messages
    const aide::Resultat r = Lance(commande);
    EXPECT_EQ(r.statut, 0) << commande;
    EXPECT_EQ(r.erreur.substr(0, attendu.size()), attendu) << commande;
  }
  EXPECT_EQ(Lance("check in.json").erreur.substr(0, attendu.size()), attendu);
}

}  // namespace
