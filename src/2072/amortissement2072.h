// Depreciation of a property: the tax-scheme depreciation computed by the depreciation
// library, fed from letters, and the depreciation by building components, whose figures
// come from the host.
#pragma once

#include <string>
#include <vector>

#include "amortissement.h"
#include "niveaux2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// The library object with the form's letters; it adds no field.
class TAmortissement2072 : public TAmortissement {
 public:
  TAmortissement2072() {
    Construct();
    Init();
    Reserve();
  }
  bool operator==(const TAmortissement2072&) const = default;

  void Construct() {}
  void Destruct() {}
  // Init is the library's: every value to zero.
  void InitPartielle() { Init(); }
  void InitResultat() {}  // nothing computed is kept here
  void Reserve() {}

  static const lettres::TableLettres<TAmortissement2072>& Lettres();
  // Built on the library rather than on the record base, so the letters move through
  // TransfertLettre; the index names no level below the property.
  bool TransfertLettre(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) { return TransfertLettre(lettre, sens); }
};

// A building component (gross works, roofing, lifts, ...) and its depreciation figures.
class TComposant : public TDonneeBase {
 public:
  TComposant() {
    Construct();
    Init();
    Reserve();
  }
  bool operator==(const TComposant&) const = default;

  void Construct() {}
  void Destruct() {}
  // CodePropriete names the owning property and is kept.
  void Init();
  void InitResultat() { Prix = 0; }
  void InitPartielle() {
    PrixTTC = 0;
    MontantAmort = 0;
  }
  void Reserve() {
    CodePropriete.reserve(21);
    NomSaisi.reserve(92);
  }
  // Sample values of the sample's component `numero` (0 to 3).
  void CasTestXX(std::size_t numero);

  static const lettres::TableLettres<TComposant>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettreXX(lettre, sens); }

  // Takes the label of the component kind `Nom` from the list of component kinds; an
  // unknown kind leaves NomSaisi as it is.
  void MajNomSaisi();

  const std::string& getCodePropriete() const { return CodePropriete; }
  void setCodePropriete(const std::string& v) { CodePropriete = v; }
  short getNom() const { return Nom; }
  void setNom(short v) { Nom = v; }
  const std::string& getNomSaisi() const { return NomSaisi; }
  void setNomSaisi(const std::string& v) { NomSaisi = v; }
  long getDateAcquisition() const { return DateAcquisition; }
  void setDateAcquisition(long v) { DateAcquisition = v; }
  double getPrixTTC() const { return PrixTTC; }
  void setPrixTTC(double v) { PrixTTC = v; }
  double getPrix() const { return Prix; }
  void setPrix(double v) { Prix = v; }
  long getDureeAmortissement() const { return DureeAmortissement; }
  void setDureeAmortissement(long v) { DureeAmortissement = v; }
  double getTauxAmortissement() const { return TauxAmortissement; }
  void setTauxAmortissement(double v) { TauxAmortissement = v; }
  short getModeAmortissement() const { return ModeAmortissement; }
  void setModeAmortissement(short v) { ModeAmortissement = v; }
  double getTauxDegressif() const { return TauxDegressif; }
  void setTauxDegressif(double v) { TauxDegressif = v; }
  short getAmortissementsAnterieursCalcule() const { return AmortissementsAnterieursCalcule; }
  void setAmortissementsAnterieursCalcule(short v) { AmortissementsAnterieursCalcule = v; }
  double getAmortissementsAnterieursMontantCalcule() const { return AmortissementsAnterieursMontantCalcule; }
  void setAmortissementsAnterieursMontantCalcule(double v) { AmortissementsAnterieursMontantCalcule = v; }
  double getAmortissementsAnterieursMontantSaisie() const { return AmortissementsAnterieursMontantSaisie; }
  void setAmortissementsAnterieursMontantSaisie(double v) { AmortissementsAnterieursMontantSaisie = v; }
  double getAmortissementsAnterieurs() const { return AmortissementsAnterieurs; }
  void setAmortissementsAnterieurs(double v) { AmortissementsAnterieurs = v; }
  short getAnneeCalcule() const { return AnneeCalcule; }
  void setAnneeCalcule(short v) { AnneeCalcule = v; }
  double getAmortissementsAnneeMontantCalcule() const { return AmortissementsAnneeMontantCalcule; }
  void setAmortissementsAnneeMontantCalcule(double v) { AmortissementsAnneeMontantCalcule = v; }
  double getAmortissementsAnneeMontantSaisie() const { return AmortissementsAnneeMontantSaisie; }
  void setAmortissementsAnneeMontantSaisie(double v) { AmortissementsAnneeMontantSaisie = v; }
  double getAmortissementsAnnee() const { return AmortissementsAnnee; }
  void setAmortissementsAnnee(double v) { AmortissementsAnnee = v; }
  double getAmortissements() const { return Amortissements; }
  void setAmortissements(double v) { Amortissements = v; }
  double getValeurResiduelle() const { return ValeurResiduelle; }
  void setValeurResiduelle(double v) { ValeurResiduelle = v; }
  double getMontantAmort() const { return MontantAmort; }
  void setMontantAmort(double v) { MontantAmort = v; }

 private:
  std::string CodePropriete;
  short Nom = 1;  // kind, code of the list of component kinds
  std::string NomSaisi;
  long DateAcquisition = 0;
  double PrixTTC = 0;
  double Prix = 0;  // depreciable base
  long DureeAmortissement = 0;
  double TauxAmortissement = 0;
  short ModeAmortissement = 1;  // 1 straight-line, 2 declining-balance
  double TauxDegressif = 0;
  short AmortissementsAnterieursCalcule = 2;  // 1 computed, 2 entered
  double AmortissementsAnterieursMontantCalcule = 0;
  double AmortissementsAnterieursMontantSaisie = 0;
  double AmortissementsAnterieurs = 0;
  short AnneeCalcule = 2;  // 1 computed, 2 entered
  double AmortissementsAnneeMontantCalcule = 0;
  double AmortissementsAnneeMontantSaisie = 0;
  double AmortissementsAnnee = 0;
  double Amortissements = 0;
  double ValeurResiduelle = 0;
  double MontantAmort = 0;  // the year's amount, totalled by method
};

