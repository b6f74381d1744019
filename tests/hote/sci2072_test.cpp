// The built sci2072 run on files: examples, round trips, every kind of bad input, usage.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "aide_hote.h"
#include "aide_programme.h"
#include "format/fichierjson.h"
#include "lettres.h"

namespace {

namespace fs = std::filesystem;
using aide::Resultat;

class Sci2072 : public aide::Programme {
 protected:
  // Files the program left in the folder, besides its captured output.
  std::vector<std::string> Fichiers() const {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(m_dossier)) noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
  }
};

// The figures of each example, as committed next to it: any change of a figure shows here.
// After a deliberate change: sci2072 compute examples/X.json -o examples/X.computed.json
TEST_F(Sci2072, ExamplesComputeToTheirCommittedFiguresThroughFilesPipesAndCompactOutput) {
  for (const char* exemple : {"sci-du-parc", "sci-les-restanques"}) {
    const std::string source = std::string(SCI2072_EXEMPLES) + "/" + exemple + ".json";
    const Resultat r = Lance("compute '" + source + "' -o out.json");
    ASSERT_EQ(r.statut, 0) << exemple << ": " << r.erreur;
    EXPECT_EQ(r.sortie, "");
    // Standard error names only the count of the messages that check lists.
    const Resultat check = Lance("check '" + source + "'");
    const auto n = std::count(check.sortie.begin(), check.sortie.end(), '\n');
    EXPECT_EQ(r.erreur, n == 0   ? ""
                        : n == 1 ? "1 message: run sci2072 check on this file to list them\n"
                                 : std::to_string(n) + " messages: run sci2072 check on this file to list them\n");
    // The first line that differs, rather than two whole files.
    const std::string sortie = Lit("out.json");
    std::istringstream calcule(sortie), attendu(aide::Contenu(source.substr(0, source.size() - 5) + ".computed.json"));
    std::string a, b;
    for (int ligne = 1; calcule || attendu; ++ligne) {
      a.clear(), b.clear();
      std::getline(calcule, a), std::getline(attendu, b);
      ASSERT_EQ(a, b) << exemple << ".computed.json, line " << ligne;
    }
    // Standard input and output give the same text; computing the output again changes nothing.
    const Resultat tuyau = Lance("compute - < out.json");
    EXPECT_EQ(tuyau.statut, 0) << tuyau.erreur;
    EXPECT_EQ(tuyau.sortie, sortie) << exemple;
    // The compact form leaves out the names and reads back the same.
    ASSERT_EQ(Lance("compute '" + source + "' --compact -o compact.json").statut, 0);
    const std::string compact = Lit("compact.json");
    EXPECT_EQ(compact.find("\"field\""), std::string::npos);
    EXPECT_LT(compact.size(), sortie.size());
    EXPECT_EQ(Lance("compute compact.json").sortie, sortie) << exemple;
  }
}

// Many files at once, on all cores: each written under its name with the figures it gives
// alone, a bad one named in its problems and left unwritten, the status saying not all went.
TEST_F(Sci2072, ManyFilesComputeIntoAFolderEachProblemUnderItsName) {
  const std::string exemples = SCI2072_EXEMPLES;
  const std::string parc = aide::Contenu(exemples + "/sci-du-parc.json");
  std::string entrees = "'" + exemples + "/sci-les-restanques.json' abimee.json";
  for (int k = 0; k < 24; ++k) {
    Ecrit("parc" + std::to_string(k) + ".json", parc);
    entrees += " parc" + std::to_string(k) + ".json";
  }
  Ecrit("abimee.json", R"({"format": "sci2072-declaration", "version": 1, "letters": [{"code": 1}]})");
  const Resultat r = Lance("compute " + entrees + " --out-dir sorties");
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.erreur.rfind("abimee.json: ", 0), 0u) << r.erreur;
  EXPECT_NE(r.erreur.find("\nsci2072 compute: 1 of 26 files not computed\n"), std::string::npos) << r.erreur;
  EXPECT_FALSE(fs::exists(Chemin("sorties/abimee.json")));
  EXPECT_EQ(Lit("sorties/sci-les-restanques.json"), aide::Contenu(exemples + "/sci-les-restanques.computed.json"));
  for (int k = 0; k < 24; ++k)
    EXPECT_EQ(Lit("sorties/parc" + std::to_string(k) + ".json"), aide::Contenu(exemples + "/sci-du-parc.computed.json"))
        << k;

  // Outputs that would be lost or mixed up are refused before anything is read.
  fs::create_directory(Chemin("autre"));
  Ecrit("autre/parc0.json", parc);
  for (const char* usage : {"compute parc0.json parc1.json", "compute parc0.json parc1.json -o x.json --out-dir d",
                            "compute - parc0.json --out-dir d", "compute parc0.json autre/parc0.json --out-dir d"})
    EXPECT_EQ(Lance(usage).statut, 2) << usage;
  EXPECT_FALSE(fs::exists(Chemin("d")));
}

