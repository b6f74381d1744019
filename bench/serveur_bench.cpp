// sci2072 serve on a fund of 10,000 partners × 100 properties (a million shares): the time to
// show a partner's screen, and to apply one change (entered, the whole declaration updated,
// the screen rendered again, as the page's script asks for it), each through HTTP from a
// client in the same process. Opening the fund (reading and loading the file) is done once,
// before the measures. The CPU column is the whole process's (the server's threads and the
// client's): on a loaded machine it is the steadier figure.
#include <benchmark/benchmark.h>
#include <httplib.h>
#include <stdlib.h>

#include <filesystem>
#include <thread>

#include "format/fichierjson.h"
#include "grande_declaration.h"
#include "serveur.h"
#include "systeme/fichiers.h"

namespace {

struct Fonds {
  Fonds() {
    std::string modele = (std::filesystem::temp_directory_path() / "sci2072-bench-XXXXXX").string();
    dossier = mkdtemp(modele.data());
    hote2072::EcritFichier((dossier / "fonds.json").string(),
                           hote2072::EcritJson(bench2072::GrandeDeclaration(10000, 100), false));
    serveur = std::make_unique<serveur2072::Serveur>(serveur2072::OptionsServeur{dossier, "127.0.0.1", 0, "jeton"});
    fil = std::thread([this] { serveur->Sert(); });
    client = std::make_unique<httplib::Client>("127.0.0.1", serveur->Port());
    client->set_read_timeout(600);
    entetes = {{"Cookie", "sci2072-" + std::to_string(serveur->Port()) + "=jeton"},
               {"Origin", "http://127.0.0.1:" + std::to_string(serveur->Port())},
               {"X-Sci2072", "1"}};
    while (!Page("/d/fonds.json/associe/5000")) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ~Fonds() {
    serveur->Arrete();
    fil.join();
    std::filesystem::remove_all(dossier);
  }
  httplib::Result Page(const std::string& chemin) { return client->Get(chemin.c_str(), entetes); }

  std::filesystem::path dossier;
  std::unique_ptr<serveur2072::Serveur> serveur;
  std::thread fil;
  std::unique_ptr<httplib::Client> client;
  httplib::Headers entetes;
};

Fonds& LeFonds() {
  static Fonds fonds;
  return fonds;
}

std::string Version(const std::string& page) {
  const std::string marque = "name=\"version\" value=\"";
  const std::size_t debut = page.find(marque) + marque.size();
  return page.substr(debut, page.find('"', debut) - debut);
}

void BM_EcranAssocie(benchmark::State& etat) {
  Fonds& f = LeFonds();
  std::size_t octets = 0;
  for (auto _ : etat) {
    const auto page = f.Page("/d/fonds.json/associe/5000");
    if (!page || page->status != 200) etat.SkipWithError("page refused");
    octets = page->body.size();
  }
  etat.counters["octets"] = static_cast<double>(octets);
}
BENCHMARK(BM_EcranAssocie)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_SaisieEtMiseAJour(benchmark::State& etat) {
  Fonds& f = LeFonds();
  std::string version = Version(f.Page("/d/fonds.json/associe/5000")->body);
  int k = 0;
  for (auto _ : etat) {
    const auto reponse = f.client->Post(
        "/d/fonds.json/saisie", f.entetes,
        httplib::Params{{"ecran", "associe/5000"}, {"version", version}, {"c12075", std::to_string(10 + ++k % 2)}});
    if (!reponse || reponse->status != 200) etat.SkipWithError("change refused");
    version = Version(reponse->body);
  }
}
BENCHMARK(BM_SaisieEtMiseAJour)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
