// compute IN [-o OUT] [--all] [--compact]
#include "commandes.h"
#include "ecriture.h"
#include "fichierjson.h"
#include "fichiers.h"

namespace hote2072 {

void EnregistreCompute(CLI::App& app, int& statut) {
  struct Options {
    std::string entree, sortie = "-";
    bool toutes = false, compact = false;
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand("compute", "Load a declaration, compute it and write the computed declaration");
  AjouteEntree(*c, o->entree);
  c->add_option("-o,--output", o->sortie, "file to write, - (the default) for standard output");
  c->add_flag("--all", o->toutes, "write every letter, those equal to a new record's value included");
  c->add_flag("--compact", o->compact, "write letters without their \"field\" and \"record\" names");
  c->callback([o, &statut] {
    statut = Execute([&] {
      auto racine = ChargeDeclaration(o->entree);
      if (!racine) return kEntreeInvalide;
      racine->Update();
      EcritDeclaration(o->sortie, *racine, o->toutes, !o->compact);
      return kSucces;
    });
  });
}

}  // namespace hote2072
