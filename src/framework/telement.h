// Entry of a choice list: an integer code and a label.
#pragma once

#include <string>

class TElement {
 public:
  TElement(int code = 0, std::string libelle = {}) : m_enum(code), m_libelle(std::move(libelle)) {}
  virtual ~TElement() = default;
  TElement(const TElement&) = default;
  TElement& operator=(const TElement&) = default;
  bool operator==(const TElement&) const = default;

  int get_enum() const { return m_enum; }
  void set_enum(int code) { m_enum = code; }
  const std::string& get_libelle() const { return m_libelle; }
  void set_libelle(const char* libelle) { m_libelle = libelle ? libelle : ""; }

 private:
  int m_enum;
  std::string m_libelle;
};
