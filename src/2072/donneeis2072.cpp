#include "donneeis2072.h"

#include <algorithm>
#include <string>

#include "listes2072.h"

namespace zorfiscal2072 {
namespace {

lettres::Nature NatureLettre(TDonneeIS2072::Nature nature) {
  return nature == TDonneeIS2072::Nature::Calculee ? lettres::Nature::Calculee : lettres::Nature::Saisie;
}

// "Achats (BIC ou IS)": a line's label with its column's.
const char* DansColonne(const char* libelle, std::size_t colonne) {
  return lettres::TexteDurable(std::string(libelle) + " (" + TDonneeIS2072::kLibellesColonnes[colonne] + ")");
}

}  // namespace

const std::array<TDonneeIS2072::DescriptionLigne, TDonneeIS2072::kNbLignes>& TDonneeIS2072::Lignes() {
  static const std::array<DescriptionLigne, kNbLignes> lignes{{
#define DONNEE_IS2072_LIGNE(nom, code0, code1, nature, libelle) {#nom, {code0, code1}, Nature::nature, libelle},
      LIGNES_DONNEE_IS2072(DONNEE_IS2072_LIGNE)
#undef DONNEE_IS2072_LIGNE
  }};
  return lignes;
}

void TDonneeIS2072::Construct() {
  for (auto& montant : Montants) montant.assign(kNbColonnes, 0.0);
}

void TDonneeIS2072::InitPartielle() {
  for (std::size_t i = 0; i < kNbLignes; ++i)
    if (Lignes()[i].nature == Nature::Saisie) std::fill(Montants[i].begin(), Montants[i].end(), 0.0);
}

void TDonneeIS2072::InitResultat() {
  ExisteAssocieIS = ExisteAssocieBIC = ExisteAssocieBA = OuiNon::Non;
  for (std::size_t i = 0; i < kNbLignes; ++i)
    if (Lignes()[i].nature == Nature::Calculee) std::fill(Montants[i].begin(), Montants[i].end(), 0.0);
}

// The flags, then each line's two columns, named "RevenuImmeuble[0]", "RevenuImmeuble[1]", ...
const lettres::TableLettres<TDonneeIS2072>& TDonneeIS2072::Lettres() {
  using R = TDonneeIS2072;
  using enum lettres::Liste;
  static const lettres::TableLettres<R> table{
      LETTRE(12214, ExisteAssocieIS, Court, 0, "Associés imposés à l'IS").Parmi(ListeOuiNon).Calcule(),
      LETTRE(12215, ExisteAssocieBIC, Court, 0, "Associés imposés aux BIC").Parmi(ListeOuiNon).Calcule(),
      LETTRE(12216, ExisteAssocieBA, Court, 0, "Associés imposés aux BA").Parmi(ListeOuiNon).Calcule(),
// clang-format off
#define DONNEE_IS2072_LETTRES(nom, code0, code1, nature, libelle)                                              \
  LETTRE_VIA(code0, #nom "[0]", Reel, 0, DansColonne(libelle, kColonneBICIS), &r.Montants[nom].at(kColonneBICIS)) \
      .Est(NatureLettre(Nature::nature)),                                                                      \
      LETTRE_VIA(code1, #nom "[1]", Reel, 0, DansColonne(libelle, kColonneBA), &r.Montants[nom].at(kColonneBA))   \
          .Est(NatureLettre(Nature::nature)),
      // clang-format on
      LIGNES_DONNEE_IS2072(DONNEE_IS2072_LETTRES)
#undef DONNEE_IS2072_LETTRES
  };
  return table;
}

bool TDonneeIS2072::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

}  // namespace zorfiscal2072
