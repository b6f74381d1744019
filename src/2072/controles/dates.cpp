#include "dates.h"

namespace zorfiscal2072::controles {

namespace {

long Lit(DateBien date, const TPropriete2072& p) {
  switch (date) {
    case DateBien::Acquisition: return p.getDateAcquisition();
    case DateBien::Achevement: return p.getDateAchevement();
    case DateBien::DebutLigne1: return p.getAmortissement2072().getLigne(1).DateDebut;
  }
  return 0;
}

}  // namespace

bool Compare(Comparaison comparaison, long date, long borne, long borneHaute, const TControle& c) {
  if (borne == kFinAnnee) borne = c.FinAnnee();
  switch (comparaison) {
    case Comparaison::Vide: return date == 0;
    case Comparaison::Renseignee: return date != 0;
    case Comparaison::Avant: return date < borne;
    case Comparaison::AuPlusTard: return date <= borne;
    case Comparaison::Apres: return date > borne;
    case Comparaison::AuMoins: return date >= borne;
    case Comparaison::Hors: return date < borne || date > borneHaute;
  }
  return false;
}

Resultat RegleDate::Evalue(const TPropriete2072& p, const TControle& c) const {
  if (!Contient(options, p.getOptionFiscale())) return {};
  for (int k = 0; k < nombre; ++k) {
    const ConditionDate& cd = conditions[k];
    if (!Compare(cd.comparaison, Lit(cd.date, p), cd.borne, cd.borneHaute, c)) return {};
  }
  return {numero, 0};
}

RegleDate Si(Options options, std::initializer_list<ConditionDate> conditions, NumeroMessage numero, Arret arret) {
  RegleDate r{arret, options, {}, 0, numero};
  KEL_ASSERT(conditions.size() <= RegleDate::kConditions, "a date rule holds at most five conditions");
  for (const ConditionDate& cd : conditions)
    if (r.nombre < RegleDate::kConditions) r.conditions[r.nombre++] = cd;
  return r;
}

}  // namespace zorfiscal2072::controles
