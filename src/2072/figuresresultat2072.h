// The six figures of a property's result to distribute, in the order of the partner's
// statement: what each is called, where the engine reads it (the property's result to
// distribute, the company's totals), where the statement writes the partner's share of it
// (the share of each property, the statement's total). The partner statement's computation
// walks this table, and so do the summary and the report.
#pragma once

#include "bulletin2072.h"
#include "resultats2072.h"

namespace zorfiscal2072 {

struct FigureResultat {
  const char* libelle;
  double (TResultatARepartir2072::*propriete)() const;
  // The company's total, where it keeps one (no total of deductions or depreciation).
  double (TResultatGlobalARepartir::*societe)() const;
  double (TQuotePartPropriete::*quotePart)() const;
  void (TQuotePartPropriete::*fixeQuotePart)(double);
  double (TBulletin2072::*total)() const;
  void (TBulletin2072::*fixeTotal)(double);
};

inline constexpr FigureResultat kFiguresResultat[] = {
    {"Revenus bruts", &TResultatARepartir2072::getRevenuBrut, &TResultatGlobalARepartir::getRevenuBrut,
     &TQuotePartPropriete::getRevenuBrut, &TQuotePartPropriete::setRevenuBrut, &TBulletin2072::getTotalRevenuBrut,
     &TBulletin2072::setTotalRevenuBrut},
    {"Frais et charges", &TResultatARepartir2072::getCharge, &TResultatGlobalARepartir::getCharge,
     &TQuotePartPropriete::getCharge, &TQuotePartPropriete::setCharge, &TBulletin2072::getTotalCharge,
     &TBulletin2072::setTotalCharge},
    {"Intérêts d'emprunts", &TResultatARepartir2072::getInteretEmprunt, &TResultatGlobalARepartir::getInteretsEmprunts,
     &TQuotePartPropriete::getInteretEmprunt, &TQuotePartPropriete::setInteretEmprunt,
     &TBulletin2072::getTotalInteretEmprunt, &TBulletin2072::setTotalInteretEmprunt},
    {"Déduction spécifique", &TResultatARepartir2072::getDeductionSpecifique, nullptr,
     &TQuotePartPropriete::getDeductionSpecifique, &TQuotePartPropriete::setDeductionSpecifique,
     &TBulletin2072::getTotalDeductionSpecifique, &TBulletin2072::setTotalDeductionSpecifique},
    {"Amortissement", &TResultatARepartir2072::getAmortissement, nullptr, &TQuotePartPropriete::getAmortissement,
     &TQuotePartPropriete::setAmortissement, &TBulletin2072::getTotalAmortissement,
     &TBulletin2072::setTotalAmortissement},
    {"Revenu net ou déficit", &TResultatARepartir2072::getRevenuOuDeficit,
     &TResultatGlobalARepartir::getRevenuNetOuDeficit, &TQuotePartPropriete::getRevenuOuDeficit,
     &TQuotePartPropriete::setRevenuOuDeficit, &TBulletin2072::getTotalRevenuOuDeficit,
     &TBulletin2072::setTotalRevenuOuDeficit},
};

}  // namespace zorfiscal2072
