// Letter selection: before a screen is shown or printed, each of its letters is kept, dropped
// (its value cleared) or kept with mark 2, from the declaration as it stands. The rules are
// one table: the codes, the record the rule reads, and the decision.
#pragma once

#include <cstdint>
#include <vector>

#include "tdonnee2072.h"

namespace zorfiscal2072 {

// Flag a letter ends with.
namespace Decision {
inline constexpr short Ecartee = 0;  // dropped: its value is replaced
inline constexpr short Gardee = 1;
inline constexpr short Marquee = 2;  // kept, value unchanged; what mark 2 means is the host's concern
}  // namespace Decision

// The records a screen's index names, resolved once per list; null when the index does not
// name one (key absent, or position outside 0 to the count less one).
struct EnregistrementsNommes {
  const TDonnee2072& racine;
  const TPropriete2072* propriete = nullptr;
  const TAssocie2072* associe = nullptr;
  const TCessionParts* cessionParts = nullptr;
  const TCession* cession = nullptr;
  const TQuotePartPropriete* quotePart = nullptr;              // of the named partner's statement
  const TRepartitionOperationsSociete* repartition = nullptr;  // of the named partner's statement

  const TInfogene2072& infogene() const { return racine.getInfogene2072(); }
};

EnregistrementsNommes NommesParIndex(const TDonnee2072& racine, const TIndex& index);

// The record a rule reads; a rule whose record is not named leaves the letter kept.
enum class Requis : std::uint8_t { Declaration, Propriete, Associe, CessionParts, Cession, QuotePart };

bool EstNomme(const EnregistrementsNommes& nommes, Requis requis);

// Codes of a rule: one code, or every code from `premier` to `dernier`.
struct PlageCodes {
  PlageCodes(int code) : premier(static_cast<short>(code)), dernier(static_cast<short>(code)) {}  // NOLINT
  PlageCodes(int debut, int fin) : premier(static_cast<short>(debut)), dernier(static_cast<short>(fin)) {}
  short premier, dernier;
};

struct RegleSelection {
  std::vector<PlageCodes> codes;
  Requis requis;
  // Called only when the record is named.
  short (*decision)(const EnregistrementsNommes&);
  // A dropped letter's value becomes this number in decimal, or the empty text when 0.
  short compteur = 0;
};

// Every rule, in the order of the form's screens.
const std::vector<RegleSelection>& ReglesSelection();

// The rule of a code, or null for a code that no rule names.
const RegleSelection* RegleDeCode(int code);

}  // namespace zorfiscal2072
