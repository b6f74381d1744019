// Results to distribute (one per property, the company's totals) and the cumulative land
// figures offered to the host.
#pragma once

#include "arbre.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// Result to distribute of one property. The base carries the fields and no letter; its
// subclasses give the fields their codes. An owner hands it out under this type but holds
// the subclass itself (Detenu<TResultatARepartirPropriete>): Detenu copies by static type,
// and a copy made as the base would lose the codes.
class TResultatARepartir2072 : public TDonneeBase {
 public:
  bool operator==(const TResultatARepartir2072&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() {}
  // Works are entered with the property: they survive a clearing of results.
  void InitResultat();
  void Reserve() {}

  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettreXX(lettre, sens); }
  // The plain record has no code of its own: only a null letter is taken.
  virtual bool TransfertLettreXX(structLettre* lettre, long) { return lettre == nullptr; }

  double getRevenuBrut() const { return RevenuBrut; }
  void setRevenuBrut(double v) { RevenuBrut = v; }
  double getTravaux() const { return Travaux; }
  void setTravaux(double v) { Travaux = v; }
  double getCharge() const { return Charge; }
  void setCharge(double v) { Charge = v; }
  double getChargeEspacesNaturels() const { return ChargeEspacesNaturels; }
  void setChargeEspacesNaturels(double v) { ChargeEspacesNaturels = v; }
  double getInteretEmprunt() const { return InteretEmprunt; }
  void setInteretEmprunt(double v) { InteretEmprunt = v; }
  double getDeductionSpecifique() const { return DeductionSpecifique; }
  void setDeductionSpecifique(double v) { DeductionSpecifique = v; }
  double getAmortissement() const { return Amortissement; }
  void setAmortissement(double v) { Amortissement = v; }
  double getRevenuOuDeficit() const { return RevenuOuDeficit; }
  void setRevenuOuDeficit(double v) { RevenuOuDeficit = v; }

 protected:
  // Reached by the subclasses' letter tables.
  double RevenuBrut = 0;
  double Travaux = 0;
  double Charge = 0;
  double ChargeEspacesNaturels = 0;  // exchanged only; no computation writes it
  double InteretEmprunt = 0;
  double DeductionSpecifique = 0;
  double Amortissement = 0;
  double RevenuOuDeficit = 0;
};

// The result to distribute that each property owns.
class TResultatARepartirPropriete : public TResultatARepartir2072 {
 public:
  bool operator==(const TResultatARepartirPropriete&) const = default;
  static const lettres::TableLettres<TResultatARepartirPropriete>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens) override;
};

// A cumulative result offered to the host under its own codes; the engine builds none.
class TResultatARepartirCumul : public TResultatARepartir2072 {
 public:
  bool operator==(const TResultatARepartirCumul&) const = default;
  static const lettres::TableLettres<TResultatARepartirCumul>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens) override;
};

// The company's totals of the properties' results to distribute.
class TResultatGlobalARepartir : public TDonneeBase {
 public:
  bool operator==(const TResultatGlobalARepartir&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() {}
  void InitResultat() { Init(); }  // every field is a total
  // Sample values (the sample declaration).
  void CasTest() { CasTestXX(); }
  void CasTestXX();
  void Reserve() {}

  static const lettres::TableLettres<TResultatGlobalARepartir>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettreXX(lettre, sens); }

  double getRevenuBrut() const { return RevenuBrut; }
  void setRevenuBrut(double v) { RevenuBrut = v; }
  double getTravaux() const { return Travaux; }
  void setTravaux(double v) { Travaux = v; }
  double getCharge() const { return Charge; }
  void setCharge(double v) { Charge = v; }
  double getInteretsEmprunts() const { return InteretsEmprunts; }
  void setInteretsEmprunts(double v) { InteretsEmprunts = v; }
  double getRevenuNetOuDeficit() const { return RevenuNetOuDeficit; }
  void setRevenuNetOuDeficit(double v) { RevenuNetOuDeficit = v; }

 private:
  double RevenuBrut = 0;
  double Travaux = 0;
  double Charge = 0;  // total charges of the land records
  double InteretsEmprunts = 0;
  double RevenuNetOuDeficit = 0;
};

// Cumulative land figures offered to the host; the engine does not fill them. The fields
// mean what the same fields of a property's land record mean, and the resets split them
// the same way (computed figures, entered figures).
class TDonneeProprieteFoncierCumul : public TDonneeBase {
 public:
  bool operator==(const TDonneeProprieteFoncierCumul&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle();
  void InitResultat();
  void Reserve() {}

  static const lettres::TableLettres<TDonneeProprieteFoncierCumul>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettreXX(lettre, sens); }

