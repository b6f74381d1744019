// Date rules of a property: for a set of tax options, conditions on its acquisition date,
// completion date or the start of depreciation of line 1, and the message when all hold.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "codes2072.h"
#include "controle2072.h"

namespace zorfiscal2072::controles {

// A set of tax options, one bit per code.
using Options = std::uint32_t;
constexpr Options Option(long code) { return code >= 0 && code < 32 ? Options{1} << code : 0; }
// Every option, those outside the bits included.
inline constexpr Options kToutesOptions = ~Options{0};
// The schemes that carry depreciation.
inline constexpr Options kAmortissement = [] {
  Options o = 0;
  for (long code : zorfiscal2072::kOptionsAmortissement) o |= Option(code);
  return o;
}();
constexpr bool Contient(Options options, long code) {
  return options == kToutesOptions || (options & Option(code)) != 0;
}

enum class DateBien : std::uint8_t { Acquisition, Achevement, DebutLigne1 };
enum class Comparaison : std::uint8_t { Vide, Renseignee, Avant, AuPlusTard, Apres, AuMoins, Hors };

// A bound that stands for 31 December of the declaration year.
inline constexpr long kFinAnnee = -1;

struct ConditionDate {
  DateBien date;
  Comparaison comparaison;
  long borne = 0;
  long borneHaute = 0;  // Hors: outside [borne, borneHaute]
};

// Compares a date (0 when not entered) with its bounds, kFinAnnee read for the year checked.
bool Compare(Comparaison comparaison, long date, long borne, long borneHaute, const TControle& c);

struct RegleDate {
  static constexpr int kConditions = 5;
  Arret arret;
  Options options;
  ConditionDate conditions[kConditions];
  int nombre;  // conditions used
  NumeroMessage numero;
  Resultat Evalue(const TPropriete2072& p, const TControle& c) const;
};

RegleDate Si(Options options, std::initializer_list<ConditionDate> conditions, NumeroMessage numero,
             Arret arret = Arret::Teste);

constexpr ConditionDate Vide(DateBien d) { return {d, Comparaison::Vide}; }
constexpr ConditionDate Renseignee(DateBien d) { return {d, Comparaison::Renseignee}; }
constexpr ConditionDate Avant(DateBien d, long borne) { return {d, Comparaison::Avant, borne}; }
constexpr ConditionDate AuPlusTard(DateBien d, long borne) { return {d, Comparaison::AuPlusTard, borne}; }
constexpr ConditionDate Apres(DateBien d, long borne) { return {d, Comparaison::Apres, borne}; }
constexpr ConditionDate AuMoins(DateBien d, long borne) { return {d, Comparaison::AuMoins, borne}; }
constexpr ConditionDate Hors(DateBien d, long debut, long fin) { return {d, Comparaison::Hors, debut, fin}; }

}  // namespace zorfiscal2072::controles
