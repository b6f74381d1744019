// sci2072: runs the 2072 engine on declaration files.
// Each command is one registration function (tools/commandes/) listed once in kCommandes.
#include <CLI/CLI.hpp>

#include "commandes.h"

namespace {

using namespace hote2072;

constexpr void (*kCommandes[])(CLI::App&, int&) = {
    EnregistreCompute,
    EnregistreDictionary,
    EnregistreCheck,
    EnregistreSample,
    EnregistreTokens,
    EnregistreMigrate,
    EnregistreSelect,
    EnregistreSummary,
    EnregistreReport,
};

}  // namespace

#ifdef SCI2072_JEMALLOC
// Read by jemalloc when it starts: its memory on transparent huge pages.
extern "C" {
const char* malloc_conf = "thp:always,metadata_thp:always,oversize_threshold:0";
}
#endif

int main(int argc, char** argv) {
  CLI::App app{
      "sci2072: computes 2072 declarations (French return of property-holding civil companies) "
      "from declaration files."};
  app.set_version_flag("--version", std::string("sci2072 ") + SCI2072_VERSION);
  app.require_subcommand(1);
  int statut = kSucces;
  for (auto enregistre : kCommandes) enregistre(app, statut);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kSucces : kUsage;
  }
  return statut;
}
