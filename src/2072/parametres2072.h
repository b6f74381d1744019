// The form's parameters: rates, flat amounts, coefficients and the legal dates of the tax
// schemes, each with the year it holds for and its legal source. The rules read them from
// here and write no rate, amount or legal date of their own. Form 2072 of 2011 (income of
// the year 2011); CGI is the French general tax code.
#pragma once

#include "amortissement.h"
#include "codes2072.h"

namespace zorfiscal2072::parametres {

// ---- Rental-income contribution (CRL)

// Rate, in percent of the receipts subject to the contribution. 2011. CGI art. 234 undecies
// (the contribution: art. 234 nonies to 234 quindecies).
inline constexpr double kTauxCRLPourcent = 2.5;

// ---- Land income

// Flat-rate management costs, in euros per dwelling. 2011. CGI art. 31, I-1° e.
inline constexpr double kForfaitGestionParLocal = 20;

// Rate of each specific-deduction option (`OptionTauxDeduction`), as a fraction of the gross
// receipts; an option not listed (1, 2 and 7, older codes without a rate) gives 0. 2011.
struct TauxOption {
  long Option;
  double Taux;
};
inline constexpr TauxOption kTauxDeduction[] = {
    {OptionTauxDeduction::Aucune, 0},
    // Besson ancien, Robien in a rural revitalisation zone: CGI art. 31, I-1° j and h.
    {OptionTauxDeduction::Taux26, 0.26},
    {OptionTauxDeduction::AutreCas, 0},  // the amount is entered
    // Borloo neuf: CGI art. 31, I-1° l.
    {OptionTauxDeduction::BorlooNeuf30, 0.30},
    // Borloo ancien, intermediate and social sectors: CGI art. 31, I-1° m.
    {OptionTauxDeduction::BorlooAncienIntermediaire30, 0.30},
    {OptionTauxDeduction::BorlooAncienSocial45, 0.45},
    // Codes of earlier forms, kept for the declarations that carry them.
    {OptionTauxDeduction::Option14, 0.30},
    // Rents of quarries, sandpits and mineral deposits: CGI art. 31 (specific deduction).
    {OptionTauxDeduction::Carriere40, 0.40},
    {OptionTauxDeduction::Option16, 0.60},
    {OptionTauxDeduction::Option17, 0.75},
    // Scellier in a rural revitalisation zone and in the intermediate sector (overseas
    // included): CGI art. 31, I-1° with art. 199 septvicies.
    {OptionTauxDeduction::ScellierZRR26, 0.26},
    {OptionTauxDeduction::ScellierIntermediaire30, 0.30},
    {OptionTauxDeduction::ScellierIntermediaireDOM30, 0.30},
    // Borloo ancien under an agreement with the national housing agency: CGI art. 31, I-1° m.
    {OptionTauxDeduction::BorlooAncienSocialIntermediaire70, 0.70},
    {OptionTauxDeduction::BorlooAncienSocial60, 0.60},
    {OptionTauxDeduction::Option26, 0.10},  // code of an earlier form
};

// Depreciation of Robien recentré and Borloo neuf properties acquired from this date counts
// towards the overall ceiling of tax advantages, from the income of this year on. CGI art.
// 200-0 A (income from 2009).
inline constexpr long kPremiereAnneePlafond = 2009;
inline constexpr long kDebutPlafond = 20090101;

// ---- Depreciation schedules of the investment schemes, applied by the depreciation library

// Yearly rates in thousandths (80 is 8 %). 2011. Périssol: 10 % the first 4 years, 2 % the
// next 20 (CGI art. 31, I-1° f). Besson neuf and Robien classique: 8 % the first 5 years,
// 2.5 % the next 4 (art. 31, I-1° g and h). Robien recentré and Borloo neuf: 6 % the first 7
// years, 4 % the next 2 (art. 31, I-1° h and l, law 2006-872). Besson neuf, Robien classique
// and Borloo neuf may be extended by periods of 3 years at 2.5 %, two at the most (same
// articles); improvement works are depreciated at 10 % a year for 10 years under every scheme.
inline constexpr TBaremes kBaremesAmortissement{
    {{kRegimePerissol, {{4, 100}, {20, 20}}, false},
     {kRegimeBessonNeuf, {{5, 80}, {4, 25}}, true},
     {kRegimeRobienClassique, {{5, 80}, {4, 25}}, true},
     {kRegimeRobienRecentre, {{7, 60}, {2, 40}}, false},
     {kRegimeBorlooNeuf, {{7, 60}, {2, 40}}, true}},
    {10, 100},
    {3, 25},
    2,
};

// ---- Statement 2072-E (value added)

// Share of each land figure of a property subject to the CVAE that enters the value added.
// 2011. Notice of statement 2072-E (value added of CGI art. 1586 sexies).
inline constexpr double kCoefficient2072E = 0.2;

// ---- Legal dates of the depreciation schemes (yyyymmdd), checked on a property's dates

// Périssol: investments from 1 January 1996; acquisitions up to 31 August 1999, completion up
// to 31 December 1998, depreciation started by 1 July 2001. CGI art. 31, I-1° f (law 96-314).
inline constexpr long kDebutPerissol = 19960101;
inline constexpr long kFinAcquisitionPerissol = 19990831;
inline constexpr long kFinAchevementPerissol = 19981231;
inline constexpr long kFinAmortissementPerissol = 20010701;
// Besson neuf: from 1 January 1999 to 2 April 2003. CGI art. 31, I-1° g (law 98-1266).
inline constexpr long kDebutBessonNeuf = 19990101;
inline constexpr long kFinBessonNeuf = 20030402;
// Robien classique: from 3 April 2003 (completions from 1 January 2003) to 31 August 2006; in
// a rural revitalisation zone from 1 January 2004. CGI art. 31, I-1° h (law 2003-590).
inline constexpr long kDebutRobien = 20030403;
inline constexpr long kDebutAchevementRobien = 20030101;
inline constexpr long kDebutRobienZRR = 20040101;
inline constexpr long kFinRobienClassique = 20060831;
// Robien recentré and Borloo neuf: from 1 September 2006 to 31 December 2009; Borloo neuf
// depreciation lines from 1 January 2006. CGI art. 31, I-1° h and l (law 2006-872).
inline constexpr long kDebutRobienRecentreEtBorlooNeuf = 20060901;
inline constexpr long kDebutAmortissementBorlooNeuf = 20060101;
inline constexpr long kFinRobienRecentreEtBorlooNeuf = 20091231;
// Scellier: acquisitions from 1 January 2009 to 13 December 2012. CGI art. 199 septvicies.
inline constexpr long kDebutScellier = 20090101;
inline constexpr long kFinScellier = 20121213;

}  // namespace zorfiscal2072::parametres
