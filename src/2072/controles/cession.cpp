// A sale by the company: a label, and a date within the year.
#include "controle2072.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

using R = TCession;

const RegleSimple<R> kRegles[] = {
    {Arret::Teste, ID_ERREUR72_CESSION_LIBELLE, [](const R& s, const TControle&) { return s.getLibelle().empty(); }},
    {Arret::Teste, ID_ERREUR72_CESSION_DATEVIDE, [](const R& s, const TControle&) { return s.getDate() == 0; }},
    {Arret::Suite, ID_ERREUR72_CESSION_DATEAF,
     [](const R& s, const TControle& c) { return s.getDate() != 0 && !c.DansAnnee(s.getDate()); }},
};

}  // namespace

void ControleCession(TControle& c, const TCession& cession) { Applique(c, kRegles, cession); }

}  // namespace zorfiscal2072::controles
