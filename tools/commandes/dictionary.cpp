// dictionary [--json | --lists]
#include "commandes.h"
#include "fichiers.h"
#include "listedictionnaire.h"

namespace hote2072 {

void EnregistreDictionary(CLI::App& app, int& statut) {
  auto json = std::make_shared<bool>(false);
  auto listes = std::make_shared<bool>(false);
  CLI::App* c = app.add_subcommand("dictionary", "List the form's letters with their types, index levels, French labels, roles (entered or computed) and lists: 663 entries, one row each, for 661 distinct codes (12564 and 12565 held by two records)");
  CLI::Option* optionJson = c->add_flag("--json", *json, "write a JSON object: the entries, then every reference list with its codes and labels");
  c->add_flag("--lists", *listes, "print the reference lists a coded field takes its values from, with their codes and labels")
      ->excludes(optionJson);
  c->callback([json, listes, &statut] {
    statut = Execute([&] {
      EcritFichier("-", *listes ? ListesTexte() : *json ? DictionnaireJson() : DictionnaireTexte());
      return kSucces;
    });
  });
}

}  // namespace hote2072
