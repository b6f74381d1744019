#include "foncierpropriete2072.h"

#include "codes2072.h"

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
  return arbre::TransfertUneLettre(*this, l, index, sens);
}

void TDonneeProprieteFoncierPropriete::Init() {
  for (double* montant :
       {&LoyerBrut, &ChargeLocataire, &RecetteDiverse, &RecettePossible, &TotalRecette, &TotalRecetteCRLCalcul,
        &RecetteCRL, &RecetteCRLCalcul, &FraisGerance, &Assurance, &TravauxReparation, &TravauxProprieteRurale,
        &ChargesEspacesNaturels, &TravauxTransformation, &TravauxGrosseReparation, &AssuranceFraisZR,
        &ChargesRecuperable, &IndemniteEtFrais, &BaseCalculDeduction, &ImpotEtTaxe, &TauxDeduction,
        &DeductionFraisDivers, &DeductionAmortissement, &AmortissementSIPlafonnable, &Provision, &Regularisation,
        &TotalCharge, &InteretEmprunt, &RevenuOuDeficit, &ReintegrationDeduction, &RemunerationBruteAssocie,
        &RemunerationNetteAssocie, &RevenuAutreSI, &Resultat})
    *montant = 0;
  OptionTauxDeduction = 3;
  if (ForfaitGestion) ForfaitGestion->Init();
}

void TDonneeProprieteFoncierPropriete::InitResultat() {
  for (double* montant : {&TotalRecette, &TotalRecetteCRLCalcul, &RecetteCRLCalcul, &TauxDeduction,
                          &DeductionAmortissement, &AmortissementSIPlafonnable, &TotalCharge, &RevenuOuDeficit,
                          &RemunerationNetteAssocie, &Resultat})
    *montant = 0;
  if (ForfaitGestion) ForfaitGestion->InitResultat();
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
  OptionTauxDeduction = 3;
  if (ForfaitGestion) ForfaitGestion->InitPartielle();
}

void TDonneeProprieteFoncierPropriete::setForfaitGestion(const TElementLie& element) {
  if (!ForfaitGestion) ForfaitGestion.cree();
  static_cast<TElementLie&>(*ForfaitGestion) = element;
}

double TDonneeProprieteFoncierPropriete::DonneTauxDeduction(short option) {
  switch (option) {
    case 5:
    case 18: return 0.26;
    case 10:
    case 11:
    case 14:
    case 19:
    case 20: return 0.30;
    case 15: return 0.40;
    case 12: return 0.45;
    case 16:
    case 25: return 0.60;
    case 24: return 0.70;
    case 17: return 0.75;
    case 26: return 0.10;
    default: return 0;  // 3 (none), 8 (amount entered), 1, 2, 7 and unknown codes
  }
}

short TDonneeProprieteFoncierPropriete::OptionTauxProprieteCoherent(long optionFiscale) {
  switch (optionFiscale) {
    case 6:
    case 7:
    case 10: return 5;
    case 11: return 10;
    case 12: return 11;
    case 13: return 12;
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 24:
    case 25: return static_cast<short>(optionFiscale);
    default: return 3;
  }
}

long TDonneeProprieteFoncierPropriete::DonneTypeImmeuble(long categorie, long optionFiscale, long typeImmeuble) {
  switch (categorie) {
    case Categorie::Ordinaire:
      if (EstOptionAmortissement(optionFiscale)) return TypeImmeuble::Amortissement;
      switch (optionFiscale) {
        case OptionFiscale::BessonAncien:
        case OptionFiscale::ScellierZRR: return TypeImmeuble::Deduction26;
        case OptionFiscale::BorlooAncienIntermediaire:
        case OptionFiscale::Option14:
        case OptionFiscale::ScellierIntermediaire:
        case OptionFiscale::ScellierIntermediaireDOM: return TypeImmeuble::Deduction30Ou45;
        case OptionFiscale::Carrieres: return TypeImmeuble::Carriere;
        case OptionFiscale::BorlooAncienSocial: return TypeImmeuble::BorlooAncienSocial;
        case OptionFiscale::Option16:
        case OptionFiscale::BorlooAncienSocial60: return TypeImmeuble::Deduction60;
        case OptionFiscale::Option17: return TypeImmeuble::Deduction75;
        case OptionFiscale::BorlooAncienSocialIntermediaire: return TypeImmeuble::Deduction70;
        default: return TypeImmeuble::Ordinaire;
      }
    case Categorie::SecteurSauvegarde: return TypeImmeuble::SecteurSauvegarde;
    case Categorie::MonumentHistorique: return TypeImmeuble::MonumentHistorique;
    case Categorie::NuePropriete: return TypeImmeuble::NuePropriete;
    case Categorie::EspacesNaturels: return TypeImmeuble::EspacesNaturels;
    default: return typeImmeuble;
  }
}

}  // namespace zorfiscal2072
