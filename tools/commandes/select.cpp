// select IN [--index KEY=POS[,...]] [--codes C1,C2,...] [--json]
#include <algorithm>
#include <charconv>
#include <iostream>

#include "commandes.h"
#include "dictionnaire2072.h"
#include "services/selection.h"
#include "systeme/fichiers.h"

namespace hote2072 {

namespace {

// A whole number of digits only, within int.
bool LitNombre(std::string_view texte, int& valeur) {
  if (texte.empty() || !std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const auto [p, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  return ec == std::errc() && p == texte.data() + texte.size();
}

std::vector<std::string_view> Morceaux(std::string_view texte) {
  std::vector<std::string_view> morceaux;
  for (std::size_t debut = 0;;) {
    const std::size_t virgule = texte.find(',', debut);
    morceaux.push_back(texte.substr(debut, virgule - debut));
    if (virgule == std::string_view::npos) return morceaux;
    debut = virgule + 1;
  }
}

// "300=0,303=1": levels 300 to 310, each once, positions from 0; sorted by key. The empty
// text is the index of the declaration's own letters. An error text, or empty.
std::string LitIndex(const std::string& texte, Index& index) {
  index.clear();
  if (texte.empty()) return "";  // the declaration's own letters
  for (std::string_view paire : Morceaux(texte)) {
    const std::size_t egal = paire.find('=');
    int cle = 0, position = 0;
    if (egal == std::string_view::npos || !LitNombre(paire.substr(0, egal), cle) ||
        !LitNombre(paire.substr(egal + 1), position))
      return "expected KEY=POS[,...] with whole numbers, got \"" + std::string(paire) + "\"";
    if (cle < 300 || cle > 310) return "level key " + std::to_string(cle) + " is not one of 300 to 310";
    if (std::any_of(index.begin(), index.end(), [cle](const auto& p) { return p.first == cle; }))
      return "level key " + std::to_string(cle) + " given twice";
    index.emplace_back(cle, position);
  }
  std::sort(index.begin(), index.end());
  return "";
}

// "12055,12064": codes of letters a declaration holds.
std::string LitCodes(const std::string& texte, std::set<int>& codes) {
  codes.clear();
  for (std::string_view morceau : Morceaux(texte)) {
    int code = 0;
    if (!LitNombre(morceau, code)) return "expected codes C1,C2,..., got \"" + std::string(morceau) + "\"";
    const auto* entree = zorfiscal2072::EntreeDictionnaire2072(code);
    if (entree == nullptr) return "unknown letter code " + std::to_string(code) + " (see sci2072 dictionary)";
    if (!entree->parLaRacine)
      return "letter " + std::to_string(code) + " belongs to the cumulative records, which no declaration holds";
    codes.insert(code);
  }
  return "";
}

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
            .verifie = [](const std::string& t) { Index i; return LitIndex(t, i); },
            .forme = "KEY=POS[,...]",
            .donnee = &o->parIndex},
           {.noms = "--codes",
            .aide = "only these letters, e.g. 12055,12064",
            .cible = &o->codes,
            .verifie = [](const std::string& t) { std::set<int> s; return LitCodes(t, s); },
            .forme = "C1,C2,...",
            .donnee = &o->parCodes},
           {"--json", "write a JSON array instead of a table", &o->json}},
          [o] {
            return Execute([&] {
              std::optional<Index> seul;
              std::set<int> codes;
              if (o->parIndex) LitIndex(o->index, seul.emplace());
              if (o->parCodes) LitCodes(o->codes, codes);
              auto racine = ChargeDeclaration(o->entree);
              if (!racine) return kEntreeInvalide;
              racine->Update();
              // One record: its letters are few, and nothing is written when it does not exist.
              std::optional<std::vector<LettreSelectionnee>> lettres;
              std::set<int> absents = codes;
              if (seul) {
                lettres = Selectionne(*racine, seul, codes);
                if (!lettres) {
                  std::cerr << "sci2072 select: --index " << DecritIndex(*seul) << " names no record of the declaration\n";
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
                          << (seul ? "not on the screen of --index " + IndexOption(*seul)
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
