// Migration in the host: old files converted record by record, loaded, corrected property by
// property; the migrate command run end to end on files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include "aide_programme.h"
#include "chargement/chargement.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "services/migration.h"

namespace {

using namespace hote2072;
namespace fs = std::filesystem;
using aide::Resultat;

FichierDeclaration Ancien(std::vector<std::tuple<long long, Index, std::string>> lettres) {
  FichierDeclaration f;
  for (auto& [code, index, valeur] : lettres) f.lettres.push_back({f.lettres.size() + 1, code, index, valeur});
  return f;
}

const Index P0{{300, 0}}, P1{{300, 1}}, A0{{301, 0}}, A1{{301, 1}};

std::string Lit(TDonnee2072& racine, short code, const Index& index = {}) {
  TIndex t;
  for (const auto& [cle, position] : index) t.setValeurIndex(cle, position);
  structLettre l{1, code, nullptr, 0, nullptr};
  racine.TransfertUneLettre(&l, t, 1);
  std::string texte = l.valeur ? l.valeur : "";
  std::free(l.valeur);
  return texte;
}

// Two partners and two properties, as the 2008 engine saved them.
FichierDeclaration DeuxAssociesDeuxProprietes() {
  // clang-format off
  return Ancien({
      {12003, {}, "SCI DU MAIL"},       {12017, {}, "5"},          {12018, {}, "3"},
      {12406, {}, "2009"},              {12053, A0, "1"},           {12054, A0, "2"},
      {12058, A0, "1"},                 {12059, A0, "2"},           {12060, A0, "1970"},
      {12074, A0, "BELGIQUE"},          {12066, A0, "12345678900012"},
      {12053, A1, "1"},                 {12054, A1, "0"},           {12058, A1, "3"},
      {12059, A1, "4"},                 {12060, A1, "1980"},        {12061, A1, "20"},
      {12066, A1, "98765432100034"},    {12107, P0, "rue du Mail"}, {12392, P0, "13"},
      {12119, P0, "MARTIN"},            {12107, P1, "quai Nord"},   {12392, P1, "22"},
      {12121, P1, "BERNARD"},
  });
  // clang-format on
}

TEST(Migration, TwoPartnersAndTwoPropertiesAreConvertedRecordByRecord) {
  Rapport rapport;
  Migration m = Migre(DeuxAssociesDeuxProprietes(), "2008.2", rapport);
  ASSERT_TRUE(m.racine) << rapport.problemes().front();
  TDonnee2072& r = *m.racine;
  ASSERT_EQ(r.NbAssocie(), 2);
  ASSERT_EQ(r.NbPropriete(), 2);
  // The partners' fillers (a signature date of zeros) do not overwrite the declaration's 12518;
  // the property steps (12392, 12149) worked on the loaded properties.
  const std::tuple<short, Index, const char*> kValeurs[] = {
      {12518, {}, "05/03/2009"}, {12541, A0, "27"},          {12541, A1, "29"},        {12521, A0, "01/02/1970"},
      {12521, A1, "03/04/1980"}, {12061, A1, "22"},          {12074, A0, "79"},        {12546, A0, "123456789"},
      {12547, A1, "00034"},      {12507, P0, "rue du Mail"}, {12507, P1, "quai Nord"}, {12392, P0, "1"},
      {12149, P0, "3"},          {12392, P1, "25"},          {12149, P1, "25"}};
  for (const auto& [code, index, valeur] : kValeurs)
    EXPECT_EQ(Lit(r, code, index), valeur) << code << (index.empty() ? "" : " at " + std::to_string(index[0].second));
  ASSERT_EQ(r.getPropriete2072()[0].getLocataire().size(), 1u);
  EXPECT_EQ(r.getPropriete2072()[1].getLocataire().at(0).getNom(), "BERNARD");
  EXPECT_EQ(m.notes, (std::vector<std::string>{
                         "code 12074, index {301: 0}: set to \"79\": the partner's country becomes FRANCE (was "
                         "\"BELGIQUE\")"}));

  // Tenants carry their property's code: the written declaration loads again as it is.
  Rapport relu;
  const auto fichier = LitJson(EcritJson(Ecrit(r, false)), relu);
  ASSERT_TRUE(fichier);
  const auto recharge = Charge(*fichier, relu);
  ASSERT_TRUE(recharge) << relu.problemes().front();
  EXPECT_EQ(recharge->getPropriete2072()[1].getLocataire().at(0).getCodePropriete(),
            r.getPropriete2072()[1].getCodePropriete());
}

TEST(Migration, ShapeProblemsAndValuesTodaysFieldsCannotHold) {
  // Codes outside 12000 to 12999 are refused, never wrapped onto 16 bits (77539 would be 12003).
  Rapport rapport;
  Migration m = Migre(
      Ancien({{77539, {}, "X"}, {11999, {}, ""}, {13000, {}, ""}, {-1, {}, ""}, {12003, {}, "A"}, {12003, {}, "B"}}),
      "2008.2", rapport);
  EXPECT_FALSE(m.racine);
  const auto problemes = rapport.problemes();
  ASSERT_EQ(problemes.size(), 5u);
  EXPECT_NE(problemes[0].find("letter 1: code 77539"), std::string::npos) << problemes[0];
  EXPECT_NE(problemes[0].find("whole numbers from 12000 to 12999"), std::string::npos);
  EXPECT_NE(problemes[4].find("already given by letter 5"), std::string::npos) << problemes[4];

  // A signature date that is no calendar date is named at the old day letter.
  Rapport date;
  EXPECT_FALSE(
      Migre(Ancien({{12003, {}, "A"}, {12017, {}, "31"}, {12018, {}, "2"}, {12406, {}, "2009"}}), "2009.2", date)
          .racine);
  ASSERT_EQ(date.problemes().size(), 1u);
  EXPECT_NE(date.problemes()[0].find("letter 2: code 12518"), std::string::npos) << date.problemes()[0];

  // A zero byte would end the text the steps see: refused, never cut without a word.
  Rapport zero;
  EXPECT_FALSE(Migre(Ancien({{12053, A0, "1"}, {12055, A0, std::string("DU\0RAND", 7)}}), "2008.2", zero).racine);
  ASSERT_EQ(zero.problemes().size(), 1u);
  EXPECT_NE(zero.problemes()[0].find("letter 2: code 12055"), std::string::npos) << zero.problemes()[0];
  EXPECT_NE(zero.problemes()[0].find("zero byte"), std::string::npos);
}

TEST(Migration, NotesNameTheLettersLeftOutCutAndForced) {
  Rapport rapport;
  const std::string long45(45, 'N');
  Migration m = Migre(Ancien({{12003, A0, "MAL PLACE"},
                              {12999, {}, "perdu"},
                              {12998, {}, ""},
                              {12053, A0, "1"},
                              {12055, A0, long45},
                              {12061, A0, "300"},
                              {12593, {{303, 0}}, "SANS BIEN"}}),
                      "2009.2", rapport);
  ASSERT_TRUE(m.racine) << rapport.problemes().front();
  EXPECT_EQ(m.notes, (std::vector<std::string>{
                         "code 12999, index {}: left out, value \"perdu\": today's form has no letter of this code",
                         "code 12061, index {301: 0}: set to \"1\": old department \"300\" is not in the list of "
                         "departments",
                         "code 12055, index {301: 0}: text of 45 characters cut to 40, what Nom holds: \"" +
                             std::string(40, 'N') + "\"",
                         "code 12003, index {301: 0}: left out, value \"MAL PLACE\": this letter belongs to the "
                         "declaration itself (no index), not to this record",
                         "code 12593, index {303: 0}: left out, value \"SANS BIEN\": this letter belongs to a record "
                         "reached with index levels 300, 303, not to this one"}));
  EXPECT_EQ(Lit(*m.racine, 12055, A0), std::string(40, 'N'));
  EXPECT_EQ(Lit(*m.racine, 12003), "");
}

// The built program on files.
class Migrate : public aide::Programme {
 protected:
  std::size_t NombreFichiers() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dossier), fs::directory_iterator()));
  }
};

