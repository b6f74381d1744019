#include "resultats2072.h"

namespace zorfiscal2072 {

// ---- TResultatARepartir2072 and its two sets of codes

void TResultatARepartir2072::InitResultat() {
  RevenuBrut = Charge = ChargeEspacesNaturels = InteretEmprunt = 0;
  DeductionSpecifique = Amortissement = RevenuOuDeficit = 0;
}

const lettres::TableLettres<TResultatARepartirPropriete>& TResultatARepartirPropriete::Lettres() {
  using R = TResultatARepartirPropriete;
  static const lettres::TableLettres<R> table{
      LETTRE(12202, RevenuBrut, Reel, 0),
      LETTRE(12203, Charge, Reel, 0),
      LETTRE(12206, InteretEmprunt, Reel, 0),
      LETTRE(12207, RevenuOuDeficit, Reel, 0),
      LETTRE(12426, ChargeEspacesNaturels, Reel, 0),
      LETTRE(12673, DeductionSpecifique, Reel, 0),
      LETTRE(12674, Amortissement, Reel, 0),
      LETTRE(12764, Travaux, Reel, 0),
  };
  return table;
}

bool TResultatARepartirPropriete::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

// The cumulative record has no codes for works, specific deduction and depreciation.
const lettres::TableLettres<TResultatARepartirCumul>& TResultatARepartirCumul::Lettres() {
  using R = TResultatARepartirCumul;
  static const lettres::TableLettres<R> table{
      LETTRE(12369, RevenuBrut, Reel, 0),
      LETTRE(12370, Charge, Reel, 0),
      LETTRE(12373, InteretEmprunt, Reel, 0),
      LETTRE(12374, RevenuOuDeficit, Reel, 0),
      LETTRE(12427, ChargeEspacesNaturels, Reel, 0),
  };
  return table;
}

bool TResultatARepartirCumul::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

// ---- TResultatGlobalARepartir

const lettres::TableLettres<TResultatGlobalARepartir>& TResultatGlobalARepartir::Lettres() {
  using R = TResultatGlobalARepartir;
  static const lettres::TableLettres<R> table{
      LETTRE(12702, RevenuBrut, Reel, 0),
      LETTRE(12703, Travaux, Reel, 0),
      LETTRE(12704, Charge, Reel, 0),
      LETTRE(12705, InteretsEmprunts, Reel, 0),
      LETTRE(12706, RevenuNetOuDeficit, Reel, 0),
  };
  return table;
}

bool TResultatGlobalARepartir::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

// ---- TDonneeProprieteFoncierCumul

// Entered figures.
void TDonneeProprieteFoncierCumul::InitPartielle() {
  LoyerBrut = RecettePossible = ChargeLocataire = RecetteDiverse = 0;
  IndemniteEtFrais = ChargesRecuperable = DeductionFraisDivers = 0;
  FraisGerance = ForfaitGestionValeur = Assurance = TravauxReparation = ChargesEspacesNaturels = 0;
  TravauxTransformation = TravauxGrosseReparation = AssuranceFraisZR = ImpotEtTaxe = 0;
  Provision = Regularisation = InteretEmprunt = 0;
  ReintegrationDeduction = RemunerationBruteAssocie = RevenuAutreSI = 0;
}

// Computed figures.
void TDonneeProprieteFoncierCumul::InitResultat() {
  TotalRecette = TotalRecetteCRLCalcul = DeductionAmortissement = TotalCharge = 0;
  RevenuOuDeficit = RemunerationNetteAssocie = Resultat = 0;
}

const lettres::TableLettres<TDonneeProprieteFoncierCumul>& TDonneeProprieteFoncierCumul::Lettres() {
  using R = TDonneeProprieteFoncierCumul;
  static const lettres::TableLettres<R> table{
      LETTRE(12172, LoyerBrut, Reel, 0),
      LETTRE(12174, RecettePossible, Reel, 0),
      LETTRE(12175, ChargeLocataire, Reel, 0),
      LETTRE(12176, RecetteDiverse, Reel, 0),
      LETTRE(12177, TotalRecette, Reel, 0),
      LETTRE(12368, TotalRecetteCRLCalcul, Reel, 0),
      LETTRE(12179, IndemniteEtFrais, Reel, 0),
      LETTRE(12365, ChargesRecuperable, Reel, 0),
      LETTRE(12181, DeductionFraisDivers, Reel, 0),
      LETTRE(12182, DeductionAmortissement, Reel, 0),
      LETTRE(12183, FraisGerance, Reel, 0),
      LETTRE(12397, ForfaitGestionValeur, Reel, 0),
      LETTRE(12184, Assurance, Reel, 0),
      LETTRE(12185, TravauxReparation, Reel, 0),
      LETTRE(12429, ChargesEspacesNaturels, Reel, 0),
      LETTRE(12188, TravauxTransformation, Reel, 0),
      LETTRE(12189, TravauxGrosseReparation, Reel, 0),
      LETTRE(12190, AssuranceFraisZR, Reel, 0),
      LETTRE(12191, ImpotEtTaxe, Reel, 0),
      LETTRE(12192, Provision, Reel, 0),
      LETTRE(12367, Regularisation, Reel, 0),
      LETTRE(12193, TotalCharge, Reel, 0),
      LETTRE(12194, InteretEmprunt, Reel, 0),
      LETTRE(12195, RevenuOuDeficit, Reel, 0),
      LETTRE(12196, ReintegrationDeduction, Reel, 0),
      LETTRE(12197, RemunerationBruteAssocie, Reel, 0),
      LETTRE(12198, RemunerationNetteAssocie, Reel, 0),
      LETTRE(12199, RevenuAutreSI, Reel, 0),
      LETTRE(12200, Resultat, Reel, 0),
  };
  return table;
}

bool TDonneeProprieteFoncierCumul::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

}  // namespace zorfiscal2072
