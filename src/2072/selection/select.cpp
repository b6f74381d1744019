// The root's letter selection: every letter of the list ends kept, dropped or marked.
#include <string>

#include "selection2072.h"

namespace zorfiscal2072 {

// Without an index there is no screen to select for: the list stays as it is.
void TDonnee2072::Select(structListeLettres*) {}

void TDonnee2072::Select(structListeLettres* liste, TIndex index) {
  const EnregistrementsNommes nommes = NommesParIndex(*this, index);
  for (structLettre* l = VaPremiereLettre(liste); !FinListeLettre(l); l = VaLettreSuivante(l)) {
    l->flag = Decision::Gardee;
    const RegleSelection* regle = RegleDeCode(l->code);
    if (regle == nullptr || !EstNomme(nommes, regle->requis)) continue;
    const short decision = regle->decision(nommes);
    if (decision == Decision::Ecartee)
      ModifieLettre(l, regle->compteur != 0 ? std::to_string(regle->compteur).c_str() : "");
    l->flag = decision;
  }
}

}  // namespace zorfiscal2072
