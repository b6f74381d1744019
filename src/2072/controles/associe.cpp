// A partner: a natural person's surname (and married name for "Madame"), a legal person's
// corporate name and SIRET, and the shares held.
#include "codes2072.h"
#include "controle2072.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

using R = TAssocie2072;

bool Physique(const R& a) { return a.getType() == TypePersonne::Physique; }
bool Morale(const R& a) { return a.getType() == TypePersonne::Morale; }

// The legal person's three texts make one rule: SIREN and NIC are reported even after the
// host stopped at the corporate name.
const RegleSimple<R> kRegles[] = {
    {Arret::Teste, ID_ERREUR72_ASSSAISIENOM,
     [](const R& a, const TControle&) { return Physique(a) && a.getNom().empty(); }},
    {Arret::Teste, ID_ERREUR72_ASSSAISIEMARITAL,
     [](const R& a, const TControle&) {
       return Physique(a) && a.getFormeJuridiqueOuTitre() == Titre::Madame && a.getNomMarital().empty();
     }},
    {Arret::Teste, ID_ERREUR72_ASSSAISIEDESIGN,
     [](const R& a, const TControle&) { return Morale(a) && a.getDenomination().empty(); }},
    {Arret::Suite, ID_ERREUR72_ASSSAISIESIRET,
     [](const R& a, const TControle&) { return Morale(a) && a.getNumeroSIREN().empty(); }},
    {Arret::Suite, ID_ERREUR72_ASSSAISIESIRETSUITE,
     [](const R& a, const TControle&) { return Morale(a) && a.getNumeroNIC().empty(); }},
    {Arret::Teste, ID_ERREUR72_ASSSAISIENBPART, [](const R& a, const TControle&) { return a.getNombreParts() == 0; }},
};

}  // namespace

void ControleAssocie(TControle& c, const TAssocie2072& associe) { Applique(c, kRegles, associe); }

}  // namespace zorfiscal2072::controles
