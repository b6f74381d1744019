// Letter selection as the host runs it: each record's letters are read from the declaration
// and handed, with the record's index, to the root's Select.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "format/declaration.h"

namespace hote2072 {

// Flags the selection gives a letter.
inline constexpr short kEcartee = 0, kGardee = 1, kMarquee = 2;

struct LettreSelectionnee {
  int code = 0;
  Index index;
  short decision = kGardee;
  std::string valeur;  // after selection: a dropped letter's is cleared
};

// The letters of every record of the declaration, or of the one record `seul` names (its
// levels sorted by key); each record's letters are the dictionary's codes for its levels, in
// dictionary order, or only those in `codes` when it is not empty. Records come in the order
// they are written, one at a time: each letter is given to `recoit` (the same object, reused)
// once its record's selection is made, nothing else is held. False, and nothing given, when
// `seul` names no record.
bool Selectionne(TDonnee2072& racine, const std::optional<Index>& seul, const std::set<int>& codes,
                 const std::function<void(const LettreSelectionnee&)>& recoit);
// The same letters, all kept; nothing when `seul` names no record.
std::optional<std::vector<LettreSelectionnee>> Selectionne(TDonnee2072& racine, const std::optional<Index>& seul,
                                                           const std::set<int>& codes);

// Every code that some record of the declaration holds.
std::set<int> CodesTenus(TDonnee2072& racine);

// The letters `codes` of the one record `index` names, read from that record and selected
// with its index, in the order given: what a screen shows of a record, without reading the
// rest of the declaration.
std::vector<LettreSelectionnee> SelectionneLettres(TDonnee2072& racine, const Index& index,
                                                   const std::vector<int>& codes);

// The declaration as the form shows it: every letter the selection keeps or marks, default
// values included, record by record. Loading it gives that view, not the declaration entered.
// Letters are given one by one to `recoit`.
void EcritSelection(TDonnee2072& racine, const std::function<void(const LettreFichier&)>& recoit);
FichierDeclaration EcritSelection(TDonnee2072& racine);

// "C1,C2": codes of letters a declaration holds, or what is wrong with the text (then not empty).
std::string LitCodesTexte(std::string_view texte, std::set<int>& codes);

// "kept", "dropped" or "marked".
const char* NomDecision(short decision);

// The selection written letter by letter, given to `ecrit` in pieces of some 64 KB: as a
// table, one line per letter (code, index, field, decision and value, quoted) under a header,
// or as a JSON array, one letter per line:
// [{"code": 12055, "index": {"301": 0}, "field": "Nom", "decision": "dropped", "value": ""}, ...]
class EcrivainSelection {
 public:
  EcrivainSelection(std::function<void(std::string_view)> ecrit, bool json);
  void Ajoute(const LettreSelectionnee& lettre);
  void Termine();

 private:
  std::function<void(std::string_view)> m_ecrit;
  bool m_json;
  bool m_premiere = true;
  std::string m_texte;
};

std::string SelectionTexte(const std::vector<LettreSelectionnee>& lettres);
std::string SelectionJson(const std::vector<LettreSelectionnee>& lettres);

}  // namespace hote2072
