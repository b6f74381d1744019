// The land figures that a property's land record and the cumulative record both carry, with
// the same meaning, declared once: each record derives from TChiffresFonciers2072 and gives
// the figures its own letters.
#pragma once

#include "tablelettres.h"
#include "tdonnee.h"

// Each figure: its field (a double in euros, 0 by default, read and written by getX/setX) and
// who fills it, which tells the reset that clears it: Saisie, the year's entries
// (InitPartielle); Calculee, the engine's figures (InitResultat).
// clang-format off
#define CHIFFRES_FONCIERS_2072(X)    \
  X(LoyerBrut, Saisie)               \
  X(ChargeLocataire, Saisie)         \
  X(RecetteDiverse, Saisie)          \
  X(RecettePossible, Saisie)         \
  X(TotalRecette, Calculee)          \
  X(TotalRecetteCRLCalcul, Calculee) \
  X(FraisGerance, Saisie)            \
  X(Assurance, Saisie)               \
  X(TravauxReparation, Saisie)       \
  X(ChargesEspacesNaturels, Saisie)  \
  X(TravauxTransformation, Saisie)   \
  X(TravauxGrosseReparation, Saisie) \
  X(AssuranceFraisZR, Saisie)        \
  X(ChargesRecuperable, Saisie)      \
  X(IndemniteEtFrais, Saisie)        \
  X(ImpotEtTaxe, Saisie)             \
  X(DeductionFraisDivers, Saisie)    \
  X(DeductionAmortissement, Calculee) \
  X(Provision, Saisie)               \
  X(Regularisation, Saisie)          \
  X(TotalCharge, Calculee)           \
  X(InteretEmprunt, Saisie)          \
  X(RevenuOuDeficit, Calculee)       \
  X(ReintegrationDeduction, Saisie)  \
  X(RemunerationBruteAssocie, Saisie) \
  X(RemunerationNetteAssocie, Calculee) \
  X(RevenuAutreSI, Saisie)           \
  X(Resultat, Calculee)
// clang-format on

namespace zorfiscal2072 {

class TChiffresFonciers2072 : public TDonneeBase {
 public:
  bool operator==(const TChiffresFonciers2072&) const = default;

#define CHIFFRE_FONCIER_ACCES(champ, nature)  \
  double get##champ() const { return champ; } \
  void set##champ(double v) { champ = v; }
  CHIFFRES_FONCIERS_2072(CHIFFRE_FONCIER_ACCES)
#undef CHIFFRE_FONCIER_ACCES

 protected:
  // Sets to 0 the figures that `nature` fills: the year's entries or the computed figures.
  void EffaceChiffres(lettres::Nature nature) {
#define CHIFFRE_FONCIER_EFFACE(champ, n) \
  if (nature == lettres::Nature::n) champ = 0;
    CHIFFRES_FONCIERS_2072(CHIFFRE_FONCIER_EFFACE)
#undef CHIFFRE_FONCIER_EFFACE
  }

  // Reached by the records' letter tables.
#define CHIFFRE_FONCIER_CHAMP(champ, nature) double champ = 0;
  CHIFFRES_FONCIERS_2072(CHIFFRE_FONCIER_CHAMP)
#undef CHIFFRE_FONCIER_CHAMP
};

}  // namespace zorfiscal2072
