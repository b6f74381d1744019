// The date reader: a date it accepts is a real calendar date whose own text reads back to it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lettres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string texte(reinterpret_cast<const char*>(donnees), taille);
  long date = 0, relue = 0;
  if (!lettres::LitDate(texte.c_str(), date)) return 0;
  if (date != 0 && !lettres::DateValide(date)) __builtin_trap();
  if (!lettres::LitDate(lettres::EcritDate(date).c_str(), relue) || relue != date) __builtin_trap();
  return 0;
}
