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
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_3a,
     [](const R& t, const TControle&) { return t.getNomCessionnaire().empty(); }},
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_3b,
     [](const R& t, const TControle&) { return t.getNomCedant().empty(); }},
    {Arret::Teste, ID_ERREUR72_OPERATION_PARTS_4, [](const R& t, const TControle&) { return t.getDateCession() == 0; }},
    {Arret::Suite, ID_ERREUR72_OPERATION_PARTS_4b,
     [](const R& t, const TControle& c) { return t.getDateCession() != 0 && !c.DansAnnee(t.getDateCession()); }},
};

}  // namespace

void ControleCessionParts(TControle& c, const TCessionParts& cession) { Applique(c, kRegles, cession); }

}  // namespace zorfiscal2072::controles
