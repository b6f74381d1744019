// Host framework: a postal address of the declaration, with its ten fields.
#pragma once

#include <array>
#include <string>

#include "tablelettres.h"
#include "tdonnee.h"

// The ten fields, in the column order of the address code tables.
enum class ChampAdresse {
  NumeroVoie,
  ComplementNumeroVoie,
  TypeEtNomVoie,
  NumeroTypeEtNomVoie,
  ComplementDistribution,
  LieuDitHameau,
  CodePostal,
  Ville,
  Pays,
  TypeVoie,
};
using CodesAdresse = std::array<short, 10>;  // letter codes, in ChampAdresse order

class TAdresse2072 : public TDonneeBase {
 public:
  // The member initialisers are the defaults.
  bool operator==(const TAdresse2072&) const = default;

  // Empties every text; complement and country go back to 1, the blank entry of their lists.
  void Init() { *this = TAdresse2072{}; }
  void InitResultat() { NumeroTypeEtNomVoie.clear(); }  // the composed street line only
  void InitPartielle() {}
  void Reserve() {}

  bool TransfertUneLettre(structLettre* lettre, TIndex, long sens) override { return TransfertLettre(lettre, sens); }
  bool TransfertLettre(structLettre* lettre, long sens) override { return TransfertLettreXX(lettre, sens); }
  // Moves a letter of the role's own codes; the plain address has none (a null letter is taken).
  virtual bool TransfertLettreXX(structLettre* lettre, long) { return lettre == nullptr; }
  virtual void CasTestXX() {}

  const std::string& getNumeroVoie() const { return NumeroVoie; }
  short getComplementNumeroVoie() const { return ComplementNumeroVoie; }
  const std::string& getTypeVoie() const { return TypeVoie; }
  const std::string& getTypeEtNomVoie() const { return TypeEtNomVoie; }
  const std::string& getNumeroTypeEtNomVoie() const { return NumeroTypeEtNomVoie; }
  const std::string& getComplementDistribution() const { return ComplementDistribution; }
  const std::string& getLieuDitHameau() const { return LieuDitHameau; }
  const std::string& getCodePostal() const { return CodePostal; }
  const std::string& getVille() const { return Ville; }
  short getPays() const { return Pays; }
  void setNumeroVoie(const std::string& v) { NumeroVoie = v; }
  void setComplementNumeroVoie(short v) { ComplementNumeroVoie = v; }
  void setTypeVoie(const std::string& v) { TypeVoie = v; }
  void setTypeEtNomVoie(const std::string& v) { TypeEtNomVoie = v; }
  void setNumeroTypeEtNomVoie(const std::string& v) { NumeroTypeEtNomVoie = v; }
  void setComplementDistribution(const std::string& v) { ComplementDistribution = v; }
  void setLieuDitHameau(const std::string& v) { LieuDitHameau = v; }
  void setCodePostal(const std::string& v) { CodePostal = v; }
  void setVille(const std::string& v) { Ville = v; }
  void setPays(short v) { Pays = v; }

  // Where a field lives, for the letter tables that give an address's fields their codes
  // (one per role, and the company seats exchanged under their owner's codes).
  static lettres::RefChamp Reference(TAdresse2072& adresse, ChampAdresse champ);

 private:
  std::string NumeroVoie;
  short ComplementNumeroVoie = 1;
  std::string TypeVoie;
  std::string TypeEtNomVoie;
  std::string NumeroTypeEtNomVoie;
  std::string ComplementDistribution;
  std::string LieuDitHameau;
  std::string CodePostal;
  std::string Ville;
  short Pays = 1;
};
