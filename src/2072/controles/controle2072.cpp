// The root's screen check: the records the index names, in the fixed order of the rules.
#include "controle2072.h"

#include "niveaux2072.h"

namespace zorfiscal2072 {

namespace controles {

void TControle::Emet(const Resultat& resultat) {
  m_statut = Message(m_contexte, m_ecran, static_cast<short>(resultat.numero), &m_poignee, 0, 0, 0, 0, 0);
  if (resultat.curseur != 0 && m_poignee != nullptr) *m_poignee = resultat.curseur;
}

}  // namespace controles

short* TDonnee2072::Controle(void* contexte, struTEcranLettre* ecran, TIndex index) {
  using namespace controles;
  TControle c(contexte, ecran, *this);
  ControleInfogene(c, Infogene2072);
  ControleDirigeants(c, Infogene2072);
  if (const TCession* s = Designe(OperationSociete.getCession(), index, kNiveauCession)) ControleCession(c, *s);
  if (const TAssocie2072* a = Designe(Associe2072, index, kNiveauAssocie)) ControleAssocie(c, *a);
  if (const TPropriete2072* p = Designe(Propriete2072, index, kNiveauPropriete)) ControlePropriete(c, *p, index);
  ControleExercice(c, Infogene2072);
  if (const TCessionParts* t = Designe(CessionsPartsSociete.getCessionParts(), index, kNiveauCessionParts))
    ControleCessionParts(c, *t);
  return c.Poignee();
}

// Without an index the host names no screen: nothing to check.
short* TDonnee2072::Controle(void*, struTEcranLettre*) { return nullptr; }

}  // namespace zorfiscal2072
