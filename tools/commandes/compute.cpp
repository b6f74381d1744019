// compute IN [-o OUT] [--all]
#include <iostream>

#include "commandes.h"
#include "controle.h"
#include "ecriture.h"
#include "fichierjson.h"
#include "fichiers.h"

namespace hote2072 {

void EnregistreCompute(CLI::App& app, int& statut) {
  struct Options {
    std::string entree, sortie = "-";
    bool toutes = false;
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand("compute", "Load a declaration, compute it and write the computed declaration");
  AjouteEntree(*c, o->entree);
  c->add_option("-o,--output", o->sortie, "file to write, - (the default) for standard output");
  c->add_flag("--all", o->toutes, "write every letter, those equal to a new record's value included");
  c->callback([o, &statut] {
    statut = Execute([&] {
      auto racine = ChargeDeclaration(o->entree);
      if (!racine) return kEntreeInvalide;
      racine->Update();
      EcritFichier(o->sortie, EcritJson(Ecrit(*racine, o->toutes)));
      if (const auto n = ControleDeclaration(*racine).size(); n > 0)
        std::cerr << n << (n == 1 ? " message" : " messages") << ": run sci2072 check on this file to list them\n";
      return kSucces;
    });
  });
}

}  // namespace hote2072
