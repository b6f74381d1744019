// The records a screen's index names.
#include "niveaux2072.h"
#include "selection2072.h"

namespace zorfiscal2072 {

namespace {

// The element at the index's position for `cle`: named only when the key is present and
// 0 <= position < size. A negative position names nothing (it must never reach the vector).
template <class T>
const T* Nomme(const std::vector<T>& vecteur, const TIndex& index, int cle) {
  int position = 0;
  if (!index.getValeurIndex(cle, position) || position < 0) return nullptr;
  const auto rang = static_cast<std::size_t>(position);
  return rang < vecteur.size() ? &vecteur[rang] : nullptr;
}

}  // namespace

EnregistrementsNommes NommesParIndex(const TDonnee2072& racine, const TIndex& index) {
  EnregistrementsNommes n{racine};
  n.propriete = Nomme(racine.getPropriete2072(), index, kNiveauPropriete);
  n.associe = Nomme(racine.getAssocie2072(), index, kNiveauAssocie);
  n.cessionParts = Nomme(racine.getCessionsPartsSociete().getCessionParts(), index, kNiveauCessionParts);
  n.cession = Nomme(racine.getOperationSociete().getCession(), index, kNiveauCession);
  if (n.associe != nullptr) {
    const TBulletin2072& bulletin = n.associe->getBulletin2072();
    n.quotePart = Nomme(bulletin.getQuotePartPropriete(), index, kNiveauQuotePart);
    n.repartition = Nomme(bulletin.getRepartitionOperationsSociete(), index, kNiveauRepartition);
  }
  return n;
}

bool EstNomme(const EnregistrementsNommes& n, Requis requis) {
  switch (requis) {
    case Requis::Declaration: return true;
    case Requis::Propriete: return n.propriete != nullptr;
    case Requis::Associe: return n.associe != nullptr;
    case Requis::CessionParts: return n.cessionParts != nullptr;
    case Requis::Cession: return n.cession != nullptr;
    case Requis::QuotePart: return n.quotePart != nullptr;
  }
  return false;
}

}  // namespace zorfiscal2072
