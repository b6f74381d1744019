// Bounds on the records a file makes loading create, checked over its letters before any
// record exists: what a file asks for stays in proportion to what it says.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "format/declaration.h"

namespace hote2072 {

// A position may lie at most this far beyond the number of records of its level (under the
// same owner) that the file's letters name.
inline constexpr std::size_t kEcartMax = 1000;
// Records of one level, all owners together.
inline constexpr std::size_t kEnregistrementsMax = 1000000;
// Partners times properties (shares), partners times sales (distributions): some 230 bytes
// each, so ten million take a few gigabytes.
inline constexpr std::size_t kQuotesMax = 10000000;
// Every record loading creates, of every level, shares and distributions included: beyond
// kEnregistrementsLibres, at most kEnregistrementsParLettre per letter of the file, so that a
// small file cannot fill the memory (4,000 partners and 4,000 properties named in 8,000
// letters would make 16 million shares).
inline constexpr std::size_t kEnregistrementsLibres = 2000000;
inline constexpr std::size_t kEnregistrementsParLettre = 100;
std::size_t EnregistrementsPermis(std::size_t lettres);

// Reports, at the letter that asks for them, records beyond these bounds.
void VerifieBornes(const FichierDeclaration& fichier, Rapport& rapport);

// The same bounds kept as a file's letters come, before the records they ask for exist, and
// kept more strictly: a position beyond the records named so far, or records beyond what the
// letters read so far allow, stop loading at once. While every call answers true,
// VerifieBornes finds nothing in the letters given so far.
class BornesEnCours {
 public:
  // After `lettres` letters, one names for the first time the record at `position` of level
  // `niveau` under the owner at `proprietaire` (0 for the root's levels).
  bool Nomme(int niveau, int proprietaire, int position, std::size_t lettres);

 private:
  struct Effectif {
    std::size_t nommes = 0, crees = 0;
  };
  std::unordered_map<std::uint64_t, Effectif> m_effectifs;
  std::unordered_map<int, std::size_t> m_totaux;
  std::size_t m_enregistrements = 0;
  std::size_t m_associes = 0, m_proprietes = 0, m_cessions = 0;
};

}  // namespace hote2072
