// sample [-o OUT]
#include "commandes.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeSample() {
  auto sortie = std::make_shared<std::string>("-");
  return {"sample",
          "Write the sample declaration, not computed, as a declaration file",
          {{"-o,--output", "file to write, - (the default) for standard output", sortie.get()}},
          [sortie] {
            return Execute([&] {
              TDonnee2072 racine;
              racine.CasTest();
              EcritFichier(*sortie, EcritJson(Ecrit(racine, false)));
              return kSucces;
            });
          }};
}

}  // namespace hote2072
