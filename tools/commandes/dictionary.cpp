// dictionary [--json | --lists]
#include <cstdio>

#include "commandes.h"
#include "presentation/listedictionnaire.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeDictionary() {
  struct Options {
    bool json = false, listes = false;
  };
  auto o = std::make_shared<Options>();
  return {
      "dictionary",
      "List the form's letters with their types, index levels, French labels, roles (entered or computed), "
      "units and lists: " +
          CompteDictionnaire(),
      {{"--json", "write a JSON object: the entries, then every reference list with its codes and labels", &o->json},
       {"--lists", "print the reference lists coded fields take their values from, with their codes and labels",
        &o->listes}},
      [o] {
        if (o->json && o->listes) {
          std::fputs("sci2072: dictionary: --json and --lists cannot go together\n", stderr);
          return kUsage;
        }
        return Execute([&] {
          EcritFichier("-", o->listes ? ListesTexte() : o->json ? DictionnaireJson() : DictionnaireTexte());
          return kSucces;
        });
      }};
}

}  // namespace hote2072
