// The sample and tokens commands end to end, and the sample through the host's files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "aide_programme.h"
#include "chargement/chargement.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "systeme/fichiers.h"

namespace {

namespace fs = std::filesystem;
using aide::Resultat;
using namespace hote2072;
using zorfiscal2072::TDonnee2072;

using Commandes = aide::Programme;

std::unique_ptr<TDonnee2072> ChargeSansProbleme(const std::string& texte) {
  Rapport rapport;
  std::unique_ptr<TDonnee2072> racine;
  if (auto f = LitJson(texte, rapport)) racine = Charge(*f, rapport);
  for (const std::string& p : rapport.problemes()) ADD_FAILURE() << p;
  return racine;
}

TEST_F(Commandes, SampleIsWrittenWhollyAndLoadsBackAsTheSample) {
  const Resultat r = Lance("sample -o sample.json");
  ASSERT_EQ(r.statut, 0) << r.erreur;
  EXPECT_EQ(r.sortie + r.erreur, "");
  EXPECT_EQ(Lance("sample").sortie, Lit("sample.json"));  // the same on every run, to standard output too

  const auto charge = ChargeSansProbleme(Lit("sample.json"));
  ASSERT_TRUE(charge);
  TDonnee2072 attendu;
  attendu.CasTest();
  // The company operations' financial income has no letter of its own: 12564 is the general
  // information's, so a file cannot carry it.
  attendu.getOperationSociete().setProduitsFinanciers(0);
  EXPECT_TRUE(*charge == attendu);

  const Resultat calcul = Lance("compute sample.json -o computed.json");
  EXPECT_EQ(calcul.statut, 0);
  // Loaded without a problem or a warning (its SIREN numbers pass their check digit): standard
  // error holds at most the count of check messages.
  EXPECT_EQ(calcul.erreur.find("problem"), std::string::npos) << calcul.erreur;
  EXPECT_EQ(calcul.erreur.find("warning"), std::string::npos) << calcul.erreur;
  EXPECT_EQ(Lance("compute computed.json").sortie, Lit("computed.json"));
}

TEST_F(Commandes, TokensAreListedInTheirOrderAsTextOrJson) {
  ASSERT_EQ(Lance("sample -o sample.json").statut, 0);
  TDonnee2072 calcule;
  calcule.CasTest();
  calcule.Update();
  const bool calculNul = calcule.getInfogene2072().getNombreAssociesCalcul() == 0;  // no computation yet
  const std::string calculees = calculNul ? "0" : "2000", quotePart = calculNul ? "0" : "100";

  const Resultat texte = Lance("tokens sample.json");
  ASSERT_EQ(texte.statut, 0) << texte.erreur;
  EXPECT_EQ(texte.sortie, "#SocieteNom#\tSCI VELMORA A CARREAUX\n#NB_TOTAL_PARTS#\t2000\n#NB_TOTAL_PARTS_CALCUL#\t" +
                              calculees + "\n#QUOTE_PART_RESULTATS#\t" + quotePart + "\n");
  const Resultat json = Lance("tokens - --json < sample.json");
  ASSERT_EQ(json.statut, 0) << json.erreur;
  EXPECT_EQ(json.sortie,
            "[\n {\"token\":\"#SocieteNom#\",\"value\":\"SCI VELMORA A CARREAUX\"},\n"
            " {\"token\":\"#NB_TOTAL_PARTS#\",\"value\":\"2000\"},\n"
            " {\"token\":\"#NB_TOTAL_PARTS_CALCUL#\",\"value\":\"" +
                calculees +
                "\"},\n"
                " {\"token\":\"#QUOTE_PART_RESULTATS#\",\"value\":\"" +
                quotePart + "\"}\n]\n");

  // A name with a tab and a line break keeps one line per token; JSON carries it exactly.
  FichierDeclaration f;
  f.lettres.push_back({1, 12003, {}, "SCI\tA\\B\nC"});
  EcritFichier(Chemin("nom.json").string(), EcritJson(f));
  const std::string lignes = Lance("tokens nom.json").sortie;
  EXPECT_TRUE(lignes.starts_with("#SocieteNom#\tSCI\\tA\\\\B\\nC\n#NB_TOTAL_PARTS#\t0\n")) << lignes;
  EXPECT_NE(Lance("tokens nom.json --json").sortie.find(R"("value":"SCI\tA\\B\nC")"), std::string::npos);
}

TEST_F(Commandes, FailuresGiveTheirStatusAndWriteNothing) {
  EXPECT_EQ(Lance("tokens absent.json").statut, 1);
  EXPECT_EQ(Lance("tokens").statut, 2);
  EXPECT_EQ(Lance("sample extra").statut, 2);
  const Resultat dossier = Lance("sample -o absent/sample.json");
  EXPECT_EQ(dossier.statut, 1);
  EXPECT_NE(dossier.erreur.find("absent/sample.json"), std::string::npos);
  EXPECT_FALSE(fs::exists(Chemin("absent")));
}

TEST(Exemples, ComputingTwiceGivesTheDeclarationOfComputingOnce) {
  for (const char* exemple : {"sci-du-parc.json", "sci-les-restanques.json"}) {
    auto racine = ChargeSansProbleme(LitFichier(std::string(SCI2072_EXEMPLES) + "/" + exemple));
    ASSERT_TRUE(racine) << exemple;
    racine->Update();
    TDonnee2072 deuxFois = *racine;
    deuxFois.Update();
    EXPECT_TRUE(deuxFois == *racine) << exemple;
  }
}

}  // namespace
