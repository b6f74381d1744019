#include "elementlie2072.h"

lettres::TableLettres<TElementLie> TElementLie::TableCodes(short montant, short lie, short calcule,
                                                           lettres::Primitive primitiveLie) {
  using R = TElementLie;
  using lettres::Primitive;
  return lettres::TableLettres<R>({
      LETTRE_VIA(montant, "Montant", Reel, 0, &r.Montant),
      {{lie, "Lie", primitiveLie, 0}, [](R& r) -> lettres::RefChamp { return &r.Lie; }},
      LETTRE_VIA(calcule, "MontantCalcule", Reel, 0, &r.MontantCalcule),
  });
}
