// summary IN [--all-partners]
#include "commandes.h"
#include "fichiers.h"
#include "resume.h"

namespace hote2072 {

void EnregistreSummary(CLI::App& app, int& statut) {
  struct Options {
    std::string entree;
    bool tous = false;
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand("summary", "Load a declaration, compute it and print the return for a person to read");
  AjouteEntree(*c, o->entree);
  c->add_flag("--all-partners", o->tous, "list every partner's statement, not only the 20 largest holdings");
  c->callback([o, &statut] {
    statut = Execute([&] {
      auto racine = ChargeDeclaration(o->entree);
      if (!racine) return kEntreeInvalide;
      racine->Update();
      EcritFichier("-", ResumeTexte(ConstruitResume(*racine, o->tous)));
      return kSucces;  // the checks' messages are shown, not failures
    });
  });
}

}  // namespace hote2072
