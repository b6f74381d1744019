// The letters of each kind of record, as writing and loading reach them: the dictionary's
// letters at the record's levels, in dictionary order, each with its field reached straight
// from the record, and the record loading creates, whose values need not be written.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "arbre2072.h"
#include "chargement/niveauxhote.h"
#include "dictionnaire2072.h"

namespace hote2072 {

// The default root loading starts from, given one record at each level the way loading adds
// them: its records at position 0 are those loading creates.
TDonnee2072& RacineModele();
// How many records of a level a new owner already holds (a partner starts with 16
// carried-forward results).
std::size_t NombreInitial(int cle);
// The dictionary entries reached with these index levels (empty for none); codes held by two
// records appear once, under the record the root asks first.
const std::vector<const zorfiscal2072::EntreeDictionnaire*>& EntreesDesNiveaux(const std::vector<int>& niveaux);

// The index levels that reach a record of class R, outermost first.
template <class R>
const std::vector<int>& NiveauxDe() {
  static const std::vector<int> niveaux = [] {
    std::vector<int> trouves, chemin;
    bool vu = false;
    arbre::ParcourtTypes<TDonnee2072>(
        [&](auto type, const std::vector<int>& n) {
          if constexpr (std::is_same_v<typename decltype(type)::type, R>)
            if (!vu) trouves = n, vu = true;
        },
        chemin);
    return trouves;
  }();
  return niveaux;
}

struct GroupeLettres {
  std::vector<const zorfiscal2072::EntreeDictionnaire*> entrees;
  std::vector<arbre::Champ> champs;                        // the field of each entry, from a record of the kind
  std::array<std::int16_t, lettres::kEtendueCodes> rangs;  // each code's entry, -1 for none
  std::vector<void*> objetsModele;        // the record loading creates (arbre::ChampsSousArbre::Objets)
  std::vector<std::string> textesModele;  // and the text of each of its letters

  // The entry of `code`, -1 when the kind has none.
  int Rang(long long code) const {
    const long long i = code - lettres::kPremierCode;
    return i >= 0 && i < lettres::kEtendueCodes ? rangs[static_cast<std::size_t>(i)] : -1;
  }

  // The group of the records of class R.
  template <class R>
  static const GroupeLettres& De() {
    static const GroupeLettres groupe = Construit<R>();
    return groupe;
  }

 private:
  template <class R>
  static GroupeLettres Construit() {
    GroupeLettres g;
    const std::vector<int>& niveaux = NiveauxDe<R>();
    const auto& sousArbre = arbre::ChampsSousArbre<R>::Instance();
    g.entrees = EntreesDesNiveaux(niveaux);
    g.rangs.fill(-1);
    for (const zorfiscal2072::EntreeDictionnaire* e : g.entrees) {
      const arbre::Champ* trouve = nullptr;
      for (const arbre::Champ& c : sousArbre.champs())
        if (c.description->code == e->lettre.code) trouve = &c;
      if (trouve == nullptr)
        throw std::logic_error("letter " + std::to_string(e->lettre.code) + " is no field of its record");
      g.rangs[static_cast<std::size_t>(e->lettre.code - lettres::kPremierCode)] =
          static_cast<std::int16_t>(g.champs.size());
      g.champs.push_back(*trouve);
    }
    R* modele = nullptr;
    if constexpr (std::is_same_v<R, TDonnee2072>) {
      modele = &RacineModele();
    } else {
      TIndex index;
      for (int cle : niveaux) index.setValeurIndex(cle, 0);
      zorfiscal2072::PourEnregistrementAuNiveau(RacineModele(), niveaux.back(), index, [&](auto& r) {
        if constexpr (std::is_same_v<std::decay_t<decltype(r)>, R>) modele = &r;
      });
    }
    if (modele == nullptr) throw std::logic_error("a level has no record in the model declaration");
    sousArbre.Objets(*modele, g.objetsModele);
    g.textesModele = TextesDe(g, g.objetsModele);
    return g;
  }
  // The text of every letter of the group's record `objets`.
  static std::vector<std::string> TextesDe(const GroupeLettres& g, const std::vector<void*>& objets);
};

}  // namespace hote2072