TEST_F(Sci2072, EveryRecordKindRoundTripsThroughTheProgram) {
  Ecrit("complet.json", hote2072::EcritJson(aide::DeclarationComplete()));
  for (const std::string option : {"", " --all"}) {
    const Resultat un = Lance("compute complet.json -o un.json" + option);
    ASSERT_EQ(un.statut, 0) << un.erreur;
    const Resultat deux = Lance("compute un.json -o deux.json" + option);
    ASSERT_EQ(deux.statut, 0) << deux.erreur;
    EXPECT_EQ(Lit("un.json"), Lit("deux.json")) << option;
  }
}

TEST_F(Sci2072, BadInputIsReportedWithItsLetterAndNothingIsWritten) {
  const std::string tete = R"({"format": "sci2072-declaration", "version": 1, "letters": [)";
  const std::string autres = R"({"code": 12003, "value": "SCI DES ORMES"}, )";
  struct Cas {
    std::string lettres;
    std::string attendu;  // in the message, after the letter's description
  };
  const Cas cas[] = {
      {R"({"code": 12004, "value": "x"})", "letter 2: code 12004, index {}, value \"x\": unknown code"},
      {R"({"code": 12593, "index": {"303": 0}, "value": "GIRARD"})",
       "Nom of TLocataire), index {303: 0}, value \"GIRARD\": the index lacks level 300 (property)"},
      {R"({"code": 12055, "index": {"301": 0, "303": 0}, "value": "MARTIN"})",
       "names level 303 (tenant), which this letter cannot have"},
      {R"({"code": 12140, "index": {"300": 0}, "value": "6O000"})",
       "letter 2: code 12140 (LoyerBrut of TDonneeProprieteFoncierPropriete), index {300: 0}, value \"6O000\": not an "
       "amount"},
      {R"({"code": 12386, "index": {"300": 0}, "value": "douze"})", "not an integer"},
      {R"({"code": 12596, "index": {"300": 0, "303": 0}, "value": "70000"})",
       "integer out of range; this field holds -32768 to 32767"},
      {R"({"code": 12117, "index": {"300": 0}, "value": "29/02/2011"})", "not a date"},
      {R"({"code": 12075, "index": {"301": 0}, "value": "33.333333"})", "more decimals than this field keeps"},
      {R"({"code": 12655, "index": {"300": 0}, "value": "CODE-BIEN-BEAUCOUP-TROP-LONG"})",
       "text of 28 characters; this field holds at most 20"},
      {R"({"code": 12820, "value": "1.5"})", "the field cannot hold this value exactly: it keeps \"1\""},
      {R"({"code": 12172, "value": "100"})",
       "TDonneeProprieteFoncierCumul, a cumulative record that no declaration holds"},
      {R"({"code": 12655, "index": {"300": 0}, "value": "B1"}, {"code": 12655, "index": {"300": 1}, "value": "B1"})",
       "letter 3: code 12655 (CodePropriete of TPropriete2072), index {300: 1}, value \"B1\": duplicate code: property "
       "0 already has code \"B1\""},
      {R"({"code": 12692, "index": {"301": 0, "310": 0}, "value": "B9"})",
       "value \"B9\": names property \"B9\", which no property has"},
      {R"({"code": 12767, "index": {"301": 0, "306": 0}, "value": "B1"})", "share 0 does not exist"},
      {R"({"code": 12763, "index": {"309": 0}, "value": "4"})",
       "names partner position 4, but the file has no partner"},
      {R"({"code": 12003, "value": "SCI DES CHÊNES"})",
       "letter 2: code 12003 (SocieteNom of TInfogene2072), index {}, value \"SCI DES CHÊNES\": the same letter (code "
       "and index) is already given by letter 1"},
      {R"({"code": 12003 "value": "x"})", "malformed JSON at line 1, column 125"},
      {R"({"code": 12140, "index": {"300": 0}, "value": 1e400})",
       "malformed JSON at line 1, column 154: number \"1e400\" is out of range"},
      {R"({"code": 12103, "index": {"300": 0}, "value": "2.5"})", "value \"2.5\": not an integer"},
      {R"({"code": 12103, "code": 12102, "index": {"300": 0}, "value": "2"})", "letter 2: duplicate member \"code\""},
      {R"({"code": 12140, "index": {"300": 0}, "value": "1.7e308"})", "amount beyond 10000000000000 (10^13)"},
  };
  for (const Cas& c : cas) {
    Ecrit("entree.json", tete + autres + c.lettres + "]}");
    Ecrit("sortie.json", "old");
    const Resultat r = Lance("compute entree.json -o sortie.json");
    EXPECT_EQ(r.statut, 1) << c.lettres;
    EXPECT_NE(r.erreur.find("entree.json: "), std::string::npos) << r.erreur;
    EXPECT_NE(r.erreur.find(c.attendu), std::string::npos) << "expected: " << c.attendu << "\ngot: " << r.erreur;
    EXPECT_EQ(Lit("sortie.json"), "old") << c.lettres;
    EXPECT_EQ(Fichiers(), (std::vector<std::string>{"entree.json", "sortie.json", "stderr.txt", "stdout.txt"}));
    fs::remove(Chemin("sortie.json"));
    EXPECT_EQ(Lance("compute entree.json -o sortie.json").statut, 1);
    EXPECT_FALSE(fs::exists(Chemin("sortie.json"))) << c.lettres;
  }
  EXPECT_EQ(Lance("compute absent.json").statut, 1);
  fs::create_directory(Chemin("dossier"));
  const Resultat dossier = Lance("compute dossier");
  EXPECT_EQ(dossier.statut, 1);
  EXPECT_EQ(dossier.erreur, "sci2072: cannot read dossier: Is a directory\n");
}

