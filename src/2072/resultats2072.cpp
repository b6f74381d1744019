#include "resultats2072.h"

namespace zorfiscal2072 {

// ---- TResultatARepartir2072 and its two sets of codes

const lettres::TableLettres<TResultatARepartirPropriete>& TResultatARepartirPropriete::Lettres() {
  using R = TResultatARepartirPropriete;
  static const lettres::TableLettres<R> table{
      LETTRE(12202, RevenuBrut, Reel, 0, "Résultat à répartir de l'immeuble : revenu brut").Calcule(),
      LETTRE(12203, Charge, Reel, 0, "Résultat à répartir de l'immeuble : charges").Calcule(),
      LETTRE(12206, InteretEmprunt, Reel, 0, "Résultat à répartir de l'immeuble : intérêts d'emprunts").Calcule(),
      LETTRE(12207, RevenuOuDeficit, Reel, 0, "Résultat à répartir de l'immeuble : revenu ou déficit").Calcule(),
      LETTRE(12426, ChargeEspacesNaturels, Reel, 0, "Résultat à répartir de l'immeuble : charges des espaces naturels")
          .Calcule(),
      LETTRE(12673, DeductionSpecifique, Reel, 0, "Résultat à répartir de l'immeuble : déduction spécifique").Calcule(),
      LETTRE(12674, Amortissement, Reel, 0, "Résultat à répartir de l'immeuble : amortissement").Calcule(),
      LETTRE(12764, Travaux, Reel, 0, "Résultat à répartir de l'immeuble : travaux (pour information)").Calcule(),
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
      LETTRE(12369, RevenuBrut, Reel, 0, "Cumul des résultats à répartir : revenu brut").Calcule(),
      LETTRE(12370, Charge, Reel, 0, "Cumul des résultats à répartir : charges").Calcule(),
      LETTRE(12373, InteretEmprunt, Reel, 0, "Cumul des résultats à répartir : intérêts d'emprunts").Calcule(),
      LETTRE(12374, RevenuOuDeficit, Reel, 0, "Cumul des résultats à répartir : revenu ou déficit").Calcule(),
      LETTRE(12427, ChargeEspacesNaturels, Reel, 0, "Cumul des résultats à répartir : charges des espaces naturels")
          .Calcule(),
  };
  return table;
}

bool TResultatARepartirCumul::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

// ---- TResultatGlobalARepartir

const lettres::TableLettres<TResultatGlobalARepartir>& TResultatGlobalARepartir::Lettres() {
  using R = TResultatGlobalARepartir;
  static const lettres::TableLettres<R> table{
      LETTRE(12702, RevenuBrut, Reel, 0, "Résultat de la société à répartir : revenu brut").Calcule(),
      LETTRE(12703, Travaux, Reel, 0, "Résultat de la société à répartir : travaux").Calcule(),
      LETTRE(12704, Charge, Reel, 0, "Résultat de la société à répartir : charges").Calcule(),
      LETTRE(12705, InteretsEmprunts, Reel, 0, "Résultat de la société à répartir : intérêts d'emprunts").Calcule(),
      LETTRE(12706, RevenuNetOuDeficit, Reel, 0, "Résultat de la société à répartir : revenu net ou déficit").Calcule(),
  };
  return table;
}

bool TResultatGlobalARepartir::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

// ---- TDonneeProprieteFoncierCumul

const lettres::TableLettres<TDonneeProprieteFoncierCumul>& TDonneeProprieteFoncierCumul::Lettres() {
  using R = TDonneeProprieteFoncierCumul;
  static const lettres::TableLettres<R> table{
      LETTRE(12172, LoyerBrut, Reel, 0, "Cumul : loyers bruts encaissés").Calcule(),
      LETTRE(12174, RecettePossible, Reel, 0, "Cumul : autres recettes").Calcule(),
      LETTRE(12175, ChargeLocataire, Reel, 0, "Cumul : dépenses du propriétaire mises à la charge des locataires")
          .Calcule(),
      LETTRE(12176, RecetteDiverse, Reel, 0, "Cumul : recettes diverses").Calcule(),
      LETTRE(12177, TotalRecette, Reel, 0, "Cumul : total des recettes").Calcule(),
      LETTRE(12368, TotalRecetteCRLCalcul, Reel, 0,
             "Cumul : recettes soumises à la contribution sur les revenus locatifs")
          .Calcule(),
      LETTRE(12179, IndemniteEtFrais, Reel, 0, "Cumul : indemnités d'éviction et frais de relogement").Calcule(),
      LETTRE(12365, ChargesRecuperable, Reel, 0, "Cumul : charges récupérables non récupérées").Calcule(),
      LETTRE(12181, DeductionFraisDivers, Reel, 0, "Cumul : déduction spécifique").Calcule(),
      LETTRE(12182, DeductionAmortissement, Reel, 0, "Cumul : déduction au titre de l'amortissement").Calcule(),
      LETTRE(12183, FraisGerance, Reel, 0, "Cumul : frais d'administration et de gestion").Calcule(),
      LETTRE(12397, ForfaitGestionValeur, Reel, 0, "Cumul : frais de gestion forfaitaires").Calcule(),
      LETTRE(12184, Assurance, Reel, 0, "Cumul : primes d'assurance").Calcule(),
      LETTRE(12185, TravauxReparation, Reel, 0, "Cumul : dépenses de réparation et d'entretien").Calcule(),
      LETTRE(12429, ChargesEspacesNaturels, Reel, 0, "Cumul : charges des espaces naturels").Calcule(),
      LETTRE(12188, TravauxTransformation, Reel, 0, "Cumul : travaux de transformation").Calcule(),
      LETTRE(12189, TravauxGrosseReparation, Reel, 0, "Cumul : grosses réparations").Calcule(),
      LETTRE(12190, AssuranceFraisZR, Reel, 0, "Cumul : frais et assurances (monuments historiques)").Calcule(),
      LETTRE(12191, ImpotEtTaxe, Reel, 0, "Cumul : impositions").Calcule(),
      LETTRE(12192, Provision, Reel, 0, "Cumul : provisions pour charges de copropriété").Calcule(),
      LETTRE(12367, Regularisation, Reel, 0, "Cumul : régularisation des provisions").Calcule(),
      LETTRE(12193, TotalCharge, Reel, 0, "Cumul : total des frais et charges").Calcule(),
      LETTRE(12194, InteretEmprunt, Reel, 0, "Cumul : intérêts d'emprunts").Calcule(),
      LETTRE(12195, RevenuOuDeficit, Reel, 0, "Cumul : revenu ou déficit net").Calcule(),
      LETTRE(12196, ReintegrationDeduction, Reel, 0, "Cumul : déductions à réintégrer").Calcule(),
      LETTRE(12197, RemunerationBruteAssocie, Reel, 0, "Cumul : rémunérations brutes des associés").Calcule(),
      LETTRE(12198, RemunerationNetteAssocie, Reel, 0, "Cumul : rémunérations nettes des associés").Calcule(),
      LETTRE(12199, RevenuAutreSI, Reel, 0, "Cumul : autres revenus").Calcule(),
      LETTRE(12200, Resultat, Reel, 0, "Cumul : résultat des immeubles").Calcule(),
  };
  return table;
}

bool TDonneeProprieteFoncierCumul::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

}  // namespace zorfiscal2072
