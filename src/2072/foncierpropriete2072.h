// Land income of one property: receipts, charges, deductions and the property's result,
// with the flat-rate management costs as a linked element.
#pragma once

#include "arbre.h"
#include "codes2072.h"
#include "detenu.h"
#include "elementlie2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

class TDonneeProprieteFoncierPropriete : public TDonneeBase {
 public:
  // The member initialisers are the defaults.
  TDonneeProprieteFoncierPropriete() { Construct(); }
  bool operator==(const TDonneeProprieteFoncierPropriete&) const = default;

  void Construct() { ForfaitGestion.cree(); }
  void Destruct() { ForfaitGestion.detruit(); }
  void Init() { arbre::Reinitialise(*this); }
  void InitResultat();
  void InitPartielle();
  void Reserve() {}
  // Sample values (the sample declaration); CasTest also fills the flat-rate costs.
  void CasTest();
  void CasTestXX();

  static const lettres::TableLettres<TDonneeProprieteFoncierPropriete>& Lettres();
  static constexpr auto Enfants() { return std::tuple{arbre::Membre(&TDonneeProprieteFoncierPropriete::ForfaitGestion)}; }
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  // Rate of a special-deduction option (0.26 for 26 %), decided on the whole code; 0 for an
  // option without a rate and for any code not in the table.
  static double DonneTauxDeduction(long option);
  // The special-deduction option that goes with a property's tax scheme (3, none, by default).
  static short OptionTauxProprieteCoherent(long optionFiscale);
  // Aligns OptionTauxDeduction on the property's tax scheme.
  void DonneTauxCoherent(long optionFiscale) { OptionTauxDeduction = OptionTauxProprieteCoherent(optionFiscale); }
  // Building type of a property from its category and tax scheme; a category without a
  // type of its own keeps `typeImmeuble`.
  static long DonneTypeImmeuble(long categorie, long optionFiscale, long typeImmeuble);

