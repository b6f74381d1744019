// A partner's statement: its share of each property's result, of the company's operations,
// of the business, farm and financial results, and the parts it acquired or ceded.
#pragma once

#include <string>
#include <vector>

#include "arbre.h"
#include "codes2072.h"
#include "detenu.h"
#include "elementlie2072.h"
#include "niveaux2072.h"
#include "operationsociete2072.h"
#include "resultats2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// The partner's share of one property's result.
class TQuotePartPropriete : public TDonneeBase {
 public:
  bool operator==(const TQuotePartPropriete&) const = default;

  void Construct() {}
  void Destruct() {}
  // Both codes stay: a share keeps naming its property and its partner.
  void Init() { arbre::Reinitialise(*this); }
  static constexpr auto Gardes() {
    return std::tuple{&TQuotePartPropriete::CodePropriete, &TQuotePartPropriete::CodeAssocie};
  }
  void InitResultat() { Init(); }
  void InitPartielle() { DeductionMobilite = 0; }
  void Reserve() {}
  // Sample values (the sample declaration).
  void CasTestXX();

  static const lettres::TableLettres<TQuotePartPropriete>& Lettres();
  bool TransfertLettreXX(structLettre* l, long sens);
  bool TransfertUneLettre(structLettre* l, TIndex, long sens) override { return TransfertLettreXX(l, sens); }
  bool TransfertLettre(structLettre*, long) override { return false; }

  const std::string& getCodePropriete() const { return CodePropriete; }
  void setCodePropriete(const std::string& v) { CodePropriete = v; }
  const std::string& getCodeAssocie() const { return CodeAssocie; }
  void setCodeAssocie(const std::string& v) { CodeAssocie = v; }
  double getRevenuBrut() const { return RevenuBrut; }
  void setRevenuBrut(double v) { RevenuBrut = v; }
  double getCharge() const { return Charge; }
  void setCharge(double v) { Charge = v; }
  double getInteretEmprunt() const { return InteretEmprunt; }
  void setInteretEmprunt(double v) { InteretEmprunt = v; }
  double getDeductionSpecifique() const { return DeductionSpecifique; }
  void setDeductionSpecifique(double v) { DeductionSpecifique = v; }
  double getAmortissement() const { return Amortissement; }
  void setAmortissement(double v) { Amortissement = v; }
  short getPresenceMobilite() const { return PresenceMobilite; }
  void setPresenceMobilite(short v) { PresenceMobilite = v; }
  double getDeductionMobilite() const { return DeductionMobilite; }
  void setDeductionMobilite(double v) { DeductionMobilite = v; }
  double getRevenuOuDeficit() const { return RevenuOuDeficit; }
  void setRevenuOuDeficit(double v) { RevenuOuDeficit = v; }

 private:
  std::string CodePropriete;
  std::string CodeAssocie;
  double RevenuBrut = 0;
  double Charge = 0;
  double InteretEmprunt = 0;
  double DeductionSpecifique = 0;
  double Amortissement = 0;
  short PresenceMobilite = OuiNon::Non;
  double DeductionMobilite = 0;  // entered
  double RevenuOuDeficit = 0;    // after the mobility deduction
};

// Figures of one property carried on the statement; only letters fill them.
class TProprieteReport : public TFiguresResultat2072 {
 public:
  bool operator==(const TProprieteReport&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitResultat() { EffaceFigures(); }  // all but the mobility figure
  void InitPartielle() { Mobilite = 0; }
  void Reserve() {}

  static const lettres::TableLettres<TProprieteReport>& Lettres();
  bool TransfertLettreXX(structLettre* l, long sens);
  bool TransfertUneLettre(structLettre* l, TIndex, long sens) override { return TransfertLettreXX(l, sens); }
  bool TransfertLettre(structLettre*, long) override { return false; }

  double getMobilite() const { return Mobilite; }
  void setMobilite(double v) { Mobilite = v; }

 private:
  double Mobilite = 0;
};

// The statement of one partner.
class TBulletin2072 : public TDonneeBase {
 public:
  // The member initialisers are the defaults.
  TBulletin2072() { Construct(); }
  bool operator==(const TBulletin2072&) const = default;

  void Construct() { QuotePartProduitsFinanciers.cree(); }
  void Destruct() { QuotePartProduitsFinanciers.detruit(); }
  void Init() { arbre::Reinitialise(*this); }  // also empties the three lists
  // The statement's own figures and the financial share's computed amount; the lists stay
  // as they are (their computed figures are computed again).
  void InitResultat();
  void InitPartielle() {
    arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
  }
  void Reserve() {}
  // Sample statement of the sample's partner `numero`: one share of the sample's property.
  void CasTest(std::size_t numero);
  void CasTestXX(std::size_t numero);

  static const lettres::TableLettres<TBulletin2072>& Lettres();
  // Sub-records in routing order (after the statement's own letters). The root keeps one
  // distribution per sale and one share per property.
  static constexpr auto Enfants() {
    using R = TBulletin2072;
    return std::tuple{arbre::Indexe(&R::RepartitionOperationsSociete, kNiveauRepartition).UnPar(kNiveauCession),
                      arbre::Membre(&R::QuotePartProduitsFinanciers), arbre::Indexe(&R::ProprieteReport, kNiveauReport),
                      arbre::Indexe(&R::QuotePartPropriete, kNiveauQuotePart).UnPar(kNiveauPropriete)};
  }
  bool TransfertLettreXX(structLettre* l, long sens);
  bool TransfertUneLettre(structLettre* l, TIndex index, long sens) override;
  bool TransfertLettre(structLettre*, long) override { return false; }

