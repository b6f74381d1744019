// The C interface: refusals with their status and message, changes that follow the engine's
// rules, the JSON outputs, and two handles used at once on two threads (run under
// ThreadSanitizer by the tsan preset).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "sci2072/sci2072.h"

namespace {

using Poignee = std::unique_ptr<sci2072_declaration, decltype(&sci2072_ferme)>;
using Json = nlohmann::json;

const std::string kParc = SCI2072_EXEMPLES "/sci-du-parc.json";

Poignee Ouvre(const std::string& chemin = kParc) {
  Poignee d(sci2072_nouvelle(), &sci2072_ferme);
  EXPECT_EQ(sci2072_charge_fichier(d.get(), chemin.c_str()), SCI2072_OK) << sci2072_message(d.get());
  return d;
}

// A text handed back by the library, freed here.
std::string Prend(char* texte) {
  std::string copie = texte ? texte : "";
  sci2072_libere(texte);
  return copie;
}

std::string Champ(sci2072_declaration* d, const char* champ, std::vector<sci2072_niveau> index) {
  char* valeur = nullptr;
  EXPECT_EQ(sci2072_lit_champ(d, champ, index.data(), index.size(), &valeur), SCI2072_OK) << sci2072_message(d);
  return Prend(valeur);
}

sci2072_statut Donne(sci2072_declaration* d, const char* champ, std::vector<sci2072_niveau> index, const char* valeur) {
  return sci2072_modifie_champ(d, champ, index.data(), index.size(), valeur);
}

std::size_t Nombre(sci2072_declaration* d, int cle, std::vector<sci2072_niveau> index = {}) {
  std::size_t n = 0;
  EXPECT_EQ(sci2072_nombre(d, cle, index.data(), index.size(), &n), SCI2072_OK) << sci2072_message(d);
  return n;
}

Json Lit(sci2072_statut (*appel)(sci2072_declaration*, char**), sci2072_declaration* d) {
  char* texte = nullptr;
  EXPECT_EQ(appel(d, &texte), SCI2072_OK) << sci2072_message(d);
  return Json::parse(Prend(texte));
}

TEST(InterfaceC, RefusalsSayWhatWasExpectedAndChangeNothing) {
  const Poignee d = Ouvre();
  char* texte = nullptr;
  ASSERT_EQ(sci2072_ecrit_texte(d.get(), 0, &texte), SCI2072_OK);
  const std::string avant = Prend(texte);
  const sci2072_niveau p0[] = {{300, 0}}, p9[] = {{300, 9}}, deuxFois[] = {{300, 0}, {300, 1}};
  const sci2072_niveau locataire[] = {{300, 0}, {303, 0}}, autre[] = {{300, 1}};
  const std::string code0 = Champ(d.get(), "CodePropriete", {{300, 0}});
  const char kInvalide[] =
      "{\"format\": \"sci2072-declaration\", \"version\": 1, \"letters\": [{\"code\": 12140, "
      "\"index\": {\"300\": 0}, \"value\": \"6O000\"}]}";
  struct Cas {
    const char* quoi;
    std::function<sci2072_statut()> appel;
    sci2072_statut statut;
    const char* message;
  };
  char* lu = nullptr;
  // clang-format off
  const Cas cas[] = {
      {"a file with a bad amount", [&] { return sci2072_charge_texte(d.get(), kInvalide, sizeof kInvalide - 1); },
       SCI2072_INVALIDE, "value \"6O000\": not an amount"},
      {"no such file", [&] { return sci2072_charge_fichier(d.get(), "/nonexistent/x.json"); }, SCI2072_INVALIDE,
       "/nonexistent/x.json"},
      {"a code no letter has", [&] { return sci2072_lit_lettre(d.get(), 12004, nullptr, 0, &lu); }, SCI2072_USAGE,
       "unknown code"},
      {"an index without the letter's level", [&] { return sci2072_lit_lettre(d.get(), 12140, nullptr, 0, &lu); },
       SCI2072_USAGE, "the index lacks level 300 (property)"},
      {"a level given twice", [&] { return sci2072_lit_lettre(d.get(), 12140, deuxFois, 2, &lu); }, SCI2072_USAGE,
       "given twice"},
      {"a property that is not there", [&] { return sci2072_lit_lettre(d.get(), 12140, p9, 1, &lu); }, SCI2072_USAGE,
       "there is no property 9 (2 properties)"},
      {"a field several records have", [&] { return sci2072_lit_champ(d.get(), "Ville", nullptr, 0, &lu); },
       SCI2072_USAGE, "name it with its record (TAdresseDeclarant.Ville)"},
      {"a field no record has", [&] { return sci2072_lit_champ(d.get(), "Loyer", p0, 1, &lu); }, SCI2072_USAGE,
       "unknown field \"Loyer\""},
      {"an amount that is no number", [&] { return Donne(d.get(), "LoyerBrut", {{300, 0}}, "6O000"); },
       SCI2072_INVALIDE, "not an amount"},
      {"a code another property has", [&] { return Donne(d.get(), "CodePropriete", {{300, 1}}, code0.c_str()); },
       SCI2072_INVALIDE, "duplicate code: property 0 already has code"},
      {"a tenant naming another property",
       [&] { return sci2072_modifie_lettre(d.get(), 12654, locataire, 2, "AILLEURS"); }, SCI2072_INVALIDE,
       "this letter's property is property 0, whose code is"},
      {"a transfer naming no partner", [&] { return Donne(d.get(), "AssocieCedant", {{309, 0}}, "7"); },
       SCI2072_INVALIDE, "names partner position 7"},
      {"a tenant two places past the last", [&] { return Donne(d.get(), "Nom", {{300, 0}, {303, 2}}, "X"); },
       SCI2072_USAGE, "the next position adds one"},
      {"a share past the properties", [&] { return Donne(d.get(), "DeductionMobilite", {{301, 0}, {306, 2}}, "1"); },
       SCI2072_USAGE, "there is no share 2"},
      {"a partner moved past the last", [&] { return sci2072_deplace_associe(d.get(), 0, 3); }, SCI2072_USAGE,
       "there is no partner 3"},
      {"a property removed twice over", [&] { return sci2072_supprime_propriete(d.get(), -1); }, SCI2072_USAGE,
       "there is no property -1"},
      {"a year out of range", [&] { return sci2072_modifie_annee(d.get(), 0); }, SCI2072_INVALIDE, "from 1 to 9999"},
      {"a null value", [&] { return sci2072_modifie_champ(d.get(), "Nom", autre, 1, nullptr); }, SCI2072_USAGE,
       "null"},
      {"the levels of a count", [&] { return sci2072_nombre(d.get(), 303, nullptr, 0, nullptr); }, SCI2072_USAGE,
       "no place"},
  };
  // clang-format on
  for (const Cas& c : cas) {
    EXPECT_EQ(c.appel(), c.statut) << c.quoi;
    EXPECT_NE(std::string(sci2072_message(d.get())).find(c.message), std::string::npos)
        << c.quoi << ": " << sci2072_message(d.get());
  }
  EXPECT_EQ(lu, nullptr);
  EXPECT_EQ(sci2072_calcule(nullptr), SCI2072_USAGE);
  ASSERT_EQ(sci2072_calcule(d.get()), SCI2072_OK);
  EXPECT_STREQ(sci2072_message(d.get()), "");
  ASSERT_EQ(sci2072_ecrit_texte(d.get(), 0, &texte), SCI2072_OK);
  EXPECT_EQ(Prend(texte), avant);

  // A value that loads but should be looked at is a warning of the load, until the next one.
  const char kDouteux[] =
      "{\"format\": \"sci2072-declaration\", \"version\": 1, \"letters\": [{\"code\": 12544, "
      "\"value\": \"123\"}]}";
  EXPECT_STREQ(sci2072_avertissements(d.get()), "");
  ASSERT_EQ(sci2072_charge_texte(d.get(), kDouteux, sizeof kDouteux - 1), SCI2072_OK);
  EXPECT_STREQ(sci2072_avertissements(d.get()),
               "letter 1: code 12544 (NumeroSIREN of TInfogene2072), index {}, value \"123\": a SIREN number has 9 "
               "digits\n");
  ASSERT_EQ(sci2072_charge_fichier(d.get(), kParc.c_str()), SCI2072_OK);
  EXPECT_STREQ(sci2072_avertissements(d.get()), "");
  EXPECT_STREQ(sci2072_avertissements(nullptr), "");
}

TEST(InterfaceC, ChangesFollowTheEnginesRules) {
  const Poignee d = Ouvre();
  sci2072_declaration* h = d.get();
  // A property's new code is followed by its tenants and by every partner's share of it.
  ASSERT_EQ(Donne(h, "CodePropriete", {{300, 0}}, "APPART"), SCI2072_OK) << sci2072_message(h);
  EXPECT_EQ(Champ(h, "TLocataire.CodePropriete", {{300, 0}, {303, 0}}), "APPART");
  EXPECT_EQ(Champ(h, "TQuotePartPropriete.CodePropriete", {{301, 2}, {306, 0}}), "APPART");
  // The next position adds a record; a new tenant names its property.
  ASSERT_EQ(Nombre(h, 303, {{300, 0}}), 1u);
  ASSERT_EQ(Donne(h, "Nom", {{300, 0}, {303, 1}}, "DURAND"), SCI2072_OK) << sci2072_message(h);
  EXPECT_EQ(Nombre(h, 303, {{300, 0}}), 2u);
  EXPECT_EQ(Champ(h, "TLocataire.CodePropriete", {{300, 0}, {303, 1}}), "APPART");
  // Partners through the engine's operations: shares kept one per property.
  int position = -1, copie = -1;
  ASSERT_EQ(sci2072_ajoute_associe(h, &position), SCI2072_OK);
  EXPECT_EQ(position, 3);
  EXPECT_EQ(Nombre(h, 306, {{301, 3}}), 2u);
  ASSERT_EQ(sci2072_duplique_associe(h, 0, &copie), SCI2072_OK);
  EXPECT_EQ(copie, 4);
  EXPECT_EQ(Champ(h, "TAssocie2072.Nom", {{301, 4}}), "copie de " + Champ(h, "TAssocie2072.Nom", {{301, 0}}));
  ASSERT_EQ(sci2072_supprime_associe(h, 4), SCI2072_OK);
  ASSERT_EQ(sci2072_supprime_associe(h, 3), SCI2072_OK);
  ASSERT_EQ(sci2072_ajoute_propriete(h, &position), SCI2072_OK);
  EXPECT_EQ(Nombre(h, 306, {{301, 0}}), 3u);
  ASSERT_EQ(sci2072_supprime_propriete(h, position), SCI2072_OK);
  EXPECT_EQ(Nombre(h, 306, {{301, 0}}), 2u);

  // More rent, more result for every partner once computed; the file written and read back
  // is the same declaration.
  const std::string avant = Champ(h, "TotalRevenuOuDeficit", {{301, 0}});
  ASSERT_EQ(Donne(h, "LoyerBrut", {{300, 0}}, "20000"), SCI2072_OK);
  EXPECT_EQ(Champ(h, "TotalRevenuOuDeficit", {{301, 0}}), avant);
  ASSERT_EQ(sci2072_calcule(h), SCI2072_OK);
  EXPECT_GT(std::stod(Champ(h, "TotalRevenuOuDeficit", {{301, 0}})), std::stod(avant));
  char* texte = nullptr;
  ASSERT_EQ(sci2072_ecrit_texte(h, SCI2072_ANNOTE, &texte), SCI2072_OK);
  const std::string ecrit = Prend(texte);
  const Poignee relue(sci2072_nouvelle(), &sci2072_ferme);
  ASSERT_EQ(sci2072_charge_texte(relue.get(), ecrit.data(), ecrit.size()), SCI2072_OK) << sci2072_message(relue.get());
  ASSERT_EQ(sci2072_ecrit_texte(relue.get(), SCI2072_ANNOTE, &texte), SCI2072_OK);
  EXPECT_EQ(Prend(texte), ecrit);

  // The next year: partners stay, properties go.
  ASSERT_EQ(sci2072_nouvelle_annee(h), SCI2072_OK);
  EXPECT_EQ(Nombre(h, 301), 3u);
  EXPECT_EQ(Nombre(h, 300), 0u);
}

TEST(InterfaceC, ChecksSelectionSummaryAndDictionaryAsJson) {
  const Poignee d = Ouvre();
  sci2072_declaration* h = d.get();
  ASSERT_EQ(Donne(h, "TAssocie2072.Nom", {{301, 1}}, ""), SCI2072_OK);
  const Json controles = Lit(sci2072_controle_declaration, h);
  ASSERT_EQ(controles.size(), 1u) << controles;
  EXPECT_EQ(controles[0]["index"], Json({{"301", 1}}));
  char* texte = nullptr;
  const sci2072_niveau associe[] = {{301, 1}};
  ASSERT_EQ(sci2072_controle_ecran(h, associe, 1, 1, &texte), SCI2072_OK);
  EXPECT_EQ(Json::parse(Prend(texte)), controles);

  const Json selection = Lit(sci2072_selection, h);
  ASSERT_EQ(sci2072_selection_enregistrement(h, associe, 1, &texte), SCI2072_OK);
  const Json une = Json::parse(Prend(texte));
  EXPECT_GT(selection.size(), une.size());
  for (const Json& l : une) EXPECT_EQ(l["index"], Json({{"301", 1}}));

  const Json resume = [&] {
    char* json = nullptr;
    EXPECT_EQ(sci2072_resume(h, 0, &json), SCI2072_OK);
    return Json::parse(Prend(json));
  }();
  // The summary's tables as it prints them; the message of the partner without a name.
  ASSERT_GE(resume["tables"].size(), 4u);
  EXPECT_EQ(resume["tables"][0]["kind"], "identification");
  EXPECT_EQ(resume["properties"].size(), 2u);
  EXPECT_EQ(resume["messages"].size(), 1u);

  const Json dictionnaire = Lit(sci2072_dictionnaire, h);
  const Json& entrees = dictionnaire["entries"];
  const auto loyer =
      std::find_if(entrees.begin(), entrees.end(), [](const Json& e) { return e["field"] == "LoyerBrut"; });
  ASSERT_NE(loyer, entrees.end());
  EXPECT_EQ((*loyer)["levels"], Json({300}));
  EXPECT_FALSE(dictionnaire["lists"].empty());
}

// Two handles on two threads at once give each the figures it gives alone.
TEST(InterfaceC, TwoHandlesOnTwoThreadsNeedNoLock) {
  const auto calcule = [](const std::string& loyer) {
    const Poignee d = Ouvre();
    EXPECT_EQ(Donne(d.get(), "LoyerBrut", {{300, 0}}, loyer.c_str()), SCI2072_OK);
    EXPECT_EQ(sci2072_calcule(d.get()), SCI2072_OK);
    char* texte = nullptr;
    EXPECT_EQ(sci2072_resume(d.get(), 1, &texte), SCI2072_OK);
    std::string resultat = Prend(texte);
    EXPECT_EQ(sci2072_ecrit_texte(d.get(), SCI2072_ANNOTE, &texte), SCI2072_OK);
    resultat += Prend(texte);
    // The services that read the engine's shared tables: checks, selection, dictionary.
    for (auto* appel : {&sci2072_controle_declaration, &sci2072_selection, &sci2072_dictionnaire})
      resultat += Lit(appel, d.get()).dump();
    return resultat;
  };
  const std::string seulA = calcule("12000"), seulB = calcule("30000");
  std::string a, b;
  std::thread premier([&] { a = calcule("12000"); }), second([&] { b = calcule("30000"); });
  premier.join();
  second.join();
  EXPECT_EQ(a, seulA);
  EXPECT_EQ(b, seulB);
  EXPECT_NE(a, b);
}

}  // namespace