// Every command against hostile input: what the input caused is named (never an internal
// error, never exhaustion), and what is printed for a person holds no byte a terminal acts
// upon, however the file's texts were made.
TEST_F(Sci2072, EveryCommandNamesHostileInputAndPrintsNothingATerminalActsUpon) {
  const std::string piege = "\\u001b]0;titre\\u0007\\r\\b\\u009b2J\\u202e";  // in JSON
  std::string grand;
  for (int k = 0; k < 3000; ++k) {
    grand += (k ? ", " : "") + std::string(R"({"code": 12101, "index": {"300": )") + std::to_string(k) +
             R"(}, "value": "1"}, )" + R"({"code": 12055, "index": {"301": )" + std::to_string(k) +
             R"(}, "value": "X"})";
  }
  const auto fichier = [](const std::string& lettres) {
    return R"({"format": "sci2072-declaration", "version": 1, "letters": [)" + lettres + "]}";
  };
  Ecrit("grand.json", fichier(grand));  // 3,000 x 3,000: nine million shares from 6,000 letters
  Ecrit("piege.json", fichier(R"({"code": 12003, "value": "SCI )" + piege + R"("},
    {"code": 12055, "index": {"301": 0}, "value": ")" +
                              piege + R"("},
    {"code": 12102, "index": {"300": 0}, "value": "Imm )" +
                              piege + R"("})"));
  Ecrit("ancien.json",
        fichier(R"({"code": 12074, "index": {"301": 0}, "value": ")" + piege + std::string(1000000, 'x') +
                R"("}, {"code": 12999, "value": ")" + piege + std::string(1000000, 'y') + R"("})"));
  const struct {
    std::string arguments;
    int statut;
    std::string attendu;  // on standard error
  } cas[] = {
      {"check - < /dev/zero", 1, "<stdin>: malformed JSON at line 1, column 1"},
      {"summary /dev/zero", 1, "/dev/zero: malformed JSON at line 1, column 1"},
      {"check grand.json", 1, "loading creates at most 100 per letter of the file"},
      {"select grand.json --index 301=0", 1, "loading creates at most 100 per letter of the file"},
      {"migrate grand.json --from 2012.2", 1, "loading creates at most 100 per letter of the file"},
      {"summary piege.json", 0, ""},
      {"report piege.json", 0, ""},
      {"check piege.json", 3, ""},
      {"check piege.json --index 301=0", 3, ""},
      {"select piege.json", 0, ""},
      {"tokens piege.json", 0, ""},
      {"migrate ancien.json --from 2008.2 -o migre.json", 0,
       "(was \"\\u001b]0;titre\\u0007\\u000d\\u0008\\u009b2J\\u202exxx"},
      {"migrate ancien.json --from 2008.2 -o migre.json", 0, "left out, value \"\\u001b]0;titre"},
  };
  for (const auto& c : cas) {
    const Resultat r = Lance(c.arguments);
    const std::string debut = lettres::Lisible(r.erreur.substr(0, 400));  // what a failure shows
    EXPECT_EQ(r.statut, c.statut) << c.arguments << ": " << debut;
    EXPECT_NE(r.erreur.find(c.attendu), std::string::npos) << c.arguments << ": " << debut;
    EXPECT_EQ(r.erreur.find("internal error"), std::string::npos) << c.arguments;
    EXPECT_LT(r.erreur.size(), 2000u) << c.arguments;  // old values quoted at 80 characters
    for (const std::string& sortie : {r.sortie, r.erreur})
      for (const std::string agissant : {"\x1b", "\x07", "\r", "\b", "\u009b", "\u202e"})
        EXPECT_EQ(sortie.find(agissant), std::string::npos) << c.arguments << ": " << lettres::Lisible(agissant);
  }
}

