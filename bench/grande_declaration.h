// A generated fund: `associes` partners, `proprietes` properties with a few letters each,
// and, when `quotes`, two letters on every partner's share of every property.
#pragma once

#include <string>

#include "format/declaration.h"

namespace bench2072 {

inline hote2072::FichierDeclaration GrandeDeclaration(int associes, int proprietes, bool quotes = true) {
  using hote2072::Index;
  hote2072::FichierDeclaration f;
  const auto ajoute = [&](int code, Index index, std::string valeur) {
    f.lettres.push_back({f.lettres.size() + 1, code, std::move(index), std::move(valeur)});
  };
  ajoute(12003, {}, "SCI DES GRANDS CHÊNES");
  for (int p = 0; p < proprietes; ++p) {
    ajoute(12655, {{300, p}}, "IMM" + std::to_string(p));
    ajoute(12102, {{300, p}}, "Immeuble " + std::to_string(p));
    ajoute(12103, {{300, p}}, "1");
    ajoute(12140, {{300, p}}, std::to_string(12000 + p * 7) + ".50");
  }
  for (int a = 0; a < associes; ++a) {
    ajoute(12694, {{301, a}}, "ASSOC" + std::to_string(a));
    ajoute(12055, {{301, a}}, "MARTIN");
    ajoute(12057, {{301, a}}, "Claire " + std::to_string(a));
    ajoute(12075, {{301, a}}, "10");
    if (!quotes) continue;
    for (int p = 0; p < proprietes; ++p) {
      ajoute(12695, {{301, a}, {306, p}}, std::to_string(100 + (a + p) % 900) + ".25");
      ajoute(12696, {{301, a}, {306, p}}, std::to_string(10 + (a * 7 + p) % 90));
    }
  }
  return f;
}

}  // namespace bench2072
