// Linked elements: an amount the engine computes and the user may override. Each box of
// the return that works this way has its own class, which gives the element its codes.
#pragma once

#include <string>

#include "codes2072.h"
#include "tablelettres.h"
#include "telement.h"

class TElementLie {
 public:
  // The member initialisers are the defaults.
  TElementLie() = default;
  // The copy keeps the Indicateur of a new element; assignment copies all four fields.
  TElementLie(const TElementLie& autre)
      : Montant(autre.Montant), MontantCalcule(autre.MontantCalcule), Lie(autre.Lie), Indicateur(1) {}
  TElementLie& operator=(const TElementLie&) = default;
  virtual ~TElementLie() = default;
  bool operator==(const TElementLie&) const = default;

  virtual bool TransfertLettreXX(structLettre*, long) { return false; }
  virtual void CasTestXX() {}
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) { return TransfertLettreXX(lettre, sens); }

  void Init() { *this = TElementLie{}; }
  void InitResultat() { MontantCalcule = 0; }
  void InitPartielle() { Init(); }

  double getMontant() const { return Montant; }
  void setMontant(double v) { Montant = v; }
  double getMontantCalcule() const { return MontantCalcule; }
  void setMontantCalcule(double v) { MontantCalcule = v; }
  int getLie() const { return Lie; }
  void setLie(int v) { Lie = v; }
  int getIndicateur() const { return Indicateur; }

  // The three letters of an element with these codes, labelled from the box's `libelle`;
  // `primitiveLie` is Court, or Reel for the one box whose flag travels as a real number.
  static lettres::TableLettres<TElementLie> TableCodes(short montant, short lie, short calcule, const char* libelle,
                                                       lettres::Primitive primitiveLie);

 protected:
  double Montant = 0;         // amount used in the box
  double MontantCalcule = 0;  // amount computed by the engine
  int Lie =
      zorfiscal2072::ModeElementLie::Calcule;  // Montant follows MontantCalcule, or (Saisi) the entered Montant stays
  int Indicateur = 1;                          // initialised, copied and compared; no letter carries it
};

template <short CodeMontant, short CodeLie, short CodeCalcule, lettres::TexteFixe Libelle, int MontantTest = 0,
          lettres::Primitive PrimitiveLie = lettres::Primitive::Court>
class TElementLieCodes : public TElementLie {
 public:
  bool TransfertLettreXX(structLettre* lettre, long sens) override { return Lettres().Transfert(*this, lettre, sens); }
  void CasTestXX() override {
    if (MontantTest != 0) setMontant(MontantTest);
  }
  static const lettres::TableLettres<TElementLie>& Lettres() {
    static const auto table = TableCodes(CodeMontant, CodeLie, CodeCalcule, Libelle.texte, PrimitiveLie);
    return table;
  }
};

class TElementLieVA : public TElementLieCodes<12569, 12815, 12816, "Valeur ajoutée (A - B)"> {};
class TElementLie2072ELoyersBruts : public TElementLieCodes<12771, 12772, 12773, "2072-E : loyers bruts"> {};
class TElementLie2072EChargeLocataires
    : public TElementLieCodes<12774, 12775, 12776,
                              "2072-E : dépenses du propriétaire mises à la charge des locataires"> {};
class TElementLie2072ERecettesDiverses : public TElementLieCodes<12777, 12778, 12779, "2072-E : recettes diverses"> {};
class TElementLie2072ERentreesCreances
    : public TElementLieCodes<12819, 12820, 12821, "2072-E : rentrées sur créances", 0, lettres::Primitive::Reel> {};
class TElementLie2072EFraisGerance
    : public TElementLieCodes<12781, 12782, 12783, "2072-E : frais d'administration et de gestion"> {};
class TElementLie2072EAssurance : public TElementLieCodes<12784, 12785, 12786, "2072-E : primes d'assurance"> {};
class TElementLie2072ETravauxReparation
    : public TElementLieCodes<12787, 12788, 12789, "2072-E : travaux de réparation et d'entretien"> {};
class TElementLie2072EChargesEspacesNaturels
    : public TElementLieCodes<12790, 12791, 12792, "2072-E : charges des espaces naturels"> {};
class TElementLie2072ENP
    : public TElementLieCodes<12793, 12794, 12795, "2072-E : grosses réparations (nue-propriété)"> {};
class TElementLie2072EAssuranceFraisZR
    : public TElementLieCodes<12796, 12797, 12798, "2072-E : frais et assurances (monuments historiques)"> {};
class TElementLie2072EChargesRecuperables
    : public TElementLieCodes<12799, 12800, 12801,
                              "2072-E : charges récupérables non récupérées au départ du locataire"> {};
class TElementLie2072EIndemnitesEtFrais
    : public TElementLieCodes<12802, 12803, 12804, "2072-E : indemnités d'éviction et frais de relogement"> {};
class TElementLie2072EDeductionSpecifique
    : public TElementLieCodes<12805, 12806, 12807, "2072-E : déduction spécifique"> {};
class TElementLie2072EDeductionAmortissement
    : public TElementLieCodes<12808, 12809, 12810, "2072-E : déduction au titre de l'amortissement"> {};
class TElementLie2072EProvisionCharges
    : public TElementLieCodes<12811, 12812, 12813, "2072-E : provisions pour charges"> {};
class TElementLieForfaitGestion2072
    : public TElementLieCodes<12396, 12538, 12539, "Frais de gestion forfaitaires", 20> {};
class TElementLieQuotePartMV : public TElementLieCodes<12678, 12679, 12680, "Quote-part de moins-value de l'associé"> {
};
class TElementLieQuotePartPV : public TElementLieCodes<12681, 12682, 12683, "Quote-part de plus-value de l'associé"> {};
class TElementLieQuotePartProduitsFinanciers
    : public TElementLieCodes<12633, 12760, 12761, "Quote-part de produits financiers de l'associé", 6000> {};

namespace zorfiscal2072 {

// Choice-list entry that also carries the code of the record it stands for.
class TElement2072 : public TElement {
 public:
  TElement2072(int code = 0, std::string libelle = {}, std::string codeGuid = {})
      : TElement(code, std::move(libelle)), CodeGuid(std::move(codeGuid)) {}
  bool operator==(const TElement2072&) const = default;
  std::string getCodeGuid() const { return CodeGuid; }
  void setCodeGuid(std::string code) { CodeGuid = std::move(code); }

 private:
  std::string CodeGuid;
};

}  // namespace zorfiscal2072
