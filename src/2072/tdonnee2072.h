// The declaration root: every record of the declaration, the tax year and an identifier.
#pragma once

#include <string>
#include <vector>

#include "arbre.h"
#include "associe2072.h"
#include "cessionparts2072.h"
#include "codes2072.h"
#include "donneeis2072.h"
#include "infogene2072.h"
#include "niveaux2072.h"
#include "operationsociete2072.h"
#include "propriete2072.h"
#include "resultats2072.h"
#include "tadresse2072.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

class TDonnee2072 : public TDonnee {
 public:
  // Fully reset and computed, with a fresh identifier.
  TDonnee2072();
  // Copies carry the identifier of their source.
  TDonnee2072(const TDonnee2072&) = default;
  TDonnee2072& operator=(const TDonnee2072&) = default;
  ~TDonnee2072() override;
  // Every record and the year; the identifier takes no part.
  bool operator==(const TDonnee2072& autre) const;

  // Letters: the root has none of its own and hands each letter to its records in turn.
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;
  // The records of the declaration, in routing order.
  static constexpr auto Enfants() {
    using R = TDonnee2072;
    return std::tuple{arbre::Membre(&R::Infogene2072),
                      arbre::Membre(&R::DonneeIS2072),
                      arbre::Indexe(&R::Propriete2072, kNiveauPropriete),
                      arbre::Indexe(&R::Associe2072, kNiveauAssocie),
                      arbre::Membre(&R::OperationSociete),
                      arbre::Membre(&R::CessionsPartsSociete),
                      arbre::Membre(&R::ResultatGlobalARepartir)};
  }
  // The levels whose records only the root adds, each with the operation that adds them (one
  // record, or as many as asked): it keeps one share per property and one distribution per
  // sale in every statement.
  static constexpr auto Ajouts() {
    using R = TDonnee2072;
    return std::tuple{std::pair{kNiveauPropriete, &R::AjoutePropriete}, std::pair{kNiveauAssocie, &R::AjouteAssocies},
                      std::pair{kNiveauCession, &R::AjouteCession}};
  }
  bool TransfertLettre(structLettre*, long) override { return false; }
  // Converts the letters of one record of a file saved by an earlier engine (migration/).
  void moulinette(TMoulinetteInfo& info) override;
  // Marks each letter of a screen's list kept (1), dropped (0, value cleared) or marked (2);
  // without an index nothing changes (selection/).
  void Select(structListeLettres* liste) override;
  void Select(structListeLettres* liste, TIndex index) override;

  // Resets; each ends with Update().
  void Init() override;
  void InitPartielle() override;
  void InitResultat();
  // Starts a new year's declaration of the same company: the partners stay with their identity.
  void InitPersonnalise();
  // Texts, then the whole computation.
  void Update() override;
  // Street lines, designations and SIRET numbers composed from what was entered (textes2072).
  void UpdateTexte();
  // The SIRET numbers of both sides of every transfer of shares.
  void UpdateTexteCessionsParts();
  // Hands the host the token values of its fixed texts.
  void UpdateStaticsManager(TStaticsManager* staticsManager) override;
  // Replaces the declaration by the sample declaration, not computed (castest/).
  void CasTest() override;
  void Calcul() override;
  void CalculDec2072(long annee);
  // Half away from zero to the euro, zero as +0: the engine's one rounding rule.
  static double Arrondi(double x);

  // --- Computation of the declaration (calcul/) ---
  // Brings the declaration into a consistent state; silent, idempotent.
  void Coherence();
  // Partners taxed under BA (regime 2); under BIC or IS (regime 3 or 4).
  bool ExisteAssocieRevenuBA() const;
  bool ExisteAssocieRevenuBICIS() const;
  // Whether an entered amount of that column of the corporate-tax statement is not zero.
  bool ExisteRevenuBICouBA_IS(int colonne) const;
  bool ExisteRevenuBICIS() const { return ExisteRevenuBICouBA_IS(0); }
  bool ExisteRevenuBA() const { return ExisteRevenuBICouBA_IS(1); }
  void CalculProprieteIS2072();
  void CalculBulletin();
  void CalculBulletinIndividuel(TAssocie2072* associe);
  void CalculCRL();
  // Screen checks (controles/): the rules of the screen the index names, reported through the
  // letter library's Message; returns the cursor handle, null when no rule fired. Without an
  // index nothing is checked.
  short* Controle(void* contexte, struTEcranLettre* ecran, TIndex index) override;
  short* Controle(void* contexte, struTEcranLettre* ecran) override;

  long getAnnee() const override { return Annee; }
  void setAnnee(long annee) { Annee = annee; }
  std::string getGuid() const { return Guid; }
  void setGuid(const std::string& guid) { Guid = guid; }

