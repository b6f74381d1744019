// compute IN... [-o OUT | --out-dir DIR] [--all] [--selected] [--compact]
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <vector>

#include "commandes.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "services/controle.h"
#include "services/selection.h"
#include "systeme/fichiers.h"
#include "systeme/parallele.h"

namespace hote2072 {

namespace {

struct Options {
  std::vector<std::string> entrees;
  std::string sortie = "-", dossier;
  bool toutes = false, selection = false, compact = false, parSortie = false;
};

// One declaration: loaded, computed, written; what goes wrong is said on `erreurs`.
int CalculeFichier(const Options& o, const std::string& entree, const std::string& sortie, std::ostream& erreurs) {
  return Execute(
      [&] {
        auto racine = ChargeCalculee(entree, nullptr, erreurs);
        if (!racine) return kEntreeInvalide;
        if (o.selection)
          EcritFichier(sortie, [&](const auto& ecrit) {
            EcrivainJson json(ecrit, racine->getAnnee(), !o.compact);
            EcritSelection(*racine, [&](const LettreFichier& l) { json.Ajoute(l); });
            json.Termine();
          });
        else
          EcritDeclaration(sortie, *racine, o.toutes, !o.compact);
        if (const auto n = ControleDeclaration(*racine).size(); n > 0)
          erreurs << (o.entrees.size() > 1 ? entree + ": " : "") << n << (n == 1 ? " message" : " messages")
                  << ": run sci2072 check on this file to list them\n";
        return kSucces;
      },
      erreurs);
}

// Several files, each written under its own name in the folder, computed on all cores; what
// goes wrong is said file by file, in the order given.
int CalculeFichiers(const Options& o) {
  std::set<std::filesystem::path> noms;
  for (const std::string& entree : o.entrees) {
    if (entree == "-") {
      std::cerr << "sci2072 compute: --out-dir writes each file under its name: standard input has none\n";
      return kUsage;
    }
    if (!noms.insert(std::filesystem::path(entree).filename()).second) {
      std::cerr << "sci2072 compute: two files named " << std::filesystem::path(entree).filename()
                << " would be written to the same place in " << o.dossier << "\n";
      return kUsage;
    }
  }
  std::error_code erreur;
  std::filesystem::create_directories(o.dossier, erreur);
  if (erreur) {
    std::cerr << "sci2072: cannot create " << o.dossier << ": " << erreur.message() << "\n";
    return kEntreeInvalide;
  }
  std::vector<int> statuts(o.entrees.size());
  std::vector<std::string> erreurs(o.entrees.size());
  EnParallele(o.entrees.size(), [&](std::size_t k) {
    std::ostringstream flot;
    const std::string& entree = o.entrees[k];
    statuts[k] = CalculeFichier(
        o, entree, (std::filesystem::path(o.dossier) / std::filesystem::path(entree).filename()).string(), flot);
    erreurs[k] = flot.str();
  });
  std::size_t echecs = 0;
  for (std::size_t k = 0; k < o.entrees.size(); ++k) {
    std::cerr << erreurs[k];
    echecs += statuts[k] != kSucces;
  }
  if (echecs > 0 && o.entrees.size() > 1)
    std::cerr << "sci2072 compute: " << echecs << " of " << o.entrees.size() << " files not computed\n";
  return echecs == 0 ? kSucces : kEntreeInvalide;
}

}  // namespace

Commande CommandeCompute() {
  auto o = std::make_shared<Options>();
  return {
      "compute",
      "Load declarations, compute them and write the computed declarations",
      {{.noms = "IN", .aide = "declaration files to read, - for standard input", .cible = &o->entrees, .requise = true},
       {.noms = "-o,--output",
        .aide = "file to write, - (the default) for standard output",
        .cible = &o->sortie,
        .donnee = &o->parSortie},
       {"--out-dir",
        "folder to write each computed declaration to, under its file's name (needed for several files, which are "
        "computed on all cores)",
        &o->dossier},
       {"--all", "write every letter, those equal to a new record's value included", &o->toutes},
       {"--selected",
        "write the letters the form shows (kept or marked by the selection), defaults included: for reading",
        &o->selection},
       {"--compact", "write letters without their \"field\" and \"record\" names", &o->compact}},
      [o] {
        if (!o->dossier.empty() && o->parSortie) {
          std::cerr << "sci2072 compute: -o and --out-dir exclude each other\n";
          return kUsage;
        }
        if (o->dossier.empty() && o->entrees.size() > 1) {
          std::cerr << "sci2072 compute: several files are written to a folder: give it with --out-dir\n";
          return kUsage;
        }
        if (!o->dossier.empty()) return CalculeFichiers(*o);
        return CalculeFichier(*o, o->entrees.front(), o->sortie, std::cerr);
      }};
}

}  // namespace hote2072
