#include "cessionparts2072.h"

#include <algorithm>

#include "listes2072.h"

namespace zorfiscal2072 {

// --- TCessionParts

const lettres::TableLettres<TCessionParts>& TCessionParts::Lettres() {
  using R = TCessionParts;
  using enum lettres::Liste;
  using lettres::Gabarit;
  using lettres::Unite;
  static const lettres::TableLettres<R> table{
      LETTRE(12710, NomCessionnaire, Texte, 35, "Nom ou dénomination du cessionnaire"),
      LETTRE(12711, PrenomCessionnaire, Texte, 35, "Prénom du cessionnaire"),
      LETTRE(12712, DateNaissanceCessionnaire, Date, 0, "Date de naissance du cessionnaire"),
      LETTRE(12713, LieuNaissanceCessionnaire, Texte, 35, "Lieu de naissance du cessionnaire"),
      LETTRE(12714, AdresseCessionnaire, Texte, 101, "Adresse du cessionnaire"),
      LETTRE(12715, SIRENCessionnaire, Texte, 21, "Numéro SIREN du cessionnaire").AuGabarit(Gabarit::Siren),
      LETTRE(12716, NICCessionnaire, Texte, 21, "Numéro NIC du cessionnaire").AuGabarit(Gabarit::Nic),
      LETTRE(12717, SIRETCessionnaire, Texte, 21, "Numéro SIRET du cessionnaire")
          .Calcule()
          .AuGabarit(Gabarit::Siret, "SIRENCessionnaire", "NICCessionnaire"),
      LETTRE(12718, NomCedant, Texte, 35, "Nom ou dénomination du cédant"),
      LETTRE(12719, PrenomCedant, Texte, 35, "Prénom du cédant"),
      LETTRE(12720, DateNaissanceCedant, Date, 0, "Date de naissance du cédant"),
      LETTRE(12721, LieuNaissanceCedant, Texte, 35, "Lieu de naissance du cédant"),
      LETTRE(12722, AdresseCedant, Texte, 101, "Adresse du cédant"),
      LETTRE(12723, SIRENCedant, Texte, 21, "Numéro SIREN du cédant").AuGabarit(Gabarit::Siren),
      LETTRE(12724, NICCedant, Texte, 21, "Numéro NIC du cédant").AuGabarit(Gabarit::Nic),
      LETTRE(12725, SIRETCedant, Texte, 21, "Numéro SIRET du cédant")
          .Calcule()
          .AuGabarit(Gabarit::Siret, "SIRENCedant", "NICCedant"),
      LETTRE(12726, NombreParts, ReelFormat, 5, "Nombre de parts cédées").En(Unite::Parts),
      LETTRE(12727, DateCession, Date, 0, "Date de la cession de parts"),
      LETTRE(12749, PresenceHoldingCessionnaire, Court, 0, "Cessionnaire société holding").Parmi(ListeOuiNon),
      LETTRE(12750, PresenceHoldingCedant, Court, 0, "Cédant société holding").Parmi(ListeOuiNon),
      LETTRE_POSITION(12762, AssocieCessionnaire, Long, 0, "Cessionnaire (rang de l'associé, ou « Autre »)",
                      kNiveauAssocie),
      LETTRE_POSITION(12763, AssocieCedant, Long, 0, "Cédant (rang de l'associé, ou « Autre »)", kNiveauAssocie),
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
