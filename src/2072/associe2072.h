// One partner of the company: identity, addresses, shares held, tax regime, the year's
// individual items, the properties it occupies free of charge and its statement.
#pragma once

#include <string>
#include <vector>

#include "adresses2072.h"
#include "arbre.h"
#include "beneficiaires2072.h"
#include "bulletin2072.h"
#include "codes2072.h"
#include "detenu.h"
#include "niveaux2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

class TAssocie2072 : public TDonneeBase {
 public:
  // A new partner's statement carries 16 blank carried-forward entries.
  TAssocie2072();
  bool operator==(const TAssocie2072&) const = default;

  void Construct();
  void Destruct();
  // Every field but CodeAssocie; unlike a new partner's, the statement has no carried-forward entry.
  void Init();
  void InitResultat();   // the computed holding and statement
  void InitPartielle();  // the year's items; identity, shares, regime and free-use list stay
  void Reserve() {}
  // Sample values of the sample's partner `numero` (0 or 1); CasTest also fills the statement.
  void CasTest(std::size_t numero);
  void CasTestXX(std::size_t numero);

  // Init keeps the partner's code.
  static constexpr auto Gardes() { return std::tuple{&TAssocie2072::CodeAssocie}; }
  static const lettres::TableLettres<TAssocie2072>& Lettres();
  // Sub-records in routing order (after the partner's own letters).
  static constexpr auto Enfants() {
    using R = TAssocie2072;
    return std::tuple{arbre::Membre(&R::Adresse), arbre::Membre(&R::AdresseAvantDemenagement),
                      arbre::Indexe(&R::ListeProprieteJouissanceGratuite, kNiveauJouissanceGratuite),
                      arbre::Membre(&R::Bulletin2072)};
  }
  bool TransfertLettreXX(structLettre* l, long sens);
  bool TransfertUneLettre(structLettre* l, TIndex index, long sens) override;
  bool TransfertLettre(structLettre*, long) override { return false; }

  // Adds the property to the free-use list unless it is there already.
  void AjouteProprieteJouissanceGratuite(const std::string& codePropriete);
  // Removes the first entry of that property, if any.
  void SupprimeProprieteJouissanceGratuite(const std::string& codePropriete);
  // "1" when the partner occupies that property free of charge, "0" otherwise.
  std::string aJouissanceGratuite(const std::string& codePropriete) const;
  // Display name: surname and first names of a natural person, legal name of a legal person.
  std::string DonneDesignation() const;
  // Holding and share of results from the company's total of parts and nominal value (calcul/).
  void CalculAssocie2072(double nombrePartsTotal, double nominalParts);

