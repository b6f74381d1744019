// One property held by the company: identity, category, tax option, nature, dates, address,
// tenants, beneficiaries, and the sub-records of its income, depreciation and result.
#pragma once

#include <string>
#include <vector>

#include "adresses2072.h"
#include "amortissement2072.h"
#include "arbre.h"
#include "beneficiaires2072.h"
#include "codes2072.h"
#include "detenu.h"
#include "foncierpropriete2072.h"
#include "niveaux2072.h"
#include "resultats2072.h"
#include "tablelettres.h"
#include "tdonnee.h"
#include "telement.h"

namespace zorfiscal2072 {

// A choice list rebuilt on request from the reference tables: it is not part of the
// property's value, so two properties compare equal whatever their lists hold.
class ListeProposee : public std::vector<TElement> {
 public:
  bool operator==(const ListeProposee&) const { return true; }
};

class TPropriete2072 : public TDonneeBase {
 public:
  // The member initialisers are the defaults.
  TPropriete2072() { Construct(); }
  bool operator==(const TPropriete2072&) const = default;

  void Construct();
  void Destruct();
  // Defaults everywhere; the property keeps its code, loses its tenants and beneficiaries.
  void Init() { arbre::Reinitialise(*this); }
  void InitResultat();
  // The year's entries of the sub-records; the property's own fields stay.
  void InitPartielle() {
    arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
  }
  void Reserve() {}
  // Sample values (the sample declaration); CasTest also fills the sub-records.
  void CasTest();
  void CasTestXX();

  // Init keeps the property's code and the choice lists (rebuilt on request).
  static constexpr auto Gardes() {
    using R = TPropriete2072;
    return std::tuple{&R::CodePropriete, &R::CollectionOptions, &R::CollectionTauxDeduction};
  }
  static const lettres::TableLettres<TPropriete2072>& Lettres();
  // Sub-records in routing order (after the property's own letters).
  static constexpr auto Enfants() {
    using R = TPropriete2072;
    return std::tuple{arbre::Membre(&R::Adresse),
                      arbre::Indexe(&R::Locataire, kNiveauLocataire),
                      arbre::Indexe(&R::Beneficiaire, kNiveauBeneficiaire),
                      arbre::Membre(&R::Amortissement2072),
                      arbre::Membre(&R::AmortissementComposant),
                      arbre::Membre(&R::DonneeProprieteFoncier),
                      arbre::Membre(&R::ResultatARepartir)};
  }
  bool TransfertLettreXX(structLettre* lettre, long sens) { return Lettres().Transfert(*this, lettre, sens); }
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;
  // Corrects a property loaded from a file saved by an earlier engine (migration/).
  virtual void moulinette(TMoulinetteInfo& info);

  // The depreciation schemes (Périssol, Besson neuf, Robien, Borloo neuf).
  bool ExisteOptionAmortissement() const;
  // Options the category allows; an option outside them falls back to the ordinary scheme.
  void UpdateCollectionOptions();
  // Special-deduction options; an option outside them becomes "Autre cas" (8).
  void UpdateCollectionTauxDeduction();
  // Clears what the option and the category exclude.
  void coherence();

  // Computation of one property (calcul/): depreciation, land figures, result to distribute.
  void CalculPropriete2072();
  void CalculProprieteFoncier2072();
  void CalculResultatARepartir();
  // Receipts subject to the rental-income contribution, offered to the host.
  void CalculRecetteCRL();

  // Deduction-rate lookups and the building type, on the rules of the land record.
  double DonneTauxDeduction(long option) const { return TDonneeProprieteFoncierPropriete::DonneTauxDeduction(option); }
  short OptionTauxProprieteCoherent() const {
    return TDonneeProprieteFoncierPropriete::OptionTauxProprieteCoherent(OptionFiscale);
  }
  void DonneTauxCoherent() {
    if (DonneeProprieteFoncier) DonneeProprieteFoncier->DonneTauxCoherent(OptionFiscale);
  }
  void SetTypeImmeuble() {
    TypeImmeuble = TDonneeProprieteFoncierPropriete::DonneTypeImmeuble(Categorie, OptionFiscale, TypeImmeuble);
  }

  // Rebuilt by the two updates above; read-only for the host's choice fields.
  const std::vector<TElement>& getCollectionOptions() const { return CollectionOptions; }
  const std::vector<TElement>& getCollectionTauxDeduction() const { return CollectionTauxDeduction; }