// Generated codes differ from run to run: each becomes CODE1, CODE2... in order of appearance.
std::string SansCodesGeneres(const std::string& texte) {
  static const std::regex code("\"[0-9A-Z]{20}\"");
  std::map<std::string, std::string> noms;
  std::string resultat;
  auto debut = texte.cbegin();
  for (std::sregex_iterator it(texte.begin(), texte.end(), code), fin; it != fin; ++it) {
    resultat.append(debut, texte.cbegin() + it->position());
    resultat += noms.try_emplace(it->str(), "CODE" + std::to_string(noms.size() + 1)).first->second;
    debut = texte.cbegin() + it->position() + it->length();
  }
  return resultat.append(debut, texte.cend());
}

const std::string kExemple = std::string(SCI2072_EXEMPLES) + "/migration/sci-des-tilleuls-2008.json";

TEST_F(Migrate, TheWorkedExampleGivesItsCommittedOutputWhichComputeLoads) {
  const Resultat r = Lance("migrate '" + kExemple + "' --from 2008.2 -o out.json");
  ASSERT_EQ(r.statut, 0) << r.erreur;
  EXPECT_EQ(r.sortie, "");
  const std::string attendu =
      aide::Contenu(std::string(SCI2072_EXEMPLES) + "/migration/sci-des-tilleuls-2008.migree.json");
  ASSERT_FALSE(attendu.empty());
  EXPECT_EQ(SansCodesGeneres(Lit("out.json")), SansCodesGeneres(attendu));
  const std::string source = kExemple + ": note: ";
  EXPECT_EQ(
      r.erreur,
      source + "code 12440, index {}: text of 50 characters cut to 30: \"des Tilleuls et des Marronnier\"\n" + source +
          "code 12000, index {300: 1}: left out, value \"ancienne note\": today's form has no letter of this code\n" +
          source + "code 12541, index {301: 1}: set to \"31\": a legal person's title is \"Société\"\n" + source +
          "code 12562, index {301: 1}: set to \"31\": a partner's legal form is \"Société\"\n");
  const Resultat calcul = Lance("compute out.json -o calcul.json");
  EXPECT_EQ(calcul.statut, 0) << calcul.erreur;
  // Loaded without a problem: standard error holds at most the count of check messages.
  EXPECT_EQ(calcul.erreur.find("problem"), std::string::npos) << calcul.erreur;

  // A file of the 2011 engine runs only the property step "2012.2": old letters stay old.
  std::ofstream(Chemin("2011.json")) << R"({"format": "sci2072-declaration", "version": 1, "letters": [
      {"code": 12378, "value": "12"}, {"code": 12392, "index": {"300": 0}, "value": "22"}]})";
  const Resultat recent = Lance("migrate 2011.json --from 2011.2");
  ASSERT_EQ(recent.statut, 0) << recent.erreur;
  EXPECT_NE(recent.sortie.find("\"code\": 12392, \"index\": {\"300\": 0}, \"value\": \"25\""), std::string::npos);
  EXPECT_EQ(recent.sortie.find("\"code\": 12438"), std::string::npos);
  EXPECT_EQ(recent.erreur,
            "2011.json: note: code 12378, index {}: left out, value \"12\": today's form has no letter "
            "of this code\n");
  const Resultat ancien = Lance("migrate 2011.json --from 2009.2");
  EXPECT_NE(ancien.sortie.find("\"code\": 12438, \"value\": \"12\""), std::string::npos) << ancien.sortie;
}

