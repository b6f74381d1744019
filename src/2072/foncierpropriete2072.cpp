#include "foncierpropriete2072.h"

#include "listes2072.h"

namespace zorfiscal2072 {

const lettres::TableLettres<TDonneeProprieteFoncierPropriete>& TDonneeProprieteFoncierPropriete::Lettres() {
  using R = TDonneeProprieteFoncierPropriete;
  using enum lettres::Liste;
  using lettres::Unite;
  static const lettres::TableLettres<R> table{
      LETTRE(12140, LoyerBrut, Reel, 0, "Loyers bruts encaissés"),
      LETTRE(12143, ChargeLocataire, Reel, 0, "Dépenses du propriétaire mises à la charge des locataires"),
      LETTRE(12144, RecetteDiverse, Reel, 0, "Recettes diverses"),
      LETTRE(12142, RecettePossible, Reel, 0, "Autres recettes"),
      LETTRE(12145, TotalRecette, Reel, 0, "Total des recettes").Calcule(),
      LETTRE(12433, TotalRecetteCRLCalcul, Reel, 0,
             "Total des recettes soumises à la contribution sur les revenus locatifs")
          .Calcule(),
      LETTRE(12358, RecetteCRL, Reel, 0, "Recettes soumises à la contribution sur les revenus locatifs"),
      LETTRE(12359, RecetteCRLCalcul, Reel, 0, "Recettes soumises à la contribution (calculées)").Calcule(),
      LETTRE(12153, FraisGerance, Reel, 0, "Frais d'administration et de gestion"),
      LETTRE(12154, Assurance, Reel, 0, "Primes d'assurance"),
      LETTRE(12155, TravauxReparation, Reel, 0, "Dépenses de réparation et d'entretien"),
      LETTRE(12620, TravauxProprieteRurale, Reel, 0, "Travaux des propriétés rurales"),
      LETTRE(12428, ChargesEspacesNaturels, Reel, 0, "Charges des espaces naturels"),
      LETTRE(12158, TravauxTransformation, Reel, 0, "Travaux de transformation (secteurs sauvegardés)"),
      LETTRE(12159, TravauxGrosseReparation, Reel, 0, "Grosses réparations (nue-propriété)"),
      LETTRE(12160, AssuranceFraisZR, Reel, 0, "Frais et assurances (monuments historiques)"),
      LETTRE(12360, ChargesRecuperable, Reel, 0, "Charges récupérables non récupérées au départ du locataire"),
      LETTRE(12147, IndemniteEtFrais, Reel, 0, "Indemnités d'éviction et frais de relogement"),
      LETTRE(12434, BaseCalculDeduction, Reel, 0, "Base de la déduction spécifique").Calcule(),
      LETTRE(12161, ImpotEtTaxe, Reel, 0, "Impositions"),
      LETTRE(12149, OptionTauxDeduction, Long, 0, "Déduction spécifique choisie").Parmi(ListeOptionsTauxDeduction),
      LETTRE(12150, TauxDeduction, Reel, 0, "Taux de la déduction spécifique").En(Unite::Fraction).Calcule(),
      LETTRE(12151, DeductionFraisDivers, Reel, 0, "Déduction spécifique"),
      LETTRE(12152, DeductionAmortissement, Reel, 0, "Déduction au titre de l'amortissement").Calcule(),
      LETTRE(12563, AmortissementSIPlafonnable, Reel, 0, "Part de l'amortissement soumise au plafond").Calcule(),
      LETTRE(12162, Provision, Reel, 0, "Provisions pour charges de copropriété"),
      LETTRE(12366, Regularisation, Reel, 0, "Régularisation des provisions de l'année précédente"),
      LETTRE(12163, TotalCharge, Reel, 0, "Total des frais et charges").Calcule(),
      LETTRE(12164, InteretEmprunt, Reel, 0, "Intérêts d'emprunts"),
      LETTRE(12165, RevenuOuDeficit, Reel, 0, "Revenu ou déficit net").Calcule(),
      LETTRE(12166, ReintegrationDeduction, Reel, 0, "Déductions à réintégrer"),
      LETTRE(12167, RemunerationBruteAssocie, Reel, 0, "Rémunérations brutes versées aux associés"),
      LETTRE(12168, RemunerationNetteAssocie, Reel, 0, "Rémunérations nettes des associés").Calcule(),
      LETTRE(12169, RevenuAutreSI, Reel, 0, "Autres revenus"),
      LETTRE(12170, Resultat, Reel, 0, "Résultat de l'immeuble").Calcule(),
  };
  return table;
}

bool TDonneeProprieteFoncierPropriete::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

bool TDonneeProprieteFoncierPropriete::TransfertUneLettre(structLettre* l, TIndex index, long sens) {
  return TransfertLettreXX(l, sens) || lettres::TransfertDetenu(ForfaitGestion, l, index, sens);
}

void TDonneeProprieteFoncierPropriete::InitResultat() {
  EffaceChiffres(lettres::Nature::Calculee);
  RecetteCRLCalcul = TauxDeduction = AmortissementSIPlafonnable = 0;
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitResultat(); });
}

// The year's entered figures; TravauxProprieteRurale survives (only Init clears it), and the
// base of the deduction, computed, goes with the entries.
void TDonneeProprieteFoncierPropriete::InitPartielle() {
  EffaceChiffres(lettres::Nature::Saisie);
  RecetteCRL = BaseCalculDeduction = 0;
  OptionTauxDeduction = OptionTauxDeduction::Aucune;
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
}

void TDonneeProprieteFoncierPropriete::setForfaitGestion(const TElementLie& element) {
  if (!ForfaitGestion) ForfaitGestion.cree();
  static_cast<TElementLie&>(*ForfaitGestion) = element;
}

}  // namespace zorfiscal2072
