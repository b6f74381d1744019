// Depreciation of a property: the tax-scheme depreciation computed by the depreciation
// library, fed from letters, and the depreciation by building components, whose figures
// come from the host.
#pragma once

#include <string>
#include <vector>

#include "amortissement.h"
#include "arbre.h"
#include "composantimmeuble2072.h"
#include "niveaux2072.h"
#include "parametres2072.h"
#include "tablelettres.h"
#include "tdonnee.h"

namespace zorfiscal2072 {

// The library object with the form's letters; it adds no field.
class TAmortissement2072 : public TAmortissement {
 public:
  bool operator==(const TAmortissement2072&) const = default;

  void Construct() {}
  void Destruct() {}
  // Init is the library's: every value to zero.
  void InitPartielle() { Init(); }
  void InitResultat() {}  // nothing computed is kept here
  void Reserve() {}

  // The year's deduction under the statutory schedules of the form's parameters.
  void CalculAmortissementPropriete(double* res, bool cumul) const {
    TAmortissement::CalculAmortissementPropriete(res, cumul, parametres::kBaremesAmortissement);
  }

  static const lettres::TableLettres<TAmortissement2072>& Lettres();
  // The letters of depreciation line 1 to 7, read from the table (0 outside).
  struct CodesLigne {
    short montant, date;
  };
  static CodesLigne CodesDeLaLigne(int ligne);
  // Built on the library rather than on the record base, so the letters move through
  // TransfertLettre; the index names no level below the property.
  bool TransfertLettre(structLettre* lettre, long sens);
  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) { return TransfertLettre(lettre, sens); }
};

// The components of a property and the year's totals by depreciation method.
class TAmortissementComposant : public TDonneeBase {
 public:
  bool operator==(const TAmortissementComposant&) const = default;

  void Construct() {}
  void Destruct() {}
  void Init() { arbre::Reinitialise(*this); }
  // The totals only: a component's own computed figure is not reset from here.
  void InitResultat() {
    TotalMethodeLineaire = 0;
    TotalMethodeDegressive = 0;
  }
  void InitPartielle() {
    arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
  }
  void Reserve() {}

  static const lettres::TableLettres<TAmortissementComposant>& Lettres();
  // Sample values: the totals, then the four components of the sample.
  void CasTest();
  void CasTestXX();
  static constexpr auto Enfants() {
    return std::tuple{arbre::Indexe(&TAmortissementComposant::Composant, kNiveauComposant)};
  }
  bool TransfertLettreXX(structLettre* lettre, long sens);
  // Own letters, then the component at key 308; a letter never creates a component.
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override {
    return arbre::TransfertUneLettre(*this, lettre, index, sens);
  }

  std::vector<TComposant>& getComposant() { return Composant; }
  const std::vector<TComposant>& getComposant() const { return Composant; }
  void setComposant(const std::vector<TComposant>& v) { Composant = v; }
  double getTotalMethodeLineaire() const { return TotalMethodeLineaire; }
  void setTotalMethodeLineaire(double v) { TotalMethodeLineaire = v; }
  double getTotalMethodeDegressive() const { return TotalMethodeDegressive; }
  void setTotalMethodeDegressive(double v) { TotalMethodeDegressive = v; }

  // The year's totals by method: MontantAmort of each straight-line component in one, of
  // every other component in the other (calcul/).
  void CalculTotauxParMethode();

 private:
  std::vector<TComposant> Composant;
  double TotalMethodeLineaire = 0;
  double TotalMethodeDegressive = 0;
};

}  // namespace zorfiscal2072
