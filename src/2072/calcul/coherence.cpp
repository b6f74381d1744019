// Brings the declaration into a consistent state before it is computed, silently: the share
// transfers take the identity of the partners they name, each property drops what its
// category and scheme exclude, and the corporate-tax columns no partner uses are cleared.
#include <array>
#include <string>

#include "etapes.h"
#include "lettres.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {
namespace {

// The street line, then the postal code and the town when given, one blank between each.
std::string AdresseUneLigne(const TAdresse2072& a) {
  std::string ligne = a.getNumeroTypeEtNomVoie();
  for (const std::string* partie : {&a.getCodePostal(), &a.getVille()})
    if (!partie->empty()) ligne += ' ' + *partie;
  return ligne;
}

// Texts copied from the partner into a side of a transfer, by the letters of each side: the
// letter gives the field and its bound, so that the copy reads back as written.
struct TexteCopie {
  short cessionnaire, cedant;
  std::string (*source)(const TAssocie2072&);
};

const std::array<TexteCopie, 6> kTextes{{
    {12710, 12718,
     [](const TAssocie2072& a) { return a.getType() == TypePersonne::Morale ? a.getDenomination() : a.getNom(); }},
    {12711, 12719, [](const TAssocie2072& a) { return a.getPrenoms(); }},
    {12713, 12721, [](const TAssocie2072& a) { return a.getCommuneNaissance(); }},
    {12714, 12722, [](const TAssocie2072& a) { return AdresseUneLigne(a.getAdresse()); }},
    {12715, 12723, [](const TAssocie2072& a) { return a.getNumeroSIREN(); }},
    {12716, 12724, [](const TAssocie2072& a) { return a.getNumeroNIC(); }},
}};

void CopieTexte(TCessionParts& cession, short code, const std::string& texte) {
  const auto* lettre = TCessionParts::Lettres().Trouve(code);
  const auto borne = static_cast<std::size_t>(lettre->description.taille - 1);
  *std::get<std::string*>(lettre->acces(cession)) = lettres::Tronque(texte, borne);
}

// One side of a transfer: the partner position it names and its fields that are not texts.
struct Cote {
  long (TCessionParts::*position)() const;
  short TexteCopie::*code;
  void (TCessionParts::*setDateNaissance)(long);
  void (TCessionParts::*setPresenceHolding)(short);
};

const std::array<Cote, 2> kCotes{{
    {&TCessionParts::getAssocieCessionnaire, &TexteCopie::cessionnaire, &TCessionParts::setDateNaissanceCessionnaire,
     &TCessionParts::setPresenceHoldingCessionnaire},
    {&TCessionParts::getAssocieCedant, &TexteCopie::cedant, &TCessionParts::setDateNaissanceCedant,
     &TCessionParts::setPresenceHoldingCedant},
}};

}  // namespace

void TDonnee2072::Coherence() {
  // A side names a partner only by a position from 0 to the number of partners less one; any
  // other position (an outside person, or a wrong number) leaves the side as entered.
  const long nbAssocies = NbAssocie();
  for (TCessionParts& cession : CessionsPartsSociete.getCessionParts())
    for (const Cote& cote : kCotes) {
      const long position = (cession.*cote.position)();
      if (position < 0 || position >= nbAssocies) continue;
      const TAssocie2072& associe = Associe2072[static_cast<std::size_t>(position)];
      for (const TexteCopie& t : kTextes) CopieTexte(cession, t.*cote.code, t.source(associe));
      (cession.*cote.setDateNaissance)(associe.getDateNaissance());
      (cession.*cote.setPresenceHolding)(associe.getPresenceHolding());
    }

  for (TPropriete2072& propriete : Propriete2072) propriete.coherence();

  // A column of the corporate-tax statement that no partner's regime uses holds nothing.
  const std::array<std::pair<std::size_t, bool>, 2> colonnes{{
      {TDonneeIS2072::kColonneBICIS, ExisteAssocieRevenuBICIS()},
      {TDonneeIS2072::kColonneBA, ExisteAssocieRevenuBA()},
  }};
  for (const auto& [colonne, utilisee] : colonnes) {
    if (utilisee) continue;
    for (TDonneeIS2072::Ligne ligne : calcul::kLignesRevenuIS) DonneeIS2072.setMontant(ligne, colonne, 0);
    DonneeIS2072.setMontant(TDonneeIS2072::RentreesCreances, colonne, 0);
  }
}

}  // namespace zorfiscal2072
