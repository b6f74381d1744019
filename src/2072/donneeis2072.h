// Income statement of the company under business or corporate-tax rules (column 0) and
// farm rules (column 1), with its tax adjustments, for partners taxed under those rules.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "arbre.h"
#include "codes2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

// The 39 lines of the statement, in form order: field, letter of column 0, letter of
// column 1, whether the line is entered or computed, and its label.
// clang-format off
#define LIGNES_DONNEE_IS2072(X)                          \
  X(RevenuImmeuble, 12217, 12227, Saisie, "Revenus des immeubles")                                  \
  X(AutreRevenuGestion, 12218, 12228, Saisie, "Autres produits de gestion courante")                \
  X(TotalProduitExploitation, 12219, 12229, Calculee, "Total des produits d'exploitation")          \
  X(Achat, 12220, 12230, Saisie, "Achats")                                                          \
  X(ImpotEtTaxe, 12221, 12231, Saisie, "Impôts et taxes")                                           \
  X(ChargePersonnel, 12222, 12232, Saisie, "Charges de personnel")                                  \
  X(AutreChargeGestion, 12223, 12233, Saisie, "Autres charges de gestion courante")                 \
  X(DAP, 12224, 12234, Saisie, "Dotations aux amortissements et provisions")                        \
  X(TotalChargeExploitation, 12225, 12235, Calculee, "Total des charges d'exploitation")            \
  X(ResultatExploitation, 12226, 12236, Calculee, "Résultat d'exploitation")                        \
  X(ProduitFinancier, 12237, 12244, Saisie, "Produits financiers")                                  \
  X(AutreProduitFinancier, 12238, 12245, Saisie, "Autres produits financiers")                      \
  X(TotalProduitFinancier, 12239, 12246, Calculee, "Total des produits financiers")                 \
  X(ChargeFinanciere, 12240, 12247, Saisie, "Charges financières")                                  \
  X(AutreChargeFinanciere, 12241, 12248, Saisie, "Autres charges financières")                      \
  X(TotalChargeFinanciere, 12242, 12249, Calculee, "Total des charges financières")                 \
  X(ResultatFinancier, 12243, 12250, Calculee, "Résultat financier")                                \
  X(ProduitExceptionnel, 12251, 12258, Saisie, "Produits exceptionnels")                            \
  X(AutreProduitExceptionnel, 12252, 12259, Saisie, "Autres produits exceptionnels")                \
  X(RentreesCreances, 12822, 12823, Saisie, "Rentrées sur créances")                                \
  X(TotalProduitExceptionnel, 12253, 12260, Calculee, "Total des produits exceptionnels")           \
  X(ChargeExceptionnelle, 12254, 12261, Saisie, "Charges exceptionnelles")                          \
  X(AutreChargeExceptionnelle, 12255, 12262, Saisie, "Autres charges exceptionnelles")              \
  X(TotalChargeExceptionnelle, 12256, 12263, Calculee, "Total des charges exceptionnelles")         \
  X(ResultatExceptionnel, 12257, 12264, Calculee, "Résultat exceptionnel")                          \
  X(TotalProduit, 12265, 12268, Calculee, "Total des produits")                                     \
  X(TotalCharge, 12266, 12269, Calculee, "Total des charges")                                       \
  X(BeneficeOuPerte, 12267, 12270, Calculee, "Bénéfice ou perte")                                   \
  X(ResultatNetComptable, 12271, 12272, Calculee, "Résultat net comptable")                         \
  X(MVNetteLongTerme, 12273, 12277, Saisie, "Moins-value nette à long terme")                       \
  X(PVNetteCourtTermeAnterieure, 12274, 12278, Saisie, "Plus-value nette à court terme des exercices antérieurs") \
  X(DiversReintegration, 12275, 12279, Saisie, "Réintégrations diverses")                           \
  X(TotalReintegration, 12276, 12280, Calculee, "Total des réintégrations")                         \
  X(ProduitFinancierDeductible, 12281, 12286, Saisie, "Produits financiers déductibles")            \
  X(PVNetteLongTerme, 12282, 12287, Saisie, "Plus-value nette à long terme")                        \
  X(PVNetteCourtTermeDiffere, 12283, 12288, Saisie, "Plus-value nette à court terme différée")      \
  X(DiversDeduction, 12284, 12289, Saisie, "Déductions diverses")                                   \
  X(TotalDeduction, 12285, 12290, Calculee, "Total des déductions")                                 \
  X(BeneficeOuDeficitFiscal, 12293, 12296, Calculee, "Bénéfice ou déficit fiscal")
