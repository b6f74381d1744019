#include "services/ouverture.h"

#include <optional>

#include "chargement/chargement.h"
#include "chargement/chargementrapide.h"
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

// The fast path: the letters go straight into their records as they are read. Null when it
// leaves the file to the full path, which names every problem.
std::unique_ptr<TDonnee2072> OuvreVite(const SourceTexte& source, std::unordered_set<std::string>* codesDonnes) {
  DeclarationChargee d = ChargeRapide(source);
  if (!d.racine) return nullptr;
  if (codesDonnes != nullptr) *codesDonnes = d.codesDonnes();
  CompleteSaisieProprietes(d.donne, *d.racine);  // what entering the properties gives
  return std::move(d.racine);
}

}  // namespace

std::unique_ptr<TDonnee2072> OuvreTexte(std::string_view texte, Rapport& rapport,
                                        std::unordered_set<std::string>* codesDonnes) {
  if (auto racine = OuvreVite(SourceMemoire(texte), codesDonnes)) return racine;
  return Ouvre(LitJson(texte, rapport), rapport, codesDonnes);
}

std::unique_ptr<TDonnee2072> OuvreFichier(const std::string& chemin, Rapport& rapport,
                                          std::unordered_set<std::string>* codesDonnes) {
  // A regular file is read as it loads, never held whole; anything else, or a file the fast
  // path leaves, is read again whole.
  if (chemin != "-") {
    LectureFichier lecture(chemin);
    if (lecture.lisible()) {
      auto racine = OuvreVite([&](std::string& tampon) { return lecture.Lit(tampon); }, codesDonnes);
      if (racine && !lecture.interrompue()) return racine;
    }
  }
  std::optional<FichierDeclaration> fichier;
  {
    const std::string texte = LitTexteDeclaration(chemin);  // bounded, a stream of zeros refused early
    if (chemin == "-")
      if (auto racine = OuvreVite(SourceMemoire(texte), codesDonnes)) return racine;
    fichier = LitJson(texte, rapport);
  }  // the text is gone before the records come
  return Ouvre(fichier, rapport, codesDonnes);
}

}  // namespace hote2072
