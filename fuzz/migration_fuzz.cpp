// An old declaration file through migration, as the migrate command runs it: the first byte
// picks the version of the engine that saved the file (the digit '0' the first, '1' the
// next...), the rest is the file. Each note written for a person is one short line (a value it
// quotes is cut at 80 characters), valid UTF-8, with no character a terminal acts upon. A
// migration that gives a root is written out; today's loader must take that file as it is,
// writing what it loads must give the same letters, and so must migrating it from the last
// version, which runs no step.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "chargement/chargement.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "lettres.h"
#include "services/migration.h"

namespace {

// One version before each step, and the last: every set of steps a file can need.
constexpr const char* kVersions[] = {"2008.2", "2009.1", "2009.2", "2010.1", "2010.2", "2011.2", "2012.2"};
// "code 12074, index {301: 99999, 306: 99999}: " and a step's words around a few values quoted
// at most 80 characters each, every one at most 10 bytes written.
constexpr std::size_t kLongueurNote = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  using namespace hote2072;
  if (taille == 0) return 0;
  const char* version = kVersions[static_cast<std::uint8_t>(donnees[0] - '0') % std::size(kVersions)];
  const std::string_view texte(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
  Rapport rapport;
  const auto ancien = LitJson(texte, rapport);
  if (!ancien) return 0;
  // Loading only small files keeps executions fast (a position of 1,000 is allowed and makes a
  // million shares).
  for (const LettreFichier& l : ancien->lettres)
    for (const auto& [cle, position] : l.index)
      if (position > 64) return 0;
  Migration migration = Migre(*ancien, version, rapport);
  for (const std::string& note : migration.notes)
    if (note.size() > kLongueurNote || lettres::Lisible(note) != note) __builtin_trap();
  if (!migration.racine) return 0;
  const FichierDeclaration ecrit = Ecrit(*migration.racine, false);
  Rapport relecture;
  const auto relu = LitJson(EcritJson(ecrit, false), relecture);
  if (!relu) __builtin_trap();
  const auto recharge = Charge(*relu, relecture);
  if (!recharge || !(Ecrit(*recharge, false) == ecrit)) __builtin_trap();
  Rapport remigration;
  const Migration sansEtape = Migre(*relu, std::end(kVersions)[-1], remigration);
  if (!sansEtape.racine || !(Ecrit(*sansEtape.racine, false) == ecrit)) __builtin_trap();
  return 0;
}
