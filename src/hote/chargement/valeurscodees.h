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

// The value a fresh record gives the field of `code`, as its letter carries it.
const std::string& ValeurParDefaut(int code);

// Why a SIREN (9 digits whose last is the check digit of the others), a NIC (5 digits) or a
// French postal code (5 digits) does not have its shape, or empty.
std::string ProblemeSiren(const std::string& valeur);
std::string ProblemeNic(const std::string& valeur);
std::string ProblemeCodePostal(const std::string& valeur);

}  // namespace hote2072
