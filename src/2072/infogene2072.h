// General information of the declaration: the company, its capital and financial year, the
// rental-income contribution, the value added and the 2072-E lines, the four persons acting
// for the company, the declarant and addressees, and the tax office.
#pragma once

#include <string>
#include <vector>

#include "adresses2072.h"
#include "arbre.h"
#include "codes2072.h"
#include "detenu.h"
#include "elementlie2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

class TInfogene2072 : public TDonneeBase {
 public:
  // The member initialisers are the defaults.
  TInfogene2072() { Construct(); }
  bool operator==(const TInfogene2072&) const = default;

  // Three seats, the sixteen linked elements and the eight addresses.
  void Construct();
  void Destruct();
  // Every field to its default, the sub-records too.
  void Init() { arbre::Reinitialise(*this); }
  // Computed values only; LocationStationnement goes back to 2 (no parking rental).
  void InitResultat();
  // What belongs to one year: CRL instalment, value-added inputs, cessation date, linked elements.
  void InitPartielle();
  void Reserve() {}
  // Sample values (the sample declaration); CasTest also fills the sub-records.
  void CasTest();
  void CasTestXX();

  // Own letters, the three seats included (index 0 to 2 of SocieteAdresseSiege).
  static const lettres::TableLettres<TInfogene2072>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens) { return Lettres().Transfert(*this, lettre, sens); }
  // The linked elements, then the addresses, in routing order. Every one is held through a
  // pointer, created by Construct.
  static constexpr auto Enfants() {
    using R = TInfogene2072;
    using arbre::Membre;
    return std::tuple{Membre(&R::VA),
                      Membre(&R::D2072ELoyersBruts),
                      Membre(&R::D2072EChargeLocataires),
                      Membre(&R::D2072ERecettesDiverses),
                      Membre(&R::D2072ERentreesCreances),
                      Membre(&R::D2072EFraisGerance),
                      Membre(&R::D2072EAssurance),
                      Membre(&R::D2072ETravauxReparation),
                      Membre(&R::D2072EChargesEspacesNaturels),
                      Membre(&R::D2072ENP),
                      Membre(&R::D2072EAssuranceFraisZR),
                      Membre(&R::D2072EChargesRecuperables),
                      Membre(&R::D2072EIndemnitesEtFrais),
                      Membre(&R::D2072EDeductionSpecifique),
                      Membre(&R::D2072EDeductionAmortissement),
                      Membre(&R::D2072EProvisionCharges),
                      Membre(&R::AdresseGerant),
                      Membre(&R::AdresseComptable),
                      Membre(&R::AdresseConseil),
                      Membre(&R::AdresseAdministrateur),
                      Membre(&R::AdresseDeclarant),
                      Membre(&R::AdresseDestinataire),
                      Membre(&R::AdresseNouveauDestinataire),
                      Membre(&R::AdresseCDI)};
  }
  // Own letters, then the sub-records; the index plays no part. A code that none of them
  // holds is refused at once, before the 25 steps.
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;
  bool TransfertLettre(structLettre*, long) override { return false; }

  // Company
  const std::string& getSocieteNom() const { return SocieteNom; }
  std::string& getSocieteNom() { return SocieteNom; }
  void setSocieteNom(const std::string& v) { SocieteNom = v; }
  const std::string& getSocieteNomPreimprime() const { return SocieteNomPreimprime; }
  std::string& getSocieteNomPreimprime() { return SocieteNomPreimprime; }
  void setSocieteNomPreimprime(const std::string& v) { SocieteNomPreimprime = v; }
  const std::vector<TSocieteAdresseSiege>& getSocieteAdresseSiege() const { return SocieteAdresseSiege; }
  std::vector<TSocieteAdresseSiege>& getSocieteAdresseSiege() { return SocieteAdresseSiege; }
  void setSocieteAdresseSiege(const std::vector<TSocieteAdresseSiege>& v) { SocieteAdresseSiege = v; }

  // Capital, shares, financial year, partners
  double getCapital() const { return Capital; }
  void setCapital(double v) { Capital = v; }
  double getNombrePartsTotal() const { return NombrePartsTotal; }
  void setNombrePartsTotal(double v) { NombrePartsTotal = v; }
  double getNombrePartsTotalCalcul() const { return NombrePartsTotalCalcul; }
  void setNombrePartsTotalCalcul(double v) { NombrePartsTotalCalcul = v; }
  double getNominalParts() const { return NominalParts; }
  void setNominalParts(double v) { NominalParts = v; }
  double getQuotePartResultatsTotal() const { return QuotePartResultatsTotal; }
  void setQuotePartResultatsTotal(double v) { QuotePartResultatsTotal = v; }
  long getDateDebutExercice() const { return DateDebutExercice; }
  void setDateDebutExercice(long v) { DateDebutExercice = v; }
  long getDateClotureExercice() const { return DateClotureExercice; }
  void setDateClotureExercice(long v) { DateClotureExercice = v; }
  long getNombreAssocies() const { return NombreAssocies; }
  void setNombreAssocies(long v) { NombreAssocies = v; }
  short getPresenceAssociesBICIS() const { return PresenceAssociesBICIS; }
  void setPresenceAssociesBICIS(short v) { PresenceAssociesBICIS = v; }
  short getPresenceAssociesBA() const { return PresenceAssociesBA; }
  void setPresenceAssociesBA(short v) { PresenceAssociesBA = v; }
  long getNombreAssociesCalcul() const { return NombreAssociesCalcul; }
  void setNombreAssociesCalcul(long v) { NombreAssociesCalcul = v; }
  long getAssociesISBICBA() const { return AssociesISBICBA; }
  void setAssociesISBICBA(long v) { AssociesISBICBA = v; }
  const std::string& getNumeroSIREN() const { return NumeroSIREN; }
  std::string& getNumeroSIREN() { return NumeroSIREN; }
  void setNumeroSIREN(const std::string& v) { NumeroSIREN = v; }
  const std::string& getNumeroNIC() const { return NumeroNIC; }
  std::string& getNumeroNIC() { return NumeroNIC; }
  void setNumeroNIC(const std::string& v) { NumeroNIC = v; }
  const std::string& getNumeroSIRET() const { return NumeroSIRET; }
  std::string& getNumeroSIRET() { return NumeroSIRET; }
  void setNumeroSIRET(const std::string& v) { NumeroSIRET = v; }
  long getImpressionImmeuble() const { return ImpressionImmeuble; }
  void setImpressionImmeuble(long v) { ImpressionImmeuble = v; }
  long getImpressionGroupeImmeubles() const { return ImpressionGroupeImmeubles; }
  void setImpressionGroupeImmeubles(long v) { ImpressionGroupeImmeubles = v; }

  // Rental-income contribution
  double getRecetteSoumiseCRL() const { return RecetteSoumiseCRL; }
  void setRecetteSoumiseCRL(double v) { RecetteSoumiseCRL = v; }
  double getMontantCRL() const { return MontantCRL; }
  void setMontantCRL(double v) { MontantCRL = v; }
  double getAcompteCRL() const { return AcompteCRL; }
  void setAcompteCRL(double v) { AcompteCRL = v; }
  double getSoldeCRL() const { return SoldeCRL; }
  void setSoldeCRL(double v) { SoldeCRL = v; }
  double getExcedentCRL() const { return ExcedentCRL; }
  void setExcedentCRL(double v) { ExcedentCRL = v; }
  double getModePaiementCRL() const { return ModePaiementCRL; }
  void setModePaiementCRL(double v) { ModePaiementCRL = v; }
  double getNombreVirementCRL() const { return NombreVirementCRL; }
  void setNombreVirementCRL(double v) { NombreVirementCRL = v; }

  // Value added and 2072-E
  double getProduitsFinanciers() const { return ProduitsFinanciers; }
  void setProduitsFinanciers(double v) { ProduitsFinanciers = v; }
  double getProduitsExceptionnels() const { return ProduitsExceptionnels; }
  void setProduitsExceptionnels(double v) { ProduitsExceptionnels = v; }
  double getCA() const { return CA; }
  void setCA(double v) { CA = v; }
  short getCVAEDispense() const { return CVAEDispense; }
  void setCVAEDispense(short v) { CVAEDispense = v; }
  const TElementLieVA& getVA() const { return *VA; }
  TElementLieVA& getVA() { return *VA; }
  void setVA(const TElementLie& v) { static_cast<TElementLie&>(*VA) = v; }
  long getDateCessation() const { return DateCessation; }
  void setDateCessation(long v) { DateCessation = v; }
  const TElementLie2072ELoyersBruts& getD2072ELoyersBruts() const { return *D2072ELoyersBruts; }
  TElementLie2072ELoyersBruts& getD2072ELoyersBruts() { return *D2072ELoyersBruts; }
  void setD2072ELoyersBruts(const TElementLie& v) { static_cast<TElementLie&>(*D2072ELoyersBruts) = v; }
  const TElementLie2072EChargeLocataires& getD2072EChargeLocataires() const { return *D2072EChargeLocataires; }
  TElementLie2072EChargeLocataires& getD2072EChargeLocataires() { return *D2072EChargeLocataires; }
  void setD2072EChargeLocataires(const TElementLie& v) { static_cast<TElementLie&>(*D2072EChargeLocataires) = v; }
  const TElementLie2072ERecettesDiverses& getD2072ERecettesDiverses() const { return *D2072ERecettesDiverses; }
  TElementLie2072ERecettesDiverses& getD2072ERecettesDiverses() { return *D2072ERecettesDiverses; }
  void setD2072ERecettesDiverses(const TElementLie& v) { static_cast<TElementLie&>(*D2072ERecettesDiverses) = v; }
  const TElementLie2072ERentreesCreances& getD2072ERentreesCreances() const { return *D2072ERentreesCreances; }
  TElementLie2072ERentreesCreances& getD2072ERentreesCreances() { return *D2072ERentreesCreances; }
  void setD2072ERentreesCreances(const TElementLie& v) { static_cast<TElementLie&>(*D2072ERentreesCreances) = v; }
  double getD2072ETotalA() const { return D2072ETotalA; }
  void setD2072ETotalA(double v) { D2072ETotalA = v; }
  const TElementLie2072EFraisGerance& getD2072EFraisGerance() const { return *D2072EFraisGerance; }
  TElementLie2072EFraisGerance& getD2072EFraisGerance() { return *D2072EFraisGerance; }
  void setD2072EFraisGerance(const TElementLie& v) { static_cast<TElementLie&>(*D2072EFraisGerance) = v; }
  const TElementLie2072EAssurance& getD2072EAssurance() const { return *D2072EAssurance; }
  TElementLie2072EAssurance& getD2072EAssurance() { return *D2072EAssurance; }
  void setD2072EAssurance(const TElementLie& v) { static_cast<TElementLie&>(*D2072EAssurance) = v; }
  const TElementLie2072ETravauxReparation& getD2072ETravauxReparation() const { return *D2072ETravauxReparation; }
  TElementLie2072ETravauxReparation& getD2072ETravauxReparation() { return *D2072ETravauxReparation; }
  void setD2072ETravauxReparation(const TElementLie& v) { static_cast<TElementLie&>(*D2072ETravauxReparation) = v; }
  const TElementLie2072EChargesEspacesNaturels& getD2072EChargesEspacesNaturels() const {
    return *D2072EChargesEspacesNaturels;
  }
  TElementLie2072EChargesEspacesNaturels& getD2072EChargesEspacesNaturels() { return *D2072EChargesEspacesNaturels; }
  void setD2072EChargesEspacesNaturels(const TElementLie& v) {
    static_cast<TElementLie&>(*D2072EChargesEspacesNaturels) = v;
  }
  const TElementLie2072ENP& getD2072ENP() const { return *D2072ENP; }
  TElementLie2072ENP& getD2072ENP() { return *D2072ENP; }
  void setD2072ENP(const TElementLie& v) { static_cast<TElementLie&>(*D2072ENP) = v; }
  const TElementLie2072EAssuranceFraisZR& getD2072EAssuranceFraisZR() const { return *D2072EAssuranceFraisZR; }
  TElementLie2072EAssuranceFraisZR& getD2072EAssuranceFraisZR() { return *D2072EAssuranceFraisZR; }
  void setD2072EAssuranceFraisZR(const TElementLie& v) { static_cast<TElementLie&>(*D2072EAssuranceFraisZR) = v; }
  const TElementLie2072EChargesRecuperables& getD2072EChargesRecuperables() const { return *D2072EChargesRecuperables; }
  TElementLie2072EChargesRecuperables& getD2072EChargesRecuperables() { return *D2072EChargesRecuperables; }
  void setD2072EChargesRecuperables(const TElementLie& v) { static_cast<TElementLie&>(*D2072EChargesRecuperables) = v; }
  const TElementLie2072EIndemnitesEtFrais& getD2072EIndemnitesEtFrais() const { return *D2072EIndemnitesEtFrais; }
  TElementLie2072EIndemnitesEtFrais& getD2072EIndemnitesEtFrais() { return *D2072EIndemnitesEtFrais; }
  void setD2072EIndemnitesEtFrais(const TElementLie& v) { static_cast<TElementLie&>(*D2072EIndemnitesEtFrais) = v; }
  const TElementLie2072EDeductionSpecifique& getD2072EDeductionSpecifique() const { return *D2072EDeductionSpecifique; }
  TElementLie2072EDeductionSpecifique& getD2072EDeductionSpecifique() { return *D2072EDeductionSpecifique; }
  void setD2072EDeductionSpecifique(const TElementLie& v) { static_cast<TElementLie&>(*D2072EDeductionSpecifique) = v; }
  const TElementLie2072EDeductionAmortissement& getD2072EDeductionAmortissement() const {
    return *D2072EDeductionAmortissement;
  }
  TElementLie2072EDeductionAmortissement& getD2072EDeductionAmortissement() { return *D2072EDeductionAmortissement; }
  void setD2072EDeductionAmortissement(const TElementLie& v) {
    static_cast<TElementLie&>(*D2072EDeductionAmortissement) = v;
  }
  const TElementLie2072EProvisionCharges& getD2072EProvisionCharges() const { return *D2072EProvisionCharges; }
  TElementLie2072EProvisionCharges& getD2072EProvisionCharges() { return *D2072EProvisionCharges; }
  void setD2072EProvisionCharges(const TElementLie& v) { static_cast<TElementLie&>(*D2072EProvisionCharges) = v; }
  double getD2072ETotalB() const { return D2072ETotalB; }
  void setD2072ETotalB(double v) { D2072ETotalB = v; }

  // Manager
  short getTypeGerant() const { return TypeGerant; }
  void setTypeGerant(short v) { TypeGerant = v; }
  short getFormeJuridiqueOuTitreGerant() const { return FormeJuridiqueOuTitreGerant; }
  void setFormeJuridiqueOuTitreGerant(short v) { FormeJuridiqueOuTitreGerant = v; }
  const std::string& getDenominationGerant() const { return DenominationGerant; }
  std::string& getDenominationGerant() { return DenominationGerant; }
  void setDenominationGerant(const std::string& v) { DenominationGerant = v; }
  const std::string& getComplementDesignationGerant() const { return ComplementDesignationGerant; }
  std::string& getComplementDesignationGerant() { return ComplementDesignationGerant; }
  void setComplementDesignationGerant(const std::string& v) { ComplementDesignationGerant = v; }
  const std::string& getDesignationGerant() const { return DesignationGerant; }
  std::string& getDesignationGerant() { return DesignationGerant; }
  void setDesignationGerant(const std::string& v) { DesignationGerant = v; }
  const std::string& getNomGerant() const { return NomGerant; }
  std::string& getNomGerant() { return NomGerant; }
  void setNomGerant(const std::string& v) { NomGerant = v; }
  const std::string& getPrenomGerant() const { return PrenomGerant; }
  std::string& getPrenomGerant() { return PrenomGerant; }
  void setPrenomGerant(const std::string& v) { PrenomGerant = v; }
  const TAdresseGerant& getAdresseGerant() const { return *AdresseGerant; }
  TAdresseGerant& getAdresseGerant() { return *AdresseGerant; }
  void setAdresseGerant(const TAdresse2072& v) { static_cast<TAdresse2072&>(*AdresseGerant) = v; }
  const std::string& getTelephoneGerant() const { return TelephoneGerant; }
  std::string& getTelephoneGerant() { return TelephoneGerant; }
  void setTelephoneGerant(const std::string& v) { TelephoneGerant = v; }
  const std::string& getTelephoneMobileGerant() const { return TelephoneMobileGerant; }
  std::string& getTelephoneMobileGerant() { return TelephoneMobileGerant; }
  void setTelephoneMobileGerant(const std::string& v) { TelephoneMobileGerant = v; }
  const std::string& getTelecopieGerant() const { return TelecopieGerant; }
  std::string& getTelecopieGerant() { return TelecopieGerant; }
  void setTelecopieGerant(const std::string& v) { TelecopieGerant = v; }
  const std::string& getEmailGerant() const { return EmailGerant; }
  std::string& getEmailGerant() { return EmailGerant; }
  void setEmailGerant(const std::string& v) { EmailGerant = v; }

  // Accountant
  short getTypeComptable() const { return TypeComptable; }
  void setTypeComptable(short v) { TypeComptable = v; }
  short getFormeJuridiqueOuTitreComptable() const { return FormeJuridiqueOuTitreComptable; }
  void setFormeJuridiqueOuTitreComptable(short v) { FormeJuridiqueOuTitreComptable = v; }
  const std::string& getDenominationComptable() const { return DenominationComptable; }
  std::string& getDenominationComptable() { return DenominationComptable; }
  void setDenominationComptable(const std::string& v) { DenominationComptable = v; }
  const std::string& getComplementDesignationComptable() const { return ComplementDesignationComptable; }
  std::string& getComplementDesignationComptable() { return ComplementDesignationComptable; }
  void setComplementDesignationComptable(const std::string& v) { ComplementDesignationComptable = v; }
  const std::string& getDesignationComptable() const { return DesignationComptable; }
  std::string& getDesignationComptable() { return DesignationComptable; }
  void setDesignationComptable(const std::string& v) { DesignationComptable = v; }
  const std::string& getNomComptable() const { return NomComptable; }
  std::string& getNomComptable() { return NomComptable; }
  void setNomComptable(const std::string& v) { NomComptable = v; }
  const std::string& getPrenomComptable() const { return PrenomComptable; }
  std::string& getPrenomComptable() { return PrenomComptable; }
  void setPrenomComptable(const std::string& v) { PrenomComptable = v; }
  const TAdresseComptable& getAdresseComptable() const { return *AdresseComptable; }
  TAdresseComptable& getAdresseComptable() { return *AdresseComptable; }
  void setAdresseComptable(const TAdresse2072& v) { static_cast<TAdresse2072&>(*AdresseComptable) = v; }
  const std::string& getTelephoneComptable() const { return TelephoneComptable; }
  std::string& getTelephoneComptable() { return TelephoneComptable; }
  void setTelephoneComptable(const std::string& v) { TelephoneComptable = v; }
  const std::string& getTelecopieComptable() const { return TelecopieComptable; }
  std::string& getTelecopieComptable() { return TelecopieComptable; }
  void setTelecopieComptable(const std::string& v) { TelecopieComptable = v; }
  const std::string& getEmailComptable() const { return EmailComptable; }
  std::string& getEmailComptable() { return EmailComptable; }
  void setEmailComptable(const std::string& v) { EmailComptable = v; }

  // Adviser
  short getTypeConseil() const { return TypeConseil; }
  void setTypeConseil(short v) { TypeConseil = v; }
  short getFormeJuridiqueOuTitreConseil() const { return FormeJuridiqueOuTitreConseil; }
  void setFormeJuridiqueOuTitreConseil(short v) { FormeJuridiqueOuTitreConseil = v; }
  const std::string& getDenominationConseil() const { return DenominationConseil; }
  std::string& getDenominationConseil() { return DenominationConseil; }
  void setDenominationConseil(const std::string& v) { DenominationConseil = v; }
  const std::string& getComplementDesignationConseil() const { return ComplementDesignationConseil; }
  std::string& getComplementDesignationConseil() { return ComplementDesignationConseil; }
  void setComplementDesignationConseil(const std::string& v) { ComplementDesignationConseil = v; }
  const std::string& getDesignationConseil() const { return DesignationConseil; }
  std::string& getDesignationConseil() { return DesignationConseil; }
  void setDesignationConseil(const std::string& v) { DesignationConseil = v; }
  const std::string& getNomConseil() const { return NomConseil; }
  std::string& getNomConseil() { return NomConseil; }
  void setNomConseil(const std::string& v) { NomConseil = v; }
  const std::string& getPrenomConseil() const { return PrenomConseil; }
  std::string& getPrenomConseil() { return PrenomConseil; }
  void setPrenomConseil(const std::string& v) { PrenomConseil = v; }
  const TAdresseConseil& getAdresseConseil() const { return *AdresseConseil; }
  TAdresseConseil& getAdresseConseil() { return *AdresseConseil; }
  void setAdresseConseil(const TAdresse2072& v) { static_cast<TAdresse2072&>(*AdresseConseil) = v; }
  const std::string& getTelephoneConseil() const { return TelephoneConseil; }
  std::string& getTelephoneConseil() { return TelephoneConseil; }
  void setTelephoneConseil(const std::string& v) { TelephoneConseil = v; }
  const std::string& getTelecopieConseil() const { return TelecopieConseil; }
  std::string& getTelecopieConseil() { return TelecopieConseil; }
  void setTelecopieConseil(const std::string& v) { TelecopieConseil = v; }
  const std::string& getEmailConseil() const { return EmailConseil; }
  std::string& getEmailConseil() { return EmailConseil; }
  void setEmailConseil(const std::string& v) { EmailConseil = v; }

  // Administrator
  short getTypeAdministrateur() const { return TypeAdministrateur; }
  void setTypeAdministrateur(short v) { TypeAdministrateur = v; }
  short getFormeJuridiqueOuTitreAdministrateur() const { return FormeJuridiqueOuTitreAdministrateur; }
  void setFormeJuridiqueOuTitreAdministrateur(short v) { FormeJuridiqueOuTitreAdministrateur = v; }
  const std::string& getDenominationAdministrateur() const { return DenominationAdministrateur; }
  std::string& getDenominationAdministrateur() { return DenominationAdministrateur; }
  void setDenominationAdministrateur(const std::string& v) { DenominationAdministrateur = v; }
  const std::string& getComplementDesignationAdministrateur() const { return ComplementDesignationAdministrateur; }
  std::string& getComplementDesignationAdministrateur() { return ComplementDesignationAdministrateur; }
  void setComplementDesignationAdministrateur(const std::string& v) { ComplementDesignationAdministrateur = v; }
  const std::string& getDesignationAdministrateur() const { return DesignationAdministrateur; }
  std::string& getDesignationAdministrateur() { return DesignationAdministrateur; }
  void setDesignationAdministrateur(const std::string& v) { DesignationAdministrateur = v; }
  const std::string& getNomAdministrateur() const { return NomAdministrateur; }
  std::string& getNomAdministrateur() { return NomAdministrateur; }
  void setNomAdministrateur(const std::string& v) { NomAdministrateur = v; }
  const std::string& getPrenomAdministrateur() const { return PrenomAdministrateur; }
  std::string& getPrenomAdministrateur() { return PrenomAdministrateur; }
  void setPrenomAdministrateur(const std::string& v) { PrenomAdministrateur = v; }
  const TAdresseAdministrateur& getAdresseAdministrateur() const { return *AdresseAdministrateur; }
  TAdresseAdministrateur& getAdresseAdministrateur() { return *AdresseAdministrateur; }
  void setAdresseAdministrateur(const TAdresse2072& v) { static_cast<TAdresse2072&>(*AdresseAdministrateur) = v; }
  const std::string& getTelephoneAdministrateur() const { return TelephoneAdministrateur; }
  std::string& getTelephoneAdministrateur() { return TelephoneAdministrateur; }
  void setTelephoneAdministrateur(const std::string& v) { TelephoneAdministrateur = v; }
  const std::string& getTelecopieAdministrateur() const { return TelecopieAdministrateur; }
  std::string& getTelecopieAdministrateur() { return TelecopieAdministrateur; }
  void setTelecopieAdministrateur(const std::string& v) { TelecopieAdministrateur = v; }
  const std::string& getEmailAdministrateur() const { return EmailAdministrateur; }
  std::string& getEmailAdministrateur() { return EmailAdministrateur; }
  void setEmailAdministrateur(const std::string& v) { EmailAdministrateur = v; }

  // Declarant and addressees
  const TAdresseDeclarant& getAdresseDeclarant() const { return *AdresseDeclarant; }
  TAdresseDeclarant& getAdresseDeclarant() { return *AdresseDeclarant; }
  void setAdresseDeclarant(const TAdresse2072& v) { static_cast<TAdresse2072&>(*AdresseDeclarant) = v; }
  const std::string& getVilleSignature() const { return VilleSignature; }
  std::string& getVilleSignature() { return VilleSignature; }
  void setVilleSignature(const std::string& v) { VilleSignature = v; }
  long getDateSignature() const { return DateSignature; }
  void setDateSignature(long v) { DateSignature = v; }
  short getDestinataireDifferent() const { return DestinataireDifferent; }
  void setDestinataireDifferent(short v) { DestinataireDifferent = v; }
  const TAdresseDestinataire& getAdresseDestinataire() const { return *AdresseDestinataire; }
  TAdresseDestinataire& getAdresseDestinataire() { return *AdresseDestinataire; }
  void setAdresseDestinataire(const TAdresse2072& v) { static_cast<TAdresse2072&>(*AdresseDestinataire) = v; }
  const std::string& getTelephoneDeclarant() const { return TelephoneDeclarant; }
  std::string& getTelephoneDeclarant() { return TelephoneDeclarant; }
  void setTelephoneDeclarant(const std::string& v) { TelephoneDeclarant = v; }
  const std::string& getEmailDeclarant() const { return EmailDeclarant; }
  std::string& getEmailDeclarant() { return EmailDeclarant; }
  void setEmailDeclarant(const std::string& v) { EmailDeclarant = v; }
  const TAdresseNouveauDestinataire& getAdresseNouveauDestinataire() const { return *AdresseNouveauDestinataire; }
  TAdresseNouveauDestinataire& getAdresseNouveauDestinataire() { return *AdresseNouveauDestinataire; }
  void setAdresseNouveauDestinataire(const TAdresse2072& v) {
    static_cast<TAdresse2072&>(*AdresseNouveauDestinataire) = v;
  }

  // Tax office
  const std::string& getDenominationCDI() const { return DenominationCDI; }
  std::string& getDenominationCDI() { return DenominationCDI; }
  void setDenominationCDI(const std::string& v) { DenominationCDI = v; }
  const TAdresseCDI& getAdresseCDI() const { return *AdresseCDI; }
  TAdresseCDI& getAdresseCDI() { return *AdresseCDI; }
  void setAdresseCDI(const TAdresse2072& v) { static_cast<TAdresse2072&>(*AdresseCDI) = v; }
  const std::string& getRecetteCDIR() const { return RecetteCDIR; }
  std::string& getRecetteCDIR() { return RecetteCDIR; }
  void setRecetteCDIR(const std::string& v) { RecetteCDIR = v; }
  const std::string& getNumeroDossier() const { return NumeroDossier; }
  std::string& getNumeroDossier() { return NumeroDossier; }
  void setNumeroDossier(const std::string& v) { NumeroDossier = v; }
  const std::string& getCle() const { return Cle; }
  std::string& getCle() { return Cle; }
  void setCle(const std::string& v) { Cle = v; }
  const std::string& getRegime() const { return Regime; }
  std::string& getRegime() { return Regime; }
  void setRegime(const std::string& v) { Regime = v; }
  const std::string& getInspIFU() const { return InspIFU; }
  std::string& getInspIFU() { return InspIFU; }
  void setInspIFU(const std::string& v) { InspIFU = v; }

  // General totals
  double getTotalRecetteGeneral() const { return TotalRecetteGeneral; }
  void setTotalRecetteGeneral(double v) { TotalRecetteGeneral = v; }
  double getTotalChargeGeneral() const { return TotalChargeGeneral; }
  void setTotalChargeGeneral(double v) { TotalChargeGeneral = v; }
  double getBaseCalculCRLGeneral() const { return BaseCalculCRLGeneral; }
  void setBaseCalculCRLGeneral(double v) { BaseCalculCRLGeneral = v; }
  short getLocationStationnement() const { return LocationStationnement; }
  void setLocationStationnement(short v) { LocationStationnement = v; }

 private:
  // Yes/no fields hold 1 (yes) or 2 (no); dates are YYYYMMDD, 0 when not entered.
  // Company
  std::string SocieteNom;
  std::string SocieteNomPreimprime;
  std::vector<TSocieteAdresseSiege> SocieteAdresseSiege;  // three seats, exchanged under this record's codes
  // Capital, shares, financial year, partners
  double Capital{};
  double NombrePartsTotal{};
  double NombrePartsTotalCalcul{};
  double NominalParts{};
  double QuotePartResultatsTotal{};
  long DateDebutExercice{};
  long DateClotureExercice{};
  long NombreAssocies{};
  short PresenceAssociesBICIS = OuiNon::Non;
  short PresenceAssociesBA = OuiNon::Non;
  long NombreAssociesCalcul{};
  long AssociesISBICBA = OuiNon::Non;
  std::string NumeroSIREN;
  std::string NumeroNIC;
  std::string NumeroSIRET;
  long ImpressionImmeuble = OuiNon::Oui;
  long ImpressionGroupeImmeubles = OuiNon::Non;
  // Rental-income contribution
  double RecetteSoumiseCRL{};
  double MontantCRL{};
  double AcompteCRL{};
  double SoldeCRL{};
  double ExcedentCRL{};
  double ModePaiementCRL = ModePaiement::Cheque;
  double NombreVirementCRL{};
  // Value added and 2072-E
  double ProduitsFinanciers{};
  double ProduitsExceptionnels{};
  double CA{};
  short CVAEDispense = OuiNon::Non;
  Detenu<TElementLieVA> VA;
  long DateCessation{};
  Detenu<TElementLie2072ELoyersBruts> D2072ELoyersBruts;
  Detenu<TElementLie2072EChargeLocataires> D2072EChargeLocataires;
  Detenu<TElementLie2072ERecettesDiverses> D2072ERecettesDiverses;
  Detenu<TElementLie2072ERentreesCreances> D2072ERentreesCreances;
  double D2072ETotalA{};
  Detenu<TElementLie2072EFraisGerance> D2072EFraisGerance;
  Detenu<TElementLie2072EAssurance> D2072EAssurance;
  Detenu<TElementLie2072ETravauxReparation> D2072ETravauxReparation;
  Detenu<TElementLie2072EChargesEspacesNaturels> D2072EChargesEspacesNaturels;
  Detenu<TElementLie2072ENP> D2072ENP;
  Detenu<TElementLie2072EAssuranceFraisZR> D2072EAssuranceFraisZR;
  Detenu<TElementLie2072EChargesRecuperables> D2072EChargesRecuperables;
  Detenu<TElementLie2072EIndemnitesEtFrais> D2072EIndemnitesEtFrais;
  Detenu<TElementLie2072EDeductionSpecifique> D2072EDeductionSpecifique;
  Detenu<TElementLie2072EDeductionAmortissement> D2072EDeductionAmortissement;
  Detenu<TElementLie2072EProvisionCharges> D2072EProvisionCharges;
  double D2072ETotalB{};
  // Manager
  short TypeGerant = TypePersonne::Physique;
  short FormeJuridiqueOuTitreGerant = Titre::Monsieur;
  std::string DenominationGerant;
  std::string ComplementDesignationGerant;
  std::string DesignationGerant;
  std::string NomGerant;
  std::string PrenomGerant;
  Detenu<TAdresseGerant> AdresseGerant;
  std::string TelephoneGerant;
  std::string TelephoneMobileGerant;
  std::string TelecopieGerant;
  std::string EmailGerant;
  // Accountant
  short TypeComptable = TypePersonne::Physique;
  short FormeJuridiqueOuTitreComptable = Titre::Monsieur;
  std::string DenominationComptable;
  std::string ComplementDesignationComptable;
  std::string DesignationComptable;
  std::string NomComptable;
  std::string PrenomComptable;
  Detenu<TAdresseComptable> AdresseComptable;
  std::string TelephoneComptable;
  std::string TelecopieComptable;
  std::string EmailComptable;
  // Adviser
  short TypeConseil = TypePersonne::Physique;
  short FormeJuridiqueOuTitreConseil = Titre::Monsieur;
  std::string DenominationConseil;
  std::string ComplementDesignationConseil;
  std::string DesignationConseil;
  std::string NomConseil;
  std::string PrenomConseil;
  Detenu<TAdresseConseil> AdresseConseil;
  std::string TelephoneConseil;
  std::string TelecopieConseil;
  std::string EmailConseil;
  // Administrator
  short TypeAdministrateur = TypePersonne::Physique;
  short FormeJuridiqueOuTitreAdministrateur = Titre::Monsieur;
  std::string DenominationAdministrateur;
  std::string ComplementDesignationAdministrateur;
  std::string DesignationAdministrateur;
  std::string NomAdministrateur;
  std::string PrenomAdministrateur;
  Detenu<TAdresseAdministrateur> AdresseAdministrateur;
  std::string TelephoneAdministrateur;
  std::string TelecopieAdministrateur;
  std::string EmailAdministrateur;
  // Declarant and addressees
  Detenu<TAdresseDeclarant> AdresseDeclarant;
  std::string VilleSignature;
  long DateSignature{};
  short DestinataireDifferent = OuiNon::Non;
  Detenu<TAdresseDestinataire> AdresseDestinataire;
  std::string TelephoneDeclarant;
  std::string EmailDeclarant;
  Detenu<TAdresseNouveauDestinataire> AdresseNouveauDestinataire;
  // Tax office
  std::string DenominationCDI;
  Detenu<TAdresseCDI> AdresseCDI;
  std::string RecetteCDIR;
  std::string NumeroDossier;
  std::string Cle;
  std::string Regime;
  std::string InspIFU;
  // General totals
  double TotalRecetteGeneral{};
  double TotalChargeGeneral{};
  double BaseCalculCRLGeneral{};
  short LocationStationnement = OuiNon::Non;
};

}  // namespace zorfiscal2072
