// What can be said of a file's letters before any record exists: each letter against the
// dictionary, shares and distributions against the properties and sales the file names,
// and letters given twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dictionnaire2072.h"
#include "format/declaration.h"
#include "tablelettres.h"

namespace hote2072 {

// Number of records a file names at each level under each owner:
// (level key, position of the owner or 0 for the root) -> count.
using Effectifs = std::map<std::pair<int, int>, std::size_t>;
Effectifs CompteEffectifs(const FichierDeclaration& fichier);

// What is wrong with a letter's index: a level of the letter's way it lacks, one it cannot have.
std::vector<std::string> ProblemesIndex(const zorfiscal2072::EntreeDictionnaire& entree, const Index& index);

// The largest amount (or number of shares, or rate) a letter may give, in absolute value:
// about a thousand times the largest French property fund. Totals of up to millions of such
// amounts, and their products by rates, stay far within what a double holds, so no figure
// computed from a file becomes infinite or not a number.
inline constexpr double kMontantMax = 1e13;
inline constexpr const char* kMontantMaxTexte = "10000000000000";

// A letter's text read as a value of its field: the letter library's own readers decide,
// plus the bounds the field sets (text length, integer range, largest amount, decimals that a
// fixed-decimal amount keeps).
struct ValeurLue {
  enum Probleme : std::uint8_t {
    kAucun,
    kTropLong,
    kPasEntier,
    kHorsBornes,
    kPasMontant,
    kTropGrand,
    kTropDeDecimales,
    kPasDate
  };
  Probleme probleme = kAucun;
  std::size_t caracteres = 0;  // of a text
  long long entier = 0;        // of an integer, 0 for a day, month or year not entered
  double reel = 0;             // of an amount
  long date = 0;               // of a date, 0 when not entered
};
ValeurLue LitValeur(const lettres::DescriptionLettre& description, std::string_view valeur);
// Why the text does not read as a value of the letter, or empty when it does.
std::string ProblemeValeur(const lettres::DescriptionLettre& description, const std::string& valeur);

// What loading checks besides each letter's code, index and type.
struct Controles {
  bool listes = true;    // a coded value is in its field's list, or is the field's default
  bool gabarits = true;  // warnings: SIREN, NIC, SIRET, postal code, declaration year
};

// Adds every problem found to the report, and the warnings.
void Verifie(const FichierDeclaration& fichier, Rapport& rapport, const Controles& controles = {});

// Letters whose value a list or a shape check reads (a coded value, a SIREN, a person type
// read by a title's check...): those a loader that keeps no list of letters must still hand
// to VerifieValeurs.
bool ValeurAControler(const lettres::DescriptionLettre& description, std::string_view valeur);
// The checks of lists and shapes, and the year's warning, on such letters of a file whose
// codes, indexes and values are right, as Verifie makes them.
void VerifieValeurs(const std::vector<LettreFichier>& lettres, long annee, Rapport& rapport,
                    const Controles& controles = {});

}  // namespace hote2072
