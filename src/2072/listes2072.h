// The fixed lists of the form by name: each name is the member of the reference tables that
// holds the list (`TTables_2072::Liste(ListeRegimeFiscal)` is `ListeRegimeFiscal`), and a
// letter table names the list a coded field takes its values from.
#pragma once

#include <cstdint>

#include "tablelettres.h"

// The 36 lists in member order, each with what takes its values from it: a field of the
// form (Champ), or no field, the host showing it beside one (Hote).
// clang-format off
#define LISTES_2072(X)                                                                         \
  X(ListeOuiNon, Champ)                                                                        \
  X(ListeTypePersonne, Champ)                                                                  \
  X(ListeRegimeFiscal, Champ)                                                                  \
  X(ListeNatureBien, Hote)               /* a property's nature is nine yes/no fields */       \
  X(ListeModePaiement, Champ)                                                                  \
  X(ListeCivilite, Hote)                 /* fields hold the titles of the title lists */       \
  X(ListeDepartements, Champ)                                                                  \
  X(ListeCodesDepartements, Hote)        /* the departments' printed codes, by position */     \
  X(ListePays, Champ)                                                                          \
  X(ListeComplementNumeroVoie, Champ)                                                          \
  X(ListeNatureComposant, Champ)                                                               \
  X(ListeModeAmortissement, Champ)                                                             \
  X(ListeTerme, Champ)                                                                         \
  X(ListeTitres1, Champ)                                                                       \
  X(ListeFormesJuridiques1, Champ)                                                             \
  X(ListeTitres2, Champ)                                                                       \
  X(ListeFormesJuridiques2, Champ)                                                             \
  X(ListeTitres3, Champ)                                                                       \
  X(ListeFormesJuridiques3, Champ)                                                             \
  X(ListeTitres4, Champ)                                                                       \
  X(ListeFormesJuridiques4, Champ)                                                             \
  X(ListeTitres5, Champ)                                                                       \
  X(ListeFormesJuridiques5, Champ)                                                             \
  X(ListeAbreviationsTitresFormes, Hote) /* printed abbreviations of titles and forms */       \
  X(ListeOptionsCategorie1, Champ)       /* the schemes a category offers, all for 1 */        \
  X(ListeOptionsCategorie4, Champ)                                                             \
  X(ListeOptionsCategorie6, Champ)                                                             \
  X(ListeOptionsCategorie7, Champ)                                                             \
  X(ListeOptionsCategorie8, Champ)                                                             \
  X(ListeOptionsAbregees, Hote)          /* short labels of the schemes */                     \
  X(ListeOptionsTauxDeduction, Champ)                                                          \
  X(ListeOptionsTauxDeduction2, Hote)    /* the same options, other spellings */               \
  X(ListeCategoriesBien, Champ)                                                                \
  X(ListeCategoriesBienAbregees, Hote)   /* short labels of the categories */                  \
  X(ListeTauxDeduction1, Champ)                                                                \
  X(ListeTauxDeduction2, Hote)           /* the same rates */
// clang-format on

namespace lettres {

enum class Liste : std::uint8_t {
  Aucune,
#define LISTE_2072_ENUM(nom, usage) nom,
  LISTES_2072(LISTE_2072_ENUM)
#undef LISTE_2072_ENUM
};
static_assert(Liste::Aucune == kAucuneListe);

}  // namespace lettres

namespace zorfiscal2072 {

// What takes its values from a list.
enum class UsageListe : std::uint8_t {
  Champ,  // fields of the form
  Hote,   // no field: the host shows it beside one
};

inline constexpr int kNombreListes = 36;

}  // namespace zorfiscal2072
