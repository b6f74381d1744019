#include "amortissement.h"

void TAmortissement::Init() {
  Lignes.fill(TLigne{});
  Montants.fill(0);
  for (auto& serie : Series) serie.fill(TEntree{});
  Annee = 0;
  Regime = kRegimeAucun;
}
