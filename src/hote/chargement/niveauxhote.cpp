#include "chargement/niveauxhote.h"

#include <algorithm>
#include <array>

#include "arbre2072.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

struct Libelle {
  int cle;
  const char* nom;
  const char* pluriel;
};

// The host's words for the levels, in the order declarations are written. A level of the
// engine missing here comes after them, named by its record class.
constexpr Libelle kLibelles[] = {
    {kNiveauPropriete, "property", "properties"},
    {kNiveauLocataire, "tenant", "tenants"},
    {kNiveauBeneficiaire, "beneficiary", "beneficiaries"},
    {kNiveauComposant, "component", "components"},
    {kNiveauAssocie, "partner", "partners"},
    {kNiveauJouissanceGratuite, "free-use entry", "free-use entries"},
    {kNiveauQuotePart, "share", "shares"},
    {kNiveauRepartition, "distribution", "distributions"},
    {kNiveauReport, "carried-forward result", "carried-forward results"},
    {kNiveauCession, "sale", "sales"},
    {kNiveauCessionParts, "transfer of shares", "transfers of shares"},
};

std::size_t RangEcriture(int cle) {
  const auto it = std::find_if(std::begin(kLibelles), std::end(kLibelles), [cle](const Libelle& l) { return l.cle == cle; });
  return static_cast<std::size_t>(it - std::begin(kLibelles));
}

// Level keys run from the properties' to the free-use entries'.
constexpr int kCleNiveauMin = kNiveauPropriete, kCleNiveauMax = kNiveauJouissanceGratuite;

TIndex IndexDuParent(int cle, int positionParent) {
  const Niveau* n = TrouveNiveau(cle);
  TIndex index;
  if (n != nullptr && n->parent != 0) index.setValeurIndex(n->parent, positionParent);
  return index;
}

}  // namespace

int PositionDans(const Index& index, int cle) {
  for (const auto& [k, position] : index)
    if (k == cle) return position;
  return -1;
}

const std::vector<Niveau>& Niveaux() {
  static const std::vector<Niveau> niveaux = [] {
    std::vector<Niveau> n;
    for (const Niveau2072& m : Niveaux2072()) {
      const std::size_t rang = RangEcriture(m.cle);
      const bool nomme = rang < std::size(kLibelles);
      n.push_back({m.cle, m.parent, nomme ? kLibelles[rang].nom : m.enregistrement,
                   nomme ? kLibelles[rang].pluriel : m.enregistrement, m.unPar, m.lettreCle});
    }
    // Owners stay before the levels they own: the engine lists them so, and the words list
    // each owner before its levels.
    std::stable_sort(n.begin(), n.end(), [](const Niveau& a, const Niveau& b) { return RangEcriture(a.cle) < RangEcriture(b.cle); });
    return n;
  }();
  return niveaux;
}

const Niveau* TrouveNiveau(int cle) {
  // Asked for every level of every letter of a file: a table by key.
  static const auto parCle = [] {
    std::array<const Niveau*, kCleNiveauMax - kCleNiveauMin + 1> t{};
    for (const Niveau& n : Niveaux())
      if (n.cle >= kCleNiveauMin && n.cle <= kCleNiveauMax) t[static_cast<std::size_t>(n.cle - kCleNiveauMin)] = &n;
    return t;
  }();
  return cle >= kCleNiveauMin && cle <= kCleNiveauMax ? parCle[static_cast<std::size_t>(cle - kCleNiveauMin)] : nullptr;
}

std::size_t Nombre(const TDonnee2072& racine, int cle, int positionParent) {
  return NombreAuNiveau(racine, cle, IndexDuParent(cle, positionParent));
}

void Complete(TDonnee2072& racine, int cle, int positionParent, std::size_t n) {
  CompleteNiveau(racine, cle, IndexDuParent(cle, positionParent), n);
}

}  // namespace hote2072
