// The amount reader: whatever it accepts is finite and writes back to text that reads as the
// same number, through the transfer of the letter library too.
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
    if (!std::isfinite(v) || !lettres::LitReel(lettres::EcritReel(v).c_str(), relu) || relu != v) __builtin_trap();
  }
  char* valeur = static_cast<char*>(std::malloc(texte.size() + 1));
  std::memcpy(valeur, texte.c_str(), texte.size() + 1);
  double variable = 0;
  TransfertDoubleReference(&variable, &valeur, 0);
  TransfertDoubleReferenceFormat(&variable, &valeur, "%0.5lf", 1);
  std::free(valeur);
  return 0;
}