TEST_F(Sci2072, UsageHelpVersionAndDictionary) {
  for (const char* usage : {"", "compute", "compute a.json --vite", "migrate a.json"})
    EXPECT_EQ(Lance(usage).statut, 2) << usage;
  for (const char* aide : {"--help", "compute --help", "dictionary --help"}) {
    const Resultat r = Lance(aide);
    EXPECT_EQ(r.statut, 0) << aide;
    EXPECT_NE(r.sortie.find("Usage:"), std::string::npos) << aide;
  }
  const Resultat version = Lance("--version");
  EXPECT_EQ(version.statut, 0);
  EXPECT_EQ(version.sortie.rfind("sci2072 ", 0), 0u) << version.sortie;

  const Resultat json = Lance("dictionary --json");
  ASSERT_EQ(json.statut, 0);
  const auto dictionnaire = nlohmann::ordered_json::parse(json.sortie);
  ASSERT_EQ(dictionnaire["entries"].size(), 663u);
  const auto entree = [&](int code) {
    for (const auto& e : dictionnaire["entries"])
      if (e["code"] == code) return e;
    return nlohmann::ordered_json();
  };
  EXPECT_EQ(entree(12593).dump(),
            R"({"code":12593,"type":"S","record":"TLocataire","field":"Nom","levels":[300,303],"maxLength":91,)"
            R"("inDeclaration":true,"label":"Nom du locataire","role":"entered"})");
  EXPECT_EQ(entree(12145)["role"], "computed");
  EXPECT_EQ(entree(12145)["unit"], "euros");
  EXPECT_EQ(entree(12078)["list"], "ListeRegimeFiscal");
  EXPECT_EQ(entree(12524)["personTypeField"], "TypeGerant");
  EXPECT_EQ(entree(12524)["legalPersonList"], "ListeFormesJuridiques1");
  EXPECT_EQ(entree(12772)["role"], "linked-mode");
  EXPECT_EQ(dictionnaire["lists"].size(), 36u);
  EXPECT_EQ(dictionnaire["lists"]["ListeRegimeFiscal"][3].dump(), R"({"code":4,"label":"IS"})");
  const Resultat table = Lance("dictionary");
  ASSERT_EQ(table.statut, 0);
  EXPECT_NE(table.sortie.find("12140  D     300"), std::string::npos);
  EXPECT_NE(
      table.sortie.find("entered         euros    -                                        Loyers bruts encaissés\n"),
      std::string::npos);
  const Resultat listes = Lance("dictionary --lists");
  ASSERT_EQ(listes.statut, 0);
  EXPECT_NE(listes.sortie.find("ListeRegimeFiscal\n  1  Revenus fonciers (particulier)\n  2  BA\n"), std::string::npos);
  EXPECT_EQ(Lance("dictionary --lists --json").statut, 2);
}

