#include "services/selection.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>

#include "dictionnaire2072.h"
#include "format/ecriture.h"
#include "lettres.h"
#include "services/saisie.h"

namespace hote2072 {

namespace {

struct LibereListe {
  void operator()(structListeLettres* liste) const { LibereListeLettres(&liste); }
};
using Liste = std::unique_ptr<structListeLettres, LibereListe>;

const char* Champ(int code) {
  const auto* entree = zorfiscal2072::EntreeDictionnaire2072(code);
  return entree != nullptr ? entree->lettre.champ : "";
}

// One record's letters, in order, through Select with the record's index.
void SelectionneEnregistrement(TDonnee2072& racine, std::vector<LettreSelectionnee>::iterator debut,
                               std::vector<LettreSelectionnee>::iterator fin) {
  if (debut == fin) return;
  structListeLettres* brute = nullptr;
  Liste liste;
  for (auto it = debut; it != fin; ++it) {
    AjouteLettre(&brute, static_cast<short>(it->code), it->valeur.c_str(), 0, 0, 1, 0);
    if (!liste) liste.reset(brute);  // owns the list from its first letter on
    const auto* entree = zorfiscal2072::EntreeDictionnaire2072(it->code);
    brute->courante->type = entree != nullptr ? entree->lettre.type() : 0;
  }
  racine.Select(liste.get(), VersTIndex(debut->index));
  auto it = debut;
  for (structLettre* l = VaPremiereLettre(liste.get()); !FinListeLettre(l) && it != fin; l = VaLettreSuivante(l), ++it) {
    it->decision = l->flag;
    it->valeur = l->valeur != nullptr ? l->valeur : "";
  }
}

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

}  // namespace

std::string LitCodesTexte(std::string_view texte, std::set<int>& codes) {
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


std::optional<std::vector<LettreSelectionnee>> Selectionne(TDonnee2072& racine, const std::optional<Index>& seul,
                                                           const std::set<int>& codes) {
  // The letters of the records asked for, read from the declaration one by one: only those
  // are held (one record's, with --index, whatever the size of the fund); a record's letters
  // are adjacent.
  std::vector<LettreSelectionnee> lettres;
  bool nomme = !seul;
  Ecrit(racine, true, [&](const LettreFichier& l) {
    if (seul && l.index != *seul) return;
    nomme = true;
    const int code = static_cast<int>(l.code);
    if (!codes.empty() && codes.count(code) == 0) return;
    lettres.push_back({code, l.index, kGardee, l.valeur});
  });
  if (!nomme) return std::nullopt;
  for (auto debut = lettres.begin(); debut != lettres.end();) {
    auto fin = debut;
    while (fin != lettres.end() && fin->index == debut->index) ++fin;
    SelectionneEnregistrement(racine, debut, fin);
    debut = fin;
  }
  return lettres;
}

std::vector<LettreSelectionnee> SelectionneLettres(TDonnee2072& racine, const Index& index, const std::vector<int>& codes) {
  std::vector<LettreSelectionnee> lettres;
  lettres.reserve(codes.size());
  for (int code : codes) lettres.push_back({code, index, kGardee, LitValeur(racine, code, index)});
  SelectionneEnregistrement(racine, lettres.begin(), lettres.end());
  return lettres;
}

FichierDeclaration EcritSelection(TDonnee2072& racine) {
  FichierDeclaration fichier;
  fichier.annee = racine.getAnnee();
  auto lettres = Selectionne(racine, std::nullopt, {});
  for (LettreSelectionnee& l : *lettres)
    if (l.decision != kEcartee)
      fichier.lettres.push_back({fichier.lettres.size() + 1, l.code, std::move(l.index), std::move(l.valeur)});
  return fichier;
}

const char* NomDecision(short decision) {
  switch (decision) {
    case kEcartee: return "dropped";
    case kGardee: return "kept";
    case kMarquee: return "marked";
    default: return "unknown";
  }
}

std::string SelectionTexte(const std::vector<LettreSelectionnee>& lettres) {
  std::string texte = "code   index              field                                    decision value\n";
  for (const LettreSelectionnee& l : lettres) {
    char ligne[256];
    std::snprintf(ligne, sizeof ligne, "%-6d %-18s %-40s %-8s ", l.code, DecritIndex(l.index).c_str(), Champ(l.code),
                  NomDecision(l.decision));
    texte += ligne + lettres::Lisible(TexteJson(l.valeur)) + "\n";  // nothing acts on the terminal
  }
  return texte;
}

std::string SelectionJson(const std::vector<LettreSelectionnee>& lettres) {
  std::string texte = "[";
  for (const LettreSelectionnee& l : lettres) {
    std::string index = "{";
    for (const auto& [cle, position] : l.index)
      index += (index.size() > 1 ? ", \"" : "\"") + std::to_string(cle) + "\": " + std::to_string(position);
    texte += (texte.size() > 1 ? ",\n " : "\n ");
    texte += "{\"code\": " + std::to_string(l.code) + ", \"index\": " + index + "}, \"field\": \"" + Champ(l.code) +
             "\", \"decision\": \"" + NomDecision(l.decision) + "\", \"value\": " + TexteJson(l.valeur) + "}";
  }
  return texte + "\n]\n";
}

}  // namespace hote2072