  // Entries of one property, or of one sale, leave the statement with it.
  void SupprimeQuoteParPropriete(const std::string& codePropriete);
  void SupprimeRepartitionParCession(const std::string& codeCession);
  // The first share of that property; null when there is none.
  TQuotePartPropriete* GetDetailQuoteParCodePropriete(const std::string& codePropriete);
  const TQuotePartPropriete* GetDetailQuoteParCodePropriete(const std::string& codePropriete) const;
  // 1 when a share of that property carries the mobility deduction, else 0.
  short presenceMobiliteQuoteParPropriete(const std::string& codePropriete) const;

  std::vector<TRepartitionOperationsSociete>& getRepartitionOperationsSociete() { return RepartitionOperationsSociete; }
  const std::vector<TRepartitionOperationsSociete>& getRepartitionOperationsSociete() const {
    return RepartitionOperationsSociete;
  }
  void setRepartitionOperationsSociete(const std::vector<TRepartitionOperationsSociete>& v) {
    RepartitionOperationsSociete = v;
  }
  double getRevenuBICIS() const { return RevenuBICIS; }
  void setRevenuBICIS(double v) { RevenuBICIS = v; }
  double getRevenuBA() const { return RevenuBA; }
  void setRevenuBA(double v) { RevenuBA = v; }
  double getRevenuTNSouIS() const { return RevenuTNSouIS; }
  void setRevenuTNSouIS(double v) { RevenuTNSouIS = v; }
  TElementLieQuotePartProduitsFinanciers& getQuotePartProduitsFinanciers() { return *QuotePartProduitsFinanciers; }
  const TElementLieQuotePartProduitsFinanciers& getQuotePartProduitsFinanciers() const {
    return *QuotePartProduitsFinanciers;
  }
  // Copies the four fields into the owned element.
  void setQuotePartProduitsFinanciers(const TElementLie& v);
  short getPresenceAcquisitionParts() const { return PresenceAcquisitionParts; }
  void setPresenceAcquisitionParts(short v) { PresenceAcquisitionParts = v; }
  short getPresenceCessionParts() const { return PresenceCessionParts; }
  void setPresenceCessionParts(short v) { PresenceCessionParts = v; }
  double getNbpartsCedees() const { return NbpartsCedees; }
  void setNbpartsCedees(double v) { NbpartsCedees = v; }
  double getNbpartsAcquises() const { return NbpartsAcquises; }
  void setNbpartsAcquises(double v) { NbpartsAcquises = v; }
  std::vector<TProprieteReport>& getProprieteReport() { return ProprieteReport; }
  const std::vector<TProprieteReport>& getProprieteReport() const { return ProprieteReport; }
  void setProprieteReport(const std::vector<TProprieteReport>& v) { ProprieteReport = v; }
  std::vector<TQuotePartPropriete>& getQuotePartPropriete() { return QuotePartPropriete; }
  const std::vector<TQuotePartPropriete>& getQuotePartPropriete() const { return QuotePartPropriete; }
  void setQuotePartPropriete(const std::vector<TQuotePartPropriete>& v) { QuotePartPropriete = v; }
  double getTotalRevenuBrut() const { return TotalRevenuBrut; }
  void setTotalRevenuBrut(double v) { TotalRevenuBrut = v; }
  double getTotalCharge() const { return TotalCharge; }
  void setTotalCharge(double v) { TotalCharge = v; }
  double getTotalInteretEmprunt() const { return TotalInteretEmprunt; }
  void setTotalInteretEmprunt(double v) { TotalInteretEmprunt = v; }
  double getTotalDeductionSpecifique() const { return TotalDeductionSpecifique; }
  void setTotalDeductionSpecifique(double v) { TotalDeductionSpecifique = v; }
  double getTotalAmortissement() const { return TotalAmortissement; }
  void setTotalAmortissement(double v) { TotalAmortissement = v; }
  double getTotalDeductionMobilite() const { return TotalDeductionMobilite; }
  void setTotalDeductionMobilite(double v) { TotalDeductionMobilite = v; }
  double getTotalRevenuOuDeficit() const { return TotalRevenuOuDeficit; }
  void setTotalRevenuOuDeficit(double v) { TotalRevenuOuDeficit = v; }

 private:
  std::vector<TRepartitionOperationsSociete> RepartitionOperationsSociete;
  double RevenuBICIS = 0;
  double RevenuBA = 0;
  double RevenuTNSouIS = 0;  // the share that follows the partner's own regime
  Detenu<TElementLieQuotePartProduitsFinanciers> QuotePartProduitsFinanciers;
  short PresenceAcquisitionParts = OuiNon::Non;
  short PresenceCessionParts = OuiNon::Non;
  double NbpartsCedees = 0;
  double NbpartsAcquises = 0;
  std::vector<TProprieteReport> ProprieteReport;
  std::vector<TQuotePartPropriete> QuotePartPropriete;
  double TotalRevenuBrut = 0;
  double TotalCharge = 0;
  double TotalInteretEmprunt = 0;
  double TotalDeductionSpecifique = 0;
  double TotalAmortissement = 0;
  double TotalDeductionMobilite = 0;
  double TotalRevenuOuDeficit = 0;
};

}  // namespace zorfiscal2072