  const std::string& getCodeAssocie() const { return CodeAssocie; }
  std::string& getCodeAssocie() { return CodeAssocie; }
  void setCodeAssocie(const std::string& v) { CodeAssocie = v; }
  long getCodeRattach() const { return CodeRattach; }
  void setCodeRattach(long v) { CodeRattach = v; }
  short getType() const { return Type; }
  void setType(short v) { Type = v; }
  short getFormeJuridiqueOuTitre() const { return FormeJuridiqueOuTitre; }
  void setFormeJuridiqueOuTitre(short v) { FormeJuridiqueOuTitre = v; }
  const std::string& getNom() const { return Nom; }
  std::string& getNom() { return Nom; }
  void setNom(const std::string& v) { Nom = v; }
  const std::string& getNomMarital() const { return NomMarital; }
  std::string& getNomMarital() { return NomMarital; }
  void setNomMarital(const std::string& v) { NomMarital = v; }
  const std::string& getPrenoms() const { return Prenoms; }
  std::string& getPrenoms() { return Prenoms; }
  void setPrenoms(const std::string& v) { Prenoms = v; }
  long getDateNaissance() const { return DateNaissance; }
  void setDateNaissance(long v) { DateNaissance = v; }
  short getDepartementNaissance() const { return DepartementNaissance; }
  void setDepartementNaissance(short v) { DepartementNaissance = v; }
  const std::string& getCommuneNaissance() const { return CommuneNaissance; }
  std::string& getCommuneNaissance() { return CommuneNaissance; }
  void setCommuneNaissance(const std::string& v) { CommuneNaissance = v; }
  short getPaysNaissance() const { return PaysNaissance; }
  void setPaysNaissance(short v) { PaysNaissance = v; }
  short getRattacheFoyer2042() const { return RattacheFoyer2042; }
  void setRattacheFoyer2042(short v) { RattacheFoyer2042 = v; }
  const std::string& getDenomination() const { return Denomination; }
  std::string& getDenomination() { return Denomination; }
  void setDenomination(const std::string& v) { Denomination = v; }
  short getFormeJuridique() const { return FormeJuridique; }
  void setFormeJuridique(short v) { FormeJuridique = v; }
  const std::string& getDesignation() const { return Designation; }
  std::string& getDesignation() { return Designation; }
  void setDesignation(const std::string& v) { Designation = v; }
  short getPresenceHolding() const { return PresenceHolding; }
  void setPresenceHolding(short v) { PresenceHolding = v; }
  const std::string& getNumeroSIREN() const { return NumeroSIREN; }
  std::string& getNumeroSIREN() { return NumeroSIREN; }
  void setNumeroSIREN(const std::string& v) { NumeroSIREN = v; }
  const std::string& getNumeroNIC() const { return NumeroNIC; }
  std::string& getNumeroNIC() { return NumeroNIC; }
  void setNumeroNIC(const std::string& v) { NumeroNIC = v; }
  const std::string& getNumeroSIRET() const { return NumeroSIRET; }
  std::string& getNumeroSIRET() { return NumeroSIRET; }
  void setNumeroSIRET(const std::string& v) { NumeroSIRET = v; }
  // The owned addresses; the setters copy the fields into them.
  TAdresseAssocie& getAdresse() { return *Adresse; }
  const TAdresseAssocie& getAdresse() const { return *Adresse; }
  void setAdresse(const TAdresse2072& v);
  TAdresseAvantDemenagement& getAdresseAvantDemenagement() { return *AdresseAvantDemenagement; }
  const TAdresseAvantDemenagement& getAdresseAvantDemenagement() const { return *AdresseAvantDemenagement; }
  void setAdresseAvantDemenagement(const TAdresse2072& v);
  double getNombreParts() const { return NombreParts; }
  void setNombreParts(double v) { NombreParts = v; }
  double getPourcentageDetention() const { return PourcentageDetention; }
  void setPourcentageDetention(double v) { PourcentageDetention = v; }
  double getValeurParts() const { return ValeurParts; }
  void setValeurParts(double v) { ValeurParts = v; }
  double getQuotePartDifferente() const { return QuotePartDifferente; }
  void setQuotePartDifferente(double v) { QuotePartDifferente = v; }
  double getQuotePartResultatsSaisie() const { return QuotePartResultatsSaisie; }
  void setQuotePartResultatsSaisie(double v) { QuotePartResultatsSaisie = v; }
  double getQuotePartResultats() const { return QuotePartResultats; }
  void setQuotePartResultats(double v) { QuotePartResultats = v; }
  long getRegimeFiscal() const { return RegimeFiscal; }
  void setRegimeFiscal(long v) { RegimeFiscal = v; }
  short getJouissanceGratuite() const { return JouissanceGratuite; }
  void setJouissanceGratuite(short v) { JouissanceGratuite = v; }
  double getNombreParts1erJanvier() const { return NombreParts1erJanvier; }
  void setNombreParts1erJanvier(double v) { NombreParts1erJanvier = v; }
  const std::string& getAssocieNomComptable() const { return AssocieNomComptable; }
  std::string& getAssocieNomComptable() { return AssocieNomComptable; }
  void setAssocieNomComptable(const std::string& v) { AssocieNomComptable = v; }
  const std::string& getAssocieAdresseComptable() const { return AssocieAdresseComptable; }
  std::string& getAssocieAdresseComptable() { return AssocieAdresseComptable; }
  void setAssocieAdresseComptable(const std::string& v) { AssocieAdresseComptable = v; }
  const std::string& getAssocieNomGerant() const { return AssocieNomGerant; }
  std::string& getAssocieNomGerant() { return AssocieNomGerant; }
  void setAssocieNomGerant(const std::string& v) { AssocieNomGerant = v; }
  const std::string& getAssocieAdresseGerant() const { return AssocieAdresseGerant; }
  std::string& getAssocieAdresseGerant() { return AssocieAdresseGerant; }
  void setAssocieAdresseGerant(const std::string& v) { AssocieAdresseGerant = v; }
  const std::string& getAssocieNomAdministrateur() const { return AssocieNomAdministrateur; }
  std::string& getAssocieNomAdministrateur() { return AssocieNomAdministrateur; }
  void setAssocieNomAdministrateur(const std::string& v) { AssocieNomAdministrateur = v; }
  const std::string& getAssocieAdresseAdministrateur() const { return AssocieAdresseAdministrateur; }
  std::string& getAssocieAdresseAdministrateur() { return AssocieAdresseAdministrateur; }
  void setAssocieAdresseAdministrateur(const std::string& v) { AssocieAdresseAdministrateur = v; }
  double getRemunerationDiverse() const { return RemunerationDiverse; }
  void setRemunerationDiverse(double v) { RemunerationDiverse = v; }
  double getProduitFinancier() const { return ProduitFinancier; }
  void setProduitFinancier(double v) { ProduitFinancier = v; }
  double getInteretsComptesCourants() const { return InteretsComptesCourants; }
  void setInteretsComptesCourants(double v) { InteretsComptesCourants = v; }
  double getPlusValue() const { return PlusValue; }
  void setPlusValue(double v) { PlusValue = v; }
  short getExistePlusValueDiffere() const { return ExistePlusValueDiffere; }
  void setExistePlusValueDiffere(short v) { ExistePlusValueDiffere = v; }
  long getTauxPlusValue() const { return TauxPlusValue; }
  void setTauxPlusValue(long v) { TauxPlusValue = v; }
  long getJourCessionPart() const { return JourCessionPart; }
  void setJourCessionPart(long v) { JourCessionPart = v; }
  long getMoisCessionPart() const { return MoisCessionPart; }
  void setMoisCessionPart(long v) { MoisCessionPart = v; }
  long getAnneeCessionPart() const { return AnneeCessionPart; }
  void setAnneeCessionPart(long v) { AnneeCessionPart = v; }
  const std::string& getIdentiteCessionaire() const { return IdentiteCessionaire; }
  std::string& getIdentiteCessionaire() { return IdentiteCessionaire; }
  void setIdentiteCessionaire(const std::string& v) { IdentiteCessionaire = v; }
  long getJourAcquisitionPart() const { return JourAcquisitionPart; }
  void setJourAcquisitionPart(long v) { JourAcquisitionPart = v; }
  long getMoisAcquisitionPart() const { return MoisAcquisitionPart; }
  void setMoisAcquisitionPart(long v) { MoisAcquisitionPart = v; }
  long getAnneeAcquisitionPart() const { return AnneeAcquisitionPart; }
  void setAnneeAcquisitionPart(long v) { AnneeAcquisitionPart = v; }
  const std::string& getIdentiteCedant() const { return IdentiteCedant; }
  std::string& getIdentiteCedant() { return IdentiteCedant; }
  void setIdentiteCedant(const std::string& v) { IdentiteCedant = v; }
  std::vector<TListeProprieteJouissanceGratuite>& getListeProprieteJouissanceGratuite() {
    return ListeProprieteJouissanceGratuite;
  }
  const std::vector<TListeProprieteJouissanceGratuite>& getListeProprieteJouissanceGratuite() const {
    return ListeProprieteJouissanceGratuite;
  }
  void setListeProprieteJouissanceGratuite(const std::vector<TListeProprieteJouissanceGratuite>& v) {
    ListeProprieteJouissanceGratuite = v;
  }
  TBulletin2072& getBulletin2072() { return Bulletin2072; }
  const TBulletin2072& getBulletin2072() const { return Bulletin2072; }
  void setBulletin2072(const TBulletin2072& v) { Bulletin2072 = v; }
  short getPresenceNouvelAssocie() const { return PresenceNouvelAssocie; }
  void setPresenceNouvelAssocie(short v) { PresenceNouvelAssocie = v; }

