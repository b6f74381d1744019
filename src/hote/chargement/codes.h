// The codes by which records name each other (a property's code in its tenants and in every
// partner's share of it): read, re-pointed when a record takes a new code, and checked.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "format/declaration.h"

namespace hote2072 {

// Codes of the records of each level whose records have one, in position order.
using Codes = std::map<int, std::vector<std::string>>;
Codes LitCodes(const TDonnee2072& racine);

// The level whose records take their code from letter `code`, or null.
const Niveau* NiveauDeLaCle(long long code);

// Every field that names a record by its code takes the new code, in one pass over the
// declaration; with `niveau`, only the fields that name a record of that level.
void RepointeCodes(TDonnee2072& racine, const std::unordered_map<std::string, std::string>& nouveau, int niveau = 0);

// What the records of a declaration are named by, for checking the letters that name them.
class References {
 public:
  explicit References(const TDonnee2072& racine);
  const Codes& codes() const { return m_codes; }
  // Why the letter does not name a record it may name, or empty (a letter that names no record
  // included). `generes` as for ControleReferences, or null when the records' codes were not
  // just generated.
  std::string Probleme(const LettreFichier& lettre, const Codes* generes) const;

 private:
  const TDonnee2072& m_racine;
  Codes m_codes;
  std::map<int, std::unordered_set<std::string>> m_existants;
};

// Fields of `lettres` that name records, checked once codes are in place: a code must be the
// one of the record on the letter's way, or of some record; a position must name a record or
// the person outside them. `generes` are the codes the records had before the file's, which
// tell a code the file did not give.
void ControleReferences(const std::vector<LettreFichier>& lettres, const TDonnee2072& racine, const Codes& generes,
                        Rapport& rapport);

}  // namespace hote2072
