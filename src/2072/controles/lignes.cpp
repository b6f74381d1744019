#include "lignes.h"

namespace zorfiscal2072::controles {

const LigneAmortissement kLignes[kNombreLignes] = {
    {12297, 12298, 138, 156, 145},  // the investment
    {12301, 12302, 139, 157, 146},  // first group of expenses
    {12303, 12304, 140, 157, 147},
    {12305, 12306, 141, 157, 148},
    {12309, 12310, 142, 158, 149},  // second group of expenses
    {12311, 12312, 143, 158, 150},
    {12313, 12314, 144, 158, 151},
};

Resultat RegleLigne::Evalue(const TPropriete2072& p, const TControle&) const {
  const TAmortissement::TLigne& l = p.getAmortissement2072().getLigne(ligne);
  const LigneAmortissement& d = kLignes[ligne - 1];
  switch (verif) {
    case VerifLigne::SansDate:
      if (l.Montant != 0 && l.DateDebut == 0) return {d.sansDate, d.lettreDate};
      break;
    case VerifLigne::SansMontant:
      if (l.Montant == 0 && l.DateDebut != 0) return {d.sansMontant, d.lettreMontant};
      break;
    case VerifLigne::AvantAcquisition:
      if (p.ExisteOptionAmortissement() && l.DateDebut != 0 && l.DateDebut < p.getDateAcquisition())
        return {d.avantAcquisition, d.lettreDate};
      break;
  }
  return {};
}

Resultat RegleBoucle::Evalue(const TPropriete2072& p, const TControle& c) const {
  if (!Contient(options, p.getOptionFiscale())) return {};
  for (int ligne = 1; ligne <= kNombreLignes; ++ligne) {
    const TAmortissement::TLigne& l = p.getAmortissement2072().getLigne(ligne);
    if (l.Montant != 0 && l.DateDebut != 0 && Compare(comparaison, l.DateDebut, borne, 0, c))
      return {ligne <= 4 ? messageLignes1a4 : messageLignes5a7, kLignes[ligne - 1].lettreDate};
  }
  return {};
}

}  // namespace zorfiscal2072::controles
