// select IN [--index KEY=POS[,...]] [--codes C1,C2,...] [--json]
#include <iostream>

#include "commandes.h"
#include "dictionnaire2072.h"
#include "services/selection.h"
#include "systeme/fichiers.h"

namespace hote2072 {

namespace {

// An index as the option gives it: "301=0,306=2", '' for the declaration's own letters.
std::string IndexOption(const Index& index) {
  std::string texte;
  for (const auto& [cle, position] : index) {
    if (!texte.empty()) texte += ',';
    texte.append(std::to_string(cle)).append(1, '=').append(std::to_string(position));
  }
  return texte.empty() ? "''" : texte;
}

}  // namespace

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
              // Each code asked for that the screen does not hold is named; with none held, there
              // is nothing to show.
              std::set<int> absents = codes;
              for (const LettreSelectionnee& l : *lettres) absents.erase(l.code);
              for (int code : absents) {
                const auto& d = zorfiscal2072::EntreeDictionnaire2072(code);
                std::cerr << "sci2072 select: letter " << code << " (" << d->lettre.champ << " of " << d->enregistrement
                          << ") is "
                          << (seul ? "not on the screen of --index " + IndexOption(*seul)
                                   : std::string("on no record of the declaration"))
                          << "\n";
              }
              if (!codes.empty() && absents.size() == codes.size()) return kUsage;
              EcritFichier("-", o->json ? SelectionJson(*lettres) : SelectionTexte(*lettres));
              return kSucces;
            });
          }};
}

}  // namespace hote2072
