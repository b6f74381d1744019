#include "niveauxhote.h"

#include <algorithm>

#include "niveaux2072.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

std::size_t Taille(int position) { return static_cast<std::size_t>(position); }

// Appends default records to `v` until it holds n; `nomme` lets each new one name its owner.
template <class T, class F>
void Allonge(std::vector<T>& v, std::size_t n, F nomme) {
  if (v.size() >= n) return;
  v.reserve(n);
  while (v.size() < n) nomme(v.emplace_back());
}

// AjouteAssocie rebuilds both choice lists of the transfers of shares, so calling it with
// every partner already in place would make loading quadratic. Each partner is therefore
// added onto an empty list (it still gets one share per property and one distribution per
// sale), then the partners are put back together, "Autre" follows the new count in the
// transfers, and the lists are rebuilt once.
void AjouteAssocies(TDonnee2072& racine, std::size_t n) {
  auto& associes = racine.getAssocie2072();
  if (associes.size() >= n) return;
  auto& transferts = racine.getCessionsPartsSociete().getCessionParts();
  const long autreAvant = static_cast<long>(associes.size());
  std::vector<TAssocie2072> tous = std::move(associes);
  std::vector<TCessionParts> mis = std::move(transferts);
  associes.clear();
  transferts.clear();
  tous.reserve(n);
  while (tous.size() < n) {
    racine.AjouteAssocie();
    tous.push_back(std::move(associes.back()));
    associes.clear();
  }
  const long autre = static_cast<long>(tous.size());
  for (TCessionParts& c : mis) {
    if (c.getAssocieCessionnaire() == autreAvant) c.setAssocieCessionnaire(autre);
    if (c.getAssocieCedant() == autreAvant) c.setAssocieCedant(autre);
  }
  associes = std::move(tous);
  transferts = std::move(mis);
  racine.MajListeAssocieCessionnaire();
  racine.MajListeAssocieCedant();
}

}  // namespace

const std::vector<Niveau>& Niveaux() {
  static const std::vector<Niveau> niveaux{
      {kNiveauPropriete, 0, "property", "properties", 0},
      {kNiveauLocataire, kNiveauPropriete, "tenant", "tenants", 0},
      {kNiveauBeneficiaire, kNiveauPropriete, "beneficiary", "beneficiaries", 0},
      {kNiveauComposant, kNiveauPropriete, "component", "components", 0},
      {kNiveauAssocie, 0, "partner", "partners", 0},
      {kNiveauJouissanceGratuite, kNiveauAssocie, "free-use entry", "free-use entries", 0},
      {kNiveauQuotePart, kNiveauAssocie, "share", "shares", kNiveauPropriete},
      {kNiveauRepartition, kNiveauAssocie, "distribution", "distributions", kNiveauCession},
      {kNiveauReport, kNiveauAssocie, "carried-forward result", "carried-forward results", 0},
      {kNiveauCession, 0, "sale", "sales", 0},
      {kNiveauCessionParts, 0, "transfer of shares", "transfers of shares", 0},
  };
  return niveaux;
}

const Niveau* TrouveNiveau(int cle) {
  const auto& n = Niveaux();
  const auto it = std::find_if(n.begin(), n.end(), [cle](const Niveau& x) { return x.cle == cle; });
  return it == n.end() ? nullptr : &*it;
}

std::size_t Nombre(const TDonnee2072& racine, int cle, int positionParent) {
  const auto propriete = [&]() -> const TPropriete2072& {
    return racine.getPropriete2072().at(Taille(positionParent));
  };
  const auto associe = [&]() -> const TAssocie2072& { return racine.getAssocie2072().at(Taille(positionParent)); };
  switch (cle) {
    case kNiveauPropriete: return racine.getPropriete2072().size();
    case kNiveauAssocie: return racine.getAssocie2072().size();
    case kNiveauCession: return racine.getOperationSociete().getCession().size();
    case kNiveauCessionParts: return racine.getCessionsPartsSociete().getCessionParts().size();
    case kNiveauLocataire: return propriete().getLocataire().size();
    case kNiveauBeneficiaire: return propriete().getBeneficiaire().size();
    case kNiveauComposant: return propriete().getAmortissementComposant().getComposant().size();
    case kNiveauJouissanceGratuite: return associe().getListeProprieteJouissanceGratuite().size();
    case kNiveauQuotePart: return associe().getBulletin2072().getQuotePartPropriete().size();
    case kNiveauRepartition: return associe().getBulletin2072().getRepartitionOperationsSociete().size();
    case kNiveauReport: return associe().getBulletin2072().getProprieteReport().size();
    default: return 0;
  }
}

void Complete(TDonnee2072& racine, int cle, int positionParent, std::size_t n) {
  switch (cle) {
    case kNiveauPropriete:
      while (racine.getPropriete2072().size() < n) racine.AjoutePropriete();
      return;
    case kNiveauAssocie: return AjouteAssocies(racine, n);
    case kNiveauCession:
      while (racine.getOperationSociete().getCession().size() < n) racine.AjouteCession();
      return;
    case kNiveauCessionParts:
      return Allonge(racine.getCessionsPartsSociete().getCessionParts(), n, [](TCessionParts&) {});
    default: break;
  }
  const Niveau* niveau = TrouveNiveau(cle);
  if (niveau == nullptr || niveau->parPositionDe != 0) return;  // shares and distributions follow
  if (niveau->parent == kNiveauPropriete) {
    TPropriete2072& p = racine.getPropriete2072().at(Taille(positionParent));
    const std::string& code = p.getCodePropriete();
    if (cle == kNiveauLocataire) Allonge(p.getLocataire(), n, [&](TLocataire& t) { t.setCodePropriete(code); });
    if (cle == kNiveauBeneficiaire)
      Allonge(p.getBeneficiaire(), n, [&](TBeneficiaire& b) { b.setCodePropriete(code); });
    if (cle == kNiveauComposant)
      Allonge(p.getAmortissementComposant().getComposant(), n, [&](TComposant& c) { c.setCodePropriete(code); });
    return;
  }
  TAssocie2072& a = racine.getAssocie2072().at(Taille(positionParent));
  if (cle == kNiveauJouissanceGratuite)
    Allonge(a.getListeProprieteJouissanceGratuite(), n,
            [&](TListeProprieteJouissanceGratuite& e) { e.setCodeAssocie(a.getCodeAssocie()); });
  if (cle == kNiveauReport) Allonge(a.getBulletin2072().getProprieteReport(), n, [](TProprieteReport&) {});
}

}  // namespace hote2072
