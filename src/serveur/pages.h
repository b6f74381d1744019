// The pages of the screens, rendered from the catalogue, the screen definitions and the
// engine's tree: the folder of declarations, each record's screen, the paged lists, the
// computed return.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ecrans.h"
#include "espace.h"
#include "services/controle.h"

namespace serveur2072 {

// What a screen shows besides the declaration.
struct Affichage {
  std::vector<hote2072::MessageTrouve> messages;  // the screen's checks, on leaving it
  std::optional<std::string> suite;               // the address the person was going to
  std::map<std::string, std::string> erreurs;     // form field -> why its value was refused
  std::map<std::string, std::string> saisis;      // form field -> the value typed, kept when refused
  std::string notice;                             // "Déclaration enregistrée."
  std::string alerte;                             // a change refused as a whole
};

// A form field's name: "c12140" for a letter of the screen's record, "c12684-306-3" for the
// letter of row 3 of the screen's table of level 306.
std::string NomChamp(int code, const hote2072::Index& ligne);
// The letter and the full index a form field names on a screen; empty for any other name.
struct ChampPoste {
  int code;
  hote2072::Index index;
  bool position1 = false;  // "p12762": a position counted from 1 (a number typed, not chosen)
};
std::optional<ChampPoste> LitNomChamp(const std::string& nom, const Ecran& ecran);

// The messages of a check that concern the screen's own record.
std::vector<hote2072::MessageTrouve> MessagesDeLEcran(const std::vector<hote2072::MessageTrouve>& messages,
                                                      const Ecran& ecran);

std::string PageEcran(const std::string& nom, DeclarationOuverte& d, const Ecran& ecran, const Affichage& affichage);
// The records of one level the root holds, 50 a page, those whose name or code holds `recherche`.
std::string PageListe(const std::string& nom, DeclarationOuverte& d, Genre genre, std::size_t page,
                      const std::string& recherche);
std::string PageEspace(const EspaceTravail& espace, const std::vector<LigneEspace>& lignes, const std::string& notice);
// The computed return laid out as the report, with a way back to the screens.
std::string PageDeclaration(const std::string& nom, DeclarationOuverte& d, bool tousAssocies);
std::string PageRefus(const Refus& refus);

// Records shown in a list page, and in the navigation before "…".
inline constexpr std::size_t kParPage = 50;
inline constexpr std::size_t kDansArbre = 20;
// Beyond this many partners, a transfer's parties are typed as numbers, not chosen in a list.
inline constexpr std::size_t kChoixMax = 200;

}  // namespace serveur2072
