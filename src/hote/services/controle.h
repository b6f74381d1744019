// The engine's screen checks run on a loaded declaration: one screen, or the whole
// declaration record by record, each message placed at the record it concerns.
#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "chargement/niveauxhote.h"
#include "controles/messages2072.h"

namespace hote2072 {

using zorfiscal2072::EnregistrementMessage;

struct MessageTrouve {
  EnregistrementMessage enregistrement;
  Index index;  // the record's levels only: {} for the general information
  short numero;
  short curseur;  // letter code the engine put the cursor on, 0 for none
};

// One check of the screen `index`, its messages in the order the engine emitted them; with
// `arret` the sink answers 1 to every message.
std::vector<MessageTrouve> ControleEcran(TDonnee2072& racine, const Index& index, bool arret);

// One check per record: the general information, each sale, each partner, each property
// then its tenants, beneficiaries and components, each transfer of shares; from each only
// the messages of that record's kind, so that each message comes once.
std::vector<MessageTrouve> ControleDeclaration(TDonnee2072& racine);

// "property 1 "Maison" (code P2)": the record a message concerns.
std::string DecritEnregistrement(const TDonnee2072& racine, const MessageTrouve& message);
// "locataire 2 de l'immeuble 2 "Maison" (code P2)": the same in French, positions from 1;
// with `codes`, only the codes it holds are shown.
std::string DecritEnregistrementFrancais(const TDonnee2072& racine, const MessageTrouve& message,
                                         const std::unordered_set<std::string>* codes = nullptr);

// One line per message; a JSON array of objects.
std::string MessagesTexte(const TDonnee2072& racine, const std::vector<MessageTrouve>& messages);
std::string MessagesJson(const std::vector<MessageTrouve>& messages);

}  // namespace hote2072