TEST_F(Migrate, UsageAndBadFilesWriteNothing) {
  for (const char* arguments : {"", "--from 2010", "--from 2010.2.1", "--from ''", "--from v2010.2"}) {
    const Resultat r = Lance("migrate '" + kExemple + "' -o out.json " + arguments);
    EXPECT_EQ(r.statut, 2) << arguments << ": " << r.erreur;
    EXPECT_FALSE(r.erreur.empty());
  }
  EXPECT_NE(Lance("migrate x.json --from 2010").erreur.find("YEAR.RELEASE"), std::string::npos);

  EXPECT_EQ(Lance("migrate absent.json --from 2009.2 -o out.json").statut, 1);
  std::ofstream(Chemin("faux.json")) << R"({"format": "sci2072-declaration", "version": 1, "letters": [
      {"code": 12003, "value": "SCI"}, {"code": 77539, "value": "X"}, {"code": 12140, "index": {"300": -1}, "value": 1}]})";
  const Resultat r = Lance("migrate faux.json --from 2009.2 -o out.json");
  EXPECT_EQ(r.statut, 1);
  EXPECT_NE(r.erreur.find("position -1 of level 300"), std::string::npos) << r.erreur;
  EXPECT_NE(r.erreur.find("nothing written"), std::string::npos);
  EXPECT_EQ(NombreFichiers(), 3u);  // faux.json and the captured output: no out.json, no temporary file
}

}  // namespace
