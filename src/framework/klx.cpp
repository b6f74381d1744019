#include "klx.h"

#include <atomic>
#include <cstdio>
#include <random>

#include "lettres.h"

namespace KLX {

std::string GenerateStringGUID() {
  static constexpr char alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
  // 60 random bits, then a 40-bit counter that makes every identifier of the process distinct.
  static std::atomic<unsigned long long> compteur{0};
  thread_local std::mt19937_64 generateur{std::random_device{}()};
  const unsigned long long aleatoire = generateur() >> 4;
  const unsigned long long numero = compteur.fetch_add(1) & ((1ULL << 40) - 1);
  std::string texte(20, '0');
  for (int i = 0; i < 12; ++i) texte[i] = alphabet[(aleatoire >> (5 * i)) & 31];
  for (int i = 0; i < 8; ++i) texte[12 + i] = alphabet[(numero >> (5 * (7 - i))) & 31];
  return texte;
}

std::string double2str(double valeur, int decimales) {
  if (decimales <= 0) return lettres::EcritReel(valeur);
  char tampon[400];
  std::snprintf(tampon, sizeof tampon, "%.*f", decimales, valeur);
  return tampon;
}

}  // namespace KLX
