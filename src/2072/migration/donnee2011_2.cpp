// Root step "2011.2": application of the rental-income contribution, shares at 1 January,
// holding companies.
#include "anciennes_lettres.h"
#include "codes2072.h"
#include "moulinettes2072.h"

namespace zorfiscal2072::migration {

namespace {

constexpr long long kFormeHoldingAncienne = 58;  // no longer a legal form of the lists

}  // namespace

void TMoulinetteDonnee2011_2::Convertit(AnciennesLettres& l) {
  // 1. The old choice 12435: 1 the contribution applies, 3 it applies on the receipts entered.
  if (l.Renseigne(12435)) {
    const long long choix = l.Entier(12435);
    if ((choix == 1 || choix == 3) && !l.Existe(12650)) l.Ajoute(12650, std::to_string(OuiNon::Oui), 12435);
    if (choix == 3 && l.Renseigne(12358)) l.Ajoute(12359, l.Texte(12358), 12358);
  }
  // 2. The shares held on 1 January are those held at the end of the year.
  if (l.Renseigne(12075)) l.Ajoute(12742, l.Texte(12075), 12075);
  // 3. A holding company is a civil company with the holding flag.
  if (l.Renseigne(12562) && l.Entier(12562) == kFormeHoldingAncienne) {
    l.Modifie(12562, std::to_string(FormeJuridique::SocieteCivile));
    l.Ajoute(12751, std::to_string(OuiNon::Oui), 12562);
  }
}

}  // namespace zorfiscal2072::migration
