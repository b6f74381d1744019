// Company name, capital and shares of the general information.
#include <cmath>

#include "controle2072.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

// Half away from zero at n decimals.
double Arrondi(double x, int decimales) {
  const double echelle = std::pow(10.0, decimales);
  return std::round(x * echelle) / echelle;
}

using R = TInfogene2072;

// The computed total and the total share of results come from the computation.
const RegleSimple<R> kRegles[] = {
    {Arret::Teste, ID_ERREUR72_SISAISIENOM, NonSaisi<R, &R::getSocieteNom>},
    {Arret::Teste, ID_ERREUR72_SISAISIECAPITAL, [](const R& i, const TControle&) { return i.getCapital() == 0; }},
    {Arret::Teste, ID_ERREUR72_SISAISIETOTALPART,
     [](const R& i, const TControle&) { return i.getNombrePartsTotal() == 0; }},
    {Arret::Teste, ID_ERREUR72_SINBPART_MOINS,
     [](const R& i, const TControle&) {
       return Arrondi(i.getNombrePartsTotal(), 3) < Arrondi(i.getNombrePartsTotalCalcul(), 3) &&
              i.getNombrePartsTotal() >= 1;
     }},
    {Arret::Teste, ID_ERREUR72_SISAISIEQUOTEPARTTOTALPLUS,
     [](const R& i, const TControle&) {
       return Arrondi(i.getQuotePartResultatsTotal(), 4) > 100.0002 &&
              Arrondi(i.getNombrePartsTotal(), 3) >= Arrondi(i.getNombrePartsTotalCalcul(), 3);
     }},
};

}  // namespace

void ControleInfogene(TControle& c, const TInfogene2072& infogene) { Applique(c, kRegles, infogene); }

}  // namespace zorfiscal2072::controles
