// The screens, one per kind of record, the way the checks name them: which letters each shows,
// grouped in blocks, the tables of the records it holds one per property or sale, and the
// records it leads to. Every letter a declaration holds is on exactly one screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chargement/niveauxhote.h"

namespace serveur2072 {

using hote2072::Index;
using zorfiscal2072::TDonnee2072;

enum class Genre { General, IS, Propriete, Locataire, Beneficiaire, Composant, Associe, CessionParts, Cession };

struct Bloc {
  std::string titre;
  std::vector<int> codes;  // letters of the screen's record, in the order shown
  bool replie = false;     // shown folded
};

// The records of a level below the screen's record, one row each.
struct Tableau {
  std::string titre;
  int niveau;
  std::vector<int> colonnes;
  bool modifiable = false;  // rows added and removed here
  bool replie = false;
};

struct DefinitionEcran {
  Genre genre;
  std::string mot;           // its part of the screen's address: "immeuble"
  std::string titre;         // "Immeuble"
  std::vector<int> niveaux;  // index levels of its record, outermost first
  std::vector<Bloc> blocs;
  std::vector<Tableau> tableaux;
  std::vector<Genre> sousEcrans;  // kinds of records below it, each with a screen of its own
  bool deuxColonnes = false;      // the corporate-tax statement: its lines in two columns
  std::vector<int> masques;       // letters on no screen: codes repeated from the record's way
  // With deuxColonnes: each line's label and its letters in the two columns.
  struct Ligne {
    std::string libelle;
    int gauche;
    int droite;
  };
  std::vector<Ligne> lignes{};
};

const std::vector<DefinitionEcran>& Ecrans();
const DefinitionEcran& Definition(Genre genre);
// The screen whose record is at those levels, or null.
const DefinitionEcran* DefinitionDesNiveaux(const std::vector<int>& niveaux);

// One screen: a definition and the positions of its record.
struct Ecran {
  const DefinitionEcran* definition = nullptr;
  Index index;
  // "immeuble/0/locataire/1": how addresses and forms name it.
  std::string Chemin() const;
  bool operator==(const Ecran& autre) const { return definition == autre.definition && index == autre.index; }
};

// The screen a path names on this declaration; empty when it names no record.
std::optional<Ecran> LitChemin(const std::string& chemin, const TDonnee2072& racine);

// The screen of the record at `index` (the owner's screen for a row of one of its tables).
std::optional<Ecran> EcranDe(const Index& index);

}  // namespace serveur2072
