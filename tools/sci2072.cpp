// sci2072: runs the 2072 engine on declaration files.
// Each command is one function (tools/commandes/) listed once in kCommandes; this file alone
// turns their descriptions into the command-line parser.
#include <CLI/CLI.hpp>
#include <map>

#include "commandes.h"
#include "systeme/nettoyage.h"

namespace {

using namespace hote2072;

constexpr Commande (*kCommandes[])() = {
    CommandeCompute, CommandeDictionary, CommandeCheck,   CommandeSample, CommandeTokens,
    CommandeMigrate, CommandeSelect,     CommandeSummary, CommandeReport, CommandeServe,
};

// Adds one command to the parser; its exit status goes to `statut` once it has run.
void Enregistre(CLI::App& app, Commande commande, int& statut) {
  CLI::App* c = app.add_subcommand(commande.nom, commande.aide);
  std::map<std::string, CLI::Option*> declarees;
  std::vector<std::pair<CLI::Option*, bool*>> donnees;
  for (const Option& o : commande.options) {
    CLI::Option* option = std::visit(
        [&](auto* cible) {
          if constexpr (std::is_same_v<decltype(cible), bool*>)
            return c->add_flag(o.noms, *cible, o.aide);
          else
            return c->add_option(o.noms, *cible, o.aide);
        },
        o.cible);
    if (o.requise) option->required();
    if (o.verifie)
      option->check(CLI::Validator([verifie = o.verifie](std::string& texte) { return verifie(texte); }, o.forme));
    if (!o.requiert.empty()) option->needs(declarees.at(o.requiert));
    if (o.donnee != nullptr) donnees.emplace_back(option, o.donnee);
    declarees.emplace(o.noms, option);
  }
  c->callback([execute = std::move(commande.execute), donnees, &statut] {
    for (const auto& [option, donnee] : donnees) *donnee = option->count() > 0;
    statut = execute();
  });
}

}  // namespace

#ifdef SCI2072_JEMALLOC
// Read by jemalloc when it starts: its memory on transparent huge pages.
extern "C" {
const char* malloc_conf = "thp:always,metadata_thp:always,oversize_threshold:0";
}
#endif

int main(int argc, char** argv) {
  hote2072::InstalleNettoyageSignaux();  // a signal removes our temporary files and stops the browser
  CLI::App app{
      "sci2072: computes 2072 declarations (French return of property-holding civil companies) "
      "from declaration files."};
  app.set_version_flag("--version", std::string("sci2072 ") + SCI2072_VERSION);
  app.require_subcommand(1);
  int statut = kSucces;
  for (auto commande : kCommandes) Enregistre(app, commande(), statut);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kSucces : kUsage;
  }
  return statut;
}