  TInfogene2072& getInfogene2072() { return Infogene2072; }
  const TInfogene2072& getInfogene2072() const { return Infogene2072; }
  TDonneeIS2072& getDonneeIS2072() { return DonneeIS2072; }
  const TDonneeIS2072& getDonneeIS2072() const { return DonneeIS2072; }
  TOperationSociete& getOperationSociete() { return OperationSociete; }
  const TOperationSociete& getOperationSociete() const { return OperationSociete; }
  TCessionsPartsSociete& getCessionsPartsSociete() { return CessionsPartsSociete; }
  const TCessionsPartsSociete& getCessionsPartsSociete() const { return CessionsPartsSociete; }
  TResultatGlobalARepartir& getResultatGlobalARepartir() { return ResultatGlobalARepartir; }
  const TResultatGlobalARepartir& getResultatGlobalARepartir() const { return ResultatGlobalARepartir; }
  std::vector<TPropriete2072>& getPropriete2072() { return Propriete2072; }
  const std::vector<TPropriete2072>& getPropriete2072() const { return Propriete2072; }
  std::vector<TAssocie2072>& getAssocie2072() { return Associe2072; }
  const std::vector<TAssocie2072>& getAssocie2072() const { return Associe2072; }

  void setInfogene2072(TInfogene2072& v) { Infogene2072 = v; }
  void setDonneeIS2072(TDonneeIS2072& v) { DonneeIS2072 = v; }
  void setOperationSociete(TOperationSociete& v) { OperationSociete = v; }
  void setCessionsPartsSociete(TCessionsPartsSociete& v) { CessionsPartsSociete = v; }
  void setResultatGlobalARepartir(TResultatGlobalARepartir& v) { ResultatGlobalARepartir = v; }
  void setPropriete2072(std::vector<TPropriete2072> v) { Propriete2072 = std::move(v); }
  void setAssocie2072(std::vector<TAssocie2072> v) { Associe2072 = std::move(v); }

  // True when the declaration qualifies for the simplified form 2072-S.
  bool is2072S() const;
  // Number of partners whose share of the property carries the mobility indicator.
  short presenceMobiliteQuoteParPropriete(const std::string& codePropriete) const;

  // Composes the street line of an address from its number, complement, type and name.
  static void GenereNumeroTypeEtNomVoie(TAdresse2072& adresse);

  // --- Collections of properties and partners (maj2072) ---
  int NbPropriete() const { return static_cast<int>(Propriete2072.size()); }
  int NbAssocie() const { return static_cast<int>(Associe2072.size()); }
  TPropriete2072* ProprieteNumero(int i);
  TAssocie2072* AssocieNumero(int i);
  TPropriete2072* GetDetailPropriete(int i);
  TPropriete2072* GetDetailProprieteParCodePropriete(const std::string& code);
  TAssocie2072* GetDetailAssocieParCodeAssocie(const std::string& code);
  bool presenceProprieteParCodePropriete(const std::string& code) const;
  long DonneCategoriePropriete(int i);
  long DonneOptionFiscalePropriete(int i);
  long DonneTypeImmeublePropriete(int i);
  long DonneTypeRegimeAssocie(int i);
  short DonneTypePersonneAssocie(int i);
  int NbProprieteCategorie(int categorie) const;
  int NbProprieteOptionFiscale(long option) const;
  int NbProprieteTypeImmeuble(int type) const;
  int NbAssocieTypeRegime(unsigned short regime) const;
  int NbAssocieTypePersonne(unsigned short type) const;
  int DonneIndiceProprieteDansCategorie(int i) const;
  int DonneIndicePropriete(unsigned short categorie, int n) const;
  int TailleTableauResultats() const;
  int IndiceTableauResultats(int n) const;
  int IndiceTableauEdition(int n) const;
  int getNbCessionsPartCedeesParAssocie(long k) const;

  int AjouteAssocie();
  // Adds `nombre` partners as that many AjouteAssocie calls would, the choice lists rebuilt
  // once: loading tens of thousands of partners stays linear.
  void AjouteAssocies(int nombre);
  // The same without refreshing the transfers' choice lists of partners: for a caller that adds
  // partners one at a time, then refreshes the lists once (MajListeAssocieCessionnaire,
  // MajListeAssocieCedant), instead of once per partner.
  void AjouteAssociesSansListes(int nombre);
  void DupliqueAssocie(int i);
  void SupprimeAssocie(int n);
  void SupprimeAssocieNumero(int n);
  void DeplaceAssocie(int src, int dest);
  void SupprimeCession(int i);
  void MajListeAssocieCessionnaire();
  void MajListeAssocieCedant();

  // Host operations: each keeps one share per property and one distribution per sale in
  // every partner's statement.
  int AjoutePropriete();
  void SupprimePropriete(int i);
  int AjouteCession();

 private:
  TInfogene2072 Infogene2072;
  TDonneeIS2072 DonneeIS2072;
  TOperationSociete OperationSociete;
  TCessionsPartsSociete CessionsPartsSociete;
  TResultatGlobalARepartir ResultatGlobalARepartir;
  std::vector<TPropriete2072> Propriete2072;
  std::vector<TAssocie2072> Associe2072;
  long Annee = kAnneeDeclarationDefaut;
  std::string Guid;
};

}  // namespace zorfiscal2072
