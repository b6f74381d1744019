// The checks in the host: reading --index, placing each message at its record over the whole
// declaration, and sci2072 check / compute run end to end on files.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "aide_programme.h"
#include "services/controle.h"

namespace {

namespace fs = std::filesystem;
using hote2072::Index;
using enum zorfiscal2072::EnregistrementMessage;

TEST(IndexControle, KeysPositionsAndRefusals) {
  std::string erreur;
  EXPECT_EQ(hote2072::LitIndexTexte("303=1,300=0", erreur), (Index{{300, 0}, {303, 1}}));
  EXPECT_EQ(hote2072::LitIndexTexte("", erreur), Index{});
  EXPECT_EQ(hote2072::LitIndexTexte("309=-5", erreur), (Index{{309, -5}}));
  EXPECT_EQ(hote2072::LitIndexTexte("301=99999999999999999999", erreur), (Index{{301, INT_MAX}}));
  EXPECT_EQ(hote2072::LitIndexTexte("301=-99999999999", erreur), (Index{{301, INT_MIN}}));
  for (const char* faux : {"299=0", "311=0", "300", "300=", "300=-", "300=a", "30a=1", "300=+1", "300=1.5", " 300=0",
                           "300=0,", ",300=0", "300=0,,301=1", "300=0,300=1", "3000=1"}) {
    erreur.clear();
    EXPECT_FALSE(hote2072::LitIndexTexte(faux, erreur)) << faux;
    EXPECT_FALSE(erreur.empty()) << faux;
  }
}

TEST(ControleDeclaration, EachMessageOnceAtItsRecordInRecordOrder) {
  zorfiscal2072::TDonnee2072 d;  // default general information: 109 ... 116
  d.getInfogene2072().setDateClotureExercice(20100101);
  d.AjouteCession(), d.AjouteAssocie(), d.AjoutePropriete(), d.AjoutePropriete();
  auto& p = d.getPropriete2072()[1];
  p.setNom("Maison"), p.setCodePropriete("P2");
  p.setLocataire(std::vector<zorfiscal2072::TLocataire>(2));
  p.getLocataire()[0].setNom("MARTIN");
  d.getCessionsPartsSociete().getCessionParts().resize(1);
  auto& t = d.getCessionsPartsSociete().getCessionParts()[0];
  t.setNombreParts(1), t.setAssocieCedant(1), t.setNomCedant("A"), t.setNomCessionnaire("B"),
      t.setDateCession(20110505);

  std::vector<std::tuple<zorfiscal2072::EnregistrementMessage, Index, short>> vus;
  for (const auto& m : hote2072::ControleDeclaration(d)) vus.emplace_back(m.enregistrement, m.index, m.numero);
  const std::vector<std::tuple<zorfiscal2072::EnregistrementMessage, Index, short>> attendu{
      {General, {}, 109},           {General, {}, 111},
      {General, {}, 112},           {General, {}, 113},
      {General, {}, 119},           {General, {}, 122},
      {General, {}, 116},           {General, {}, 168},
      {Cession, {{305, 0}}, 131},   {Cession, {{305, 0}}, 133},
      {Associe, {{301, 0}}, 126},   {Associe, {{301, 0}}, 125},
      {Propriete, {{300, 0}}, 134}, {Locataire, {{300, 1}, {303, 1}}, 136}};
  EXPECT_EQ(vus, attendu);

  // One screen keeps every message of its call, each placed at its own record.
  const auto ecran = hote2072::ControleEcran(d, {{300, 1}, {303, 1}, {301, 0}}, true);
  ASSERT_EQ(ecran.size(), 1u);
  EXPECT_EQ(ecran[0].index, Index{});
  const auto tout = hote2072::ControleEcran(d, {{300, 1}, {303, 1}, {301, 0}}, false);
  ASSERT_EQ(tout.size(), 8u + 2u + 1u);
  EXPECT_EQ(tout[8].index, (Index{{301, 0}}));
  EXPECT_EQ(tout[9].index, (Index{{300, 1}, {303, 1}}));
  EXPECT_EQ(hote2072::DecritEnregistrement(d, tout[9]), "tenant 1 of property 1 \"Maison\" (code \"P2\")");
  // The summary's French wording numbers records from 1, as its sections do.
  EXPECT_EQ(hote2072::DecritEnregistrementFrancais(d, tout[9]), "locataire 2 de l'immeuble 2 \"Maison\" (code \"P2\")");
  EXPECT_EQ(hote2072::DecritEnregistrementFrancais(d, tout[0]), "informations générales");
}

// The built program run in a temporary folder.
using aide::Resultat;

class Check : public aide::Programme {
 protected:
  void Ecrit(const std::string& nom, const std::string& lettres) const {
    aide::Programme::Ecrit(
        nom, std::string(R"({"format": "sci2072-declaration", "version": 1, "year": 2011, "letters": [)") + kPropre +
                 lettres + "]}");
  }

