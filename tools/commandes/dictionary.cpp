// dictionary [--json]
#include "commandes.h"
#include "presentation/listedictionnaire.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeDictionary() {
  auto json = std::make_shared<bool>(false);
  return {"dictionary",
          "List the form's letters with their types and index levels: " + CompteDictionnaire(),
          {{"--json", "write a JSON array instead of a table", json.get()}},
          [json] {
            return Execute([&] {
              EcritFichier("-", *json ? DictionnaireJson() : DictionnaireTexte());
              return kSucces;
            });
          }};
}

}  // namespace hote2072
