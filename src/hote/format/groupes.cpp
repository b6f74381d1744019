#include "format/groupes.h"

#include <cstdlib>
#include <map>

namespace hote2072 {

namespace {

struct Modele {
  TDonnee2072 racine;
  std::map<int, std::size_t> nombreInitial;
  Modele() {
    for (const Niveau& n : Niveaux()) {
      nombreInitial[n.cle] = Nombre(racine, n.cle, 0);
      Complete(racine, n.cle, 0, 1);
    }
  }
};

Modele& LeModele() {
  static Modele modele;
  return modele;
}

}  // namespace

TDonnee2072& RacineModele() { return LeModele().racine; }
std::size_t NombreInitial(int cle) { return LeModele().nombreInitial.at(cle); }

const std::vector<const zorfiscal2072::EntreeDictionnaire*>& EntreesDesNiveaux(const std::vector<int>& niveaux) {
  using zorfiscal2072::EntreeDictionnaire;
  static const auto entrees = [] {
    std::map<std::vector<int>, std::vector<const EntreeDictionnaire*>> m;
    for (const EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072())
      if (e.parLaRacine && zorfiscal2072::EntreeDictionnaire2072(e.lettre.code) == &e) m[e.niveaux].push_back(&e);
    return m;
  }();
  static const std::vector<const EntreeDictionnaire*> aucune;
  const auto it = entrees.find(niveaux);
  return it == entrees.end() ? aucune : it->second;
}

std::vector<std::string> GroupeLettres::TextesDe(const GroupeLettres& g, const std::vector<void*>& objets) {
  std::vector<std::string> textes;
  structLettre lettre{1, 0, nullptr, 0, nullptr};
  for (const arbre::Champ& c : g.champs) {
    const auto champ = c.dans(objets);
    if (champ) lettres::TransfertChamp(*champ, *c.description, &lettre, 1);
    textes.emplace_back(champ && lettre.valeur != nullptr ? lettre.valeur : "");
  }
  std::free(lettre.valeur);
  return textes;
}

}  // namespace hote2072
