#include "services/ouverture.h"

#include <optional>

#include "chargement/chargement.h"
#include "format/fichierjson.h"
#include "services/saisieproprietes.h"
#include "systeme/fichiers.h"

namespace hote2072 {

namespace {

std::unique_ptr<TDonnee2072> Ouvre(const std::optional<FichierDeclaration>& fichier, Rapport& rapport,
                                   std::unordered_set<std::string>* codesDonnes) {
  if (!fichier) return nullptr;
  auto racine = Charge(*fichier, rapport);
  if (codesDonnes != nullptr) *codesDonnes = CodesDonnes(*fichier);
  if (racine) CompleteSaisieProprietes(*fichier, *racine);  // what entering the properties gives
  return racine;
}

}  // namespace

std::unique_ptr<TDonnee2072> OuvreTexte(std::string_view texte, Rapport& rapport,
                                        std::unordered_set<std::string>* codesDonnes) {
  return Ouvre(LitJson(texte, rapport), rapport, codesDonnes);
}

std::unique_ptr<TDonnee2072> OuvreFichier(const std::string& chemin, Rapport& rapport,
                                          std::unordered_set<std::string>* codesDonnes) {
  std::optional<FichierDeclaration> fichier;
  {
    const std::string texte = LitFichier(chemin);
    fichier = LitJson(texte, rapport);
  }  // the text is gone before the records come
  return Ouvre(fichier, rapport, codesDonnes);
}

}  // namespace hote2072