  // clang-format off
  double getLoyerBrut() const { return LoyerBrut; }                             void setLoyerBrut(double v) { LoyerBrut = v; }
  double getRecettePossible() const { return RecettePossible; }                 void setRecettePossible(double v) { RecettePossible = v; }
  double getChargeLocataire() const { return ChargeLocataire; }                 void setChargeLocataire(double v) { ChargeLocataire = v; }
  double getRecetteDiverse() const { return RecetteDiverse; }                   void setRecetteDiverse(double v) { RecetteDiverse = v; }
  double getTotalRecette() const { return TotalRecette; }                       void setTotalRecette(double v) { TotalRecette = v; }
  double getTotalRecetteCRLCalcul() const { return TotalRecetteCRLCalcul; }     void setTotalRecetteCRLCalcul(double v) { TotalRecetteCRLCalcul = v; }
  double getIndemniteEtFrais() const { return IndemniteEtFrais; }               void setIndemniteEtFrais(double v) { IndemniteEtFrais = v; }
  double getChargesRecuperable() const { return ChargesRecuperable; }           void setChargesRecuperable(double v) { ChargesRecuperable = v; }
  double getDeductionFraisDivers() const { return DeductionFraisDivers; }       void setDeductionFraisDivers(double v) { DeductionFraisDivers = v; }
  double getDeductionAmortissement() const { return DeductionAmortissement; }   void setDeductionAmortissement(double v) { DeductionAmortissement = v; }
  double getFraisGerance() const { return FraisGerance; }                       void setFraisGerance(double v) { FraisGerance = v; }
  double getForfaitGestionValeur() const { return ForfaitGestionValeur; }       void setForfaitGestionValeur(double v) { ForfaitGestionValeur = v; }
  double getAssurance() const { return Assurance; }                             void setAssurance(double v) { Assurance = v; }
  double getTravauxReparation() const { return TravauxReparation; }             void setTravauxReparation(double v) { TravauxReparation = v; }
  double getChargesEspacesNaturels() const { return ChargesEspacesNaturels; }   void setChargesEspacesNaturels(double v) { ChargesEspacesNaturels = v; }
  double getTravauxTransformation() const { return TravauxTransformation; }     void setTravauxTransformation(double v) { TravauxTransformation = v; }
  double getTravauxGrosseReparation() const { return TravauxGrosseReparation; } void setTravauxGrosseReparation(double v) { TravauxGrosseReparation = v; }
  double getAssuranceFraisZR() const { return AssuranceFraisZR; }               void setAssuranceFraisZR(double v) { AssuranceFraisZR = v; }
  double getImpotEtTaxe() const { return ImpotEtTaxe; }                         void setImpotEtTaxe(double v) { ImpotEtTaxe = v; }
  double getProvision() const { return Provision; }                             void setProvision(double v) { Provision = v; }
  double getRegularisation() const { return Regularisation; }                   void setRegularisation(double v) { Regularisation = v; }
  double getTotalCharge() const { return TotalCharge; }                         void setTotalCharge(double v) { TotalCharge = v; }
  double getInteretEmprunt() const { return InteretEmprunt; }                   void setInteretEmprunt(double v) { InteretEmprunt = v; }
  double getRevenuOuDeficit() const { return RevenuOuDeficit; }                 void setRevenuOuDeficit(double v) { RevenuOuDeficit = v; }
  double getReintegrationDeduction() const { return ReintegrationDeduction; }   void setReintegrationDeduction(double v) { ReintegrationDeduction = v; }
  double getRemunerationBruteAssocie() const { return RemunerationBruteAssocie; } void setRemunerationBruteAssocie(double v) { RemunerationBruteAssocie = v; }
  double getRemunerationNetteAssocie() const { return RemunerationNetteAssocie; } void setRemunerationNetteAssocie(double v) { RemunerationNetteAssocie = v; }
  double getRevenuAutreSI() const { return RevenuAutreSI; }                     void setRevenuAutreSI(double v) { RevenuAutreSI = v; }
  double getResultat() const { return Resultat; }                               void setResultat(double v) { Resultat = v; }
  // clang-format on

 private:
  double LoyerBrut = 0;
  double RecettePossible = 0;
  double ChargeLocataire = 0;
  double RecetteDiverse = 0;
  double TotalRecette = 0;
  double TotalRecetteCRLCalcul = 0;
  double IndemniteEtFrais = 0;
  double ChargesRecuperable = 0;
  double DeductionFraisDivers = 0;
  double DeductionAmortissement = 0;
  double FraisGerance = 0;
  double ForfaitGestionValeur = 0;  // amount used of the flat-rate management costs
  double Assurance = 0;
  double TravauxReparation = 0;
  double ChargesEspacesNaturels = 0;
  double TravauxTransformation = 0;
  double TravauxGrosseReparation = 0;
  double AssuranceFraisZR = 0;
  double ImpotEtTaxe = 0;
  double Provision = 0;
  double Regularisation = 0;
  double TotalCharge = 0;
  double InteretEmprunt = 0;
  double RevenuOuDeficit = 0;
  double ReintegrationDeduction = 0;
  double RemunerationBruteAssocie = 0;
  double RemunerationNetteAssocie = 0;
  double RevenuAutreSI = 0;
  double Resultat = 0;
};

}  // namespace zorfiscal2072
