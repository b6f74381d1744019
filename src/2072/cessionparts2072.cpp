#include "cessionparts2072.h"

#include <algorithm>


namespace zorfiscal2072 {

// --- TCessionParts

const lettres::TableLettres<TCessionParts>& TCessionParts::Lettres() {
  using R = TCessionParts;
  static const lettres::TableLettres<R> table{
      LETTRE(12710, NomCessionnaire, Texte, 35),
      LETTRE(12711, PrenomCessionnaire, Texte, 35),
      LETTRE(12712, DateNaissanceCessionnaire, Date, 0),
      LETTRE(12713, LieuNaissanceCessionnaire, Texte, 35),
      LETTRE(12714, AdresseCessionnaire, Texte, 101),
      LETTRE(12715, SIRENCessionnaire, Texte, 21),
      LETTRE(12716, NICCessionnaire, Texte, 21),
      LETTRE(12717, SIRETCessionnaire, Texte, 21),
      LETTRE(12718, NomCedant, Texte, 35),
      LETTRE(12719, PrenomCedant, Texte, 35),
      LETTRE(12720, DateNaissanceCedant, Date, 0),
      LETTRE(12721, LieuNaissanceCedant, Texte, 35),
      LETTRE(12722, AdresseCedant, Texte, 101),
      LETTRE(12723, SIRENCedant, Texte, 21),
      LETTRE(12724, NICCedant, Texte, 21),
      LETTRE(12725, SIRETCedant, Texte, 21),
      LETTRE(12726, NombreParts, ReelFormat, 5),
      LETTRE(12727, DateCession, Date, 0),
      LETTRE(12749, PresenceHoldingCessionnaire, Court, 0),
      LETTRE(12750, PresenceHoldingCedant, Court, 0),
      LETTRE_POSITION(12762, AssocieCessionnaire, Long, 0, kNiveauAssocie),
      LETTRE_POSITION(12763, AssocieCedant, Long, 0, kNiveauAssocie),
  };
  return table;
}

bool TCessionParts::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TCessionParts::TransfertUneLettre(structLettre* l, TIndex, long sens) { return TransfertLettreXX(l, sens); }

// --- TCessionsPartsSociete

bool TCessionsPartsSociete::TransfertLettreXX(structLettre* l, long sens) {
  return l == nullptr || (sens != 0 && sens != 1);
}

bool TCessionsPartsSociete::TransfertUneLettre(structLettre* l, TIndex index, long sens) {
  return arbre::TransfertUneLettre(*this, l, index, sens);
}

void TCessionsPartsSociete::SupprimeCessionParAssocie(long position) {
  std::erase_if(CessionParts, [position](const TCessionParts& c) {
    return c.getAssocieCessionnaire() == position || c.getAssocieCedant() == position;
  });
}

}  // namespace zorfiscal2072
