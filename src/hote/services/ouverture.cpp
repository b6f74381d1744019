#include "services/ouverture.h"

#include <optional>

#include "chargement/chargement.h"
#include "format/fichierjson.h"
#include "services/saisieproprietes.h"
#include "systeme/fichiers.h"

namespace hote2072 {

namespace {

std::unique_ptr<TDonnee2072> Ouvre(const std::optional<FichierDeclaration>& fichier, Rapport& rapport) {
  if (!fichier) return nullptr;
  auto racine = Charge(*fichier, rapport);
  if (racine) CompleteSaisieProprietes(*fichier, *racine);  // what entering the properties gives
  return racine;
}

}  // namespace

std::unique_ptr<TDonnee2072> OuvreTexte(std::string_view texte, Rapport& rapport) {
  return Ouvre(LitJson(texte, rapport), rapport);
}

std::unique_ptr<TDonnee2072> OuvreFichier(const std::string& chemin, Rapport& rapport) {
  std::optional<FichierDeclaration> fichier;
  {
    const std::string texte = LitFichier(chemin);
    fichier = LitJson(texte, rapport);
  }  // the text is gone before the records come
  return Ouvre(fichier, rapport);
}

}  // namespace hote2072
