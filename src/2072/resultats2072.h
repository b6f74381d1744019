// Results to distribute (one per property, the company's totals) and the cumulative land
// figures offered to the host.
#pragma once

#include "arbre.h"
#include "chiffresfonciers2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// The figures of a property's result to distribute: held by the result itself and carried on a
// partner's statement (TProprieteReport), with the same meaning; computed, all seven.
class TFiguresResultat2072 : public TDonneeBase {
 public:
  bool operator==(const TFiguresResultat2072&) const = default;

  double getRevenuBrut() const { return RevenuBrut; }
  void setRevenuBrut(double v) { RevenuBrut = v; }
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
  void EffaceFigures() {
    RevenuBrut = Charge = ChargeEspacesNaturels = InteretEmprunt = 0;
    DeductionSpecifique = Amortissement = RevenuOuDeficit = 0;
  }

  // Reached by the records' letter tables.
  double RevenuBrut = 0;
  double Charge = 0;
  double ChargeEspacesNaturels = 0;  // exchanged only; no computation writes it
  double InteretEmprunt = 0;
  double DeductionSpecifique = 0;
  double Amortissement = 0;
  double RevenuOuDeficit = 0;
};

// Result to distribute of one property: the figures and the works. The base carries the
// fields and no letter; its subclasses give the fields their codes. An owner hands it out
// under this type but holds the subclass itself (Detenu<TResultatARepartirPropriete>):
// Detenu copies by static type, and a copy made as the base would lose the codes.
class TResultatARepartir2072 : public TFiguresResultat2072 {
 public:
  bool operator==(const TResultatARepartir2072&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() {}
  // Works are entered with the property: they survive a clearing of results.
  void InitResultat() { EffaceFigures(); }
  void Reserve() {}

  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettreXX(lettre, sens); }
  // The plain record has no code of its own: only a null letter is taken.
  virtual bool TransfertLettreXX(structLettre* lettre, long) { return lettre == nullptr; }

  double getTravaux() const { return Travaux; }
  void setTravaux(double v) { Travaux = v; }

 protected:
  double Travaux = 0;  // informative: the works are inside the charges
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

// Cumulative land figures offered to the host; the engine does not fill them. The figures
// are a property's land figures, with the amount used of the flat-rate management costs.
class TDonneeProprieteFoncierCumul : public TChiffresFonciers2072 {
 public:
  bool operator==(const TDonneeProprieteFoncierCumul&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() {
    EffaceChiffres(lettres::Nature::Saisie);
    ForfaitGestionValeur = 0;
  }
  void InitResultat() { EffaceChiffres(lettres::Nature::Calculee); }
  void Reserve() {}

  static const lettres::TableLettres<TDonneeProprieteFoncierCumul>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettreXX(lettre, sens); }

  double getForfaitGestionValeur() const { return ForfaitGestionValeur; }
  void setForfaitGestionValeur(double v) { ForfaitGestionValeur = v; }

 private:
  double ForfaitGestionValeur = 0;  // amount used of the flat-rate management costs
};

}  // namespace zorfiscal2072
