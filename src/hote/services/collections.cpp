#include "services/collections.h"

#include "arbre2072.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

// Levels a person adds to and removes from record by record: not the shares and
// distributions (one per property and per sale, kept so by the root) nor the partner's
// carried-forward results (a fixed series the statement owns).
bool Modifiable(const Niveau& n) { return n.parPositionDe == 0 && n.cle != kNiveauReport; }

}  // namespace

int AjouteEnregistrement(TDonnee2072& racine, int cle, const Index& proprietaire) {
  const Niveau* n = TrouveNiveau(cle);
  if (n == nullptr || !Modifiable(*n)) return -1;
  int positionParent = 0;
  if (n->parent != 0) {
    if (proprietaire.size() != 1 || proprietaire[0].first != n->parent) return -1;
    positionParent = proprietaire[0].second;
    if (positionParent < 0 || static_cast<std::size_t>(positionParent) >= Nombre(racine, n->parent, 0)) return -1;
  } else if (!proprietaire.empty()) {
    return -1;
  }
  const std::size_t avant = Nombre(racine, cle, positionParent);
  Complete(racine, cle, positionParent, avant + 1);
  if (cle == kNiveauAssocie) {
    racine.MajListeAssocieCessionnaire();
    racine.MajListeAssocieCedant();
  }
  return Nombre(racine, cle, positionParent) == avant + 1 ? static_cast<int>(avant) : -1;
}

bool SupprimeEnregistrement(TDonnee2072& racine, const Index& index) {
  if (index.empty()) return false;
  // Named apart: clang 14 cannot capture a structured binding in a lambda.
  const int cle = index.back().first;
  const int position = index.back().second;
  const Niveau* n = TrouveNiveau(cle);
  if (n == nullptr || !Modifiable(*n) || position < 0) return false;
  const Index proprietaire(index.begin(), index.end() - 1);
  if (n->parent == 0 ? !proprietaire.empty()
                     : proprietaire.size() != 1 || proprietaire[0].first != n->parent || proprietaire[0].second < 0 ||
                           static_cast<std::size_t>(proprietaire[0].second) >= Nombre(racine, n->parent, 0))
    return false;
  const int parent = proprietaire.empty() ? 0 : proprietaire[0].second;
  if (static_cast<std::size_t>(position) >= Nombre(racine, cle, parent)) return false;
  switch (cle) {
    case kNiveauPropriete: racine.SupprimePropriete(position); return true;
    case kNiveauAssocie: racine.SupprimeAssocie(position); return true;
    case kNiveauCession: racine.SupprimeCession(position); return true;
    default: break;
  }
  const bool supprime =
      arbre::AtteintNiveau(racine, cle, VersTIndex(index), [&](auto& proprietaireTrouve, const auto& enfant) {
        auto& vecteur = proprietaireTrouve.*enfant.champ;
        vecteur.erase(vecteur.begin() + position);
      });
  return supprime;
}

bool DupliqueAssocie(TDonnee2072& racine, int position) {
  if (position < 0 || position >= racine.NbAssocie()) return false;
  racine.DupliqueAssocie(position);
  return true;
}

bool DeplaceAssocie(TDonnee2072& racine, int position, int sens) {
  const int destination = position + sens;
  if ((sens != -1 && sens != 1) || position < 0 || position >= racine.NbAssocie() || destination < 0 ||
      destination >= racine.NbAssocie())
    return false;
  racine.DeplaceAssocie(position, destination);
  return true;
}

}  // namespace hote2072
