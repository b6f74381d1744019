#include "lignes.h"

namespace zorfiscal2072::controles {

using enum NumeroMessage;

// Line 1 the investment, lines 2 to 4 and 5 to 7 two groups of expenses.
const LigneAmortissement kLignes[kNombreLignes] = {
    {ID_ERREUR72_PROPSAISIEDATEAMORT1, ID_ERREUR72_MONTANTINVEST, ID_ERREUR72_PROPCONTDATEAMORT1},
    {ID_ERREUR72_PROPSAISIEDATEAMORT2, ID_ERREUR72_MONTANTDEPENSES1, ID_ERREUR72_PROPCONTDATEAMORT2},
    {ID_ERREUR72_PROPSAISIEDATEAMORT3, ID_ERREUR72_MONTANTDEPENSES1, ID_ERREUR72_PROPCONTDATEAMORT3},
    {ID_ERREUR72_PROPSAISIEDATEAMORT4, ID_ERREUR72_MONTANTDEPENSES1, ID_ERREUR72_PROPCONTDATEAMORT4},
    {ID_ERREUR72_PROPSAISIEDATEAMORT5, ID_ERREUR72_MONTANTDEPENSES2, ID_ERREUR72_PROPCONTDATEAMORT5},
    {ID_ERREUR72_PROPSAISIEDATEAMORT6, ID_ERREUR72_MONTANTDEPENSES2, ID_ERREUR72_PROPCONTDATEAMORT6},
    {ID_ERREUR72_PROPSAISIEDATEAMORT7, ID_ERREUR72_MONTANTDEPENSES2, ID_ERREUR72_PROPCONTDATEAMORT7},
};

Resultat RegleLigne::Evalue(const TPropriete2072& p, const TControle&) const {
  const TAmortissement::TLigne& l = p.getAmortissement2072().getLigne(ligne);
  const LigneAmortissement& d = kLignes[ligne - 1];
  const TAmortissement2072::CodesLigne codes = TAmortissement2072::CodesDeLaLigne(ligne);
  switch (verif) {
    case VerifLigne::SansDate:
      if (l.Montant != 0 && l.DateDebut == 0) return {d.sansDate, codes.date};
      break;
    case VerifLigne::SansMontant:
      if (l.Montant == 0 && l.DateDebut != 0) return {d.sansMontant, codes.montant};
      break;
    case VerifLigne::AvantAcquisition:
      if (p.ExisteOptionAmortissement() && l.DateDebut != 0 && l.DateDebut < p.getDateAcquisition())
        return {d.avantAcquisition, codes.date};
      break;
  }
  return {};
}

Resultat RegleBoucle::Evalue(const TPropriete2072& p, const TControle& c) const {
  if (!Contient(options, p.getOptionFiscale())) return {};
  for (int ligne = 1; ligne <= kNombreLignes; ++ligne) {
    const TAmortissement::TLigne& l = p.getAmortissement2072().getLigne(ligne);
    if (l.Montant != 0 && l.DateDebut != 0 && Compare(comparaison, l.DateDebut, borne, 0, c))
      return {ligne <= 4 ? messageLignes1a4 : messageLignes5a7, TAmortissement2072::CodesDeLaLigne(ligne).date};
  }
  return {};
}

}  // namespace zorfiscal2072::controles
