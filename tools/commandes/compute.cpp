// compute IN [-o OUT] [--all] [--compact]
#include <iostream>

#include "commandes.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "services/controle.h"
#include "services/selection.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeCompute() {
  struct Options {
    std::string entree, sortie = "-";
    bool toutes = false, selection = false, compact = false;
  };
  auto o = std::make_shared<Options>();
  return {"compute",
          "Load a declaration, compute it and write the computed declaration",
          {Entree(o->entree),
           {"-o,--output", "file to write, - (the default) for standard output", &o->sortie},
           {"--all", "write every letter, those equal to a new record's value included", &o->toutes},
           {"--selected",
            "write the letters the form shows (kept or marked by the selection), defaults included: for reading",
            &o->selection},
           {"--compact", "write letters without their \"field\" and \"record\" names", &o->compact}},
          [o] {
            return Execute([&] {
              auto racine = ChargeDeclaration(o->entree);
              if (!racine) return kEntreeInvalide;
              racine->Update();
              if (o->selection)
                EcritFichier(o->sortie, [&](const auto& ecrit) {
                  EcrivainJson json(ecrit, racine->getAnnee(), !o->compact);
                  EcritSelection(*racine, [&](const LettreFichier& l) { json.Ajoute(l); });
                  json.Termine();
                });
              else
                EcritDeclaration(o->sortie, *racine, o->toutes, !o->compact);
              if (const auto n = ControleDeclaration(*racine).size(); n > 0)
                std::cerr << n << (n == 1 ? " message" : " messages")
                          << ": run sci2072 check on this file to list them\n";
              return kSucces;
            });
          }};
}

}  // namespace hote2072
