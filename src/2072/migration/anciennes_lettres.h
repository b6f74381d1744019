// The operations migration steps use on the letters of a record saved by an earlier engine.
// Every value is text. Reading marks the old letter as read (its content went somewhere);
// adding replaces the value of a letter already there.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "codes2072.h"
#include "moulinette.h"

namespace zorfiscal2072 {

class TPropriete2072;

namespace migration {

class AnciennesLettres {
 public:
  explicit AnciennesLettres(TMoulinetteInfo& info) : m_info(info) {}

  bool Existe(short code);
  // The text, empty when the letter is missing.
  std::string Texte(short code);
  bool Renseigne(short code) { return !Texte(code).empty(); }
  // The text read as a whole number; 0 when missing or not a number.
  long long Entier(short code);
  // Street-number complement of an old text: 2 "bis", 4 "quater", 3 "ter", 1 otherwise or
  // when the letter is missing.
  short Complement(short code);

  // Adds the letter, or replaces its value when it is there; `source` is the old letter the
  // text comes from.
  void Ajoute(short code, const std::string& texte, short source = 0);
  // Adds a value the step sets whatever the old one was, with a note for the person.
  void Force(short code, const std::string& texte, const std::string& pourquoi);
  void Modifie(short code, const std::string& texte);  // when the letter is there
  void Vide(short code) { Modifie(code, ""); }
  void Supprime(short code);
  // a -> b: b takes a's text when a is there; a is deleted in any case.
  void Deplace(short a, short b);
  // The same, b added only when a's text is not empty.
  void DeplaceSiRenseigne(short a, short b);
  // The first n characters of `texte`, with a note when something was cut.
  std::string Coupe(short code, const std::string& texte, std::size_t n);

  TMoulinetteInfo& info() { return m_info; }

 private:
  TMoulinetteInfo& m_info;
};

// An old title or civility code (0 Monsieur, 1 Madame, 2 Mademoiselle) as a code of today's
// title lists (29, 26, 27); any other code stays as it is.
long long TitreDeCivilite(long long civilite);

// Scheme and deduction options of earlier years that today's lists no longer hold.
struct CorrespondanceOption {
  long ancienne;       // OptionFiscale of the file
  long option;         // becomes this OptionFiscale
  long tauxDeduction;  // and the land record's OptionTauxDeduction becomes this
};
// An old scheme that became the ordinary scheme, without special deduction.
constexpr CorrespondanceOption VersOrdinaire(long ancienne) {
  return {ancienne, OptionFiscale::Ordinaire, OptionTauxDeduction::Aucune};
}
struct CorrespondanceTaux {
  long ancien;  // OptionTauxDeduction of the file
  long nouveau;
};
void AppliqueOptions(TPropriete2072& propriete, std::span<const CorrespondanceOption> table);
void AppliqueTaux(TPropriete2072& propriete, std::span<const CorrespondanceTaux> table);
// The same, where the old deduction options bore the numbers of the schemes they went with:
// a deduction option numbered like an old scheme of the table also becomes that scheme's new
// deduction option.
void AppliqueOptionsEtTaux(TPropriete2072& propriete, std::span<const CorrespondanceOption> table);

}  // namespace migration
}  // namespace zorfiscal2072
