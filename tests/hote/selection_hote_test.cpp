// The built sci2072 selecting letters: `select` and `compute --selected` on the examples,
// restricted to a record and to codes, and refusing bad arguments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

#include "aide_programme.h"
#include "format/fichierjson.h"
#include "systeme/fichiers.h"

namespace {

namespace fs = std::filesystem;
using aide::Resultat;
using hote2072::FichierDeclaration;
using hote2072::Index;

const std::string kParc = std::string(SCI2072_EXEMPLES) + "/sci-du-parc.json";
const std::string kRestanques = std::string(SCI2072_EXEMPLES) + "/sci-les-restanques.json";

class SelectionHote : public aide::Programme {
 protected:
  // A declaration file the program wrote.
  FichierDeclaration Declaration(const std::string& nom) const {
    hote2072::Rapport rapport;
    auto f = hote2072::LitJson(Lit(nom), rapport);
    EXPECT_TRUE(f.has_value()) << nom;
    return f.value_or(FichierDeclaration{});
  }
};

// The JSON line `select --json` prints for a letter.
std::string Ligne(int code, const std::string& index, const std::string& champ, const std::string& decision,
                  const std::string& valeur) {
  return "{\"code\": " + std::to_string(code) + ", \"index\": " + index + ", \"field\": \"" + champ +
         "\", \"decision\": \"" + decision + "\", \"value\": \"" + valeur + "\"}";
}

// Position of the first partner of the example whose Type (12520) is `type`.
int PositionAssocie(const std::string& exemple, const std::string& type) {
  hote2072::Rapport rapport;
  const auto f = hote2072::LitJson(hote2072::LitFichier(exemple), rapport);
  for (const auto& l : f.value().lettres)
    if (l.code == 12520 && l.valeur == type) return l.index.at(0).second;
  return -1;
}

// {"301": 1}, as select writes an index.
std::string IndexJson(const Index& index) {
  std::string texte = "{";
  for (const auto& [cle, position] : index)
    texte += (texte.size() > 1 ? ", \"" : "\"") + std::to_string(cle) + "\": " + std::to_string(position);
  return texte + "}";
}

// The decision of each letter (code, index) in the output of select --json.
std::map<std::pair<int, std::string>, std::string> Decisions(const std::string& json) {
  static const std::regex ligne(R"re(\{"code": (\d+), "index": (\{[^}]*\}), .*"decision": "(\w+)")re");
  std::map<std::pair<int, std::string>, std::string> decisions;
  for (std::sregex_iterator it(json.begin(), json.end(), ligne), fin; it != fin; ++it)
    decisions[{std::stoi((*it)[1]), (*it)[2]}] = (*it)[3];
  return decisions;
}

std::size_t Occurrences(const std::string& texte, const std::string& motif) {
  std::size_t n = 0;
  for (std::size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
  return n;
}

TEST_F(SelectionHote, SelectListsEveryLetterOfEveryRecordWithItsDecision) {
  for (const std::string& exemple : {kParc, kRestanques}) {
    const Resultat json = Lance("select '" + exemple + "' --json");
    ASSERT_EQ(json.statut, 0) << json.erreur;
    ASSERT_EQ(Lance("compute '" + exemple + "' --all -o tout.json").statut, 0);
    const std::size_t lettres = Declaration("tout.json").lettres.size();
    EXPECT_EQ(Occurrences(json.sortie, "{\"code\": "), lettres) << exemple;
    EXPECT_EQ(json.sortie.front(), '[');
    // A natural person's partners never show a legal person's name.
    const int physique = PositionAssocie(exemple, "1");
    const std::string indexPhysique = "{\"301\": " + std::to_string(physique) + "}";
    EXPECT_NE(json.sortie.find(Ligne(12064, indexPhysique, "Denomination", "dropped", "")), std::string::npos);

    const Resultat table = Lance("select '" + exemple + "'");
    ASSERT_EQ(table.statut, 0) << table.erreur;
    EXPECT_EQ(static_cast<std::size_t>(std::count(table.sortie.begin(), table.sortie.end(), '\n')), lettres + 1);
    EXPECT_EQ(table.sortie.rfind("code   index", 0), 0u);

    // The written view holds exactly the letters kept or marked, every default included.
    ASSERT_EQ(Lance("compute '" + exemple + "' --selected -o vue.json").statut, 0);
    const FichierDeclaration vue = Declaration("vue.json");
    const auto decisions = Decisions(json.sortie);
    EXPECT_EQ(decisions.size(), lettres);
    EXPECT_EQ(vue.lettres.size(), lettres - Occurrences(json.sortie, "\"decision\": \"dropped\"")) << exemple;
    for (const auto& l : vue.lettres) {
      const auto it = decisions.find({static_cast<int>(l.code), IndexJson(l.index)});
      ASSERT_NE(it, decisions.end()) << l.code;
      EXPECT_NE(it->second, "dropped") << l.code;
    }
    // It is a declaration file: it loads.
    const Resultat relu = Lance("compute vue.json -o relu.json");
    EXPECT_EQ(relu.statut, 0) << relu.erreur;
  }
}

TEST_F(SelectionHote, ALegalPersonPartnerShowsItsNameAndDropsItsBirth) {
  const int morale = PositionAssocie(kRestanques, "2");
  ASSERT_GE(morale, 0);
  const std::string index = std::to_string(morale);
  const Resultat r = Lance("select '" + kRestanques + "' --index 301=" + index + " --codes 12064,12061,12055 --json");
  ASSERT_EQ(r.statut, 0) << r.erreur;
  const std::string i = "{\"301\": " + index + "}";
  // In dictionary order, whatever the order of --codes.
  EXPECT_EQ(r.sortie, "[\n " + Ligne(12055, i, "Nom", "dropped", "") + ",\n " +
                          Ligne(12061, i, "DepartementNaissance", "dropped", "1") + ",\n " +
                          Ligne(12064, i, "Denomination", "kept", "FABRE PARTICIPATIONS") + "\n]\n");
}

TEST_F(SelectionHote, ATransferBetweenPartnersMarksTheirIdentities) {
  const Resultat r = Lance("select '" + kParc + "' --index 309=0 --codes 12710,12718,12726");
  ASSERT_EQ(r.statut, 0) << r.erreur;
  EXPECT_NE(r.sortie.find("12710  {309: 0}           NomCessionnaire"), std::string::npos) << r.sortie;
  EXPECT_EQ(Occurrences(r.sortie, " marked "), 2u) << r.sortie;
  EXPECT_EQ(Occurrences(r.sortie, " kept "), 1u) << r.sortie;
  // An empty index names the declaration's own letters.
  const Resultat racine = Lance("select '" + kParc + "' --index '' --json");
  ASSERT_EQ(racine.statut, 0) << racine.erreur;
  EXPECT_EQ(Occurrences(racine.sortie, "\"code\": 12003"), 1u);
  EXPECT_EQ(Occurrences(racine.sortie, "\"index\": {}"), Occurrences(racine.sortie, "\"code\": "));
  // Each code the screen does not hold is named; none held is a usage error.
  const Resultat partiel = Lance("select '" + kParc + "' --index 309=0 --codes 12055,12726,12003 --json");
  EXPECT_EQ(partiel.statut, 0);
  EXPECT_EQ(Occurrences(partiel.sortie, "\"code\": "), 1u) << partiel.sortie;
  EXPECT_EQ(partiel.erreur,
            "sci2072 select: letter 12003 (SocieteNom of TInfogene2072) is not on the screen of --index 309=0\n"
            "sci2072 select: letter 12055 (Nom of TAssocie2072) is not on the screen of --index 309=0\n");
  const Resultat aucun = Lance("select '" + kParc + "' --index 301=0 --codes 12003 --json");
  EXPECT_EQ(aucun.statut, 2);
  EXPECT_EQ(aucun.sortie, "");
  EXPECT_NE(aucun.erreur.find("letter 12003"), std::string::npos);
}

TEST_F(SelectionHote, BadArgumentsAreUsageErrorsAndBadFilesInvalidInput) {
  for (const char* arguments : {"--index 301=-1", "--index 301=9", "--index 299=0", "--index 301=0,301=1",
                                "--index 303=0", "--index 301", "--index 301=x", "--codes 12004", "--codes 12172",
                                "--codes 12055,", "--codes abc", "--index 301=0 --codes 99999999999", "--vite"}) {
    const Resultat r = Lance("select '" + kParc + "' " + arguments);
    EXPECT_EQ(r.statut, 2) << arguments << ": " << r.sortie;
    EXPECT_NE(r.erreur, "") << arguments;
    EXPECT_EQ(r.sortie, "") << arguments;
  }
  EXPECT_EQ(Lance("select absent.json").statut, 1);
  EXPECT_EQ(Lance("select").statut, 2);
  EXPECT_EQ(Lance("compute absent.json --selected").statut, 1);
}

}  // namespace
