// A declaration file as the host reads and writes it: the year and the letters in file
// order, and the report of the problems found in one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "chargement/niveauxhote.h"
#include "codes2072.h"

namespace hote2072 {

inline constexpr const char* kFormat = "sci2072-declaration";
inline constexpr int kVersion = 1;
inline constexpr long kAnneeParDefaut = zorfiscal2072::kAnneeDeclarationDefaut;
// Years a declaration may have.
inline constexpr long kAnneeMin = 1, kAnneeMax = 9999;

struct LettreFichier {
  std::size_t rang = 0;  // 1 for the first letter of the file
  long long code = 0;    // as written, possibly a code no record holds
  Index index;
  std::string valeur;
  bool operator==(const LettreFichier&) const = default;
};

struct FichierDeclaration {
  long annee = kAnneeParDefaut;
  std::vector<LettreFichier> lettres;
  bool operator==(const FichierDeclaration&) const = default;
};

// A text as a JSON string literal: quoted, with quotes and control characters escaped.
std::string TexteJson(const std::string& texte);
// The same, appended to `sortie`.
void AjouteTexteJson(std::string& sortie, std::string_view texte);
// A text quoted for a message: at most 80 characters, then "…"; bytes that are not UTF-8
// written \xNN, quotes and control characters escaped as in JSON.
std::string CiteValeur(std::string_view texte);
// "{300: 0, 303: 1}", "{}" for a letter of the root.
std::string DecritIndex(const Index& index);
// "letter 3: code 12140 (LoyerBrut of TDonneeProprieteFoncierPropriete), index {300: 0},
// value "6O000"": what a person needs to find the letter in the file (without "letter N: "
// for a letter of rank 0, given alone).
std::string DecritLettre(const LettreFichier& lettre);

// Problems of one file, which stop its loading, and warnings, which do not (a value whose
// shape the form knows otherwise). Each is one line; those about a letter start with its
// description.
class Rapport {
 public:
  void Ajoute(std::string probleme) { m_problemes.emplace_back(0, std::move(probleme)); }
  void Ajoute(const LettreFichier& lettre, const std::string& probleme) {
    m_problemes.emplace_back(lettre.rang, DecritLettre(lettre) + ": " + probleme);
  }
  void Avertit(std::string avertissement) { m_avertissements.emplace_back(0, std::move(avertissement)); }
  void Avertit(const LettreFichier& lettre, const std::string& avertissement) {
    m_avertissements.emplace_back(lettre.rang, DecritLettre(lettre) + ": " + avertissement);
  }
  bool vide() const { return m_problemes.empty(); }
  // Problems of the whole file first, then letter by letter in file order; the same for warnings.
  std::vector<std::string> problemes() const { return EnOrdre(m_problemes); }
  std::vector<std::string> avertissements() const { return EnOrdre(m_avertissements); }

 private:
  using Lignes = std::vector<std::pair<std::size_t, std::string>>;  // letter's rank, 0 for the file
  static std::vector<std::string> EnOrdre(Lignes lignes);
  Lignes m_problemes, m_avertissements;
};

}  // namespace hote2072
