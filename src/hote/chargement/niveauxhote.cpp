#include "chargement/niveauxhote.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

#include "arbre2072.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

struct Libelle {
  int cle;
  const char* nom;
  const char* pluriel;
  const char* nomFrancais;
};

// The host's words for the levels, in the order declarations are written. A level of the
// engine missing here comes after them, named by its record class.
constexpr Libelle kLibelles[] = {
    {kNiveauPropriete, "property", "properties", "immeuble"},
    {kNiveauLocataire, "tenant", "tenants", "locataire"},
    {kNiveauBeneficiaire, "beneficiary", "beneficiaries", "bénéficiaire"},
    {kNiveauComposant, "component", "components", "composant"},
    {kNiveauAssocie, "partner", "partners", "associé"},
    {kNiveauJouissanceGratuite, "free-use entry", "free-use entries", "immeuble occupé gratuitement"},
    {kNiveauQuotePart, "share", "shares", "quote-part"},
    {kNiveauRepartition, "distribution", "distributions", "répartition"},
    {kNiveauReport, "carried-forward result", "carried-forward results", "report"},
    {kNiveauCession, "sale", "sales", "cession"},
    {kNiveauCessionParts, "transfer of shares", "transfers of shares", "cession de parts"},
};

std::size_t RangEcriture(int cle) {
  const auto it =
      std::find_if(std::begin(kLibelles), std::end(kLibelles), [cle](const Libelle& l) { return l.cle == cle; });
  return static_cast<std::size_t>(it - std::begin(kLibelles));
}

TIndex IndexDuParent(int cle, int positionParent) {
  const Niveau* n = TrouveNiveau(cle);
  TIndex index;
  if (n != nullptr && n->parent != 0) index.setValeurIndex(n->parent, positionParent);
  return index;
}

}  // namespace

TIndex VersTIndex(const Index& index) {
  TIndex t;
  for (const auto& [cle, position] : index) t.setValeurIndex(cle, position);
  return t;
}

Index VersIndex(const TIndex& t) {
  Index index(t.paires().begin(), t.paires().end());
  std::sort(index.begin(), index.end());
  return index;
}

std::optional<Index> LitIndexTexte(std::string_view texte, std::string& erreur) {
  const auto chiffres = [](std::string_view t) {
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
  };
  Index index;
  for (std::string_view reste = texte; !texte.empty();) {
    const std::string_view paire = reste.substr(0, reste.find(','));
    const auto egal = paire.find('=');
    const std::string_view cle = paire.substr(0, egal);
    const std::string_view position = egal == std::string_view::npos ? "" : paire.substr(egal + 1);
    int k = 0;
    const bool lue = chiffres(cle) && std::from_chars(cle.data(), cle.data() + cle.size(), k).ec == std::errc{};
    if (!lue || TrouveNiveau(k) == nullptr || !chiffres(position.substr(position.starts_with('-') ? 1 : 0))) {
      erreur.assign(1, '"').append(paire).append("\" is not KEY=POS with a level key ");
      erreur.append(std::to_string(kPremiereCle)).append(" to ").append(std::to_string(kDerniereCle));
      erreur.append(" and a whole position");
      return std::nullopt;
    }
    if (std::any_of(index.begin(), index.end(), [k](const auto& p) { return p.first == k; })) {
      erreur.assign("key ").append(cle).append(" given twice");
      return std::nullopt;
    }
    long long p = 0;
    if (std::from_chars(position.data(), position.data() + position.size(), p).ec != std::errc{})
      p = position.starts_with('-') ? LLONG_MIN : LLONG_MAX;
    index.emplace_back(k, static_cast<int>(std::clamp<long long>(p, INT_MIN, INT_MAX)));
    if (paire.size() == reste.size()) break;
    reste.remove_prefix(paire.size() + 1);
  }
  std::sort(index.begin(), index.end());
  return index;
}

std::string EcritIndexTexte(const Index& index) {
  std::string texte;
  for (const auto& [cle, position] : index) {
    if (!texte.empty()) texte += ',';
    texte.append(std::to_string(cle)).append(1, '=').append(std::to_string(position));
  }
  return texte;
}

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
                   nomme ? kLibelles[rang].pluriel : m.enregistrement,
                   nomme ? kLibelles[rang].nomFrancais : m.enregistrement, m.unPar, m.lettreCle});
    }
    // Owners stay before the levels they own: the engine lists them so, and the words list
    // each owner before its levels.
    std::stable_sort(n.begin(), n.end(),
                     [](const Niveau& a, const Niveau& b) { return RangEcriture(a.cle) < RangEcriture(b.cle); });
    return n;
  }();
  return niveaux;
}

const Niveau* TrouveNiveau(int cle) {
  // Asked for every level of every letter of a file: a table by key.
  static const auto parCle = [] {
    std::array<const Niveau*, kDerniereCle - kPremiereCle + 1> t{};
    for (const Niveau& n : Niveaux())
      if (n.cle >= kPremiereCle && n.cle <= kDerniereCle) t[static_cast<std::size_t>(n.cle - kPremiereCle)] = &n;
    return t;
  }();
  return cle >= kPremiereCle && cle <= kDerniereCle ? parCle[static_cast<std::size_t>(cle - kPremiereCle)] : nullptr;
}

std::size_t Nombre(const TDonnee2072& racine, int cle, int positionParent) {
  return NombreAuNiveau(racine, cle, IndexDuParent(cle, positionParent));
}

void Complete(TDonnee2072& racine, int cle, int positionParent, std::size_t n) {
  CompleteNiveau(racine, cle, IndexDuParent(cle, positionParent), n);
}

}  // namespace hote2072
