// Transfers of the company's shares during the year. Each side of a transfer is a partner
// named by its position in the partner list, or an outside person ("Autre") named by the
// position equal to the number of partners.
#pragma once

#include <string>
#include <vector>

#include "arbre.h"
#include "codes2072.h"
#include "elementlie2072.h"
#include "niveaux2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// One transfer of shares, from a transferor (cédant) to a transferee (cessionnaire).
class TCessionParts : public TDonneeBase {
 public:
  bool operator==(const TCessionParts&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() { NombreParts = 0; }  // the identities stay, the count of the year goes
  void InitResultat() {}
  void Reserve() {}

  static const lettres::TableLettres<TCessionParts>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  long getAssocieCessionnaire() const { return AssocieCessionnaire; }
  void setAssocieCessionnaire(long v) { AssocieCessionnaire = v; }
  const std::string& getNomCessionnaire() const { return NomCessionnaire; }
  void setNomCessionnaire(const std::string& v) { NomCessionnaire = v; }
  const std::string& getPrenomCessionnaire() const { return PrenomCessionnaire; }
  void setPrenomCessionnaire(const std::string& v) { PrenomCessionnaire = v; }
  long getDateNaissanceCessionnaire() const { return DateNaissanceCessionnaire; }
  void setDateNaissanceCessionnaire(long v) { DateNaissanceCessionnaire = v; }
  const std::string& getLieuNaissanceCessionnaire() const { return LieuNaissanceCessionnaire; }
  void setLieuNaissanceCessionnaire(const std::string& v) { LieuNaissanceCessionnaire = v; }
  const std::string& getAdresseCessionnaire() const { return AdresseCessionnaire; }
  void setAdresseCessionnaire(const std::string& v) { AdresseCessionnaire = v; }
  const std::string& getSIRENCessionnaire() const { return SIRENCessionnaire; }
  void setSIRENCessionnaire(const std::string& v) { SIRENCessionnaire = v; }
  const std::string& getNICCessionnaire() const { return NICCessionnaire; }
  void setNICCessionnaire(const std::string& v) { NICCessionnaire = v; }
  const std::string& getSIRETCessionnaire() const { return SIRETCessionnaire; }
  void setSIRETCessionnaire(const std::string& v) { SIRETCessionnaire = v; }
  short getPresenceHoldingCessionnaire() const { return PresenceHoldingCessionnaire; }
  void setPresenceHoldingCessionnaire(short v) { PresenceHoldingCessionnaire = v; }

  long getAssocieCedant() const { return AssocieCedant; }
  void setAssocieCedant(long v) { AssocieCedant = v; }
  const std::string& getNomCedant() const { return NomCedant; }
  void setNomCedant(const std::string& v) { NomCedant = v; }
  const std::string& getPrenomCedant() const { return PrenomCedant; }
  void setPrenomCedant(const std::string& v) { PrenomCedant = v; }
  long getDateNaissanceCedant() const { return DateNaissanceCedant; }
  void setDateNaissanceCedant(long v) { DateNaissanceCedant = v; }
  const std::string& getLieuNaissanceCedant() const { return LieuNaissanceCedant; }
  void setLieuNaissanceCedant(const std::string& v) { LieuNaissanceCedant = v; }
  const std::string& getAdresseCedant() const { return AdresseCedant; }
  void setAdresseCedant(const std::string& v) { AdresseCedant = v; }
  const std::string& getSIRENCedant() const { return SIRENCedant; }
  void setSIRENCedant(const std::string& v) { SIRENCedant = v; }
  const std::string& getNICCedant() const { return NICCedant; }
  void setNICCedant(const std::string& v) { NICCedant = v; }
  const std::string& getSIRETCedant() const { return SIRETCedant; }
  void setSIRETCedant(const std::string& v) { SIRETCedant = v; }
  short getPresenceHoldingCedant() const { return PresenceHoldingCedant; }
  void setPresenceHoldingCedant(short v) { PresenceHoldingCedant = v; }

  double getNombreParts() const { return NombreParts; }
  void setNombreParts(double v) { NombreParts = v; }
  long getDateCession() const { return DateCession; }
  void setDateCession(long v) { DateCession = v; }

 private:
  // Transferee.
  long AssocieCessionnaire = 0;                     // position in the partner list; the count means "Autre"
  std::string NomCessionnaire;                      // up to 34 characters
  std::string PrenomCessionnaire;                   // up to 34
  long DateNaissanceCessionnaire = 0;               // yyyymmdd, 0 when not entered
  std::string LieuNaissanceCessionnaire;            // up to 34
  std::string AdresseCessionnaire;                  // up to 100, on one line
  std::string SIRENCessionnaire;                    // up to 20
  std::string NICCessionnaire;                      // up to 20
  std::string SIRETCessionnaire;                    // up to 20
  short PresenceHoldingCessionnaire = OuiNon::Non;  // a holding company
  // Transferor, the same ten fields.
  long AssocieCedant = 0;
  std::string NomCedant;
  std::string PrenomCedant;
  long DateNaissanceCedant = 0;
  std::string LieuNaissanceCedant;
  std::string AdresseCedant;
  std::string SIRENCedant;
  std::string NICCedant;
  std::string SIRETCedant;
  short PresenceHoldingCedant = OuiNon::Non;

  double NombreParts = 0;  // shares transferred
  long DateCession = 0;    // date of the transfer
};

// The transfers of the year, with the two choice lists of the transfer screen.
class TCessionsPartsSociete : public TDonneeBase {
 public:
  TCessionsPartsSociete() = default;
  // The choice lists are rebuilt from the partners on demand: a copy starts with empty
  // lists, an assignment keeps the target's, and equality ignores them.
  TCessionsPartsSociete(const TCessionsPartsSociete& autre) : TDonneeBase(autre), CessionParts(autre.CessionParts) {}
  TCessionsPartsSociete& operator=(const TCessionsPartsSociete& autre) {
    CessionParts = autre.CessionParts;
    return *this;
  }
  ~TCessionsPartsSociete() override = default;
  bool operator==(const TCessionsPartsSociete& autre) const { return CessionParts == autre.CessionParts; }

