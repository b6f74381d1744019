// dictionary [--json]
#include "commandes.h"
#include "fichiers.h"
#include "listedictionnaire.h"

namespace hote2072 {

void EnregistreDictionary(CLI::App& app, int& statut) {
  auto json = std::make_shared<bool>(false);
  CLI::App* c = app.add_subcommand("dictionary", "List the form's letters with their types and index levels: 663 entries, one row each, for 661 distinct codes (12564 and 12565 held by two records)");
  c->add_flag("--json", *json, "write a JSON array instead of a table");
  c->callback([json, &statut] {
    statut = Execute([&] {
      EcritFichier("-", *json ? DictionnaireJson() : DictionnaireTexte());
      return kSucces;
    });
  });
}

}  // namespace hote2072
