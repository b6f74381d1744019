// Helpers of the host's tests: a declaration file that carries every letter a declaration holds.
#pragma once

#include <string>

#include "aide_lettres.h"
#include "declaration.h"
#include "dictionnaire2072.h"
#include "verification.h"

namespace aide {

// Every letter of every kind of record, each record at position 1 of its level (so each
// position 0 exists with its defaults and a generated code), with a value of the letter's
// type that differs from the defaults. Codes and references are consistent: properties
// "P1", partners "A1", sales "S1". A transfer of shares at position 2 carries only a
// default value: writing must keep it.
inline hote2072::FichierDeclaration DeclarationComplete() {
  using namespace zorfiscal2072;
  hote2072::FichierDeclaration f;
  f.annee = 2012;
  const auto ajoute = [&](int code, hote2072::Index index, std::string valeur) {
    f.lettres.push_back({f.lettres.size() + 1, code, std::move(index), std::move(valeur)});
  };
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    if (!e.parLaRacine || EntreeDictionnaire2072(e.lettre.code) != &e) continue;
    hote2072::Index index;
    for (int n : e.niveaux) index.emplace_back(n, 1);
    std::string valeur = ValeurExemple(e.lettre);
    switch (e.lettre.code) {
      case 12655: case 12767: case 12654: case 12736: case 12743: case 12692: valeur = "P1"; break;
      case 12694: case 12768: case 12769: case 12693: valeur = "A1"; break;
      case 12765: case 12766: valeur = "S1"; break;
      case 12762: case 12763: valeur = "1"; break;  // partner positions: 2 is "Autre"
      case 12820: valeur = "1"; break;              // a mode held as an integer behind an amount letter
      default: break;
    }
    ajoute(e.lettre.code, std::move(index), std::move(valeur));
  }
  ajoute(12726, {{309, 2}}, "0");
  return f;
}

}  // namespace aide
