#include "composantimmeuble2072.h"

#include "listes2072.h"
#include "niveaux2072.h"
#include "tables2072.h"

namespace zorfiscal2072 {

const lettres::TableLettres<TComposant>& TComposant::Lettres() {
  using R = TComposant;
  using enum lettres::Liste;
  using lettres::Unite;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12743, CodePropriete, Texte, 21, "Composant : code de l'immeuble", kNiveauPropriete),
      LETTRE(12615, Nom, Court, 0, "Nature du composant").Parmi(ListeNatureComposant),
      LETTRE(12651, NomSaisi, Texte, 92, "Libellé du composant"),
      LETTRE(12656, DateAcquisition, Date, 0, "Date d'acquisition du composant"),
      LETTRE(12657, PrixTTC, Reel, 0, "Prix toutes taxes comprises"),
      LETTRE(12658, Prix, Reel, 0, "Prix amortissable"),
      LETTRE(12659, DureeAmortissement, Long, 0, "Durée d'amortissement").En(Unite::Annees),
      LETTRE(12660, TauxAmortissement, Reel, 0, "Taux d'amortissement").En(Unite::Pourcent),
      LETTRE(12661, ModeAmortissement, Court, 0, "Méthode d'amortissement").Parmi(ListeModeAmortissement),
      LETTRE(12662, TauxDegressif, Reel, 0, "Taux dégressif").En(Unite::Pourcent),
      LETTRE(12663, AmortissementsAnterieursCalcule, Court, 0, "Amortissements antérieurs calculés").Parmi(ListeOuiNon),
      LETTRE(12664, AmortissementsAnterieursMontantCalcule, ReelFormat, 2, "Amortissements antérieurs (calculés)"),
      LETTRE(12665, AmortissementsAnterieursMontantSaisie, ReelFormat, 2, "Amortissements antérieurs (saisis)"),
      LETTRE(12666, AmortissementsAnterieurs, ReelFormat, 2, "Amortissements antérieurs retenus"),
      LETTRE(12667, AnneeCalcule, Court, 0, "Amortissement de l'année calculé").Parmi(ListeOuiNon),
      LETTRE(12668, AmortissementsAnneeMontantCalcule, ReelFormat, 2, "Amortissement de l'année (calculé)"),
      LETTRE(12669, AmortissementsAnneeMontantSaisie, ReelFormat, 2, "Amortissement de l'année (saisi)"),
      LETTRE(12670, AmortissementsAnnee, ReelFormat, 2, "Amortissement de l'année retenu"),
      LETTRE(12671, Amortissements, ReelFormat, 2, "Amortissements cumulés"),
      LETTRE(12652, ValeurResiduelle, ReelFormat, 2, "Valeur résiduelle"),
      LETTRE(12653, MontantAmort, Reel, 0, "Montant amorti dans l'année"),
  };
  return table;
}

bool TComposant::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

void TComposant::MajNomSaisi() {
  std::vector<TElement>& natures = TTables_2072::getInstance()->ListeNatureComposant;
  const auto element = TTables_2072::getElement(natures, Nom);
  if (element != natures.end()) NomSaisi = element->get_libelle();
}

}  // namespace zorfiscal2072
