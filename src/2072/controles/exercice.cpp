// Dates of the financial year: it may start the year before the declaration's, and must
// close within it.
#include "controle2072.h"
#include "kel.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

using R = TInfogene2072;

const RegleSimple<R> kRegles[] = {
    {Arret::Teste, ID_ERREUR72_DATES_EF_1,
     [](const R& i, const TControle& c) {
       const long annee = kel::Date(i.getDateDebutExercice()).Annee();
       return annee != c.Annee() && annee != 0 && annee != c.Annee() - 1;
     }},
    {Arret::Teste, ID_ERREUR72_DATES_EF_2,
     [](const R& i, const TControle& c) {
       const long annee = kel::Date(i.getDateClotureExercice()).Annee();
       return annee != c.Annee() && annee != 0;
     }},
};

}  // namespace

void ControleExercice(TControle& c, const TInfogene2072& infogene) { Applique(c, kRegles, infogene); }

}  // namespace zorfiscal2072::controles
