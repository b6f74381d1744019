// A whole declaration file through reading, checking and loading; a file that loads is
// written out and read back, which must give the same letters. The fast reader accepts only
// files the event reader reads the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chargement/chargement.h"
#include "format/bornes.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "format/lecturerapide.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  using namespace hote2072;
  const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
  Rapport rapport;
  const auto fichier = LitJsonEvenements(texte, rapport);
  // Pieces of a byte split the letters at every line that may end one.
  for (const std::size_t morceau : {kTailleMorceau, std::size_t{1}})
    if (const auto rapide = LitJsonRapide(texte, morceau))
      if (!fichier || !(*rapide == *fichier)) __builtin_trap();
  if (!fichier) return 0;
  // The bounds are checked on any file; loading only small ones keeps executions fast (a
  // position of 1,000 is allowed and makes a million shares).
  VerifieBornes(*fichier, rapport);
  for (const LettreFichier& l : fichier->lettres)
    for (const auto& [cle, position] : l.index)
      if (position > 64) return 0;
  auto racine = Charge(*fichier, rapport);
  if (!racine) return 0;
  const FichierDeclaration ecrit = Ecrit(*racine, false);
  Rapport relecture;
  const auto relu = LitJson(EcritJson(ecrit, false), relecture);
  if (!relu || !(*relu == ecrit)) __builtin_trap();
  return 0;
}
