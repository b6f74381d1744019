// The repeated records of a declaration as the host sees them: the engine's index levels
// (their owners, counts and how loading adds records to them) with the host's words for them
// and the order in which declarations are written.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "niveaux2072.h"
#include "tdonnee2072.h"

namespace hote2072 {

using zorfiscal2072::TDonnee2072;

// Index of a letter in a file: (level key, position) pairs, sorted by key. The host's one
// index type; the engine's TIndex only at the calls into it.
using Index = std::vector<std::pair<int, int>>;

// Level keys run from the properties' to the free-use entries'.
inline constexpr int kPremiereCle = zorfiscal2072::kNiveauPropriete;
inline constexpr int kDerniereCle = zorfiscal2072::kNiveauJouissanceGratuite;

// Position at a level of the index, or -1 when the index lacks it.
int PositionDans(const Index& index, int cle);

TIndex VersTIndex(const Index& index);
Index VersIndex(const TIndex& index);

// "300=0,303=1": level keys, each once, and whole positions (beyond an int, a position names
// nothing either way); the empty text is the empty index. Sorted by key. Empty, with `erreur`
// saying what was expected, for anything else.
std::optional<Index> LitIndexTexte(std::string_view texte, std::string& erreur);
// The same form written: "300=0,303=1".
std::string EcritIndexTexte(const Index& index);

// Highest position a file may name: a typing slip must not make the loader create millions
// of records.
inline constexpr int kPositionMax = 99999;

struct Niveau {
  int cle;
  int parent;               // key of the owning level, 0 for the root
  const char* nom;          // "tenant", for messages
  const char* pluriel;      // "tenants"
  const char* nomFrancais;  // "locataire", for the summary
  // Shares (306) and distributions (307) exist one per property and per sale: their position
  // names the property (300) or the sale (305); loading never creates them. 0 elsewhere.
  int parPositionDe;
  short lettreCle;  // the letter that gives its records their code, 0 when they have none
};

// Every level of the engine, owners before the levels they own, in the order declarations are
// written: properties with their tenants, beneficiaries and components; partners with their
// free-use entries, shares, distributions and carried-forward results; sales; transfers of
// shares.
const std::vector<Niveau>& Niveaux();
// The level of a key, or null.
const Niveau* TrouveNiveau(int cle);

// Number of records at level `cle` under the owner at `positionParent` (ignored for the
// levels the root owns).
std::size_t Nombre(const TDonnee2072& racine, int cle, int positionParent);

// Adds records at level `cle` under the owner at `positionParent` until it holds `n`, the
// way loading creates them (zorfiscal2072::CompleteNiveau): properties, partners and sales
// through the root; the others as default records appended to their owner, those that name
// their owner carrying its code. Does nothing for shares and distributions.
void Complete(TDonnee2072& racine, int cle, int positionParent, std::size_t n);

}  // namespace hote2072
