// Helpers of the test suites: one letter in and out of a record.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "lettres.h"
#include "tablelettres.h"

namespace aide {

// A letter owning its heap value.
struct Lettre {
  structLettre l{1, 0, nullptr, 0, nullptr};
  explicit Lettre(short code, const char* valeur = "") {
    l.code = code;
    l.valeur = static_cast<char*>(std::malloc(std::strlen(valeur) + 1));
    std::strcpy(l.valeur, valeur);
  }
  ~Lettre() { std::free(l.valeur); }
  Lettre(const Lettre&) = delete;
  Lettre& operator=(const Lettre&) = delete;
  structLettre* operator&() { return &l; }
  std::string valeur() const { return l.valeur ? l.valeur : ""; }
};

// Writes `valeur` into the record (direction 0); returns whether a record took the letter.
template <class R>
bool Ecrit(R& record, short code, const std::string& valeur, const TIndex& index = {}) {
  Lettre lettre(code, valeur.c_str());
  return record.TransfertUneLettre(&lettre, index, 0);
}

// Reads a letter out of the record (direction 1); "<refused>" when no record took it.
template <class R>
std::string Lit(R& record, short code, const TIndex& index = {}) {
  Lettre lettre(code, "");
  if (!record.TransfertUneLettre(&lettre, index, 1)) return "<refused>";
  return lettre.valeur();
}

// A value of the letter's type that differs from every default: accented text within the
// bound, a whole number, an amount, a date.
inline std::string ValeurExemple(const lettres::DescriptionLettre& d) {
  switch (d.primitive) {
    case lettres::Primitive::Texte:
      return lettres::Tronque("Éé" + std::to_string(d.code), d.taille > 0 ? d.taille - 1 : 20);
    case lettres::Primitive::Court:
    case lettres::Primitive::Long: return "3";
    case lettres::Primitive::MoisJour: return "07";
    case lettres::Primitive::SiecleAnnee: return "2009";
    case lettres::Primitive::Reel: return "1234.5";
    case lettres::Primitive::ReelFormat: return d.taille == 5 ? "12.50000" : "1234.50";
    case lettres::Primitive::Date: return "15/03/2011";
  }
  return "";
}

// Every letter of `descriptions` written then read back through `record` with `index`
// gives the same text.
template <class R>
void VerifieAllerRetour(R& record, const std::vector<lettres::DescriptionLettre>& descriptions,
                        const TIndex& index = {}) {
  for (const auto& d : descriptions) {
    const std::string valeur = ValeurExemple(d);
    EXPECT_TRUE(Ecrit(record, d.code, valeur, index)) << "code " << d.code << " (" << d.champ << ") not taken";
    EXPECT_EQ(Lit(record, d.code, index), valeur) << "code " << d.code << " (" << d.champ << ")";
  }
}

}  // namespace aide
