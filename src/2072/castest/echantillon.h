// The sample declaration is written as data: each record lists its fields by the names its
// letter table gives them, with the values they take, and one routine stores them through
// the same table. Names, telephone numbers (ranges kept for fiction), e-mail addresses
// (a domain kept for examples), streets and towns are invented and fixed, so that every
// sample is the same declaration.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "tablelettres.h"

namespace zorfiscal2072::exemple {

// Fixed codes: the shares, tenant, beneficiary and components name their property and their
// partner by these texts.
inline constexpr const char* kCodePropriete = "IMMEUBLE-EXEMPLE-01";
inline constexpr std::array<const char*, 2> kCodesAssocies{"ASSOCIE-EXEMPLE-01", "ASSOCIE-EXEMPLE-02"};
inline constexpr std::size_t kNbAssocies = kCodesAssocies.size();

inline constexpr const char* kSocieteNom = "SCI VELMORA A CARREAUX";

// The company seat; the manager and the new addressee live at the same street.
namespace siege {
inline constexpr const char* kNumero = "1/3";  // two numbers joined by a slash, within the 3 characters of its letter
inline constexpr const char* kType = "Avenue";
inline constexpr const char* kNom = "des Tilleuls Imaginaires";
inline constexpr const char* kCodePostal = "99100";
inline constexpr const char* kVille = "FICTIVILLE";
}  // namespace siege

// A text, or a number of any field type (dates as YYYYMMDD).
class Valeur {
 public:
  Valeur(const char* texte) : m_valeur(texte) {}
  template <class N>
  requires std::is_arithmetic_v<N> Valeur(N nombre) : m_valeur(static_cast<double>(nombre)) {}
  const std::variant<const char*, double>& get() const { return m_valeur; }

 private:
  std::variant<const char*, double> m_valeur;
};

struct Saisie {
  const char* champ;  // field name in the record's letter table
  Valeur valeur;
};
using Saisies = std::initializer_list<Saisie>;
using ListeSaisies = std::vector<Saisie>;

// Stores one value in the field; a text beyond the letter's bound or a value of the wrong
// kind is reported through the assertion facility and not stored.
void Stocke(const lettres::RefChamp& champ, const lettres::DescriptionLettre& description, const Valeur& valeur);
// The description of the field of that name, or null (reported) when the table lacks it.
const lettres::DescriptionLettre* TrouveChamp(const std::vector<lettres::DescriptionLettre>& descriptions,
                                              const char* champ);

// Stores every value in the record through its letter table `table`.
template <class R, class T>
void Remplit(T& record, const lettres::TableLettres<R>& table, std::span<const Saisie> saisies) {
  R& cible = record;
  for (const Saisie& s : saisies)
    if (const lettres::DescriptionLettre* d = TrouveChamp(table.Descriptions(), s.champ))
      Stocke(table.Trouve(d->code)->acces(cible), *d, s.valeur);
}
template <class R, class T>
void Remplit(T& record, const lettres::TableLettres<R>& table, Saisies saisies) {
  Remplit(record, table, std::span<const Saisie>(saisies.begin(), saisies.size()));
}

// The same for a record that names its own table Lettres().
template <class T>
void Remplit(T& record, std::span<const Saisie> saisies) {
  Remplit(record, T::Lettres(), saisies);
}
template <class T>
void Remplit(T& record, Saisies saisies) {
  Remplit(record, T::Lettres(), saisies);
}

}  // namespace zorfiscal2072::exemple
