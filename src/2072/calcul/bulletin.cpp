// The partners' statements: each partner's share of the business, farm and financial results,
// of every property's result to distribute (rounded share by share), of the gains and losses
// on the company's sales, and the parts it acquired or ceded during the year.
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "codes2072.h"
#include "etapes.h"
#include "figuresresultat2072.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {
namespace {

// Records by code, the first of the list winning when codes repeat (as a search in list
// order would find): built once per computation, so that each share costs one lookup. A
// statement lists its shares in the order of the properties, so the record at the share's
// own position is tried first, when it is the first of its code.
template <class T>
class ParCode {
 public:
  ParCode(std::vector<T>& liste, std::string_view (*code)(const T&)) : m_code(code) {
    m_index.reserve(liste.size());
    m_premiers.reserve(liste.size());
    for (T& e : liste) m_premiers.push_back(m_index.emplace(code(e), &e).second ? &e : nullptr);
  }
  T* Cherche(const std::string& code, std::size_t position) const {
    if (position < m_premiers.size() && m_premiers[position] != nullptr && m_code(*m_premiers[position]) == code)
      return m_premiers[position];
    const auto it = m_index.find(code);
    return it == m_index.end() ? nullptr : it->second;
  }

 private:
  std::string_view (*m_code)(const T&);
  std::unordered_map<std::string_view, T*> m_index;
  std::vector<T*> m_premiers;  // the record at each position when no earlier one has its code
};

// The parts each partner position acquired and ceded through the year's transfers; a
// position outside the partners (an outside person, or a wrong number) counts for nobody.
struct Mouvements {
  std::vector<double> acquises, cedees;
};

Mouvements MouvementsParts(const std::vector<TCessionParts>& cessions, std::size_t nbAssocies) {
  Mouvements m{std::vector<double>(nbAssocies, 0.0), std::vector<double>(nbAssocies, 0.0)};
  const auto ajoute = [nbAssocies](std::vector<double>& total, long position, double parts) {
    if (position >= 0 && static_cast<std::size_t>(position) < nbAssocies)
      total[static_cast<std::size_t>(position)] += parts;
  };
  for (const TCessionParts& c : cessions) {
    ajoute(m.acquises, c.getAssocieCessionnaire(), c.getNombreParts());
    ajoute(m.cedees, c.getAssocieCedant(), c.getNombreParts());
  }
  return m;
}

// One share of a property: each figure of the property's result to distribute at the rate,
// rounded on its own (a missing property gives 0, what was entered on the share stays); the
// mobility deduction comes off only where the share says it applies.
void CalculQuotePart(TQuotePartPropriete& q, const TResultatARepartir2072* r, double taux) {
  for (const FigureResultat& f : kFiguresResultat)
    (q.*f.fixeQuotePart)(r == nullptr ? 0.0 : TDonnee2072::Arrondi((r->*f.propriete)() * taux));
  if (r != nullptr && q.getPresenceMobilite() == OuiNon::Oui)
    q.setRevenuOuDeficit(q.getRevenuOuDeficit() - q.getDeductionMobilite());
}

}  // namespace

void TDonnee2072::CalculBulletinIndividuel(TAssocie2072* associe) {
  if (associe == nullptr) return;
  TBulletin2072& b = associe->getBulletin2072();
  const double taux = associe->getQuotePartResultats() * 0.01;
  const auto& fiscal = DonneeIS2072.getBeneficeOuDeficitFiscal();
  b.setRevenuBICIS(fiscal.at(TDonneeIS2072::kColonneBICIS) * taux);
  b.setRevenuBA(fiscal.at(TDonneeIS2072::kColonneBA) * taux);
  switch (associe->getRegimeFiscal()) {
    case RegimeFiscal::BA: b.setRevenuTNSouIS(b.getRevenuBA()); break;
    case RegimeFiscal::BIC:
    case RegimeFiscal::IS: b.setRevenuTNSouIS(b.getRevenuBICIS()); break;
    default: break;  // land income keeps what it had
  }
  calcul::FixeCalcule(b.getQuotePartProduitsFinanciers(), Infogene2072.getProduitsFinanciers() * taux);
}

void TDonnee2072::CalculBulletin() {
  const ParCode<TPropriete2072> proprietes(
      Propriete2072, [](const TPropriete2072& p) -> std::string_view { return p.getCodePropriete(); });
  const ParCode<TCession> cessions(OperationSociete.getCession(),
                                   [](const TCession& c) -> std::string_view { return c.getCodeCession(); });
  const Mouvements parts = MouvementsParts(CessionsPartsSociete.getCessionParts(), Associe2072.size());

  for (std::size_t p = 0; p < Associe2072.size(); ++p) {
    TAssocie2072& associe = Associe2072[p];
    CalculBulletinIndividuel(&associe);
    TBulletin2072& b = associe.getBulletin2072();
    b.setNbpartsAcquises(parts.acquises[p]);
    b.setNbpartsCedees(parts.cedees[p]);
    b.setPresenceAcquisitionParts(parts.acquises[p] > 0 ? OuiNon::Oui : OuiNon::Non);
    b.setPresenceCessionParts(parts.cedees[p] > 0 ? OuiNon::Oui : OuiNon::Non);

    const double taux = associe.getQuotePartResultats() * 0.01;
    double totaux[std::size(kFiguresResultat)] = {};
    double mobilite = 0;
    auto& quotes = b.getQuotePartPropriete();
    for (std::size_t k = 0; k < quotes.size(); ++k) {
      TQuotePartPropriete& q = quotes[k];
      const TPropriete2072* propriete = proprietes.Cherche(q.getCodePropriete(), k);
      CalculQuotePart(q, propriete == nullptr ? nullptr : &propriete->getResultatARepartir(), taux);
      if (propriete == nullptr) continue;  // it counts for nothing
      // The figure is named before its member is called: indexing the table inside the
      // pointer-to-member call makes g++'s bounds sanitizer read a garbage index.
      for (std::size_t f = 0; f < std::size(kFiguresResultat); ++f) {
        const FigureResultat& figure = kFiguresResultat[f];
        totaux[f] += (q.*figure.quotePart)();
      }
      if (q.getPresenceMobilite() == OuiNon::Oui) mobilite += q.getDeductionMobilite();
    }
    for (std::size_t f = 0; f < std::size(kFiguresResultat); ++f) {
      const FigureResultat& figure = kFiguresResultat[f];
      (b.*figure.fixeTotal)(totaux[f]);
    }
    b.setTotalDeductionMobilite(mobilite);

    auto& repartitions = b.getRepartitionOperationsSociete();
    for (std::size_t k = 0; k < repartitions.size(); ++k) {
      TRepartitionOperationsSociete& r = repartitions[k];
      const TCession* cession = cessions.Cherche(r.getCodeCession(), k);
      if (cession == nullptr) continue;  // left as it was
      calcul::FixeCalcule(r.getQuotePartMV(), cession->getMoinsValue() * taux);
      calcul::FixeCalcule(r.getQuotePartPV(), cession->getPlusValue() * taux);
    }
  }
}

}  // namespace zorfiscal2072
