#include "amortissement2072.h"

namespace zorfiscal2072 {

// Rows reaching the library object's values: a line's amount or start date, a single
// amount, or one value of an entry of a series.
#define LIGNE(code, numero, membre, primitive) \
  LETTRE_VIA(code, #membre "Ligne" #numero, primitive, 0, &r.getLigne(numero).membre)
#define MONTANT(code, numero) LETTRE_VIA(code, "Montant" #numero, Reel, 0, &r.getMontant(numero))
#define ENTREE(code, serie, numero, membre, primitive) \
  LETTRE_VIA(code, "Serie" #serie "Entree" #numero #membre, primitive, 0, &r.getEntree(serie, numero).membre)

const lettres::TableLettres<TAmortissement2072>& TAmortissement2072::Lettres() {
  using R = TAmortissement2072;
  static const lettres::TableLettres<R> table{
      LIGNE(12297, 1, Montant, Reel),   LIGNE(12298, 1, DateDebut, Date),  // the investment
      LIGNE(12301, 2, Montant, Reel),   LIGNE(12302, 2, DateDebut, Date),  // first group of expenses
      LIGNE(12303, 3, Montant, Reel),   LIGNE(12304, 3, DateDebut, Date),
      LIGNE(12305, 4, Montant, Reel),   LIGNE(12306, 4, DateDebut, Date),
      LIGNE(12309, 5, Montant, Reel),   LIGNE(12310, 5, DateDebut, Date),  // second group of expenses
      LIGNE(12311, 6, Montant, Reel),   LIGNE(12312, 6, DateDebut, Date),
      LIGNE(12313, 7, Montant, Reel),   LIGNE(12314, 7, DateDebut, Date),
      MONTANT(12300, 1),                MONTANT(12308, 2),
      MONTANT(12316, 3),                MONTANT(12317, 4),
      ENTREE(12413, 1, 1, Montant1, Reel), ENTREE(12414, 1, 2, Montant1, Reel), ENTREE(12415, 1, 3, Montant1, Reel),
      ENTREE(12410, 1, 1, Montant2, Reel), ENTREE(12411, 1, 2, Montant2, Reel), ENTREE(12412, 1, 3, Montant2, Reel),
      ENTREE(12407, 1, 1, Nombre, Long),   ENTREE(12408, 1, 2, Nombre, Long),   ENTREE(12409, 1, 3, Nombre, Long),
      ENTREE(12422, 2, 1, Montant1, Reel), ENTREE(12423, 2, 2, Montant1, Reel), ENTREE(12424, 2, 3, Montant1, Reel),
      ENTREE(12419, 2, 1, Montant2, Reel), ENTREE(12420, 2, 2, Montant2, Reel), ENTREE(12421, 2, 3, Montant2, Reel),
      ENTREE(12416, 2, 1, Nombre, Long),   ENTREE(12417, 2, 2, Nombre, Long),   ENTREE(12418, 2, 3, Nombre, Long),
  };
  return table;
}

#undef LIGNE
#undef MONTANT
#undef ENTREE

bool TAmortissement2072::TransfertLettre(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

const lettres::TableLettres<TAmortissementComposant>& TAmortissementComposant::Lettres() {
  using R = TAmortissementComposant;
  static const lettres::TableLettres<R> table{
      LETTRE(12618, TotalMethodeLineaire, Reel, 0),
      LETTRE(12619, TotalMethodeDegressive, Reel, 0),
  };
  return table;
}

bool TAmortissementComposant::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

}  // namespace zorfiscal2072
