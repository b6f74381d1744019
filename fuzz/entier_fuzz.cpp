// The integer reader and the bounded integer transfers: a whole number it accepts reads back
// from its own text; the narrow transfers keep their type's range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lettres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string texte(reinterpret_cast<const char*>(donnees), taille);
  long long v = 0, relu = 0;
  if (lettres::LitEntier(texte.c_str(), v) && (!lettres::LitEntier(std::to_string(v).c_str(), relu) || relu != v))
    __builtin_trap();
  char* valeur = static_cast<char*>(std::malloc(texte.size() + 1));
  std::memcpy(valeur, texte.c_str(), texte.size() + 1);
  short court = 0;
  long jour = 0, annee = 0, entier = 0;
  TransfertShortIntReference(&court, &valeur, 0);
  TransfertLongMoisJourReference(&jour, &valeur, 0);
  TransfertLongSiecleAnneeReference(&annee, &valeur, 0);
  TransfertLongReference(&entier, &valeur, 0);
  TransfertLongSiecleAnneeReference(&annee, &valeur, 1);
  std::free(valeur);
  return 0;
}
