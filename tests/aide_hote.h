// Helpers of the host's tests: a declaration file that carries every letter a declaration holds.
#pragma once

#include <map>
#include <string>

#include "aide_lettres.h"
#include "chargement/valeurscodees.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"
#include "format/declaration.h"
#include "tables2072.h"

namespace aide {

// Every letter of every kind of record, each record at position 1 of its level (so each
// position 0 exists with its defaults and a generated code), with a value of the letter's
// type that differs from the defaults; a coded field the last code of its list that is not
// its default (every person type 2, so titles take a legal person's forms). Codes and
// references are consistent: properties
// "P1", partners "A1", sales "S1". A transfer of shares at position 2 carries only a
// default value: writing must keep it.
inline hote2072::FichierDeclaration DeclarationComplete() {
  using namespace zorfiscal2072;
  hote2072::FichierDeclaration f;
  f.annee = 2012;
  const auto ajoute = [&](int code, hote2072::Index index, std::string valeur) {
    f.lettres.push_back({f.lettres.size() + 1, code, std::move(index), std::move(valeur)});
  };
  // Codes and references; partner positions of a transfer (2 is "Autre"); a mode held as an
  // integer behind an amount letter.
  static const std::map<int, std::string> kCodes{
      {12655, "P1"}, {12767, "P1"}, {12654, "P1"}, {12736, "P1"}, {12743, "P1"},
      {12692, "P1"}, {12694, "A1"}, {12768, "A1"}, {12769, "A1"}, {12693, "A1"},
      {12765, "S1"}, {12766, "S1"}, {12762, "1"},  {12763, "1"},  {12820, "1"},
  };
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    if (!e.parLaRacine || EntreeDictionnaire2072(e.lettre.code) != &e) continue;
    hote2072::Index index;
    for (int n : e.niveaux) index.emplace_back(n, 1);
    std::string valeur = ValeurExemple(e.lettre);
    if (e.lettre.codee()) {
      const auto* liste = TTables_2072::getInstance()->Liste(
          e.lettre.listeMorale != lettres::kAucuneListe ? e.lettre.listeMorale : e.lettre.liste);
      for (const TElement& entree : *liste)
        if (std::to_string(entree.get_enum()) != hote2072::ValeurParDefaut(e.lettre.code))
          valeur = std::to_string(entree.get_enum());
    }
    if (const auto it = kCodes.find(e.lettre.code); it != kCodes.end()) valeur = it->second;
    ajoute(e.lettre.code, std::move(index), std::move(valeur));
  }
  ajoute(12726, {{309, 2}}, "0");
  return f;
}

}  // namespace aide