// clang-format on

namespace zorfiscal2072 {

class TDonneeIS2072 : public TDonneeBase {
 public:
  // Lines of the statement, named as their fields.
  enum Ligne : std::size_t {
#define DONNEE_IS2072_ENUM(nom, code0, code1, nature, libelle) nom,
    LIGNES_DONNEE_IS2072(DONNEE_IS2072_ENUM)
#undef DONNEE_IS2072_ENUM
  };
  static constexpr std::size_t kNbLignes = BeneficeOuDeficitFiscal + 1;
  static constexpr std::size_t kColonneBICIS = 0;  // business or corporate-tax rules
  static constexpr std::size_t kColonneBA = 1;     // farm rules
  static constexpr std::size_t kNbColonnes = 2;
  // The columns as a person reads them: each letter's label ends with its column's.
  static constexpr const char* kLibellesColonnes[kNbColonnes] = {"BIC ou IS", "BA"};

  enum class Nature { Saisie, Calculee };
  struct DescriptionLigne {
    const char* nom;
    std::array<short, kNbColonnes> codes;
    Nature nature;
    const char* libelle;  // the line's label, without its column
  };
  // The lines in form order, with their codes, nature and label.
  static const std::array<DescriptionLigne, kNbLignes>& Lignes();

  TDonneeIS2072() { Construct(); }
  bool operator==(const TDonneeIS2072&) const = default;

  // Every amount gets its two columns.
  void Construct();
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  void InitPartielle();  // entered amounts only; the flags stay
  void InitResultat();   // flags and computed amounts
  void Reserve() {}
  // Sample values: the first column of the statement (the sample declaration).
  void CasTest() { CasTestXX(); }
  void CasTestXX();

  static const lettres::TableLettres<TDonneeIS2072>& Lettres();
  bool TransfertLettreXX(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettreXX(lettre, sens); }

  short getExisteAssocieIS() const { return ExisteAssocieIS; }
  void setExisteAssocieIS(short v) { ExisteAssocieIS = v; }
  short getExisteAssocieBIC() const { return ExisteAssocieBIC; }
  void setExisteAssocieBIC(short v) { ExisteAssocieBIC = v; }
  short getExisteAssocieBA() const { return ExisteAssocieBA; }
  void setExisteAssocieBA(short v) { ExisteAssocieBA = v; }

  // One getter per amount, returning its two columns (getRevenuImmeuble, ...).
#define DONNEE_IS2072_GETTER(nom, code0, code1, nature, libelle) \
  std::vector<double>& get##nom() { return Montants[nom]; }      \
  const std::vector<double>& get##nom() const { return Montants[nom]; }
  LIGNES_DONNEE_IS2072(DONNEE_IS2072_GETTER)
#undef DONNEE_IS2072_GETTER

  // A line by its position; a column past the line's size raises out_of_range.
  std::vector<double>& getMontant(Ligne ligne) { return Montants.at(ligne); }
  const std::vector<double>& getMontant(Ligne ligne) const { return Montants.at(ligne); }
  double getMontant(Ligne ligne, std::size_t colonne) const { return Montants.at(ligne).at(colonne); }
  void setMontant(Ligne ligne, std::size_t colonne, double v) { Montants.at(ligne).at(colonne) = v; }

 private:
  // Regimes of the partners, written by the declaration computation: 1 yes, 2 no.
  short ExisteAssocieIS = OuiNon::Non;
  short ExisteAssocieBIC = OuiNon::Non;
  short ExisteAssocieBA = OuiNon::Non;
  std::array<std::vector<double>, kNbLignes> Montants;  // by line, then column
};

}  // namespace zorfiscal2072