 private:
  // The year's individual items (remuneration, income, gain, transfer and acquisition).
  static constexpr long kTauxPlusValueInitial = 3;  // rate code of a gain, before any entry
  std::string CodeAssocie;                          // the key other records name the partner by
  long CodeRattach = 0;
  short Type = TypePersonne::Physique;
  short FormeJuridiqueOuTitre = Titre::Monsieur;
  std::string Nom;
  std::string NomMarital;
  std::string Prenoms;
  long DateNaissance = 0;
  short DepartementNaissance = kEntreeVide;
  std::string CommuneNaissance;
  short PaysNaissance = kEntreeVide;
  short RattacheFoyer2042 = OuiNon::Non;
  std::string Denomination;
  short FormeJuridique = zorfiscal2072::FormeJuridique::Societe;
  std::string Designation;
  short PresenceHolding = OuiNon::Non;
  std::string NumeroSIREN;
  std::string NumeroNIC;
  std::string NumeroSIRET;
  Detenu<TAdresseAssocie> Adresse;
  Detenu<TAdresseAvantDemenagement> AdresseAvantDemenagement;
  double NombreParts = 0;
  double PourcentageDetention = 0;           // computed
  double ValeurParts = 0;                    // computed
  double QuotePartDifferente = OuiNon::Non;  // held as a real
  double QuotePartResultatsSaisie = 0;
  double QuotePartResultats = 0;  // computed
  long RegimeFiscal = RegimeFiscal::RevenusFonciers;
  short JouissanceGratuite = OuiNon::Non;
  double NombreParts1erJanvier = 0;
  std::string AssocieNomComptable;
  std::string AssocieAdresseComptable;
  std::string AssocieNomGerant;
  std::string AssocieAdresseGerant;
  std::string AssocieNomAdministrateur;
  std::string AssocieAdresseAdministrateur;
  double RemunerationDiverse = 0;
  double ProduitFinancier = 0;
  double InteretsComptesCourants = 0;
  double PlusValue = 0;
  short ExistePlusValueDiffere = OuiNon::Non;
  long TauxPlusValue = kTauxPlusValueInitial;
  long JourCessionPart = 0;
  long MoisCessionPart = 0;
  long AnneeCessionPart = 0;
  std::string IdentiteCessionaire;
  long JourAcquisitionPart = 0;
  long MoisAcquisitionPart = 0;
  long AnneeAcquisitionPart = 0;
  std::string IdentiteCedant;
  std::vector<TListeProprieteJouissanceGratuite> ListeProprieteJouissanceGratuite;
  TBulletin2072 Bulletin2072;
  short PresenceNouvelAssocie = OuiNon::Non;  // computed: new partner this year
};

}  // namespace zorfiscal2072