// Value of one letter of a written declaration; "" when it is not written.
std::string Valeur(const std::string& texte, long long code, const hote2072::Index& index = {}) {
  hote2072::Rapport rapport;
  const auto fichier = hote2072::LitJson(texte, rapport);
  EXPECT_TRUE(fichier) << texte;
  if (fichier)
    for (const auto& l : fichier->lettres)
      if (l.code == code && l.index == index) return l.valeur;
  return "";
}

TEST_F(Sci2072, PropertiesGetTheirContributionReceiptsAndDeductionOptionUnlessTheFileGivesThem) {
  Ecrit("biens.json", R"({"format": "sci2072-declaration", "version": 1, "letters": [
    {"code": 12650, "index": {"300": 0}, "value": "1"}, {"code": 12140, "index": {"300": 0}, "value": "8000"},
    {"code": 12143, "index": {"300": 0}, "value": "500"},
    {"code": 12650, "index": {"300": 1}, "value": "1"}, {"code": 12140, "index": {"300": 1}, "value": "8000"},
    {"code": 12358, "index": {"300": 1}, "value": "5000"},
    {"code": 12392, "index": {"300": 2}, "value": "6"},
    {"code": 12392, "index": {"300": 3}, "value": "6"}, {"code": 12149, "index": {"300": 3}, "value": "8"},
    {"code": 12358, "index": {"300": 4}, "value": "4000"}, {"code": 12359, "index": {"300": 4}, "value": "4000"}]})");
  const Resultat r = Lance("compute biens.json");
  ASSERT_EQ(r.statut, 0) << r.erreur;
  EXPECT_EQ(Valeur(r.sortie, 12358, {{300, 0}}), "8500");  // rents and charges borne by the tenants
  EXPECT_EQ(Valeur(r.sortie, 12358, {{300, 1}}), "5000");  // as given
  EXPECT_EQ(Valeur(r.sortie, 12149, {{300, 2}}), "5");     // Besson ancien: 26 %
  EXPECT_EQ(Valeur(r.sortie, 12150, {{300, 2}}), "0.26");
  EXPECT_EQ(Valeur(r.sortie, 12149, {{300, 3}}), "8");  // as given
  // Not subject to the contribution: its old figure is still written, and not charged.
  EXPECT_EQ(Valeur(r.sortie, 12359, {{300, 4}}), "4000");
  EXPECT_EQ(Valeur(r.sortie, 12322), "13500");
  EXPECT_EQ(Valeur(r.sortie, 12323), "338");  // 337.5
}

}  // namespace
