// check IN [--index KEY=POS[,KEY=POS...]] [--stop] [--json]
#include "commandes.h"
#include "controle.h"
#include "fichiers.h"

namespace hote2072 {

void EnregistreCheck(CLI::App& app, int& statut) {
  struct Options {
    std::string entree, index;
    bool arret = false, json = false;
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand(
      "check", "Load a declaration, compute it and list the messages of the screen checks (exit status 3 when any)");
  AjouteEntree(*c, o->entree);
  const CLI::Validator index(
      [](std::string& texte) {
        std::string erreur;
        LitIndexControle(texte, erreur);
        return erreur;
      },
      "KEY=POS[,KEY=POS...]");
  CLI::Option* parIndex =
      c->add_option("--index", o->index,
                    "check one screen: the records named by index keys 300 to 310 and their positions, "
                    "for example 300=0,303=1")
          ->check(index);
  c->add_flag("--stop", o->arret, "answer 1 to every message, which stops the later rules (with --index)")
      ->needs(parIndex);
  c->add_flag("--json", o->json, "write a JSON array instead of lines");
  c->callback([o, parIndex, &statut] {
    statut = Execute([&] {
      auto racine = ChargeDeclaration(o->entree);
      if (!racine) return kEntreeInvalide;
      racine->Update();
      std::string erreur;
      const auto messages = parIndex->count() > 0
                                ? ControleEcran(*racine, LitIndexControle(o->index, erreur).value_or(Index{}), o->arret)
                                : ControleDeclaration(*racine);
      EcritFichier("-", o->json ? MessagesJson(messages) : MessagesTexte(*racine, messages));
      return messages.empty() ? kSucces : kMessagesTrouves;
    });
  });
}

}  // namespace hote2072
