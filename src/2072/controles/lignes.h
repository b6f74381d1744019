// Rules on the seven depreciation lines of a property (line 1 the investment, 2 to 4 and 5 to
// 7 two groups of expenses): each puts the cursor on the letter of the line concerned.
#pragma once

#include <cstdint>

#include "dates.h"

namespace zorfiscal2072::controles {

// The messages of the checks made on each line; the line's letters are the depreciation
// record's.
struct LigneAmortissement {
  NumeroMessage sansDate, sansMontant, avantAcquisition;
};
inline constexpr int kNombreLignes = 7;
extern const LigneAmortissement kLignes[kNombreLignes];

// The three checks made on each line, each a rule of its own.
enum class VerifLigne : std::uint8_t {
  SansDate,          // an amount without a start date
  SansMontant,       // a start date without an amount
  AvantAcquisition,  // a start before the acquisition, under a depreciation scheme
};

struct RegleLigne {
  Arret arret;
  int ligne;  // 1 to 7
  VerifLigne verif;
  Resultat Evalue(const TPropriete2072& p, const TControle& c) const;
};

// A walk over the lines that stops at the first line with an amount and a start date that
// compares with the bound; the message depends on the line's group.
struct RegleBoucle {
  Arret arret;
  Options options;
  Comparaison comparaison;
  long borne;
  NumeroMessage messageLignes1a4, messageLignes5a7;
  Resultat Evalue(const TPropriete2072& p, const TControle& c) const;
};

}  // namespace zorfiscal2072::controles
