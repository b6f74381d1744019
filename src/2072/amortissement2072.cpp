#include "amortissement2072.h"

#include <array>
#include <string>

namespace zorfiscal2072 {

// Rows reaching the library object's values: a line's amount or start date, a single
// amount, or one value of an entry of a series. The single amounts and the entries other than
// series 1 entry 1's whole number are kept and exchanged, never used by the computation.
#define LIGNE(code, numero, membre, primitive, libelle) \
  LETTRE_VIA(code, #membre "Ligne" #numero, primitive, 0, libelle, &r.getLigne(numero).membre)
#define MONTANT(code, numero, lettre) \
  LETTRE_VIA(code, "Montant" #numero, Reel, 0, "Amortissement : montant " lettre " (réservé)", &r.getMontant(numero))
#define ENTREE(code, serie, numero, membre, primitive, libelle)           \
  LETTRE_VIA(code, "Serie" #serie "Entree" #numero #membre, primitive, 0, \
             "Amortissement : série " #serie ", entrée " #numero ", " libelle, &r.getEntree(serie, numero).membre)
#define LIGNE_COMPLETE(codeMontant, codeDate, numero, quoi)                                      \
  LIGNE(codeMontant, numero, Montant, Reel, "Ligne " #numero " (" quoi ") : montant à amortir"), \
      LIGNE(codeDate, numero, DateDebut, Date, "Ligne " #numero " (" quoi ") : début de l'amortissement")

const lettres::TableLettres<TAmortissement2072>& TAmortissement2072::Lettres() {
  using R = TAmortissement2072;
  static const lettres::TableLettres<R> table{
      LIGNE_COMPLETE(12297, 12298, 1, "investissement"),
      LIGNE_COMPLETE(12301, 12302, 2, "dépenses de reconstruction ou d'agrandissement"),
      LIGNE_COMPLETE(12303, 12304, 3, "dépenses de reconstruction ou d'agrandissement"),
      LIGNE_COMPLETE(12305, 12306, 4, "dépenses de reconstruction ou d'agrandissement"),
      LIGNE_COMPLETE(12309, 12310, 5, "dépenses d'amélioration"),
      LIGNE_COMPLETE(12311, 12312, 6, "dépenses d'amélioration"),
      LIGNE_COMPLETE(12313, 12314, 7, "dépenses d'amélioration"),
      MONTANT(12300, 1, "A"),
      MONTANT(12308, 2, "B"),
      MONTANT(12316, 3, "C"),
      MONTANT(12317, 4, "D"),
      ENTREE(12413, 1, 1, Montant1, Reel, "premier montant (réservé)"),
      ENTREE(12414, 1, 2, Montant1, Reel, "premier montant (réservé)"),
      ENTREE(12415, 1, 3, Montant1, Reel, "premier montant (réservé)"),
      ENTREE(12410, 1, 1, Montant2, Reel, "second montant (réservé)"),
      ENTREE(12411, 1, 2, Montant2, Reel, "second montant (réservé)"),
      ENTREE(12412, 1, 3, Montant2, Reel, "second montant (réservé)"),
      ENTREE(12407, 1, 1, Nombre, Long, "nombre de périodes de prolongation choisies"),
      ENTREE(12408, 1, 2, Nombre, Long, "nombre (réservé)"),
      ENTREE(12409, 1, 3, Nombre, Long, "nombre (réservé)"),
      ENTREE(12422, 2, 1, Montant1, Reel, "premier montant (réservé)"),
      ENTREE(12423, 2, 2, Montant1, Reel, "premier montant (réservé)"),
      ENTREE(12424, 2, 3, Montant1, Reel, "premier montant (réservé)"),
      ENTREE(12419, 2, 1, Montant2, Reel, "second montant (réservé)"),
      ENTREE(12420, 2, 2, Montant2, Reel, "second montant (réservé)"),
      ENTREE(12421, 2, 3, Montant2, Reel, "second montant (réservé)"),
      ENTREE(12416, 2, 1, Nombre, Long, "nombre (réservé)"),
      ENTREE(12417, 2, 2, Nombre, Long, "nombre (réservé)"),
      ENTREE(12418, 2, 3, Nombre, Long, "nombre (réservé)"),
  };
  return table;
}

TAmortissement2072::CodesLigne TAmortissement2072::CodesDeLaLigne(int ligne) {
  static const auto codes = [] {
    std::array<CodesLigne, kNbLignes> c{};
    for (int l = 1; l <= kNbLignes; ++l) {
      const std::string numero = std::to_string(l);
      c[static_cast<std::size_t>(l - 1)] = {static_cast<short>(Lettres().CodeDuChamp("MontantLigne" + numero)),
                                            static_cast<short>(Lettres().CodeDuChamp("DateDebutLigne" + numero))};
    }
    return c;
  }();
  return ligne >= 1 && ligne <= kNbLignes ? codes[static_cast<std::size_t>(ligne - 1)] : CodesLigne{0, 0};
}

#undef LIGNE
#undef LIGNE_COMPLETE
#undef MONTANT
#undef ENTREE

bool TAmortissement2072::TransfertLettre(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

const lettres::TableLettres<TAmortissementComposant>& TAmortissementComposant::Lettres() {
  using R = TAmortissementComposant;
  static const lettres::TableLettres<R> table{
      LETTRE(12618, TotalMethodeLineaire, Reel, 0, "Total des amortissements linéaires des composants").Calcule(),
      LETTRE(12619, TotalMethodeDegressive, Reel, 0, "Total des amortissements dégressifs des composants").Calcule(),
  };
  return table;
}

bool TAmortissementComposant::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

}  // namespace zorfiscal2072
