// The values a file gives to coded fields, against the lists the letter tables name, and the
// values whose shape the form knows (registration numbers, postal codes).
#pragma once

#include <string>

#include "tablelettres.h"

namespace hote2072 {

// The host's word for what a list's codes stand for ("tax regime"), for its messages.
const char* NomDesCodes(lettres::Liste liste);

// Why `valeur` is no code of `liste` and not the field's default either ("not a tax regime;
// expected 1 Revenus fonciers (particulier), 2 BA, ..."), or empty when it is one. A value
// that does not read as a whole number is left to the value check.
std::string ProblemeCode(const lettres::DescriptionLettre& description, lettres::Liste liste,
                         const std::string& valeur);

// For a field whose offered values depend on another field's (`choix`: a property's
// category for its scheme), why `valeur` is not among those offered ("a tax scheme Categorie
// 4 does not offer (it offers 1, 6, ...)"), or empty. The field's default always is.
std::string ProblemeOffert(const lettres::DescriptionLettre& description, const std::string& choix,
                           const std::string& valeur);

// What a person should know of a code `liste` no longer offers but the engine still takes
// as another ("an older property category, no longer offered: the computation takes it as
// 4 ..."), or empty when `valeur` is no such code.
std::string AvertissementCodeAncien(lettres::Liste liste, const std::string& valeur);

// The value a fresh record gives the field of `code`, as its letter carries it.
const std::string& ValeurParDefaut(int code);

// Why a SIREN (9 digits whose last is the check digit of the others), a NIC (5 digits) or a
// French postal code (5 digits) does not have its shape, or empty.
std::string ProblemeSiren(const std::string& valeur);
std::string ProblemeNic(const std::string& valeur);
std::string ProblemeCodePostal(const std::string& valeur);

}  // namespace hote2072
