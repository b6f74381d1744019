// The small records under properties and partners: a tenant and a beneficiary of a
// property, and one property a partner occupies free of charge. They carry no amounts
// and take no part in the computation; they are entered and exchanged only.
#pragma once

#include <string>

#include "arbre.h"
#include "codes2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// A tenant of a property, linked to it by CodePropriete.
class TLocataire : public TDonneeBase {
 public:
  bool operator==(const TLocataire&) const = default;

  void Construct() {}
  void Destruct() {}
  // Keeps CodePropriete: a re-initialised tenant stays attached to its property.
  void Init() { arbre::Reinitialise(*this); }
  static constexpr auto Gardes() { return std::tuple{&TLocataire::CodePropriete}; }
  void InitPartielle() {}
  void InitResultat() {}
  void Reserve() {}
  // Sample values (the sample declaration).
  void CasTestXX();

  static const lettres::TableLettres<TLocataire>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  const std::string& getCodePropriete() const { return CodePropriete; }
  std::string& getCodePropriete() { return CodePropriete; }
  void setCodePropriete(const std::string& v) { CodePropriete = v; }
  const std::string& getNom() const { return Nom; }
  std::string& getNom() { return Nom; }
  void setNom(const std::string& v) { Nom = v; }
  const std::string& getPrenom() const { return Prenom; }
  std::string& getPrenom() { return Prenom; }
  void setPrenom(const std::string& v) { Prenom = v; }
  const std::string& getLocalisation() const { return Localisation; }
  std::string& getLocalisation() { return Localisation; }
  void setLocalisation(const std::string& v) { Localisation = v; }
  short getNouveau() const { return Nouveau; }
  void setNouveau(short v) { Nouveau = v; }

 private:
  std::string CodePropriete;    // up to 20 characters
  std::string Nom;              // up to 91
  std::string Prenom;           // up to 91
  std::string Localisation;     // up to 80: the premises rented
  short Nouveau = OuiNon::Non;  // new tenant this year
};

// A beneficiary of a property.
class TBeneficiaire : public TDonneeBase {
 public:
  bool operator==(const TBeneficiaire&) const = default;

  void Construct() {}
  void Destruct() {}
  // Empties every text, the property code included.
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() {}
  void InitResultat() {}
  void Reserve() {}
  // Sample values (the sample declaration).
  void CasTestXX();

  static const lettres::TableLettres<TBeneficiaire>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  const std::string& getCodePropriete() const { return CodePropriete; }
  std::string& getCodePropriete() { return CodePropriete; }
  void setCodePropriete(const std::string& v) { CodePropriete = v; }
  const std::string& getIdentiteBeneficiaire() const { return IdentiteBeneficiaire; }
  std::string& getIdentiteBeneficiaire() { return IdentiteBeneficiaire; }
  void setIdentiteBeneficiaire(const std::string& v) { IdentiteBeneficiaire = v; }
  const std::string& getAdresseBeneficiaire() const { return AdresseBeneficiaire; }
  std::string& getAdresseBeneficiaire() { return AdresseBeneficiaire; }
  void setAdresseBeneficiaire(const std::string& v) { AdresseBeneficiaire = v; }
  const std::string& getSIRENBeneficiaire() const { return SIRENBeneficiaire; }
  std::string& getSIRENBeneficiaire() { return SIRENBeneficiaire; }
  void setSIRENBeneficiaire(const std::string& v) { SIRENBeneficiaire = v; }
  const std::string& getNICBeneficiaire() const { return NICBeneficiaire; }
  std::string& getNICBeneficiaire() { return NICBeneficiaire; }
  void setNICBeneficiaire(const std::string& v) { NICBeneficiaire = v; }
  const std::string& getSIRETBeneficiaire() const { return SIRETBeneficiaire; }
  std::string& getSIRETBeneficiaire() { return SIRETBeneficiaire; }
  void setSIRETBeneficiaire(const std::string& v) { SIRETBeneficiaire = v; }

 private:
  std::string CodePropriete;         // up to 20 characters
  std::string IdentiteBeneficiaire;  // up to 91
  std::string AdresseBeneficiaire;   // up to 100, on one line
  std::string SIRENBeneficiaire;     // up to 20
  std::string NICBeneficiaire;       // up to 20
  std::string SIRETBeneficiaire;     // up to 20
};

// One property occupied free of charge by a partner. The codes take up to 100 characters,
// more than a property code needs.
class TListeProprieteJouissanceGratuite : public TDonneeBase {
 public:
  bool operator==(const TListeProprieteJouissanceGratuite&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle() {}
  void InitResultat() {}
  void Reserve() {}

  static const lettres::TableLettres<TListeProprieteJouissanceGratuite>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;

  const std::string& getCodePropriete() const { return CodePropriete; }
  std::string& getCodePropriete() { return CodePropriete; }
  void setCodePropriete(const std::string& v) { CodePropriete = v; }
  const std::string& getCodeAssocie() const { return CodeAssocie; }
  std::string& getCodeAssocie() { return CodeAssocie; }
  void setCodeAssocie(const std::string& v) { CodeAssocie = v; }

 private:
  std::string CodePropriete;
  std::string CodeAssocie;
};

}  // namespace zorfiscal2072
