#include <exception>
#include <iostream>

#include "chargement/chargement.h"
#include "commandes.h"
#include "format/fichierjson.h"
#include "services/saisieproprietes.h"
#include "systeme/fichiers.h"

namespace hote2072 {

namespace {

constexpr std::size_t kProblemesAffiches = 100;

void AfficheProblemes(const std::string& source, const Rapport& rapport) {
  const auto problemes = rapport.problemes();
  for (std::size_t k = 0; k < problemes.size() && k < kProblemesAffiches; ++k)
    std::cerr << source << ": " << problemes[k] << "\n";
  if (problemes.size() > kProblemesAffiches)
    std::cerr << source << ": ... and " << problemes.size() - kProblemesAffiches << " more problems\n";
  std::cerr << source << ": " << problemes.size() << (problemes.size() == 1 ? " problem" : " problems")
            << "; nothing written\n";
}

}  // namespace

int Execute(const std::function<int()>& commande) {
  try {
    return commande();
  } catch (const ErreurFichier& e) {
    std::cerr << "sci2072: " << e.what() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "sci2072: internal error: " << e.what() << "\n";
  }
  return kEntreeInvalide;
}

std::unique_ptr<TDonnee2072> ChargeDeclaration(const std::string& chemin, std::unordered_set<std::string>* codesDonnes) {
  const std::string source = chemin == "-" ? "<stdin>" : chemin;
  Rapport rapport;
  std::unique_ptr<TDonnee2072> racine;
  std::optional<FichierDeclaration> fichier;
  {
    const std::string texte = LitFichier(chemin);
    fichier = LitJson(texte, rapport);
  }  // the text is gone before the records come
  if (fichier) {
    racine = Charge(*fichier, rapport);
    if (codesDonnes != nullptr) *codesDonnes = CodesDonnes(*fichier);
    if (racine) CompleteSaisieProprietes(*fichier, *racine);  // what entering the properties gives
  }
  if (!racine) AfficheProblemes(source, rapport);
  return racine;
}

Option Entree(std::string& entree) {
  return {.noms = "IN", .aide = "declaration file to read, - for standard input", .cible = &entree, .requise = true};
}

}  // namespace hote2072
