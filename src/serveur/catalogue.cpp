#include "catalogue.h"

#include <map>
#include <string_view>

#include "lettres.h"
#include "propriete2072.h"
#include "services/saisie.h"
#include "tables2072.h"

namespace serveur2072 {

using lettres::Primitive;
using zorfiscal2072::EntreeDictionnaire;

namespace {

Nature NatureDe(lettres::Nature n) {
  switch (n) {
    case lettres::Nature::Saisie: return Nature::Saisie;
    case lettres::Nature::Calculee: return Nature::Calculee;
    case lettres::Nature::LieRetenu: return Nature::LieRetenu;
    case lettres::Nature::LieCalcule: return Nature::LieCalcule;
    case lettres::Nature::LieMode: return Nature::LieMode;
  }
  return Nature::Saisie;
}

Unite UniteDe(lettres::Unite u) {
  switch (u) {
    case lettres::Unite::Aucune: return Unite::Aucune;
    case lettres::Unite::Euros: return Unite::Euros;
    case lettres::Unite::Pourcent: return Unite::Pourcent;
    case lettres::Unite::Fraction: return Unite::Fraction;
    case lettres::Unite::Parts: return Unite::Parts;
    case lettres::Unite::Annees: return Unite::Annees;
  }
  return Unite::Aucune;
}

// The field's presentation, from its letter-table row.
Champ Construit(const EntreeDictionnaire& e) {
  const lettres::DescriptionLettre& d = e.lettre;
  const TTables_2072& tables = *TTables_2072::getInstance();
  Champ c;
  c.code = d.code;
  c.entree = &e;
  c.libelle = d.libelle;
  switch (d.primitive) {
    case Primitive::Texte:
      c.saisie = Saisie::Texte;
      c.longueur = d.taille - 1;
      break;
    case Primitive::Date: c.saisie = Saisie::Date; break;
    case Primitive::Reel: c.saisie = Saisie::Montant; break;
    case Primitive::ReelFormat:
      c.saisie = d.taille == 5 ? Saisie::Nombre : Saisie::Montant;
      c.decimales = d.taille == 5 ? 5 : 2;
      break;
    default: c.saisie = Saisie::Entier; break;
  }
  c.nature = NatureDe(d.nature);
  c.unite = UniteDe(d.unite);
  if (d.codee()) {
    c.saisie = d.liste == lettres::Liste::ListeOuiNon ? Saisie::OuiNon : Saisie::Liste;
    c.liste = tables.Liste(d.liste);
    c.listeMorale = tables.Liste(d.listeMorale);
    if (d.champType != nullptr)
      for (const EntreeDictionnaire& t : zorfiscal2072::Dictionnaire2072())
        if (t.enregistrement == e.enregistrement && std::string_view(t.lettre.champ) == d.champType)
          c.codeType = t.lettre.code;
  }
  return c;
}

struct Catalogue {
  std::map<int, Champ> champs;
};

const Catalogue& LeCatalogue() {
  static const Catalogue catalogue = [] {
    Catalogue c;
    std::map<std::string, std::vector<int>> parElementLie;
    for (const EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072()) {
      if (!e.parLaRacine || zorfiscal2072::EntreeDictionnaire2072(e.lettre.code) != &e) continue;
      Champ champ = Construit(e);
      if (champ.nature == Nature::LieRetenu || champ.nature == Nature::LieMode || champ.nature == Nature::LieCalcule)
        parElementLie[e.enregistrement].push_back(e.lettre.code);
      c.champs.emplace(e.lettre.code, std::move(champ));
    }
    for (const auto& [classe, codes] : parElementLie) {
      int retenu = 0, mode = 0, calcule = 0;
      for (int code : codes) {
        const Nature n = c.champs.at(code).nature;
        (n == Nature::LieRetenu ? retenu : n == Nature::LieMode ? mode : calcule) = code;
      }
      for (int code : codes) {
        Champ& champ = c.champs.at(code);
        champ.lieRetenu = retenu;
        champ.lieMode = mode;
        champ.lieCalcule = calcule;
      }
    }
    return c;
  }();
  return catalogue;
}

std::vector<Choix> Depuis(const std::vector<TElement>& liste) {
  std::vector<Choix> choix;
  choix.reserve(liste.size());
  for (const TElement& e : liste) choix.push_back({std::to_string(e.get_enum()), e.get_libelle()});
  return choix;
}

}  // namespace

const Champ* ChampDe(int code) {
  const auto& champs = LeCatalogue().champs;
  const auto it = champs.find(code);
  return it == champs.end() ? nullptr : &it->second;
}

const Champ* ElementLie(int code) {
  const Champ* c = ChampDe(code);
  return c != nullptr && c->lieRetenu != 0 ? c : nullptr;
}

std::vector<Choix> ChoixDe(TDonnee2072& racine, const Champ& champ, const Index& index) {
  const lettres::DescriptionLettre& d = champ.entree->lettre;
  if (d.role == lettres::Role::Position) {
    std::vector<Choix> choix;
    for (const auto& e : racine.getCessionsPartsSociete().getListeAssocieCessionnaire())
      choix.push_back({std::to_string(e.get_enum()), e.get_libelle()});
    return choix;
  }
  if (d.role == lettres::Role::Reference && d.niveau == zorfiscal2072::kNiveauPropriete) {
    std::vector<Choix> choix{{"", ""}};
    for (const auto& p : racine.getPropriete2072()) choix.push_back({p.getCodePropriete(), p.getNom()});
    return choix;
  }
  if (d.nbListesSelon > 0 && champ.codeType != 0) {  // the schemes the property's category offers
    const std::string choix = hote2072::LitValeur(racine, champ.codeType, index);
    for (std::size_t k = 0; k < d.nbListesSelon; ++k)
      if (long long valeur = 0; lettres::LitEntier(choix.c_str(), valeur) && valeur == d.listesSelon[k].valeur)
        return Depuis(*TTables_2072::getInstance()->Liste(d.listesSelon[k].liste));
  }
  if (champ.saisie == Saisie::OuiNon) return {{"1", "Oui"}, {"2", "Non"}};
  if (champ.listeMorale != nullptr && champ.codeType != 0 && hote2072::LitValeur(racine, champ.codeType, index) == "2")
    return Depuis(*champ.listeMorale);
  if (champ.liste != nullptr) return Depuis(*champ.liste);
  return {};
}

}  // namespace serveur2072
