#include "services/saisieproprietes.h"

#include <vector>

#include "foncierpropriete2072.h"
#include "niveaux2072.h"

namespace hote2072 {

namespace {

long long CodeDe(const char* champ) {
  return zorfiscal2072::TDonneeProprieteFoncierPropriete::Lettres().CodeDuChamp(champ);
}

}  // namespace

void CompleteSaisieProprietes(const FichierDeclaration& fichier, zorfiscal2072::TDonnee2072& racine) {
  static const long long kRecetteCRL = CodeDe("RecetteCRL"), kOptionTauxDeduction = CodeDe("OptionTauxDeduction");
  const std::size_t n = racine.getPropriete2072().size();
  std::vector<bool> recetteDonnee(n), optionDonnee(n);
  for (const LettreFichier& l : fichier.lettres) {
    if (l.code != kRecetteCRL && l.code != kOptionTauxDeduction) continue;
    for (const auto& [cle, position] : l.index)
      if (cle == zorfiscal2072::kNiveauPropriete && position >= 0 && static_cast<std::size_t>(position) < n)
        (l.code == kRecetteCRL ? recetteDonnee : optionDonnee)[static_cast<std::size_t>(position)] = true;
  }
  CompleteSaisieProprietes(
      [&](long long code, std::size_t i) { return (code == kRecetteCRL ? recetteDonnee : optionDonnee)[i]; }, racine);
}

void CompleteSaisieProprietes(const std::function<bool(long long code, std::size_t propriete)>& donne,
                              zorfiscal2072::TDonnee2072& racine) {
  static const long long kRecetteCRL = CodeDe("RecetteCRL"), kOptionTauxDeduction = CodeDe("OptionTauxDeduction");
  auto& proprietes = racine.getPropriete2072();
  for (std::size_t i = 0; i < proprietes.size(); ++i) {
    if (!donne(kRecetteCRL, i)) proprietes[i].CalculRecetteCRL();
    if (!donne(kOptionTauxDeduction, i)) proprietes[i].DonneTauxCoherent();
  }
}

}  // namespace hote2072