  double getLoyerBrut() const { return LoyerBrut; }
  void setLoyerBrut(double v) { LoyerBrut = v; }
  double getChargeLocataire() const { return ChargeLocataire; }
  void setChargeLocataire(double v) { ChargeLocataire = v; }
  double getRecetteDiverse() const { return RecetteDiverse; }
  void setRecetteDiverse(double v) { RecetteDiverse = v; }
  double getRecettePossible() const { return RecettePossible; }
  void setRecettePossible(double v) { RecettePossible = v; }
  double getTotalRecette() const { return TotalRecette; }
  void setTotalRecette(double v) { TotalRecette = v; }
  double getTotalRecetteCRLCalcul() const { return TotalRecetteCRLCalcul; }
  void setTotalRecetteCRLCalcul(double v) { TotalRecetteCRLCalcul = v; }
  double getRecetteCRL() const { return RecetteCRL; }
  void setRecetteCRL(double v) { RecetteCRL = v; }
  double getRecetteCRLCalcul() const { return RecetteCRLCalcul; }
  void setRecetteCRLCalcul(double v) { RecetteCRLCalcul = v; }
  double getFraisGerance() const { return FraisGerance; }
  void setFraisGerance(double v) { FraisGerance = v; }
  // The owned element; the setter copies the element's four fields into it.
  TElementLieForfaitGestion2072& getForfaitGestion() { return *ForfaitGestion; }
  const TElementLieForfaitGestion2072& getForfaitGestion() const { return *ForfaitGestion; }
  void setForfaitGestion(const TElementLie& element);
  double getAssurance() const { return Assurance; }
  void setAssurance(double v) { Assurance = v; }
  double getTravauxReparation() const { return TravauxReparation; }
  void setTravauxReparation(double v) { TravauxReparation = v; }
  double getTravauxProprieteRurale() const { return TravauxProprieteRurale; }
  void setTravauxProprieteRurale(double v) { TravauxProprieteRurale = v; }
  double getChargesEspacesNaturels() const { return ChargesEspacesNaturels; }
  void setChargesEspacesNaturels(double v) { ChargesEspacesNaturels = v; }
  double getTravauxTransformation() const { return TravauxTransformation; }
  void setTravauxTransformation(double v) { TravauxTransformation = v; }
  double getTravauxGrosseReparation() const { return TravauxGrosseReparation; }
  void setTravauxGrosseReparation(double v) { TravauxGrosseReparation = v; }
  double getAssuranceFraisZR() const { return AssuranceFraisZR; }
  void setAssuranceFraisZR(double v) { AssuranceFraisZR = v; }
  double getChargesRecuperable() const { return ChargesRecuperable; }
  void setChargesRecuperable(double v) { ChargesRecuperable = v; }
  double getIndemniteEtFrais() const { return IndemniteEtFrais; }
  void setIndemniteEtFrais(double v) { IndemniteEtFrais = v; }
  double getBaseCalculDeduction() const { return BaseCalculDeduction; }
  void setBaseCalculDeduction(double v) { BaseCalculDeduction = v; }
  double getImpotEtTaxe() const { return ImpotEtTaxe; }
  void setImpotEtTaxe(double v) { ImpotEtTaxe = v; }
  long getOptionTauxDeduction() const { return OptionTauxDeduction; }
  void setOptionTauxDeduction(long v) { OptionTauxDeduction = v; }
  double getTauxDeduction() const { return TauxDeduction; }
  void setTauxDeduction(double v) { TauxDeduction = v; }
  double getDeductionFraisDivers() const { return DeductionFraisDivers; }
  void setDeductionFraisDivers(double v) { DeductionFraisDivers = v; }
  double getDeductionAmortissement() const { return DeductionAmortissement; }
  void setDeductionAmortissement(double v) { DeductionAmortissement = v; }
  double getAmortissementSIPlafonnable() const { return AmortissementSIPlafonnable; }
  void setAmortissementSIPlafonnable(double v) { AmortissementSIPlafonnable = v; }
  double getProvision() const { return Provision; }
  void setProvision(double v) { Provision = v; }
  double getRegularisation() const { return Regularisation; }
  void setRegularisation(double v) { Regularisation = v; }
  double getTotalCharge() const { return TotalCharge; }
  void setTotalCharge(double v) { TotalCharge = v; }
  double getInteretEmprunt() const { return InteretEmprunt; }
  void setInteretEmprunt(double v) { InteretEmprunt = v; }
  double getRevenuOuDeficit() const { return RevenuOuDeficit; }
  void setRevenuOuDeficit(double v) { RevenuOuDeficit = v; }
  double getReintegrationDeduction() const { return ReintegrationDeduction; }
  void setReintegrationDeduction(double v) { ReintegrationDeduction = v; }
  double getRemunerationBruteAssocie() const { return RemunerationBruteAssocie; }
  void setRemunerationBruteAssocie(double v) { RemunerationBruteAssocie = v; }
  double getRemunerationNetteAssocie() const { return RemunerationNetteAssocie; }
  void setRemunerationNetteAssocie(double v) { RemunerationNetteAssocie = v; }
  double getRevenuAutreSI() const { return RevenuAutreSI; }
  void setRevenuAutreSI(double v) { RevenuAutreSI = v; }
  double getResultat() const { return Resultat; }
  void setResultat(double v) { Resultat = v; }

 private:
  double LoyerBrut = 0;
  double ChargeLocataire = 0;
  double RecetteDiverse = 0;
  double RecettePossible = 0;
  double TotalRecette = 0;
  double TotalRecetteCRLCalcul = 0;
  double RecetteCRL = 0;
  double RecetteCRLCalcul = 0;
  double FraisGerance = 0;
  Detenu<TElementLieForfaitGestion2072> ForfaitGestion;  // 20 euros per dwelling, unless entered
  double Assurance = 0;
  double TravauxReparation = 0;
  double TravauxProprieteRurale = 0;
  double ChargesEspacesNaturels = 0;
  double TravauxTransformation = 0;
  double TravauxGrosseReparation = 0;
  double AssuranceFraisZR = 0;
  double ChargesRecuperable = 0;
  double IndemniteEtFrais = 0;
  double BaseCalculDeduction = 0;
  double ImpotEtTaxe = 0;
  long OptionTauxDeduction = OptionTauxDeduction::Aucune;
  double TauxDeduction = 0;
  double DeductionFraisDivers = 0;
  double DeductionAmortissement = 0;
  double AmortissementSIPlafonnable = 0;
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
