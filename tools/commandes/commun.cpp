#include <exception>
#include <iostream>
#include <utility>

#include "chargement/niveauxhote.h"
#include "commandes.h"
#include "lettres.h"
#include "services/ouverture.h"
#include "systeme/fichiers.h"

namespace hote2072 {

namespace {

constexpr std::size_t kProblemesAffiches = 100;

void AfficheProblemes(const std::string& brut, const Rapport& rapport, std::ostream& erreurs) {
  const std::string source = lettres::Lisible(brut);  // a file's name may hold anything
  const auto problemes = rapport.problemes();
  for (std::size_t k = 0; k < problemes.size() && k < kProblemesAffiches; ++k)
    erreurs << source << ": " << lettres::Lisible(problemes[k]) << "\n";
  if (problemes.size() > kProblemesAffiches)
    erreurs << source << ": ... and " << problemes.size() - kProblemesAffiches << " more problems\n";
  erreurs << source << ": " << problemes.size() << (problemes.size() == 1 ? " problem" : " problems")
          << "; nothing written\n";
}

// Warnings do not stop the loading: each is shown, none is dropped silently.
void AfficheAvertissements(const std::string& source, const Rapport& rapport, std::ostream& erreurs) {
  const auto avertissements = rapport.avertissements();
  for (std::size_t k = 0; k < avertissements.size() && k < kProblemesAffiches; ++k)
    erreurs << source << ": warning: " << avertissements[k] << "\n";
  if (avertissements.size() > kProblemesAffiches)
    erreurs << source << ": warning: ... and " << avertissements.size() - kProblemesAffiches << " more warnings\n";
}

}  // namespace

int Execute(const std::function<int()>& commande, std::ostream& erreurs) {
  try {
    return commande();
  } catch (const ErreurFichier& e) {
    erreurs << "sci2072: " << lettres::Lisible(e.what()) << "\n";
  } catch (const std::exception& e) {
    erreurs << "sci2072: internal error: " << lettres::Lisible(e.what()) << "\n";
  }
  return kEntreeInvalide;
}

std::unique_ptr<TDonnee2072> ChargeDeclaration(const std::string& chemin, std::unordered_set<std::string>* codesDonnes,
                                               std::ostream& erreurs) {
  Rapport rapport;
  auto racine = OuvreFichier(chemin, rapport, codesDonnes);
  const std::string source = chemin == "-" ? "<stdin>" : chemin;
  AfficheAvertissements(source, rapport, erreurs);
  if (!racine) AfficheProblemes(source, rapport, erreurs);
  return racine;
}

std::unique_ptr<TDonnee2072> ChargeCalculee(const std::string& chemin, std::unordered_set<std::string>* codesDonnes,
                                            std::ostream& erreurs) {
  auto racine = ChargeDeclaration(chemin, codesDonnes, erreurs);
  if (racine) racine->Update();
  return racine;
}

Option Entree(std::string& entree) {
  return {.noms = "IN", .aide = "declaration file to read, - for standard input", .cible = &entree, .requise = true};
}

Option OptionIndex(std::string& index, bool& donne, std::string aide, std::string forme) {
  return {.noms = "--index",
          .aide = std::move(aide),
          .cible = &index,
          .verifie =
              [](const std::string& texte) {
                std::string erreur;
                LitIndexTexte(texte, erreur);
                return erreur;
              },
          .forme = std::move(forme),
          .donnee = &donne};
}

}  // namespace hote2072
