// select IN [--index KEY=POS[,...]] [--codes C1,C2,...] [--json]
#include <iostream>

#include "commandes.h"
#include "services/selection.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeSelect() {
  struct Options {
    std::string entree, index, codes;
    bool json = false, parIndex = false, parCodes = false;
  };
  auto o = std::make_shared<Options>();
  return {"select",
          "Load and compute a declaration, then show which letters of each record the form keeps, drops or marks",
          {Entree(o->entree),
           {.noms = "--index",
            .aide = "only the record at this index, e.g. 301=0 or 300=0,303=1",
            .cible = &o->index,
            .verifie = [](const std::string& t) { Index i; return LitIndexSelection(t, i); },
            .forme = "KEY=POS[,...]",
            .donnee = &o->parIndex},
           {.noms = "--codes",
            .aide = "only these letters, e.g. 12055,12064",
            .cible = &o->codes,
            .verifie = [](const std::string& t) { std::set<int> s; return LitCodesSelection(t, s); },
            .forme = "C1,C2,...",
            .donnee = &o->parCodes},
           {"--json", "write a JSON array instead of a table", &o->json}},
          [o] {
            return Execute([&] {
              std::optional<Index> seul;
              std::set<int> codes;
              if (o->parIndex) LitIndexSelection(o->index, seul.emplace());
              if (o->parCodes) LitCodesSelection(o->codes, codes);
              auto racine = ChargeDeclaration(o->entree);
              if (!racine) return kEntreeInvalide;
              racine->Update();
              const auto lettres = Selectionne(*racine, seul, codes);
              if (!lettres) {
                std::cerr << "sci2072 select: --index " << DecritIndex(*seul) << " names no record of the declaration\n";
                return kUsage;
              }
              EcritFichier("-", o->json ? SelectionJson(*lettres) : SelectionTexte(*lettres));
              return kSucces;
            });
          }};
}

}  // namespace hote2072
