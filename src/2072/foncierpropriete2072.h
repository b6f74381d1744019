// Land income of one property: receipts, charges, deductions and the property's result,
// with the flat-rate management costs as a linked element.
#pragma once

#include "arbre.h"
#include "chiffresfonciers2072.h"
#include "codes2072.h"
#include "detenu.h"
#include "elementlie2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// The shared land figures (TChiffresFonciers2072) and the property's own.
class TDonneeProprieteFoncierPropriete : public TChiffresFonciers2072 {
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
  static constexpr auto Enfants() {
    return std::tuple{arbre::Membre(&TDonneeProprieteFoncierPropriete::ForfaitGestion)};
  }
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

  double getRecetteCRL() const { return RecetteCRL; }
  void setRecetteCRL(double v) { RecetteCRL = v; }
  double getRecetteCRLCalcul() const { return RecetteCRLCalcul; }
  void setRecetteCRLCalcul(double v) { RecetteCRLCalcul = v; }
  // The owned element; the setter copies the element's four fields into it.
  TElementLieForfaitGestion2072& getForfaitGestion() { return *ForfaitGestion; }
  const TElementLieForfaitGestion2072& getForfaitGestion() const { return *ForfaitGestion; }
  void setForfaitGestion(const TElementLie& element);
  double getTravauxProprieteRurale() const { return TravauxProprieteRurale; }
  void setTravauxProprieteRurale(double v) { TravauxProprieteRurale = v; }
  double getBaseCalculDeduction() const { return BaseCalculDeduction; }
  void setBaseCalculDeduction(double v) { BaseCalculDeduction = v; }
  long getOptionTauxDeduction() const { return OptionTauxDeduction; }
  void setOptionTauxDeduction(long v) { OptionTauxDeduction = v; }
  double getTauxDeduction() const { return TauxDeduction; }
  void setTauxDeduction(double v) { TauxDeduction = v; }
  double getAmortissementSIPlafonnable() const { return AmortissementSIPlafonnable; }
  void setAmortissementSIPlafonnable(double v) { AmortissementSIPlafonnable = v; }

 private:
  double RecetteCRL = 0;
  double RecetteCRLCalcul = 0;
  Detenu<TElementLieForfaitGestion2072> ForfaitGestion;  // 20 euros per dwelling, unless entered
  double TravauxProprieteRurale = 0;
  double BaseCalculDeduction = 0;
  long OptionTauxDeduction = OptionTauxDeduction::Aucune;
  double TauxDeduction = 0;
  double AmortissementSIPlafonnable = 0;
};

}  // namespace zorfiscal2072
