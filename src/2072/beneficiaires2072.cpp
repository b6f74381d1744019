#include "beneficiaires2072.h"

#include "niveaux2072.h"

namespace zorfiscal2072 {

// --- TLocataire

const lettres::TableLettres<TLocataire>& TLocataire::Lettres() {
  using R = TLocataire;
  static const lettres::TableLettres<R> table{
      LETTRE(12593, Nom, Texte, 92),
      LETTRE(12594, Prenom, Texte, 92),
      LETTRE(12595, Localisation, Texte, 81),
      LETTRE(12596, Nouveau, Court, 0),
      LETTRE_REFERENCE(12654, CodePropriete, Texte, 21, kNiveauPropriete),
  };
  return table;
}

bool TLocataire::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TLocataire::TransfertUneLettre(structLettre* l, TIndex, long sens) { return TransfertLettreXX(l, sens); }

// --- TBeneficiaire

const lettres::TableLettres<TBeneficiaire>& TBeneficiaire::Lettres() {
  using R = TBeneficiaire;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12736, CodePropriete, Texte, 21, kNiveauPropriete),
      LETTRE(12737, IdentiteBeneficiaire, Texte, 92),
      LETTRE(12738, AdresseBeneficiaire, Texte, 101),
      LETTRE(12739, SIRENBeneficiaire, Texte, 21),
      LETTRE(12740, NICBeneficiaire, Texte, 21),
      LETTRE(12741, SIRETBeneficiaire, Texte, 21),
  };
  return table;
}

bool TBeneficiaire::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TBeneficiaire::TransfertUneLettre(structLettre* l, TIndex, long sens) { return TransfertLettreXX(l, sens); }

// --- TListeProprieteJouissanceGratuite

const lettres::TableLettres<TListeProprieteJouissanceGratuite>& TListeProprieteJouissanceGratuite::Lettres() {
  using R = TListeProprieteJouissanceGratuite;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12692, CodePropriete, Texte, 101, kNiveauPropriete),
      LETTRE_REFERENCE(12693, CodeAssocie, Texte, 101, kNiveauAssocie),
  };
  return table;
}

bool TListeProprieteJouissanceGratuite::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

bool TListeProprieteJouissanceGratuite::TransfertUneLettre(structLettre* l, TIndex, long sens) {
  return TransfertLettreXX(l, sens);
}

}  // namespace zorfiscal2072
