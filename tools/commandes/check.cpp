// check IN [--index KEY=POS[,KEY=POS...]] [--stop] [--json]
#include "commandes.h"
#include "services/controle.h"
#include "systeme/fichiers.h"

namespace hote2072 {

Commande CommandeCheck() {
  struct Options {
    std::string entree, index;
    bool arret = false, json = false, parIndex = false;
  };
  auto o = std::make_shared<Options>();
  return {
      "check",
      "Load a declaration, compute it and list the messages of the screen checks (exit status 3 when any)",
      {Entree(o->entree),
       OptionIndex(o->index, o->parIndex,
                   "check one screen: the records named by index keys " + std::to_string(kPremiereCle) + " to " +
                       std::to_string(kDerniereCle) + " and their positions, for example " +
                       EcritIndexTexte({{zorfiscal2072::kNiveauPropriete, 0}, {zorfiscal2072::kNiveauLocataire, 1}}),
                   "KEY=POS[,KEY=POS...]"),
       {.noms = "--stop",
        .aide = "answer 1 to every message, which stops the later rules (with --index)",
        .cible = &o->arret,
        .requiert = "--index"},
       {"--json", "write a JSON array instead of lines", &o->json}},
      [o] {
        return Execute([&] {
          auto racine = ChargeCalculee(o->entree);
          if (!racine) return kEntreeInvalide;
          std::string erreur;
          const auto messages =
              o->parIndex ? ControleEcran(*racine, LitIndexTexte(o->index, erreur).value_or(Index{}), o->arret)
                          : ControleDeclaration(*racine);
          EcritFichier("-", o->json ? MessagesJson(messages) : MessagesTexte(*racine, messages));
          return messages.empty() ? kSucces : kMessagesTrouves;
        });
      }};
}

}  // namespace hote2072
