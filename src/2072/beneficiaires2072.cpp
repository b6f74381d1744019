#include "beneficiaires2072.h"

#include "listes2072.h"
#include "niveaux2072.h"

namespace zorfiscal2072 {

// --- TLocataire

const lettres::TableLettres<TLocataire>& TLocataire::Lettres() {
  using R = TLocataire;
  using enum lettres::Liste;
  static const lettres::TableLettres<R> table{
      LETTRE(12593, Nom, Texte, 92, "Nom du locataire"),
      LETTRE(12594, Prenom, Texte, 92, "Prénom du locataire"),
      LETTRE(12595, Localisation, Texte, 81, "Localisation du local loué"),
      LETTRE(12596, Nouveau, Court, 0, "Nouveau locataire dans l'année").Parmi(ListeOuiNon),
      LETTRE_REFERENCE(12654, CodePropriete, Texte, 21, "Locataire : code de l'immeuble", kNiveauPropriete),
  };
  return table;
}

bool TLocataire::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TLocataire::TransfertUneLettre(structLettre* l, TIndex, long sens) { return TransfertLettreXX(l, sens); }

// --- TBeneficiaire

const lettres::TableLettres<TBeneficiaire>& TBeneficiaire::Lettres() {
  using R = TBeneficiaire;
  using lettres::Gabarit;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12736, CodePropriete, Texte, 21, "Bénéficiaire : code de l'immeuble", kNiveauPropriete),
      LETTRE(12737, IdentiteBeneficiaire, Texte, 92, "Identité du bénéficiaire"),
      LETTRE(12738, AdresseBeneficiaire, Texte, 101, "Adresse du bénéficiaire"),
      LETTRE(12739, SIRENBeneficiaire, Texte, 21, "Numéro SIREN du bénéficiaire").AuGabarit(Gabarit::Siren),
      LETTRE(12740, NICBeneficiaire, Texte, 21, "Numéro NIC du bénéficiaire").AuGabarit(Gabarit::Nic),
      LETTRE(12741, SIRETBeneficiaire, Texte, 21, "Numéro SIRET du bénéficiaire")
          .Calcule()
          .AuGabarit(Gabarit::Siret, "SIRENBeneficiaire", "NICBeneficiaire"),
  };
  return table;
}

bool TBeneficiaire::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TBeneficiaire::TransfertUneLettre(structLettre* l, TIndex, long sens) { return TransfertLettreXX(l, sens); }

// --- TListeProprieteJouissanceGratuite

const lettres::TableLettres<TListeProprieteJouissanceGratuite>& TListeProprieteJouissanceGratuite::Lettres() {
  using R = TListeProprieteJouissanceGratuite;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12692, CodePropriete, Texte, 101, "Occupation gratuite : code de l'immeuble", kNiveauPropriete),
      LETTRE_REFERENCE(12693, CodeAssocie, Texte, 101, "Occupation gratuite : code de l'associé", kNiveauAssocie),
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
