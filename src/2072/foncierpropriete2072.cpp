#include "foncierpropriete2072.h"

namespace zorfiscal2072 {

const lettres::TableLettres<TDonneeProprieteFoncierPropriete>& TDonneeProprieteFoncierPropriete::Lettres() {
  using R = TDonneeProprieteFoncierPropriete;
  static const lettres::TableLettres<R> table{
      LETTRE(12140, LoyerBrut, Reel, 0),
      LETTRE(12143, ChargeLocataire, Reel, 0),
      LETTRE(12144, RecetteDiverse, Reel, 0),
      LETTRE(12142, RecettePossible, Reel, 0),
      LETTRE(12145, TotalRecette, Reel, 0),
      LETTRE(12433, TotalRecetteCRLCalcul, Reel, 0),
      LETTRE(12358, RecetteCRL, Reel, 0),
      LETTRE(12359, RecetteCRLCalcul, Reel, 0),
      LETTRE(12153, FraisGerance, Reel, 0),
      LETTRE(12154, Assurance, Reel, 0),
      LETTRE(12155, TravauxReparation, Reel, 0),
      LETTRE(12620, TravauxProprieteRurale, Reel, 0),
      LETTRE(12428, ChargesEspacesNaturels, Reel, 0),
      LETTRE(12158, TravauxTransformation, Reel, 0),
      LETTRE(12159, TravauxGrosseReparation, Reel, 0),
      LETTRE(12160, AssuranceFraisZR, Reel, 0),
      LETTRE(12360, ChargesRecuperable, Reel, 0),
      LETTRE(12147, IndemniteEtFrais, Reel, 0),
      LETTRE(12434, BaseCalculDeduction, Reel, 0),
      LETTRE(12161, ImpotEtTaxe, Reel, 0),
      LETTRE(12149, OptionTauxDeduction, Long, 0),
      LETTRE(12150, TauxDeduction, Reel, 0),
      LETTRE(12151, DeductionFraisDivers, Reel, 0),
      LETTRE(12152, DeductionAmortissement, Reel, 0),
      LETTRE(12563, AmortissementSIPlafonnable, Reel, 0),
      LETTRE(12162, Provision, Reel, 0),
      LETTRE(12366, Regularisation, Reel, 0),
      LETTRE(12163, TotalCharge, Reel, 0),
      LETTRE(12164, InteretEmprunt, Reel, 0),
      LETTRE(12165, RevenuOuDeficit, Reel, 0),
      LETTRE(12166, ReintegrationDeduction, Reel, 0),
      LETTRE(12167, RemunerationBruteAssocie, Reel, 0),
      LETTRE(12168, RemunerationNetteAssocie, Reel, 0),
      LETTRE(12169, RevenuAutreSI, Reel, 0),
      LETTRE(12170, Resultat, Reel, 0),
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
  for (double* montant : {&TotalRecette, &TotalRecetteCRLCalcul, &RecetteCRLCalcul, &TauxDeduction,
                          &DeductionAmortissement, &AmortissementSIPlafonnable, &TotalCharge, &RevenuOuDeficit,
                          &RemunerationNetteAssocie, &Resultat})
    *montant = 0;
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitResultat(); });
}

// The year's entered figures; TravauxProprieteRurale survives (only Init clears it).
void TDonneeProprieteFoncierPropriete::InitPartielle() {
  for (double* montant :
       {&LoyerBrut, &ChargeLocataire, &RecetteDiverse, &RecettePossible, &RecetteCRL, &FraisGerance, &Assurance,
        &TravauxReparation, &ChargesEspacesNaturels, &TravauxTransformation, &TravauxGrosseReparation,
        &AssuranceFraisZR, &ChargesRecuperable, &IndemniteEtFrais, &BaseCalculDeduction, &ImpotEtTaxe,
        &DeductionFraisDivers, &Provision, &Regularisation, &InteretEmprunt, &ReintegrationDeduction,
        &RemunerationBruteAssocie, &RevenuAutreSI})
    *montant = 0;
  OptionTauxDeduction = OptionTauxDeduction::Aucune;
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
}

void TDonneeProprieteFoncierPropriete::setForfaitGestion(const TElementLie& element) {
  if (!ForfaitGestion) ForfaitGestion.cree();
  static_cast<TElementLie&>(*ForfaitGestion) = element;
}

}  // namespace zorfiscal2072
