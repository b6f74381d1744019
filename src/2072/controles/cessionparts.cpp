// A transfer of shares: shares, two different parties with their names, a date within the year.
#include "controle2072.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

using R = TCessionParts;

// The parties' names are copied from the partners by the coherence pass before the check.
const RegleSimple<R> kRegles[] = {
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_1, [](const R& t, const TControle&) { return t.getNombreParts() == 0; }},
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_2,
     [](const R& t, const TControle& c) {
       // The position equal to the number of partners stands for a person outside them.
       return t.getAssocieCessionnaire() == t.getAssocieCedant() && t.getAssocieCedant() != c.Racine().NbAssocie();
     }},
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_3a, NonSaisi<R, &R::getNomCessionnaire>},
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_3b, NonSaisi<R, &R::getNomCedant>},
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_4, DateNonSaisie<R, &R::getDateCession>},
    {Arret::Suite, ID_ERREUR72_OPERATION_PARTS_4b, DateHorsAnnee<R, &R::getDateCession>},
};

}  // namespace

void ControleCessionParts(TControle& c, const TCessionParts& cession) { Applique(c, kRegles, cession); }

}  // namespace zorfiscal2072::controles