  void Construct() {}
  void Destruct() { CessionParts.clear(); }
  void Init() { arbre::Reinitialise(*this); }  // the choice lists stay: assignment keeps them
  void InitPartielle() {
    arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
  }
  void InitResultat() {}
  void Reserve() {}
  // The sample declaration has no transfer of shares.
  void CasTest() { CasTestXX(); }
  void CasTestXX() {}

  // No letter of its own: every code is refused (a null letter is taken).
  bool TransfertLettreXX(structLettre* lettre, long sens);
  static constexpr auto Enfants() {
    return std::tuple{arbre::Indexe(&TCessionsPartsSociete::CessionParts, kNiveauCessionParts)};
  }
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  // Removes every transfer whose transferee or transferor is the partner at `position`;
  // the others keep their order.
  void SupprimeCessionParAssocie(long position);

  const std::vector<TCessionParts>& getCessionParts() const { return CessionParts; }
  std::vector<TCessionParts>& getCessionParts() { return CessionParts; }
  void setCessionParts(const std::vector<TCessionParts>& v) { CessionParts = v; }

  // Filled by the root from the partner list: one entry per partner, then "Autre".
  const std::vector<TElement2072>& getListeAssocieCessionnaire() const { return ListeAssocieCessionnaire; }
  std::vector<TElement2072>& getListeAssocieCessionnaire() { return ListeAssocieCessionnaire; }
  const std::vector<TElement2072>& getListeAssocieCedant() const { return ListeAssocieCedant; }
  std::vector<TElement2072>& getListeAssocieCedant() { return ListeAssocieCedant; }

 private:
  std::vector<TElement2072> ListeAssocieCessionnaire;
  std::vector<TElement2072> ListeAssocieCedant;
  std::vector<TCessionParts> CessionParts;
};

}  // namespace zorfiscal2072
