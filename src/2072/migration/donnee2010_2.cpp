// Root step "2010.2": SIREN and NIC codes in today's letters, legal form of partners.
#include "anciennes_lettres.h"
#include "codes2072.h"
#include "moulinettes2072.h"

namespace zorfiscal2072::migration {

namespace {

struct Renommage {
  short ancien, nouveau;
};

// The partner's SIREN and NIC, the company's SIREN and NIC.
constexpr Renommage kRenommages[] = {{12066, 12546}, {12540, 12547}, {12050, 12544}, {12051, 12545}};

}  // namespace

void TMoulinetteDonnee2010_2::Convertit(AnciennesLettres& l) {
  for (const Renommage& r : kRenommages) l.Deplace(r.ancien, r.nouveau);
  // The old legal-person letter: today's legal form, "Société".
  if (l.Existe(12065)) l.Force(12562, std::to_string(FormeJuridique::Societe), "a partner's legal form is \"Société\"");
  l.Supprime(12065);
}

}  // namespace zorfiscal2072::migration
