// What can be said of a file's letters before any record exists: each letter against the
// dictionary, shares and distributions against the properties and sales the file names,
// and letters given twice.
#pragma once

#include <cstddef>
#include <map>
#include <string>
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

// Why a text does not read as a value of the letter, or empty when it does: the letter
// library's own readers decide, plus the bounds the field sets (text length, integer range,
// decimals that a fixed-decimal amount keeps).
std::string ProblemeValeur(const lettres::DescriptionLettre& description, const std::string& valeur);

// What loading checks besides each letter's code, index and type.
struct Controles {
  bool listes = true;    // a coded value is in its field's list, or is the field's default
  bool gabarits = true;  // warnings: SIREN, NIC, SIRET, postal code, declaration year
};

// Adds every problem found to the report, and the warnings.
void Verifie(const FichierDeclaration& fichier, Rapport& rapport, const Controles& controles = {});

}  // namespace hote2072
