// sample [-o OUT]
#include "commandes.h"
#include "ecriture.h"
#include "fichierjson.h"
#include "fichiers.h"

namespace hote2072 {

void EnregistreSample(CLI::App& app, int& statut) {
  auto sortie = std::make_shared<std::string>("-");
  CLI::App* c = app.add_subcommand("sample", "Write the sample declaration, not computed, as a declaration file");
  c->add_option("-o,--output", *sortie, "file to write, - (the default) for standard output");
  c->callback([sortie, &statut] {
    statut = Execute([&] {
      TDonnee2072 racine;
      racine.CasTest();
      EcritFichier(*sortie, EcritJson(Ecrit(racine, false)));
      return kSucces;
    });
  });
}

}  // namespace hote2072
