// A sale by the company: a label, and a date within the year.
#include "controle2072.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

using R = TCession;

const RegleSimple<R> kRegles[] = {
    {Arret::Teste, ID_ERREUR72_CESSION_LIBELLE, NonSaisi<R, &R::getLibelle>},
    {Arret::Teste, ID_ERREUR72_CESSION_DATEVIDE, DateNonSaisie<R, &R::getDate>},
    {Arret::Suite, ID_ERREUR72_CESSION_DATEAF, DateHorsAnnee<R, &R::getDate>},
};

}  // namespace

void ControleCession(TControle& c, const TCession& cession) { Applique(c, kRegles, cession); }

}  // namespace zorfiscal2072::controles
