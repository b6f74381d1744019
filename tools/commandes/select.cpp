// select IN [--index KEY=POS[,...]] [--codes C1,C2,...] [--json]
#include <iostream>

#include "associe2072.h"
#include "commandes.h"
#include "dictionnaire2072.h"
#include "services/selection.h"
#include "systeme/fichiers.h"

namespace hote2072 {

using zorfiscal2072::TAssocie2072;

Commande CommandeSelect() {
  struct Options {
    std::string entree, index, codes;
    bool json = false, parIndex = false, parCodes = false;
  };
  auto o = std::make_shared<Options>();
  return {"select",
          "Load and compute a declaration, then show which letters of each record the form keeps, drops or marks",
          {Entree(o->entree),
           OptionIndex(
               o->index, o->parIndex,
               "only the record at this index, e.g. " + EcritIndexTexte({{zorfiscal2072::kNiveauAssocie, 0}}) + " or " +
                   EcritIndexTexte({{zorfiscal2072::kNiveauPropriete, 0}, {zorfiscal2072::kNiveauLocataire, 1}}),
               "KEY=POS[,...]"),
           {.noms = "--codes",
            .aide = "only these letters, e.g. " + std::to_string(TAssocie2072::Lettres().CodeDuChamp("Nom")) + "," +
                    std::to_string(TAssocie2072::Lettres().CodeDuChamp("Denomination")),
            .cible = &o->codes,
            .verifie =
                [](const std::string& t) {
                  std::set<int> s;
                  return LitCodesTexte(t, s);
                },
            .forme = "C1,C2,...",
            .donnee = &o->parCodes},
           {"--json", "write a JSON array instead of a table", &o->json}},
          [o] {
            return Execute([&] {
              std::optional<Index> seul;
              std::set<int> codes;
              std::string erreur;
              if (o->parIndex) seul = LitIndexTexte(o->index, erreur);
              if (o->parCodes) LitCodesTexte(o->codes, codes);
              auto racine = ChargeCalculee(o->entree);
              if (!racine) return kEntreeInvalide;
              // One record: its letters are few, and nothing is written when it does not exist.
              std::optional<std::vector<LettreSelectionnee>> lettres;
              std::set<int> absents = codes;
              if (seul) {
                lettres = Selectionne(*racine, seul, codes);
                if (!lettres) {
                  std::cerr << "sci2072 select: --index " << DecritIndex(*seul)
                            << " names no record of the declaration\n";
                  return kUsage;
                }
                for (const LettreSelectionnee& l : *lettres) absents.erase(l.code);
              } else if (!codes.empty()) {
                for (int code : CodesTenus(*racine)) absents.erase(code);
              }
              // Each code asked for that the screen does not hold is named; with none held, there
              // is nothing to show.
              for (int code : absents) {
                const auto& d = zorfiscal2072::EntreeDictionnaire2072(code);
                std::cerr << "sci2072 select: letter " << code << " (" << d->lettre.champ << " of " << d->enregistrement
                          << ") is "
                          << (seul ? "not on the screen of --index " +
                                         (seul->empty() ? std::string("''") : EcritIndexTexte(*seul))
                                   : std::string("on no record of the declaration"))
                          << "\n";
              }
              if (!codes.empty() && absents.size() == codes.size()) return kUsage;
              if (lettres) {
                EcritFichier("-", o->json ? SelectionJson(*lettres) : SelectionTexte(*lettres));
                return kSucces;
              }
              // Every record: written as it goes, one record's letters held at a time.
              EcritFichier("-", [&](const auto& ecrit) {
                EcrivainSelection ecrivain(ecrit, o->json);
                Selectionne(*racine, std::nullopt, codes, [&](const LettreSelectionnee& l) { ecrivain.Ajoute(l); });
                ecrivain.Termine();
              });
              return kSucces;
            });
          }};
}

}  // namespace hote2072
