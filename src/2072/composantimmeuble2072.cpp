#include "composantimmeuble2072.h"

#include "niveaux2072.h"
#include "tables2072.h"

namespace zorfiscal2072 {

const lettres::TableLettres<TComposant>& TComposant::Lettres() {
  using R = TComposant;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12743, CodePropriete, Texte, 21, kNiveauPropriete),
      LETTRE(12615, Nom, Court, 0),
      LETTRE(12651, NomSaisi, Texte, 92),
      LETTRE(12656, DateAcquisition, Date, 0),
      LETTRE(12657, PrixTTC, Reel, 0),
      LETTRE(12658, Prix, Reel, 0),
      LETTRE(12659, DureeAmortissement, Long, 0),
      LETTRE(12660, TauxAmortissement, Reel, 0),
      LETTRE(12661, ModeAmortissement, Court, 0),
      LETTRE(12662, TauxDegressif, Reel, 0),
      LETTRE(12663, AmortissementsAnterieursCalcule, Court, 0),
      LETTRE(12664, AmortissementsAnterieursMontantCalcule, ReelFormat, 2),
      LETTRE(12665, AmortissementsAnterieursMontantSaisie, ReelFormat, 2),
      LETTRE(12666, AmortissementsAnterieurs, ReelFormat, 2),
      LETTRE(12667, AnneeCalcule, Court, 0),
      LETTRE(12668, AmortissementsAnneeMontantCalcule, ReelFormat, 2),
      LETTRE(12669, AmortissementsAnneeMontantSaisie, ReelFormat, 2),
      LETTRE(12670, AmortissementsAnnee, ReelFormat, 2),
      LETTRE(12671, Amortissements, ReelFormat, 2),
      LETTRE(12652, ValeurResiduelle, ReelFormat, 2),
      LETTRE(12653, MontantAmort, Reel, 0),
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
