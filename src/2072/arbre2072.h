// The tree of a declaration, derived from the records' own declarations of their children
// (`Enfants()`, see arbre.h): its index levels, a walk over every record, and the fields
// that name records by their code.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include "arbre.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {

// One index level: a vector of repeated records.
struct Niveau2072 {
  int cle;                     // level key, 300 to 310
  int parent;                  // level of the record whose sub-records hold the vector, 0 for the root
  const char* enregistrement;  // class of its records ("TLocataire")
  const char* proprietaire;    // class of the record holding the vector ("TPropriete2072")
  // Shares and distributions: one per record of that level (properties, sales), at the same
  // position, kept so by the root; 0 elsewhere.
  int unPar;
  short lettreCle;  // letter that gives its records their code; 0 when they have none
};

// Every level, owners before the levels they own, in routing order.
const std::vector<Niveau2072>& Niveaux2072();
// The level of a key, or null.
const Niveau2072* TrouveNiveau2072(int cle);

// Number of records at level `cle` under the owner that `index` names (it holds the levels on
// the way; an empty index for the root's own levels); 0 when there is no such owner.
std::size_t NombreAuNiveau(const TDonnee2072& racine, int cle, const TIndex& index);

// Adds records at level `cle` under the owner `index` names until it holds `n`: through the
// root for the levels it adds itself (TDonnee2072::Ajouts), as default records elsewhere,
// each field that names a record on its way (a tenant's property) carrying that record's
// code. Does nothing for the levels the root keeps one per record of another level, nor
// when there is no such owner.
void CompleteNiveau(TDonnee2072& racine, int cle, const TIndex& index, std::size_t n);

// action(record) on the record of level `cle` that `index` names (its position at that level
// and the positions on the way); false, and nothing done, when there is no such record.
// `record` has its own class: reading its letters there skips the routing from the root.
template <class D, class F>
requires std::is_same_v<std::remove_const_t<D>, TDonnee2072>
bool PourEnregistrementAuNiveau(D& racine, int cle, const TIndex& index, F&& action) {
  int position = 0;
  if (!index.getValeurIndex(cle, position)) return false;
  bool trouve = false;
  arbre::AtteintNiveau(racine, cle, index, [&](auto& proprietaire, const auto& enfant) {
    auto& vecteur = proprietaire.*enfant.champ;
    const auto rang = static_cast<std::size_t>(static_cast<unsigned>(position));
    if (rang >= vecteur.size()) return;
    action(vecteur[rang]);
    trouve = true;
  });
  return trouve;
}

// visiteur(record, index) on the root and then every record of the declaration, depth first
// in routing order: the index names the record (positions of every vector on the way).
// `record` has its own class, so a generic lambda can tell the records apart:
//   PourChaqueEnregistrement(d, [](auto& r, const TIndex& index) {
//     if constexpr (std::is_same_v<std::decay_t<decltype(r)>, TPropriete2072>) ...
//   });
template <class D, class F>
requires std::is_same_v<std::remove_const_t<D>, TDonnee2072>
void PourChaqueEnregistrement(D& racine, F&& visiteur) { arbre::Parcourt(racine, TIndex{}, visiteur); }

// visiteur(champ, description, index) on every field that gives a record its code
// (Role::Cle) or names another record by its code (Role::Reference), in the order of
// PourChaqueEnregistrement; `champ` is const when the declaration is.
template <class D, class F>
requires std::is_same_v<std::remove_const_t<D>, TDonnee2072>
void PourChaqueChampCode(D& racine, F&& visiteur) {
  PourChaqueEnregistrement(racine, [&](auto& r, const TIndex& index) {
    using T = std::remove_cvref_t<decltype(r)>;
    if constexpr (arbre::kALettres<T>) {
      for (const auto& ligne : T::Lettres().Lignes()) {
        const lettres::Role role = ligne.description.role;
        if (role != lettres::Role::Cle && role != lettres::Role::Reference) continue;
        const lettres::RefChamp champ = ligne.acces(const_cast<T&>(r));
        if (auto* const* texte = std::get_if<std::string*>(&champ)) {
          if constexpr (std::is_const_v<std::remove_reference_t<decltype(r)>>)
            visiteur(static_cast<const std::string&>(**texte), ligne.description, index);
          else
            visiteur(**texte, ligne.description, index);
        }
      }
    }
  });
}

}  // namespace zorfiscal2072
