#include "services/saisieproprietes.h"

#include <vector>

#include "foncierpropriete2072.h"
#include "niveaux2072.h"

namespace hote2072 {

void CompleteSaisieProprietes(const FichierDeclaration& fichier, zorfiscal2072::TDonnee2072& racine) {
  using zorfiscal2072::TDonneeProprieteFoncierPropriete;
  static const long long kRecetteCRL = TDonneeProprieteFoncierPropriete::Lettres().CodeDuChamp("RecetteCRL");
  static const long long kOptionTauxDeduction =
      TDonneeProprieteFoncierPropriete::Lettres().CodeDuChamp("OptionTauxDeduction");
  auto& proprietes = racine.getPropriete2072();
  std::vector<bool> recetteDonnee(proprietes.size()), optionDonnee(proprietes.size());
  for (const LettreFichier& l : fichier.lettres) {
    if (l.code != kRecetteCRL && l.code != kOptionTauxDeduction) continue;
    for (const auto& [cle, position] : l.index)
      if (cle == zorfiscal2072::kNiveauPropriete && position >= 0 &&
          static_cast<std::size_t>(position) < proprietes.size())
        (l.code == kRecetteCRL ? recetteDonnee : optionDonnee)[static_cast<std::size_t>(position)] = true;
  }
  for (std::size_t i = 0; i < proprietes.size(); ++i) {
    if (!recetteDonnee[i]) proprietes[i].CalculRecetteCRL();
    if (!optionDonnee[i]) proprietes[i].DonneTauxCoherent();
  }
}

}  // namespace hote2072
