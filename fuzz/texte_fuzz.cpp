// The text transfer with its bound (the first byte): it keeps at most bound - 1 characters, a
// prefix of the text, never a split character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lettres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille == 0) return 0;
  const long borne = donnees[0] % 110;  // the form's bounds go up to 101; 0 keeps everything
  const std::string texte(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
  char* valeur = static_cast<char*>(std::malloc(texte.size() + 1));
  std::memcpy(valeur, texte.data(), texte.size() + 1);
  std::string lu;
  TransfertString(&lu, &valeur, 0, borne);
  const std::size_t garde = std::strlen(texte.c_str());  // the letter's value stops at its first zero byte
  if (texte.compare(0, lu.size(), lu) != 0 || lu.size() > garde) __builtin_trap();
  if (borne >= 1 && lettres::NombreCaracteres(lu) > static_cast<std::size_t>(borne - 1)) __builtin_trap();
  if (lu.size() < garde && (static_cast<unsigned char>(texte[lu.size()]) & 0xC0) == 0x80) __builtin_trap();
  TransfertString(&lu, &valeur, 1, borne);
  if (std::strlen(valeur) != lu.size()) __builtin_trap();
  std::free(valeur);
  return 0;
}
