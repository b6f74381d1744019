// The four persons acting for the company: a natural person needs a surname, then first
// names; a legal person a corporate name.
#include <string>

#include "codes2072.h"
#include "controle2072.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

using Texte = const std::string& (TInfogene2072::*)() const;

struct RegleDirigeant {
  Arret arret;
  short (TInfogene2072::*type)() const;
  Texte nom, prenom, denomination;
  NumeroMessage messageNom, messagePrenom, messageDenomination;

  Resultat Evalue(const TInfogene2072& i, const TControle&) const {
    const short t = (i.*type)();
    if (t == TypePersonne::Physique) {
      if ((i.*nom)().empty()) return {messageNom, 0};
      if ((i.*prenom)().empty()) return {messagePrenom, 0};
    } else if (t == TypePersonne::Morale && (i.*denomination)().empty()) {
      return {messageDenomination, 0};
    }
    return {};
  }
};

using R = TInfogene2072;

// Manager, accountant, adviser, administrator, in this order.
const RegleDirigeant kDirigeants[] = {
    {Arret::Teste, &R::getTypeGerant, &R::getNomGerant, &R::getPrenomGerant, &R::getDenominationGerant,
     ID_ERREUR72_GERANTNOM, ID_ERREUR72_GERANTPRENOM, ID_ERREUR72_GERANTDENOMINATION},
    {Arret::Teste, &R::getTypeComptable, &R::getNomComptable, &R::getPrenomComptable, &R::getDenominationComptable,
     ID_ERREUR72_COMPTABLENOM, ID_ERREUR72_COMPTABLEPRENOM, ID_ERREUR72_COMPTABLEDENOMINATION},
    {Arret::Teste, &R::getTypeConseil, &R::getNomConseil, &R::getPrenomConseil, &R::getDenominationConseil,
     ID_ERREUR72_CONSEILNOM, ID_ERREUR72_CONSEILPRENOM, ID_ERREUR72_CONSEILDENOMINATION},
    {Arret::Teste, &R::getTypeAdministrateur, &R::getNomAdministrateur, &R::getPrenomAdministrateur,
     &R::getDenominationAdministrateur, ID_ERREUR72_ADMINISTRATEURNOM, ID_ERREUR72_ADMINISTRATEURPRENOM,
     ID_ERREUR72_ADMINISTRATEURDENOMINATION},
};

}  // namespace

void ControleDirigeants(TControle& c, const TInfogene2072& infogene) { Applique(c, kDirigeants, infogene); }

}  // namespace zorfiscal2072::controles
