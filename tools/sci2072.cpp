// sci2072: runs the 2072 engine on declaration files.
// Each command is one function and one registration in kCommandes.
#include <CLI/CLI.hpp>
#include <exception>
#include <functional>
#include <iostream>
#include <memory>

#include "chargement.h"
#include "ecriture.h"
#include "fichierjson.h"
#include "fichiers.h"
#include "listedictionnaire.h"

namespace {

using namespace hote2072;

constexpr int kSucces = 0, kEntreeInvalide = 1, kUsage = 2;
constexpr std::size_t kProblemesAffiches = 100;

// Runs a command; failures to read or write a file are invalid input like a bad letter.
int Execute(const std::function<int()>& commande) {
  try {
    return commande();
  } catch (const ErreurFichier& e) {
    std::cerr << "sci2072: " << e.what() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "sci2072: internal error: " << e.what() << "\n";
  }
  return kEntreeInvalide;
}

void AfficheProblemes(const std::string& source, const Rapport& rapport) {
  const auto problemes = rapport.problemes();
  for (std::size_t k = 0; k < problemes.size() && k < kProblemesAffiches; ++k)
    std::cerr << source << ": " << problemes[k] << "\n";
  if (problemes.size() > kProblemesAffiches)
    std::cerr << source << ": ... and " << problemes.size() - kProblemesAffiches << " more problems\n";
  std::cerr << source << ": " << problemes.size() << (problemes.size() == 1 ? " problem" : " problems")
            << "; nothing written\n";
}

// The declaration in a file, or null once its problems are on standard error.
std::unique_ptr<TDonnee2072> ChargeDeclaration(const std::string& chemin) {
  const std::string source = chemin == "-" ? "<stdin>" : chemin;
  Rapport rapport;
  std::unique_ptr<TDonnee2072> racine;
  if (const auto fichier = LitJson(LitFichier(chemin), rapport)) racine = Charge(*fichier, rapport);
  if (!racine) AfficheProblemes(source, rapport);
  return racine;
}

void AjouteEntree(CLI::App& commande, std::string& entree) {
  commande.add_option("IN", entree, "declaration file to read, - for standard input")->required();
}

// compute IN [-o OUT] [--all]
void EnregistreCompute(CLI::App& app, int& statut) {
  struct Options {
    std::string entree, sortie = "-";
    bool toutes = false;
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand("compute", "Load a declaration, compute it and write the computed declaration");
  AjouteEntree(*c, o->entree);
  c->add_option("-o,--output", o->sortie, "file to write, - (the default) for standard output");
  c->add_flag("--all", o->toutes, "write every letter, those equal to a new record's value included");
  c->callback([o, &statut] {
    statut = Execute([&] {
      auto racine = ChargeDeclaration(o->entree);
      if (!racine) return kEntreeInvalide;
      racine->Update();
      EcritFichier(o->sortie, EcritJson(Ecrit(*racine, o->toutes)));
      return kSucces;
    });
  });
}

// dictionary [--json]
void EnregistreDictionary(CLI::App& app, int& statut) {
  auto json = std::make_shared<bool>(false);
  CLI::App* c = app.add_subcommand("dictionary", "List the 663 letters of the form with their types and index levels");
  c->add_flag("--json", *json, "write a JSON array instead of a table");
  c->callback([json, &statut] {
    statut = Execute([&] {
      EcritFichier("-", *json ? DictionnaireJson() : DictionnaireTexte());
      return kSucces;
    });
  });
}

constexpr void (*kCommandes[])(CLI::App&, int&) = {EnregistreCompute, EnregistreDictionary};

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "sci2072: computes 2072 declarations (French return of property-holding civil companies) "
      "from declaration files."};
  app.set_version_flag("--version", std::string("sci2072 ") + SCI2072_VERSION);
  app.require_subcommand(1);
  int statut = kSucces;
  for (auto enregistre : kCommandes) enregistre(app, statut);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kSucces : kUsage;
  }
  return statut;
}
