// The form's codes: categories, tax schemes, deduction options, regimes, person types, yes/no,
// building types and the declaration year's default. Fields keep their declared integer types
// (long, short, sometimes double), so the codes are named integer constants that compare with
// them directly; letter codes in letter tables stay numbers (they are the tables' data).
#pragma once

#include <string>

#include "niveaux2072.h"

namespace zorfiscal2072 {

// The year a fresh declaration is for.
inline constexpr long kAnneeDeclarationDefaut = 2011;

// Yes/no fields: 1 yes, 2 no (most flags default to no).
namespace OuiNon {
inline constexpr short Oui = 1;
inline constexpr short Non = 2;
}  // namespace OuiNon

// Natural or legal person: partners (`Type`) and officers (`TypeGerant`...).
namespace TypePersonne {
inline constexpr short Physique = 1;
inline constexpr short Morale = 2;
}  // namespace TypePersonne

// Partner's title (`FormeJuridiqueOuTitre` of a natural person).
namespace Titre {
inline constexpr short Madame = 26;
inline constexpr short Mademoiselle = 27;
inline constexpr short Monsieur = 29;
}  // namespace Titre

// Means of paying the rental-income contribution (`ModePaiementCRL`, held as a real).
namespace ModePaiement {
inline constexpr double Numeraire = 1;
inline constexpr double Cheque = 2;
inline constexpr double Virement = 3;  // "Virement direct Banque de France"
}  // namespace ModePaiement

// Partner's tax regime (`RegimeFiscal`).
namespace RegimeFiscal {
inline constexpr long RevenusFonciers = 1;  // "Revenus fonciers (particulier)"
inline constexpr long BA = 2;
inline constexpr long BIC = 3;
inline constexpr long IS = 4;
inline constexpr long RevenusFonciersBNC = 5;  // "Revenus fonciers (BNC)"
}  // namespace RegimeFiscal

// Property category (`Categorie`).
namespace Categorie {
inline constexpr long Ordinaire = 1;                // "Propriétés rurales et/ou urbaines ordinaires"
inline constexpr long SecteurSauvegarde = 4;        // "Sect. sauv., autorisation de travaux ..."
inline constexpr long SecteurSauvegardeAncien = 5;  // not offered, treated as 4
inline constexpr long MonumentHistorique = 6;       // "Monuments historiques ou labellisés ..."
inline constexpr long NuePropriete = 7;             // "Nue-propriété"
inline constexpr long EspacesNaturels = 8;          // "Espaces naturels labellisés ..."
}  // namespace Categorie

// Property tax scheme (`OptionFiscale`). 14, 16 and 17 have no label today but keep their
// meaning in every mapping (earlier declarations may carry them).
namespace OptionFiscale {
inline constexpr long Ordinaire = 1;                   // "Dispositif ordinaire"
inline constexpr long Perissol = 2;                    // depreciation
inline constexpr long BessonNeuf = 3;                  // depreciation
inline constexpr long RobienClassique = 4;             // depreciation
inline constexpr long BessonAncien = 6;                // 26 %
inline constexpr long RobienClassiqueZRR = 7;          // depreciation + 26 %
inline constexpr long RobienRecentre = 9;              // depreciation
inline constexpr long RobienRecentreZRR = 10;          // depreciation + 26 %
inline constexpr long BorlooNeuf = 11;                 // depreciation (+ 30 %)
inline constexpr long BorlooAncienIntermediaire = 12;  // 30 %
inline constexpr long BorlooAncienSocial = 13;         // 45 %
inline constexpr long Option14 = 14;
inline constexpr long Carrieres = 15;  // 40 %
inline constexpr long Option16 = 16;
inline constexpr long Option17 = 17;
inline constexpr long ScellierZRR = 18;                      // 26 %
inline constexpr long ScellierIntermediaire = 19;            // 30 %
inline constexpr long ScellierIntermediaireDOM = 20;         // 30 %
inline constexpr long BorlooAncienSocialIntermediaire = 24;  // 70 %
inline constexpr long BorlooAncienSocial60 = 25;             // 60 %
}  // namespace OptionFiscale

// The schemes that carry depreciation (2, 3, 4, 7, 9, 10, 11), in the order the declaration
// counts them.
inline constexpr long kOptionsAmortissement[] = {OptionFiscale::Perissol,        OptionFiscale::BessonNeuf,
                                                 OptionFiscale::RobienClassique, OptionFiscale::RobienClassiqueZRR,
                                                 OptionFiscale::RobienRecentre,  OptionFiscale::RobienRecentreZRR,
                                                 OptionFiscale::BorlooNeuf};
constexpr bool EstOptionAmortissement(long option) {
  for (long o : kOptionsAmortissement)
    if (o == option) return true;
  return false;
}

// Specific-deduction option of a property's land record (`OptionTauxDeduction`).
namespace OptionTauxDeduction {
inline constexpr long Aucune = 3;    // "(aucune)", the default
inline constexpr long Taux26 = 5;    // "Besson ancien, Robien ZRR, ... - 26 %"
inline constexpr long AutreCas = 8;  // "Autre cas": the deduction is entered
inline constexpr long BorlooNeuf30 = 10;
inline constexpr long BorlooAncienIntermediaire30 = 11;
inline constexpr long BorlooAncienSocial45 = 12;
inline constexpr long Option14 = 14;
inline constexpr long Carriere40 = 15;
inline constexpr long Option16 = 16;
inline constexpr long Option17 = 17;
inline constexpr long ScellierZRR26 = 18;
inline constexpr long ScellierIntermediaire30 = 19;
inline constexpr long ScellierIntermediaireDOM30 = 20;
inline constexpr long BorlooAncienSocialIntermediaire70 = 24;
inline constexpr long BorlooAncienSocial60 = 25;
inline constexpr long Option26 = 26;
}  // namespace OptionTauxDeduction

// Building type (`TypeImmeuble`), derived from category and scheme; the host reads the values.
namespace TypeImmeuble {
inline constexpr long NonDetermine = 1;  // a new property, before its first computation
inline constexpr long Ordinaire = 2;
inline constexpr long Amortissement = 3;
inline constexpr long Deduction26 = 4;
inline constexpr long Deduction30Ou45 = 5;
inline constexpr long Carriere = 6;
inline constexpr long BorlooAncienSocial = 7;
inline constexpr long Deduction60 = 9;
inline constexpr long Deduction75 = 10;
inline constexpr long SecteurSauvegarde = 11;
inline constexpr long MonumentHistorique = 12;
inline constexpr long NuePropriete = 13;
inline constexpr long EspacesNaturels = 14;
inline constexpr long Deduction70 = 15;
}  // namespace TypeImmeuble

// Mode of a linked element (`Lie`): 1 the amount used follows the computed one, 2 it stays as entered.
namespace ModeElementLie {
inline constexpr int Calcule = 1;
inline constexpr int Saisi = 2;
}  // namespace ModeElementLie

// Kind of a building component (`Nom`), a code of the list of component kinds.
namespace NatureComposant {
inline constexpr short Agencements = 1;  // the first of the list
}  // namespace NatureComposant

// Depreciation method of a building component (`ModeAmortissement`).
namespace ModeAmortissement {
inline constexpr short Lineaire = 1;
inline constexpr short Degressive = 2;
}  // namespace ModeAmortissement

// Codes that declarations saved by earlier engines are converted to.

// Legal forms of entities (the legal-form lists).
namespace FormeJuridique {
inline constexpr short Societe = 31;        // "Société"
inline constexpr short SocieteCivile = 36;  // "Société civile (autre que infra)"
}  // namespace FormeJuridique

// Complement of a street number (`ComplementNumeroVoie` of an address).
namespace ComplementNumeroVoie {
inline constexpr short Aucun = 1;
inline constexpr short Bis = 2;
inline constexpr short Ter = 3;
inline constexpr short Quater = 4;
}  // namespace ComplementNumeroVoie

// "FRANCE" in the country list; 1 is the blank entry of the country and department lists.
inline constexpr short kPaysFrance = 79;
inline constexpr short kEntreeVide = 1;

// The text of a street-number complement: "bis", "ter", "quater"; empty for none or an
// unknown code.
constexpr const char* TexteComplementNumeroVoie(long complement) {
  switch (complement) {
    case ComplementNumeroVoie::Bis: return "bis";
    case ComplementNumeroVoie::Ter: return "ter";
    case ComplementNumeroVoie::Quater: return "quater";
    default: return "";
  }
}

// Collapses every run of spaces of a composed text (a street line, a partner's name) into one.
inline void ReduitEspacesDoubles(std::string& texte) {
  for (std::size_t p = texte.find("  "); p != std::string::npos; p = texte.find("  ", p)) texte.erase(p, 1);
}

}  // namespace zorfiscal2072
