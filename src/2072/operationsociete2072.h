// The company's own operations of the year: its sales of assets and two income amounts,
// and the share of one sale that falls to one partner.
#pragma once

#include <string>
#include <vector>

#include "arbre.h"
#include "detenu.h"
#include "elementlie2072.h"
#include "niveaux2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// One sale made by the company. CodeCession is the key by which the partners'
// distributions name it.
class TCession : public TDonneeBase {
 public:
  bool operator==(const TCession&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }  // keeps CodeCession
  static constexpr auto Gardes() { return std::tuple{&TCession::CodeCession}; }
  // Keeps the sale (code, label, method, date, gain type); clears its amounts.
  void InitPartielle() { Montant = PlusValue = MoinsValue = 0; }
  void InitResultat() {}
  void Reserve() {}

  static const lettres::TableLettres<TCession>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  const std::string& getCodeCession() const { return CodeCession; }
  void setCodeCession(const std::string& v) { CodeCession = v; }
  const std::string& getLibelle() const { return Libelle; }
  void setLibelle(const std::string& v) { Libelle = v; }
  double getMontant() const { return Montant; }
  void setMontant(double v) { Montant = v; }
  const std::string& getMethode() const { return Methode; }
  void setMethode(const std::string& v) { Methode = v; }
  double getPlusValue() const { return PlusValue; }
  void setPlusValue(double v) { PlusValue = v; }
  double getMoinsValue() const { return MoinsValue; }
  void setMoinsValue(double v) { MoinsValue = v; }
  short getBNCTypePVImposable() const { return BNCTypePVImposable; }
  void setBNCTypePVImposable(short v) { BNCTypePVImposable = v; }
  long getDate() const { return Date; }
  void setDate(long v) { Date = v; }

 private:
  std::string CodeCession;       // up to 20 characters
  std::string Libelle;           // up to 34
  double Montant = 0;            // amount of the sale
  std::string Methode;           // method of payment, up to 34
  double PlusValue = 0;          // gain
  double MoinsValue = 0;         // loss
  short BNCTypePVImposable = 1;  // type of taxable gain under the non-commercial profits regime
  long Date = 0;                 // yyyymmdd, 0 when not entered
};

// The company operations: the sales of the year, reached at level 305, and two amounts.
class TOperationSociete : public TDonneeBase {
 public:
  bool operator==(const TOperationSociete&) const = default;

  void Construct() {}
  void Destruct() { Cession.clear(); }
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle();
  void InitResultat() {}
  void Reserve() {}
  // Sample values (the sample declaration).
  void CasTest() { CasTestXX(); }
  void CasTestXX();

  static const lettres::TableLettres<TOperationSociete>& Lettres();
  static constexpr auto Enfants() { return std::tuple{arbre::Indexe(&TOperationSociete::Cession, kNiveauCession)}; }
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  // The first sale with this code (exact comparison), or null.
  TCession* GetDetailCessionParCodeCession(const std::string& code);
  const TCession* GetDetailCessionParCodeCession(const std::string& code) const;

  const std::vector<TCession>& getCession() const { return Cession; }
  std::vector<TCession>& getCession() { return Cession; }
  void setCession(const std::vector<TCession>& v) { Cession = v; }
  double getProduitsFinanciers() const { return ProduitsFinanciers; }
  void setProduitsFinanciers(double v) { ProduitsFinanciers = v; }
  double getProduitsExceptionnels() const { return ProduitsExceptionnels; }
  void setProduitsExceptionnels(double v) { ProduitsExceptionnels = v; }

 private:
  std::vector<TCession> Cession;
  double ProduitsFinanciers = 0;
  double ProduitsExceptionnels = 0;
};

// The share of one sale (CodeCession) that falls to one partner (CodeAssocie): the
// partner's part of the loss and of the gain, as linked amounts the statement computes.
class TRepartitionOperationsSociete : public TDonneeBase {
 public:
  TRepartitionOperationsSociete() { Construct(); }
  bool operator==(const TRepartitionOperationsSociete&) const = default;

  void Construct() {
    QuotePartMV.cree();
    QuotePartPV.cree();
  }
  void Destruct() {
    QuotePartMV.detruit();
    QuotePartPV.detruit();
  }
  // The resets reach the linked amounts only; both codes stay.
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() {
    arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
  }
  void InitResultat() {
    arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitResultat(); });
  }
  static constexpr auto Gardes() {
    return std::tuple{&TRepartitionOperationsSociete::CodeCession, &TRepartitionOperationsSociete::CodeAssocie};
  }
  void Reserve() {}

  static const lettres::TableLettres<TRepartitionOperationsSociete>& Lettres();
  static constexpr auto Enfants() {
    using R = TRepartitionOperationsSociete;
    return std::tuple{arbre::Membre(&R::QuotePartMV), arbre::Membre(&R::QuotePartPV)};
  }
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  const std::string& getCodeCession() const { return CodeCession; }
  void setCodeCession(const std::string& v) { CodeCession = v; }
  const std::string& getCodeAssocie() const { return CodeAssocie; }
  void setCodeAssocie(const std::string& v) { CodeAssocie = v; }
  const TElementLieQuotePartMV& getQuotePartMV() const { return *QuotePartMV; }
  TElementLieQuotePartMV& getQuotePartMV() { return *QuotePartMV; }
  // Copies the four fields of `v` into the owned element.
  void setQuotePartMV(const TElementLie& v) { static_cast<TElementLie&>(*QuotePartMV) = v; }
  const TElementLieQuotePartPV& getQuotePartPV() const { return *QuotePartPV; }
  TElementLieQuotePartPV& getQuotePartPV() { return *QuotePartPV; }
  void setQuotePartPV(const TElementLie& v) { static_cast<TElementLie&>(*QuotePartPV) = v; }

 private:
  std::string CodeCession;                     // up to 20 characters
  std::string CodeAssocie;                     // up to 20
  Detenu<TElementLieQuotePartMV> QuotePartMV;  // the partner's share of the loss
  Detenu<TElementLieQuotePartPV> QuotePartPV;  // the partner's share of the gain
};

}  // namespace zorfiscal2072
