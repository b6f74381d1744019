// Every record type of the declaration tree, each of its letters and its held sub-records'
// letters written with a value that differs from the defaults: a copy and an assignment equal
// the original and share nothing with it, every letter counts in the equality, and Init brings
// the record back to its defaults but for the codes that name it and what it belongs to.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
#include <variant>
#include <vector>

#include "aide_lettres.h"
#include "arbre2072.h"

using namespace zorfiscal2072;

namespace {

// The letters a record takes without an index: its own and those of the sub-records it holds
// (not its vectors).
template <class T>
void LettresSansIndex(std::vector<lettres::DescriptionLettre>& lettres) {
  if constexpr (arbre::kALettres<T>)
    for (const lettres::DescriptionLettre& d : T::Lettres().Descriptions()) lettres.push_back(d);
  arbre::PourChaqueEnfant<T>([&](const auto& e) {
    using E = std::decay_t<decltype(e)>;
    if constexpr (!E::kIndexe) LettresSansIndex<typename E::Enregistrement>(lettres);
  });
}

// Another value of the letter's type: the example value with the last digit of its whole part
// changed (a flag sent as an amount keeps only that part).
std::string AutreValeur(const lettres::DescriptionLettre& d) {
  std::string v = aide::ValeurExemple(d);
  const std::size_t chiffre = v.find_last_of("0123456789", v.find('.'));
  if (chiffre == std::string::npos) return "x";
  v[chiffre] = v[chiffre] == '9' ? '0' : static_cast<char>(v[chiffre] + 1);
  return v;
}

// A field Init keeps (R::Gardes()): the code that names the record or what it belongs to.
template <class T>
bool Garde(T& r, short code) {
  if constexpr (requires { T::Gardes(); }) {
    for (const auto& ligne : T::Lettres().Lignes())
      if (ligne.description.code == code) {
        const void* champ = std::visit([](auto* p) -> const void* { return p; }, ligne.acces(r));
        return std::apply([&](auto... garde) { return ((champ == &(r.*garde)) || ...); }, T::Gardes());
      }
  }
  return false;
}

template <class T>
void VerifieEnregistrement() {
  std::vector<lettres::DescriptionLettre> lettres;
  LettresSansIndex<T>(lettres);
  T rempli;
  for (const lettres::DescriptionLettre& d : lettres)
    ASSERT_TRUE(aide::Ecrit(rempli, d.code, aide::ValeurExemple(d))) << d.code;
  std::vector<std::string> valeurs;  // as read back: a flag sent as an amount is read as a whole number
  for (const lettres::DescriptionLettre& d : lettres) valeurs.push_back(aide::Lit(rempli, d.code));

  const T copie = rempli;
  EXPECT_TRUE(copie == rempli);
  T affecte;
  affecte = rempli;
  EXPECT_TRUE(affecte == rempli);
  if (!lettres.empty()) {
    EXPECT_FALSE(rempli == T{});
  }

  for (std::size_t k = 0; k < lettres.size(); ++k) {
    const lettres::DescriptionLettre& d = lettres[k];
    T autre = rempli;
    aide::Ecrit(autre, d.code, AutreValeur(d));
    EXPECT_FALSE(autre == rempli) << "letter " << d.code << " (" << d.champ << ") is left out of the equality";
    EXPECT_EQ(aide::Lit(rempli, d.code), valeurs[k]) << "letter " << d.code << " shared by the copy";
  }

  T remis = rempli;
  remis.Init();
  T defaut;
  for (std::size_t k = 0; k < lettres.size(); ++k) {
    const lettres::DescriptionLettre& d = lettres[k];
    EXPECT_EQ(aide::Lit(remis, d.code), Garde(remis, d.code) ? valeurs[k] : aide::Lit(defaut, d.code))
        << "letter " << d.code << " (" << d.champ << ") after Init";
  }
}

}  // namespace

TEST(Records, CopyAssignEqualityAndInitOverEveryLetter) {
  std::vector<int> niveaux;
  int types = 0;
  arbre::ParcourtTypes<TDonnee2072>(
      [&](auto type, const std::vector<int>&) {
        using T = typename decltype(type)::type;
        SCOPED_TRACE(arbre::NomType<T>());
        ++types;
        VerifieEnregistrement<T>();
      },
      niveaux);
  EXPECT_GE(types, 30);
}
