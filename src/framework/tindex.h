// Index of a letter: pairs (level key, position) naming the repeated records on the way.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

class TIndex {
 public:
  TIndex() = default;
  TIndex(std::initializer_list<std::pair<int, int>> paires) : m_paires(paires) {}

  // True, with the position in `valeur`, when the key is present.
  bool getValeurIndex(int cle, int& valeur) const {
    for (const auto& [k, v] : m_paires)
      if (k == cle) {
        valeur = v;
        return true;
      }
    return false;
  }
  // Sets the position of a key, adding the key when absent.
  void setValeurIndex(int cle, int valeur) {
    for (auto& [k, v] : m_paires)
      if (k == cle) {
        v = valeur;
        return;
      }
    m_paires.emplace_back(cle, valeur);
  }
  const std::vector<std::pair<int, int>>& paires() const { return m_paires; }
  bool operator==(const TIndex&) const = default;

 private:
  std::vector<std::pair<int, int>> m_paires;
};
