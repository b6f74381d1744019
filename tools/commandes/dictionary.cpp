// dictionary [--json]
#include "commandes.h"
#include "fichiers.h"
#include "listedictionnaire.h"

namespace hote2072 {

void EnregistreDictionary(CLI::App& app, int& statut) {
  auto json = std::make_shared<bool>(false);
  CLI::App* c = app.add_subcommand("dictionary", "List the 663 letters of the form with their types and index levels");
  c->add_flag("--json", *json, "write a JSON array instead of a table");
  c->callback([json, &statut] {
    statut = Execute([&] {
      EcritFichier("-", *json ? DictionnaireJson() : DictionnaireTexte());
      return kSucces;
    });
  });
}

}  // namespace hote2072
