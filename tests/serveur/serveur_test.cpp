// sci2072 serve over HTTP: every security rule refuses and leaves the folder as it was, the API
// gives the command line's results, and the screens enter, check, save and refuse what they must.
#include <gtest/gtest.h>
#include <httplib.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <thread>

#include "aide_programme.h"
#include "serveur.h"

namespace fs = std::filesystem;

namespace {

const std::string kExemple = aide::Contenu(SCI2072_EXEMPLES "/sci-du-parc.json");

// Every file under a folder with its content: what a refused request must leave unchanged.
std::map<std::string, std::string> Photo(const fs::path& dossier) {
  std::map<std::string, std::string> photo;
  for (const auto& e : fs::recursive_directory_iterator(dossier))
    if (e.is_regular_file()) photo[fs::relative(e.path(), dossier).string()] = aide::Contenu(e.path());
  return photo;
}

class Serveur : public aide::Programme {
 protected:
  void SetUp() override {
    aide::Programme::SetUp();
    m_espace = m_dossier / "espace";
    fs::create_directories(m_espace);
    Ecrit("espace/parc.json", kExemple);
    Ecrit("secret.json", kExemple);
    m_serveur = std::make_unique<serveur2072::Serveur>(serveur2072::OptionsServeur{m_espace, "127.0.0.1", 0, "jeton"});
    m_fil = std::thread([this] { m_serveur->Sert(); });
    m_client = std::make_unique<httplib::Client>("127.0.0.1", m_serveur->Port());
    m_origine = "http://127.0.0.1:" + std::to_string(m_serveur->Port());
    m_cookie = "sci2072-" + std::to_string(m_serveur->Port()) + "=jeton";
    while (!m_client->Get("/")) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  void TearDown() override {
    m_serveur->Arrete();
    m_fil.join();
    aide::Programme::TearDown();
  }

  httplib::Headers Entetes(bool origine = true) const {
    httplib::Headers h{{"Cookie", m_cookie}};
    if (origine) h.emplace("Origin", m_origine);
    return h;
  }
  httplib::Result Get(const std::string& chemin) { return m_client->Get(chemin.c_str(), Entetes(false)); }
  httplib::Result Poste(const std::string& chemin, const httplib::Params& champs) {
    return m_client->Post(chemin.c_str(), Entetes(), champs);
  }
  // The version a page of the declaration shows.
  std::string Version(const std::string& page) {
    const std::string marque = "name=\"version\" value=\"";
    const std::size_t debut = page.find(marque) + marque.size();
    return page.substr(debut, page.find('"', debut) - debut);
  }

  fs::path m_espace;
  std::unique_ptr<serveur2072::Serveur> m_serveur;
  std::thread m_fil;
  std::unique_ptr<httplib::Client> m_client;
  std::string m_origine, m_cookie;
};

TEST_F(Serveur, EachSecurityRuleRefusesAndLeavesTheFolderUnchanged) {
  fs::create_symlink(m_dossier / "secret.json", m_espace / "lien.json");
  const auto avant = Photo(m_dossier);
  const std::string port = std::to_string(m_serveur->Port());
  struct Cas {
    const char* nom;
    std::string methode, chemin;
    httplib::Headers entetes;
    std::string corps;
    int statut;
  };
  const httplib::Headers sans{};
  // clang-format off
  const Cas cas[] = {
      {"no token", "GET", "/", sans, "", 401},
      {"wrong token", "GET", "/api/declarations", {{"Cookie", "sci2072-" + port + "=autre"}}, "", 401},
      {"token of another port", "GET", "/", {{"Cookie", "sci2072-1=jeton"}}, "", 401},
      {"token in the address of a change", "POST", "/espace/nouvelle?jeton=jeton&nom=x", {{"Origin", m_origine}}, "", 401},
      {"wrong Host", "GET", "/", {{"Cookie", m_cookie}, {"Host", "evil.example:" + port}}, "", 421},
      {"Host of another port", "GET", "/", {{"Cookie", m_cookie}, {"Host", "127.0.0.1:1"}}, "", 421},
      {"foreign Origin", "POST", "/espace/nouvelle?nom=x", {{"Cookie", m_cookie}, {"Origin", "http://evil.example"}}, "", 403},
      {"change without Origin", "POST", "/espace/supprime?nom=parc.json", {{"Cookie", m_cookie}}, "", 403},
      {"foreign Origin on the API", "DELETE", "/api/declarations/parc.json",
       {{"Authorization", "Bearer jeton"}, {"Origin", "http://127.0.0.1.evil.example:" + port}}, "", 403},
      {"traversal in a screen", "GET", "/d/..%2Fsecret.json/general", {{"Cookie", m_cookie}}, "", 400},
      {"traversal in the API", "PUT", "/api/declarations/..%2Fsecret.json", {{"Authorization", "Bearer jeton"}}, kExemple, 400},
      {"absolute path", "GET", "/api/declarations/%2Ftmp%2Fsecret.json", {{"Authorization", "Bearer jeton"}}, "", 400},
      {"hidden file", "DELETE", "/api/declarations/.corbeille.json", {{"Authorization", "Bearer jeton"}}, "", 400},
      {"symlink out of the folder", "GET", "/api/declarations/lien.json", {{"Authorization", "Bearer jeton"}}, "", 403},
      {"write through a symlink out", "PUT", "/api/declarations/lien.json", {{"Authorization", "Bearer jeton"}}, kExemple, 403},
      {"oversized screen body", "POST", "/d/parc.json/saisie", {{"Cookie", m_cookie}, {"Origin", m_origine}, {"Content-Length", "2097152"}}, "", 413},
      {"oversized API body", "POST", "/api/compute", {{"Authorization", "Bearer jeton"}, {"Content-Length", "999999999999"}}, "", 413},
      {"not a declaration", "PUT", "/api/declarations/parc.json", {{"Authorization", "Bearer jeton"}}, "{\"format\": 1}", 422},
      {"bad JSON", "POST", "/api/compute", {{"Authorization", "Bearer jeton"}}, "{", 422},
      {"no such record", "GET", "/d/parc.json/associe/99", {{"Cookie", m_cookie}}, "", 404},
      {"no such screen", "GET", "/d/parc.json/associe/1/locataire/0", {{"Cookie", m_cookie}}, "", 404},
      {"field of another record", "POST", "/d/parc.json/saisie?ecran=associe/0&version=1&c12140=5",
       {{"Cookie", m_cookie}, {"Origin", m_origine}}, "", 303},
      {"stale version", "POST", "/d/parc.json/saisie?ecran=associe/0&version=7&c12055=X", {{"Cookie", m_cookie}, {"Origin", m_origine}}, "", 409},
      {"stale version of a removal", "POST", "/d/parc.json/supprime?ecran=associe/0&version=7", {{"Cookie", m_cookie}, {"Origin", m_origine}}, "", 409},
      {"bad amount", "POST", "/d/parc.json/saisie?ecran=associe/0&version=1&c12075=beaucoup", {{"Cookie", m_cookie}, {"Origin", m_origine}}, "", 422},
      {"unknown level", "POST", "/d/parc.json/ajoute?niveau=306&ecran=associe/0&version=1", {{"Cookie", m_cookie}, {"Origin", m_origine}}, "", 400},
  };
  // clang-format on
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    httplib::Request requete;
    requete.method = c.methode;
    requete.path = c.chemin;
    requete.headers = c.entetes;
    requete.body = c.corps;
    if (!c.corps.empty()) requete.headers.emplace("Content-Type", "application/octet-stream");
    const auto reponse = m_client->send(requete);
    ASSERT_TRUE(reponse);
    EXPECT_EQ(reponse->status, c.statut) << reponse->body.substr(0, 300);
    EXPECT_EQ(Photo(m_dossier), avant);
  }
  // The server still answers, and the address's token gives the cookie.
  const auto entree = m_client->Get("/?jeton=jeton");
  ASSERT_TRUE(entree);
  EXPECT_EQ(entree->status, 303);
  EXPECT_EQ(entree->get_header_value("Set-Cookie"), m_cookie + "; HttpOnly; SameSite=Strict; Path=/");
}

TEST_F(Serveur, ApiGivesTheCommandLinesResults) {
  const auto avecJeton = [&](const std::string& chemin, const std::string& corps) {
    return m_client->Post(chemin.c_str(), {{"Authorization", "Bearer jeton"}}, corps, "application/json");
  };
  const std::string exemple = SCI2072_EXEMPLES "/sci-du-parc.json";
  struct Cas {
    std::string chemin, commande;
  };
  for (const Cas& c : {Cas{"/api/compute", "compute " + exemple},
                       Cas{"/api/compute?compact=true&all=true", "compute --compact --all " + exemple},
                       Cas{"/api/check", "check --json " + exemple},
                       Cas{"/api/check?index=301%3D0", "check --json --index 301=0 " + exemple},
                       Cas{"/api/select?index=301%3D1&codes=12055%2C12064",
                           "select --json --index 301=1 --codes 12055,12064 " + exemple}}) {
    SCOPED_TRACE(c.chemin);
    const auto reponse = avecJeton(c.chemin, kExemple);
    ASSERT_TRUE(reponse);
    EXPECT_EQ(reponse->status, 200);
    EXPECT_EQ(reponse->body, Lance(c.commande).sortie);
  }
  const auto dictionnaire = m_client->Get("/api/dictionary", {{"Authorization", "Bearer jeton"}});
  EXPECT_EQ(dictionnaire->body, Lance("dictionary --json").sortie);
  const auto resume = avecJeton("/api/summary", kExemple);
  EXPECT_NE(resume->body.find("\"kind\": \"statement\", \"title\": \"Déclaration individuelle : BERTRAND Paul\""),
            std::string::npos);
  const auto probleme =
      avecJeton("/api/compute",
                "{\"format\": \"sci2072-declaration\", \"version\": 1, \"letters\": [{\"code\": 1, \"value\": \"\"}]}");
  EXPECT_EQ(probleme->status, 422);
  EXPECT_NE(probleme->body.find("\"problems\": [\"letter 1: code 1"), std::string::npos) << probleme->body;

  // The workspace by name: put, list, read back, remove to the trash.
  const auto mise =
      m_client->Put("/api/declarations/neuve.json", {{"Authorization", "Bearer jeton"}}, kExemple, "application/json");
  EXPECT_EQ(mise->status, 201);
  EXPECT_EQ(aide::Contenu(m_espace / "neuve.json"), Lance("compute " + exemple).sortie);
  const auto liste = m_client->Get("/api/declarations", {{"Authorization", "Bearer jeton"}});
  EXPECT_NE(liste->body.find(
                "{\"name\": \"neuve.json\", \"company\": \"SCI DU PARC\", \"siren\": \"512345679\", \"year\": 2011"),
            std::string::npos)
      << liste->body;
  EXPECT_EQ(m_client->Get("/api/declarations/neuve.json", {{"Authorization", "Bearer jeton"}})->body,
            aide::Contenu(m_espace / "neuve.json"));
  EXPECT_EQ(m_client->Delete("/api/declarations/neuve.json", {{"Authorization", "Bearer jeton"}})->status, 204);
  EXPECT_FALSE(fs::exists(m_espace / "neuve.json"));
  EXPECT_EQ(std::distance(fs::directory_iterator(m_espace / ".corbeille"), fs::directory_iterator()), 1);
}

TEST_F(Serveur, ScreensEnterCheckSaveAndRefuse) {
  auto page = Get("/d/parc.json/immeuble/1");
  ASSERT_EQ(page->status, 200);
  EXPECT_NE(page->body.find("<label for=\"c12140\">"), std::string::npos);

  // A change is entered and computed: the house's rents raise the company's result.
  const std::string v1 = Version(page->body);
  auto reponse = Poste("/d/parc.json/saisie", {{"ecran", "immeuble/1"}, {"version", v1}, {"c12140", "15 400,00"}});
  EXPECT_EQ(reponse->status, 303);
  page = Get("/d/parc.json/immeuble/1");
  EXPECT_NE(page->body.find("value=\"15\u202f400\""), std::string::npos);
  EXPECT_NE(page->body.find("11\u202f056 €"), std::string::npos);  // revenu net à répartir, 1,000 more
  EXPECT_NE(page->body.find("Modifications non enregistrées"), std::string::npos);
  const std::string v2 = Version(page->body);
  EXPECT_NE(v1, v2);

  // A page older than the declaration cannot change it; a refused value changes nothing.
  reponse = Poste("/d/parc.json/saisie", {{"ecran", "immeuble/1"}, {"version", v2}, {"c12140", "1e14"}});
  EXPECT_EQ(reponse->status, 422);
  EXPECT_NE(reponse->body.find("Montant hors des bornes : au plus 10 000 000 000 000 en valeur absolue"),
            std::string::npos);
  reponse = Poste("/d/parc.json/saisie", {{"ecran", "immeuble/1"}, {"version", v1}, {"c12140", "1"}});
  EXPECT_EQ(reponse->status, 409);
  EXPECT_NE(reponse->body.find("modifiée depuis l&#39;affichage de cette page"), std::string::npos);
  reponse = Poste("/d/parc.json/saisie",
                  {{"ecran", "associe/0"}, {"version", v2}, {"c12521", "31/02/1961"}, {"c12057", "Anne"}});
  EXPECT_EQ(reponse->status, 422);
  EXPECT_NE(reponse->body.find("Date attendue au format jj/mm/aaaa"), std::string::npos);
  EXPECT_NE(reponse->body.find("value=\"31/02/1961\" id=\"c12521\" name=\"c12521\" aria-invalid=\"true\""),
            std::string::npos);
  EXPECT_EQ(Version(reponse->body), std::to_string(std::stoi(v2) + 1));  // the first name went in
  EXPECT_EQ(aide::Contenu(m_espace / "parc.json"), kExemple);            // nothing saved yet

  // Leaving a partner's screen with the name empty shows its message and the cursor on the name.
  Poste("/d/parc.json/saisie", {{"ecran", "associe/0"}, {"version", Version(reponse->body)}, {"c12055", ""}});
  page = Get("/d/parc.json/associe/1?depuis=associe/0");
  EXPECT_NE(page->body.find("126 — "), std::string::npos);
  EXPECT_NE(page->body.find("name=\"c12055\" aria-invalid=\"true\" autofocus"), std::string::npos);
  EXPECT_NE(page->body.find("href=\"/d/parc.json/associe/1\">Continuer sans corriger"), std::string::npos);
  // A name holding markup and a right-to-left override: the input keeps it as entered, the page
  // around it shows the override as an escape, so it cannot reverse what follows.
  Poste("/d/parc.json/saisie",
        {{"ecran", "associe/0"}, {"version", Version(page->body)}, {"c12055", "BERTRAND\u202e<b>"}});
  page = Get("/d/parc.json/associe/0");
  EXPECT_NE(page->body.find("value=\"BERTRAND\u202e&lt;b&gt;\""), std::string::npos);
  EXPECT_NE(page->body.find("BERTRAND\\u202e&lt;b&gt;"), std::string::npos);
  EXPECT_EQ(page->body.find("<b>"), std::string::npos);
  Poste("/d/parc.json/saisie", {{"ecran", "associe/0"}, {"version", Version(page->body)}, {"c12055", "BERTRAND"}});

  // Records come and go through the root's operations: a partner added moves "Autre".
  page = Get("/d/parc.json/associes");
  reponse = Poste("/d/parc.json/ajoute?niveau=301", {{"ecran", "associes"}, {"version", Version(page->body)}});
  EXPECT_EQ(reponse->get_header_value("Location"), "/d/parc.json/associe/3");
  page = Get("/d/parc.json/cession-parts/0");
  EXPECT_NE(page->body.find("<option value=\"4\">Autre</option>"), std::string::npos);
  reponse = Poste("/d/parc.json/supprime", {{"ecran", "associe/3"}, {"version", Version(page->body)}});
  EXPECT_EQ(reponse->get_header_value("Location"), "/d/parc.json/associes");

  // Saving writes what the command line computes of the same entries.
  page = Get("/d/parc.json/general");
  Poste("/d/parc.json/enregistrer", {{"ecran", "general"}});
  std::string attendu = kExemple;
  attendu.replace(attendu.find("\"14400\""), 7, "\"15400\"");
  const std::string prenom = "\"Hélène\", \"field\": \"Prenoms\"";
  attendu.replace(attendu.find(prenom), prenom.size(), "\"Anne\", \"field\": \"Prenoms\"");
  Ecrit("attendu.json", attendu);
  EXPECT_EQ(Lance("compute espace/parc.json").sortie, Lance("compute attendu.json").sortie);

  // Another program rewrites the file: the screens show its contents; a save over a later
  // change of it leaves it as it is and puts the change beside it.
  Ecrit("espace/parc.json", kExemple);
  page = Get("/d/parc.json/associe/0");
  EXPECT_NE(page->body.find("value=\"Hélène\""), std::string::npos);
  Poste("/d/parc.json/saisie", {{"ecran", "associe/0"}, {"version", Version(page->body)}, {"c12057", "Anne"}});
  Ecrit("espace/parc.json", attendu);
  reponse = Poste("/d/parc.json/enregistrer", {{"ecran", "associe/0"}});
  EXPECT_EQ(reponse->status, 409);
  EXPECT_EQ(aide::Contenu(m_espace / "parc.json"), attendu);
  const auto copies = Photo(m_espace);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_TRUE(copies.begin()->first.starts_with("parc.conflit-"));
  EXPECT_NE(copies.begin()->second.find("\"Anne\""), std::string::npos);
  EXPECT_NE(reponse->body.find(copies.begin()->first), std::string::npos);
  EXPECT_EQ(Version(Get("/d/parc.json/associe/0")->body), std::to_string(std::stoi(Version(page->body)) + 2));
  fs::remove(m_espace / copies.begin()->first);

  // The folder: next year keeps the partners and clears the year; a copy; the trash.
  Poste("/espace/suivante", {{"source", "parc.json"}, {"nom", "parc-2012"}});
  Poste("/espace/duplique", {{"source", "parc.json"}, {"nom", "copie"}});
  Poste("/espace/supprime", {{"nom", "copie.json"}});
  EXPECT_EQ(Lance("summary espace/parc-2012.json").sortie.find("Année                       2012") != std::string::npos,
            true);
  EXPECT_NE(Lance("summary espace/parc-2012.json").sortie.find("BERTRAND Paul"), std::string::npos);
  EXPECT_FALSE(fs::exists(m_espace / "copie.json"));
  EXPECT_EQ(std::distance(fs::directory_iterator(m_espace / ".corbeille"), fs::directory_iterator()), 1);
  EXPECT_EQ(Poste("/espace/nouvelle", {{"nom", "parc"}})->status, 409);

  // What a file gives that loads but should be looked at is shown on its screens.
  Ecrit("espace/douteuse.json", R"({"format": "sci2072-declaration", "version": 1, "year": 2012, "letters": []})");
  page = Get("/d/douteuse.json/general");
  EXPECT_NE(page->body.find("Le fichier donne 1 valeur à vérifier"), std::string::npos);
  EXPECT_NE(page->body.find("this engine computes the 2011 return"), std::string::npos);
  EXPECT_EQ(Get("/d/parc.json/general")->body.find("id=\"avertissements\""), std::string::npos);
}

}  // namespace
