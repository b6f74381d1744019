// The declaration root: every record of the declaration, the tax year and an identifier.
#pragma once

#include <string>

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
  ~TDonnee2072() override = default;
  // Every record and the year; the identifier takes no part.
  bool operator==(const TDonnee2072& autre) const;

  // Letters: the root has none of its own and hands each letter to its records in turn.
  bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) override;
  bool TransfertLettre(structLettre*, long) override { return false; }

  // Resets; each ends with Update().
  void Init() override;
  void InitPartielle() override;
  void InitResultat();
  void InitPersonnalise();
  // Texts, then the whole computation.
  void Update() override;
  void UpdateTexte();
  void Calcul() override;
  void CalculDec2072(long annee);

  long getAnnee() const override { return Annee; }
  void setAnnee(long annee) { Annee = annee; }
  std::string getGuid() const { return Guid; }
  void setGuid(const std::string& guid) { Guid = guid; }

  // Composes the street line of an address from its number, complement, type and name.
  static void GenereNumeroTypeEtNomVoie(TAdresse2072& adresse);

 private:
  long Annee = 2011;
  std::string Guid;
};

}  // namespace zorfiscal2072
