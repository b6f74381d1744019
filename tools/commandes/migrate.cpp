// migrate IN --from VERSION [-o OUT]
#include <iostream>

#include "commandes.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "lettres.h"
#include "moulinette.h"
#include "services/migration.h"
#include "systeme/fichiers.h"

namespace hote2072 {

namespace {

constexpr std::size_t kLignesAffichees = 100;

// The notes and problems of a file, for a person: nothing in them acts on the terminal.
void AfficheLignes(const std::string& source, const std::string& prefixe, const std::vector<std::string>& lignes,
                   const char* pluriel) {
  for (std::size_t k = 0; k < lignes.size() && k < kLignesAffichees; ++k)
    std::cerr << lettres::Lisible(source) << ": " << prefixe << lettres::Lisible(lignes[k]) << "\n";
  if (lignes.size() > kLignesAffichees)
    std::cerr << lettres::Lisible(source) << ": ... and " << lignes.size() - kLignesAffichees << " more " << pluriel
              << "\n";
}

}  // namespace

Commande CommandeMigrate() {
  struct Options {
    std::string entree, version, sortie = "-";
  };
  auto o = std::make_shared<Options>();
  return {"migrate",
          "Convert a declaration saved by an earlier engine into a declaration of today's format",
          {Entree(o->entree),
           {.noms = "--from",
            .aide = "version of the engine that saved IN, YEAR.RELEASE (for instance 2009.2)",
            .cible = &o->version,
            .requise = true,
            .verifie =
                [](const std::string& v) {
                  return LitVersionMoulinette(v) ? std::string()
                                                 : "not a version: expected YEAR.RELEASE, such as 2009.2 or 2011.2";
                },
            .forme = "YEAR.RELEASE"},
           {"-o,--output", "file to write, - (the default) for standard output", &o->sortie}},
          [o] {
            return Execute([&] {
              const std::string source = o->entree == "-" ? "<stdin>" : o->entree;
              Rapport rapport;
              Migration migration;
              if (const auto ancien = LitJson(LitTexteDeclaration(o->entree), rapport))
                migration = Migre(*ancien, o->version, rapport);
              AfficheLignes(source, "note: ", migration.notes, "notes");
              AfficheLignes(source, "warning: ", rapport.avertissements(), "warnings");
              if (!migration.racine) {
                const auto problemes = rapport.problemes();
                AfficheLignes(source, "", problemes, "problems");
                std::cerr << lettres::Lisible(source) << ": " << problemes.size()
                          << (problemes.size() == 1 ? " problem" : " problems") << "; nothing written\n";
                return kEntreeInvalide;
              }
              EcritFichier(o->sortie, EcritJson(Ecrit(*migration.racine, false)));
              return kSucces;
            });
          }};
}

}  // namespace hote2072
