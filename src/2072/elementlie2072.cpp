#include "elementlie2072.h"

#include <string>

#include "listes2072.h"

lettres::TableLettres<TElementLie> TElementLie::TableCodes(short montant, short lie, short calcule, const char* libelle,
                                                           lettres::Primitive primitiveLie) {
  using R = TElementLie;
  using lettres::Nature;
  const auto avec = [libelle](const char* face) { return lettres::TexteDurable(std::string(libelle) + face); };
  return lettres::TableLettres<R>({
      // The amount used is what the box shows: it takes the box's own label.
      LETTRE_VIA(montant, "Montant", Reel, 0, libelle, &r.Montant).Est(Nature::LieRetenu),
      lettres::LettreChamp<R>{lettres::Decrit(lie, "Lie", primitiveLie, 0, avec(" : montant retenu égal au calcul")),
                              [](R& r) -> lettres::RefChamp { return &r.Lie; }}
          .Parmi(lettres::Liste::ListeOuiNon)
          .Est(Nature::LieMode),
      LETTRE_VIA(calcule, "MontantCalcule", Reel, 0, avec(" (montant calculé)"), &r.MontantCalcule)
          .Est(Nature::LieCalcule),
  });
}
