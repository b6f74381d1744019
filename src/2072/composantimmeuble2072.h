// A building component (gross works, roofing, lifts, ...) of a property and its depreciation
// figures, as the host enters them.
#pragma once

#include <string>

#include "arbre.h"
#include "codes2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

class TComposant : public TDonneeBase {
 public:
  bool operator==(const TComposant&) const = default;

  void Construct() {}
  void Destruct() {}
  // CodePropriete names the owning property and is kept.
  void Init() { arbre::Reinitialise(*this); }  // keeps CodePropriete
  static constexpr auto Gardes() { return std::tuple{&TComposant::CodePropriete}; }
  void InitResultat() { Prix = 0; }
  void InitPartielle() {
    PrixTTC = 0;
    MontantAmort = 0;
  }
  // Sample values of the sample's component `numero` (0 to 3).
  void CasTestXX(std::size_t numero);

  void Reserve() {
    CodePropriete.reserve(21);
    NomSaisi.reserve(92);
  }

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
  short Nom = NatureComposant::Agencements;  // kind, code of the list of component kinds
  std::string NomSaisi;
  long DateAcquisition = 0;
  double PrixTTC = 0;
  double Prix = 0;  // depreciable base
  long DureeAmortissement = 0;
  double TauxAmortissement = 0;
  short ModeAmortissement = ModeAmortissement::Lineaire;
  double TauxDegressif = 0;
  short AmortissementsAnterieursCalcule = OuiNon::Non;  // yes: computed, no: entered
  double AmortissementsAnterieursMontantCalcule = 0;
  double AmortissementsAnterieursMontantSaisie = 0;
  double AmortissementsAnterieurs = 0;
  short AnneeCalcule = OuiNon::Non;  // yes: computed, no: entered
  double AmortissementsAnneeMontantCalcule = 0;
  double AmortissementsAnneeMontantSaisie = 0;
  double AmortissementsAnnee = 0;
  double Amortissements = 0;
  double ValeurResiduelle = 0;
  double MontantAmort = 0;  // the year's amount, totalled by method
};

}  // namespace zorfiscal2072
