// summary IN [--all-partners]
#include "commandes.h"
#include "presentation/resume.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeSummary() {
  struct Options {
    std::string entree;
    bool tous = false;
  };
  auto o = std::make_shared<Options>();
  return {"summary",
          "Load a declaration, compute it and print the return for a person to read",
          {Entree(o->entree),
           {"--all-partners",
            "list every partner's statement, not only the " + std::to_string(kAssociesListes) + " largest holdings",
            &o->tous}},
          [o] {
            return Execute([&] {
              OptionsResume options{.tousAssocies = o->tous, .codesDonnes = {}};
              auto racine = ChargeCalculee(o->entree, &options.codesDonnes);
              if (!racine) return kEntreeInvalide;
              EcritFichier("-", ResumeTexte(ConstruitResume(*racine, options)));
              return kSucces;  // the checks' messages are shown, not failures
            });
          }};
}

}  // namespace hote2072
