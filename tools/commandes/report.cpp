// report IN [-o OUT.html] [--pdf] [--all-partners]
#include <iostream>

#include "commandes.h"
#include "presentation/resume.h"
#include "presentation/resumehtml.h"
#include "systeme/fichiers.h"
#include "systeme/navigateur.h"

namespace hote2072 {

Commande CommandeReport() {
  struct Options {
    std::string entree, sortie = "-";
    bool pdf = false, tous = false;
  };
  auto o = std::make_shared<Options>();
  return {"report",
          "Load a declaration, compute it and write the return as a printable HTML page",
          {Entree(o->entree),
           {"-o,--output", "file to write, - (the default) for standard output", &o->sortie},
           {.noms = "--pdf",
            .aide = "write a PDF printed by headless chromium instead of HTML (needs -o)",
            .cible = &o->pdf,
            .requiert = "-o,--output"},
           {"--all-partners",
            "include every partner's statement, not only the " + std::to_string(kAssociesListes) + " largest holdings",
            &o->tous}},
          [o] {
            return Execute([&] {
              if (o->pdf && o->sortie == "-") {
                std::cerr << "sci2072: --pdf writes a file: give it with -o\n";
                return kUsage;
              }
              OptionsResume options{.tousAssocies = o->tous, .codesDonnes = {}};
              auto racine = ChargeDeclaration(o->entree, &options.codesDonnes);
              if (!racine) return kEntreeInvalide;
              racine->Update();
              const std::string html = ResumeHtml(ConstruitResume(*racine, options));
              if (!o->pdf) {
                EcritFichier(o->sortie, html);
                return kSucces;
              }
              std::string erreur;
              if (ImprimePdf(html, o->sortie, erreur)) return kSucces;
              std::cerr << "sci2072: " << erreur << "\n";
              return kEntreeInvalide;
            });
          }};
}

}  // namespace hote2072
