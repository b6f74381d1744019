// report IN [-o OUT.html] [--pdf] [--all-partners]
#include <iostream>

#include "commandes.h"
#include "fichiers.h"
#include "resume.h"

namespace hote2072 {

void EnregistreReport(CLI::App& app, int& statut) {
  struct Options {
    std::string entree, sortie = "-";
    bool pdf = false, tous = false;
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand("report", "Load a declaration, compute it and write the return as a printable HTML page");
  AjouteEntree(*c, o->entree);
  CLI::Option* sortie = c->add_option("-o,--output", o->sortie, "file to write, - (the default) for standard output");
  c->add_flag("--pdf", o->pdf, "write a PDF printed by headless chromium instead of HTML (needs -o)")->needs(sortie);
  c->add_flag("--all-partners", o->tous, "include every partner's statement, not only the 20 largest holdings");
  c->callback([o, &statut] {
    statut = Execute([&] {
      if (o->pdf && o->sortie == "-") {
        std::cerr << "sci2072: --pdf writes a file: give it with -o\n";
        return kUsage;
      }
      auto racine = ChargeDeclaration(o->entree);
      if (!racine) return kEntreeInvalide;
      racine->Update();
      const std::string html = ResumeHtml(ConstruitResume(*racine, o->tous));
      if (!o->pdf) {
        EcritFichier(o->sortie, html);
        return kSucces;
      }
      std::string erreur;
      if (ImprimePdf(html, o->sortie, erreur)) return kSucces;
      std::cerr << "sci2072: " << erreur << "\n";
      return kEntreeInvalide;
    });
  });
}

}  // namespace hote2072
