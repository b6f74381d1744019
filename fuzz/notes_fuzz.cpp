// The notes migration writes for a person, from an old file whose first byte picks the
// version that saved it: each note is one short line (a value it quotes is cut at 80
// characters), valid UTF-8, with no character a terminal acts upon, however long or strange
// the old values.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "format/fichierjson.h"
#include "lettres.h"
#include "services/migration.h"

namespace {

constexpr const char* kVersions[] = {"2008.2", "2009.1", "2009.2", "2010.1", "2010.2", "2011.2", "2012.2"};
// "code 12074, index {301: 99999, 306: 99999}: " and a step's words around a few values quoted
// at most 80 characters each, every one at most 10 bytes written.
constexpr std::size_t kLongueurNote = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  using namespace hote2072;
  if (taille == 0) return 0;
  const char* version = kVersions[static_cast<std::uint8_t>(donnees[0] - '0') % std::size(kVersions)];
  Rapport rapport;
  const auto ancien = LitJson(std::string_view(reinterpret_cast<const char*>(donnees) + 1, taille - 1), rapport);
  if (!ancien) return 0;
  for (const LettreFichier& l : ancien->lettres)
    for (const auto& [cle, position] : l.index)
      if (position > 64) return 0;  // small declarations keep executions fast
  for (const std::string& note : Migre(*ancien, version, rapport).notes)
    if (note.size() > kLongueurNote || lettres::Lisible(note) != note) __builtin_trap();
  return 0;
}