// The components of a property and the year's totals by depreciation method.
class TAmortissementComposant : public TDonneeBase {
 public:
  TAmortissementComposant() {
    Construct();
    Init();
    Reserve();
  }
  bool operator==(const TAmortissementComposant&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() {
    Composant.clear();
    InitResultat();
  }
  void InitResultat() {
    TotalMethodeLineaire = 0;
    TotalMethodeDegressive = 0;
  }
  void InitPartielle() {
    for (TComposant& composant : Composant) composant.InitPartielle();
  }
  void Reserve() {}
  // Sample values: the totals, then the four components of the sample.
  void CasTest();
  void CasTestXX();

  static const lettres::TableLettres<TAmortissementComposant>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  // Own letters, then the component at key 308; a letter never creates a component.
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override {
    return TransfertLettreXX(lettre, sens) ||
           lettres::TransfertIndexe(Composant, kNiveauComposant, lettre, index, sens);
  }

  std::vector<TComposant>& getComposant() { return Composant; }
  const std::vector<TComposant>& getComposant() const { return Composant; }
  void setComposant(const std::vector<TComposant>& v) { Composant = v; }
  double getTotalMethodeLineaire() const { return TotalMethodeLineaire; }
  void setTotalMethodeLineaire(double v) { TotalMethodeLineaire = v; }
  double getTotalMethodeDegressive() const { return TotalMethodeDegressive; }
  void setTotalMethodeDegressive(double v) { TotalMethodeDegressive = v; }

  // The year's totals by method: MontantAmort of each straight-line component in one, of
  // every other component in the other (calcul/).
  void CalculTotauxParMethode();

 private:
  std::vector<TComposant> Composant;
  double TotalMethodeLineaire = 0;
  double TotalMethodeDegressive = 0;
};

}  // namespace zorfiscal2072
