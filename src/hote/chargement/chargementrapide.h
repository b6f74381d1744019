// Loading at full speed: the letters of a file in the plain shape go straight into their
// records as they are read, every check of loading made on the way, without a list of the
// file's letters ever being held.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_set>

#include "format/declaration.h"
#include "format/lecturerapide.h"

namespace hote2072 {

// The declaration the file `source` gives, loaded as Charge(LitJson(...)) would load it; null
// when this path leaves the file to that one: a file not in the plain shape, one with any
// problem (the full path names it), or one whose records come in an order this path does not
// follow (a partner added once transfers of shares exist). `donne(code, propriete)` then tells
// whether the file gives letter `code` of the property at that position.
// `codesDonnes()` gives the codes the file gives its records (CodesDonnes).
struct DeclarationChargee {
  std::unique_ptr<TDonnee2072> racine;
  std::function<bool(long long code, std::size_t propriete)> donne;
  std::function<std::unordered_set<std::string>()> codesDonnes;
};
DeclarationChargee ChargeRapide(const SourceTexte& source);

}  // namespace hote2072