  long getCodeRattach() const { return CodeRattach; }
  void setCodeRattach(long v) { CodeRattach = v; }
  const std::string& getCodePropriete() const { return CodePropriete; }
  void setCodePropriete(const std::string& v) { CodePropriete = v; }
  long getNumero() const { return Numero; }
  void setNumero(long v) { Numero = v; }
  const std::string& getNom() const { return Nom; }
  void setNom(const std::string& v) { Nom = v; }
  long getCategorie() const { return Categorie; }
  void setCategorie(long v) { Categorie = v; }
  long getOptionFiscale() const { return OptionFiscale; }
  void setOptionFiscale(long v) { OptionFiscale = v; }
  short getApplicationCRL() const { return ApplicationCRL; }
  void setApplicationCRL(short v) { ApplicationCRL = v; }
  long getTotalNombreLocaux() const { return TotalNombreLocaux; }
  void setTotalNombreLocaux(long v) { TotalNombreLocaux = v; }
  long getNombreLocauxCRL() const { return NombreLocauxCRL; }
  void setNombreLocauxCRL(long v) { NombreLocauxCRL = v; }
  short getLocationStationnement() const { return LocationStationnement; }
  void setLocationStationnement(short v) { LocationStationnement = v; }
  TAdressePropriete2072& getAdresse() { return *Adresse; }
  const TAdressePropriete2072& getAdresse() const { return *Adresse; }
  void setAdresse(const TAdressePropriete2072& v) { *Adresse = v; }
  short getNatureUrbain() const { return NatureUrbain; }
  void setNatureUrbain(short v) { NatureUrbain = v; }
  short getNatureRural() const { return NatureRural; }
  void setNatureRural(short v) { NatureRural = v; }
  short getNatureAppartement() const { return NatureAppartement; }
  void setNatureAppartement(short v) { NatureAppartement = v; }
  short getNatureMaison() const { return NatureMaison; }
  void setNatureMaison(short v) { NatureMaison = v; }
  short getNatureImmeuble() const { return NatureImmeuble; }
  void setNatureImmeuble(short v) { NatureImmeuble = v; }
  short getNatureParking() const { return NatureParking; }
  void setNatureParking(short v) { NatureParking = v; }
  short getNatureBati() const { return NatureBati; }
  void setNatureBati(short v) { NatureBati = v; }
  short getNatureNonBati() const { return NatureNonBati; }
  void setNatureNonBati(short v) { NatureNonBati = v; }
  short getNatureAutres() const { return NatureAutres; }
  void setNatureAutres(short v) { NatureAutres = v; }
  const std::string& getNatureAutresSaisie() const { return NatureAutresSaisie; }
  void setNatureAutresSaisie(const std::string& v) { NatureAutresSaisie = v; }
  short getSoumisCVAE() const { return SoumisCVAE; }
  void setSoumisCVAE(short v) { SoumisCVAE = v; }
  long getTypeImmeuble() const { return TypeImmeuble; }
  void setTypeImmeuble(long v) { TypeImmeuble = v; }
  long getDateAcquisition() const { return DateAcquisition; }
  void setDateAcquisition(long v) { DateAcquisition = v; }
  long getDateAchevement() const { return DateAchevement; }
  void setDateAchevement(long v) { DateAchevement = v; }
  std::vector<TLocataire>& getLocataire() { return Locataire; }
  const std::vector<TLocataire>& getLocataire() const { return Locataire; }
  void setLocataire(const std::vector<TLocataire>& v) { Locataire = v; }
  std::vector<TBeneficiaire>& getBeneficiaire() { return Beneficiaire; }
  const std::vector<TBeneficiaire>& getBeneficiaire() const { return Beneficiaire; }
  void setBeneficiaire(const std::vector<TBeneficiaire>& v) { Beneficiaire = v; }
  TAmortissement2072& getAmortissement2072() { return Amortissement2072; }
  const TAmortissement2072& getAmortissement2072() const { return Amortissement2072; }
  void setAmortissement2072(const TAmortissement2072& v) { Amortissement2072 = v; }
  TAmortissementComposant& getAmortissementComposant() { return AmortissementComposant; }
  const TAmortissementComposant& getAmortissementComposant() const { return AmortissementComposant; }
  void setAmortissementComposant(const TAmortissementComposant& v) { AmortissementComposant = v; }
  TDonneeProprieteFoncierPropriete& getDonneeProprieteFoncier() { return *DonneeProprieteFoncier; }
  const TDonneeProprieteFoncierPropriete& getDonneeProprieteFoncier() const { return *DonneeProprieteFoncier; }
  void setDonneeProprieteFoncier(const TDonneeProprieteFoncierPropriete& v) { *DonneeProprieteFoncier = v; }
  TResultatARepartir2072& getResultatARepartir() { return *ResultatARepartir; }
  const TResultatARepartir2072& getResultatARepartir() const { return *ResultatARepartir; }
  // Assigns the amounts; the owned object keeps the letter codes of a property's result.
  void setResultatARepartir(const TResultatARepartir2072& v) {
    static_cast<TResultatARepartir2072&>(*ResultatARepartir) = v;
  }

 private:
  ListeProposee CollectionOptions;
  ListeProposee CollectionTauxDeduction;
  long CodeRattach = 0;
  std::string CodePropriete;
  long Numero = 0;
  std::string Nom;
  long Categorie = Categorie::Ordinaire;
  long OptionFiscale = OptionFiscale::Ordinaire;
  short ApplicationCRL = OuiNon::Non;
  long TotalNombreLocaux = 0;
  long NombreLocauxCRL = 0;
  short LocationStationnement = OuiNon::Non;
  Detenu<TAdressePropriete2072> Adresse;
  short NatureUrbain = OuiNon::Non;
  short NatureRural = OuiNon::Non;
  short NatureAppartement = OuiNon::Non;
  short NatureMaison = OuiNon::Non;
  short NatureImmeuble = OuiNon::Non;
  short NatureParking = OuiNon::Non;
  short NatureBati = OuiNon::Non;
  short NatureNonBati = OuiNon::Non;
  short NatureAutres = OuiNon::Non;
  std::string NatureAutresSaisie;
  short SoumisCVAE = OuiNon::Non;
  long TypeImmeuble = TypeImmeuble::NonDetermine;
  long DateAcquisition = 0;
  long DateAchevement = 0;
  std::vector<TLocataire> Locataire;
  std::vector<TBeneficiaire> Beneficiaire;
  TAmortissement2072 Amortissement2072;
  TAmortissementComposant AmortissementComposant;
  Detenu<TDonneeProprieteFoncierPropriete> DonneeProprieteFoncier;
  // Held as its concrete class so that copies keep the property's letter codes.
  Detenu<TResultatARepartirPropriete> ResultatARepartir;
};

}  // namespace zorfiscal2072