 private:
  // A declaration that passes every check: the company, its four officers, one partner holding
  // every share, a property under Robien recentré acquired and completed in 2007.
  static constexpr const char* kPropre = R"(
    {"code": 12003, "value": "SCI TEST"}, {"code": 12043, "value": "1000"}, {"code": 12044, "value": "100"},
    {"code": 12024, "value": "DURAND"}, {"code": 12025, "value": "Jeanne"},
    {"code": 12332, "value": "MARTIN"}, {"code": 12333, "value": "Paul"},
    {"code": 12578, "value": "PETIT"}, {"code": 12579, "value": "Anne"},
    {"code": 12341, "value": "LEROY"}, {"code": 12342, "value": "Marc"},
    {"code": 12055, "index": {"301": 0}, "value": "DUPONT"}, {"code": 12075, "index": {"301": 0}, "value": "100"},
    {"code": 12655, "index": {"300": 0}, "value": "P1"}, {"code": 12102, "index": {"300": 0}, "value": "Appartement"},
    {"code": 12392, "index": {"300": 0}, "value": "9"},
    {"code": 12117, "index": {"300": 0}, "value": "01/01/2007"},
    {"code": 12118, "index": {"300": 0}, "value": "01/01/2007"})";
};

// Line 1 of the property with an amount and no date, and a tenant without a name.
constexpr const char* kFautes = R"(,
    {"code": 12297, "index": {"300": 0}, "value": "1000"},
    {"code": 12596, "index": {"300": 0, "303": 0}, "value": "1"})";

TEST_F(Check, WholeDeclarationScreensJsonAndTheExitStatusOfUsageErrorsAndBadFiles) {
  Ecrit("propre.json", "");
  Resultat r = Lance("check propre.json");
  EXPECT_EQ(r.statut, 0) << r.sortie << r.erreur;
  EXPECT_EQ(r.sortie, "");
  EXPECT_EQ(Lance("check propre.json --json").sortie, "[]\n");

  Ecrit("fautes.json", kFautes);
  r = Lance("check fautes.json");
  EXPECT_EQ(r.statut, 3) << r.erreur;
  EXPECT_EQ(r.sortie,
            "property 0 \"Appartement\" (code \"P1\"): 138 ID_ERREUR72_PROPSAISIEDATEAMORT1, cursor on 12298 "
            "DateDebutLigne1: Ligne 1 (investissement) : montant saisi sans date de début d'amortissement\n"
            "tenant 0 of property 0 \"Appartement\" (code \"P1\"): 136 ID_ERREUR72_PROPLOCATAIRENOM: "
            "Nom du locataire non renseigné\n");
  EXPECT_EQ(Lance("check fautes.json --json").sortie,
            "[\n  {\"index\": {\"300\": 0}, \"number\": 138, \"identifier\": \"ID_ERREUR72_PROPSAISIEDATEAMORT1\", "
            "\"cursor\": 12298, \"field\": \"DateDebutLigne1\", \"text\": \"Ligne 1 (investissement) : montant "
            "saisi sans date de début d'amortissement\"},\n  {\"index\": {\"300\": 0, \"303\": 0}, \"number\": 136, "
            "\"identifier\": \"ID_ERREUR72_PROPLOCATAIRENOM\", \"text\": \"Nom du locataire non renseigné\"}\n]\n");

  // One screen: the engine's order (the tenant first); --stop ends at the first message.
  r = Lance("check fautes.json --index 300=0,303=0");
  EXPECT_EQ(r.statut, 3);
  EXPECT_EQ(r.sortie.find("tenant 0"), 0u) << r.sortie;
  EXPECT_NE(r.sortie.find("\n"
                          "property 0"),
            std::string::npos)
      << r.sortie;
  r = Lance("check fautes.json --index 300=0,303=0 --stop --json");
  EXPECT_EQ(r.statut, 3);
  EXPECT_EQ(r.sortie.find("136"), r.sortie.rfind("136"));
  EXPECT_EQ(r.sortie.find("138"), std::string::npos) << r.sortie;
  // Indexes naming nothing check only the general information, which passes.
  for (const char* rien : {"300=1", "300=-1", "301=5", "309=0", "305=0"}) {
    r = Lance(std::string("check fautes.json --index ") + rien);
    EXPECT_EQ(r.statut, 0) << rien << r.sortie;
    EXPECT_EQ(r.sortie, "") << rien;
  }
  r = Lance("check fautes.json --index 300=0,303=-1 --json");
  EXPECT_EQ(r.statut, 3);
  EXPECT_EQ(r.sortie.find("303"), std::string::npos) << r.sortie;

  // compute writes as before and names the count on standard error.
  r = Lance("compute fautes.json -o sortie.json");
  EXPECT_EQ(r.statut, 0);
  EXPECT_EQ(r.erreur, "2 messages: run sci2072 check on this file to list them\n");
  EXPECT_EQ(Lance("compute propre.json").erreur, "");

  // Exit status of usage errors and bad files.
  for (const char* usage : {"--stop", "--index 299=0", "--index 300=0,300=1", "--index 300=x", "--index"})
    EXPECT_EQ(Lance(std::string("check propre.json ") + usage).statut, 2) << usage;
  EXPECT_EQ(Lance("check absent.json").statut, 1);
  Ecrit("faux.json", R"(, {"code": 12043, "value": "mille"})");
  r = Lance("check faux.json");
  EXPECT_EQ(r.statut, 1);
  EXPECT_NE(r.erreur.find("not an amount"), std::string::npos) << r.erreur;
  EXPECT_EQ(r.sortie, "");
}

}  // namespace
