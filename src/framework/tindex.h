// Index of a letter: pairs (level key, position) naming the repeated records on the way.
// Indexes travel by value through every routing step, so the pairs live inline: no
// allocation per copy. An index holds at most kCapacite levels (the form has eleven).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <utility>

#include "kel.h"

class TIndex {
 public:
  static constexpr std::size_t kCapacite = 16;

  TIndex() = default;
  TIndex(std::initializer_list<std::pair<int, int>> paires) {
    for (const auto& [cle, valeur] : paires) setValeurIndex(cle, valeur);
  }

  // True, with the position in `valeur`, when the key is present.
  bool getValeurIndex(int cle, int& valeur) const {
    for (std::size_t i = 0; i < m_nombre; ++i)
      if (m_paires[i].first == cle) {
        valeur = m_paires[i].second;
        return true;
      }
    return false;
  }
  // Sets the position of a key, adding the key when absent.
  void setValeurIndex(int cle, int valeur) {
    for (std::size_t i = 0; i < m_nombre; ++i)
      if (m_paires[i].first == cle) {
        m_paires[i].second = valeur;
        return;
      }
    KEL_ASSERT(m_nombre < kCapacite, "an index holds at most 16 levels");
    if (m_nombre < kCapacite) m_paires[m_nombre++] = {cle, valeur};
  }
  std::span<const std::pair<int, int>> paires() const { return {m_paires.data(), m_nombre}; }
  bool operator==(const TIndex& autre) const {
    return std::equal(paires().begin(), paires().end(), autre.paires().begin(), autre.paires().end());
  }

 private:
  std::array<std::pair<int, int>, kCapacite> m_paires{};
  std::size_t m_nombre = 0;
};
