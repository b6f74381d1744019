// report IN [-o OUT.html] [--pdf [--pdf-timeout SECONDS]] [--all-partners]
#include <charconv>
#include <iostream>

#include "commandes.h"
#include "presentation/resume.h"
#include "presentation/resumehtml.h"
#include "systeme/fichiers.h"
#include "systeme/navigateur.h"

namespace hote2072 {

namespace {

constexpr int kDelaiMax = 86400;

// Seconds from 1 to a day, or nothing.
std::optional<int> LitDelai(const std::string& texte) {
  int secondes = 0;
  const auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), secondes);
  if (ec != std::errc() || fin != texte.data() + texte.size() || secondes < 1 || secondes > kDelaiMax)
    return std::nullopt;
  return secondes;
}

}  // namespace

Commande CommandeReport() {
  struct Options {
    std::string entree, sortie = "-", delai = std::to_string(kDelaiImpressionDefaut);
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
           {.noms = "--pdf-timeout",
            .aide = "seconds the browser may take to print before it is stopped (default " +
                    std::to_string(kDelaiImpressionDefaut) + ")",
            .cible = &o->delai,
            .requiert = "--pdf",
            .verifie =
                [](const std::string& t) {
                  return LitDelai(t) ? std::string()
                                     : "expected a whole number of seconds from 1 to " + std::to_string(kDelaiMax);
                },
            .forme = "SECONDS"},
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
              auto racine = ChargeCalculee(o->entree, &options.codesDonnes);
              if (!racine) return kEntreeInvalide;
              const std::string html = ResumeHtml(ConstruitResume(*racine, options));
              if (!o->pdf) {
                EcritFichier(o->sortie, html);
                return kSucces;
              }
              std::string erreur;
              const auto pdf = ImprimePdf(html, *LitDelai(o->delai), erreur);
              if (!pdf) {
                std::cerr << "sci2072: " << erreur << "\n";
                return kEntreeInvalide;
              }
              EcritFichier(o->sortie, *pdf);  // as every output: atomic, permissions and links kept
              return kSucces;
            });
          }};
}

}  // namespace hote2072
