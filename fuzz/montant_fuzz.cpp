// The amount reader: whatever it accepts is finite and writes back to text that reads as a
// number within the 15th digit, which writes as the same text again; through the transfer of
// the letter library too.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lettres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string texte(reinterpret_cast<const char*>(donnees), taille);
  double v = 0;
  if (lettres::LitReel(texte.c_str(), v)) {
    double relu = 0;
    const std::string ecrit = lettres::EcritReel(v);
    if (!std::isfinite(v) || !lettres::LitReel(ecrit.c_str(), relu) || lettres::EcritReel(relu) != ecrit ||
        std::fabs(relu - v) > std::fabs(v) * 1e-14)
      __builtin_trap();
  }
  char* valeur = static_cast<char*>(std::malloc(texte.size() + 1));
  std::memcpy(valeur, texte.c_str(), texte.size() + 1);
  double variable = 0;
  TransfertDoubleReference(&variable, &valeur, 0);
  TransfertDoubleReferenceFormat(&variable, &valeur, "%0.5lf", 1);
  std::free(valeur);
  return 0;
}
