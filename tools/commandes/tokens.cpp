// tokens IN [--json]
#include "commandes.h"
#include "composant2072.h"
#include "presentation/jetons.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeTokens() {
  struct Options {
    std::string entree;
    bool json = false;
  };
  auto o = std::make_shared<Options>();
  return {"tokens",
          "Load a declaration, update it and print the text tokens the engine hands the host's screens",
          {Entree(o->entree),
           {"--json", "write a JSON array of {\"token\", \"value\"} instead of tab-separated lines", &o->json}},
          [o] {
            return Execute([&] {
              auto racine = ChargeDeclaration(o->entree);
              if (!racine) return kEntreeInvalide;
              TComposantZR2072 composant;
              composant.set_donnee(racine.get());
              TDonnee2072& donnee = *composant.donnee2072();
              donnee.Update();
              donnee.UpdateStaticsManager(composant.get_staticsManager());
              EcritFichier("-", EcritJetons(*composant.get_staticsManager(), o->json));
              return kSucces;
            });
          }};
}

}  // namespace hote2072
