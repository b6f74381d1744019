// Writing a declaration root out as a declaration file.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "format/declaration.h"
#include "format/groupes.h"
#include "tablelettres.h"

namespace hote2072 {

// The letters of one record as the writer reads them, in dictionary order: the dictionary's
// letters at the record's levels (its own and those of its addresses, linked elements...),
// read straight from the fields, a text made only when asked for.
class LettresEnregistrement {
 public:
  LettresEnregistrement();
  ~LettresEnregistrement();
  LettresEnregistrement(const LettresEnregistrement&) = delete;
  LettresEnregistrement& operator=(const LettresEnregistrement&) = delete;

  std::size_t size() const;
  int code(std::size_t k) const;
  // The field holds what it holds in a record just created by loading, so its text is that
  // record's (false does not mean the texts differ: an amount may round to the same text).
  bool ParDefaut(std::size_t k) const;
  // The letter's text, as the record gives it (direction 1), followed by a zero byte; valid
  // until the next call.
  std::string_view Texte(std::size_t k) const;
  // Its text in a record just created by loading.
  const std::string& TexteParDefaut(std::size_t k) const;

  // The kind of record: records of one kind have the same letters.
  const GroupeLettres& groupe() const { return *m_groupe; }
  // The record `objets` (its fields' holders, see arbre::ChampsSousArbre) of the group.
  void Prend(const GroupeLettres& groupe) { m_groupe = &groupe; }
  std::vector<void*>& objets() { return m_objets; }

 private:
  const GroupeLettres* m_groupe = nullptr;
  std::vector<void*> m_objets;
  mutable structLettre m_lettre{1, 0, nullptr, 0, nullptr};
};

// Every record of the root that has letters, with the index that reaches it, in the order
// declarations are written: the declaration's own letters, then each property with its
// tenants, beneficiaries and components, each partner with its free-use entries, shares,
// distributions and carried-forward results, each sale, each transfer of shares.
// `doitApparaitre`: the record is the last of its level and loading would not create it
// without one of its letters.
using VisiteurEnregistrement = std::function<void(const LettresEnregistrement&, const Index&, bool doitApparaitre)>;
void ParcourtEnregistrements(TDonnee2072& racine, const VisiteurEnregistrement& visiteur);

// Every letter of every record of the root exactly once, with the index that reaches it, as
// direction 1 gives it, records in the order of ParcourtEnregistrements. Unless `toutes`, a
// letter whose text equals that of a record just created by loading is left out (loading
// gives it that value again); a repeated record left with no letter keeps its first one, so
// that loading creates it.
FichierDeclaration Ecrit(TDonnee2072& racine, bool toutes);
// The same letters given one by one to `recoit`, none kept.
void Ecrit(TDonnee2072& racine, bool toutes, const std::function<void(const LettreFichier&)>& recoit);

// Writes the root as a declaration file (EcritFichier), letter by letter: neither the letters
// nor the text are ever held whole. `annote` adds each letter's field and record names.
void EcritDeclaration(const std::string& chemin, TDonnee2072& racine, bool toutes, bool annote);

}  // namespace hote2072
