// The conversion steps of declarations saved by earlier engines, one class per step, each
// registered under the version whose format it produces. The root's steps rewrite the
// letters of one record; the property's steps correct a loaded property.
#pragma once

#include "moulinette.h"

namespace zorfiscal2072 {
class TPropriete2072;
}

namespace zorfiscal2072::migration {

class AnciennesLettres;

// A root's step: it rewrites the old letters of the record being loaded.
class TMoulinetteDonnee : public TMoulinette {
 public:
  void execute(TMoulinetteInfo& info, TDonneeBase* donnee) final;

 private:
  virtual void Convertit(AnciennesLettres& l) = 0;
};

// Telephone and fax letters holding only the blank input mask.
class TMoulinetteDonnee2009_1 : public TMoulinetteDonnee {
  void Convertit(AnciennesLettres& l) override;
};

// Addresses, dates and identities in today's letters.
class TMoulinetteDonnee2010_1 : public TMoulinetteDonnee {
  void Convertit(AnciennesLettres& l) override;
};

// SIREN and NIC codes, legal form of partners.
class TMoulinetteDonnee2010_2 : public TMoulinetteDonnee {
  void Convertit(AnciennesLettres& l) override;
};

// Rental-income contribution, shares at 1 January, holding companies.
class TMoulinetteDonnee2011_2 : public TMoulinetteDonnee {
  void Convertit(AnciennesLettres& l) override;
};

// A property's step: it corrects the loaded property (any other record is left as it is).
class TMoulinettePropriete : public TMoulinette {
 public:
  void execute(TMoulinetteInfo& info, TDonneeBase* donnee) final;

 private:
  virtual void Corrige(TMoulinetteInfo& info, TPropriete2072& propriete) = 0;
};

// Scheme 8 and the natural-area costs.
class TMoulinettePropriete2009_2 : public TMoulinettePropriete {
  void Corrige(TMoulinetteInfo& info, TPropriete2072& propriete) override;
};

// Scheme 13 and deduction 12.
class TMoulinettePropriete2010_1 : public TMoulinettePropriete {
  void Corrige(TMoulinetteInfo& info, TPropriete2072& propriete) override;
};

// Schemes 14, 16 and 17; the tenants of the old letters.
class TMoulinettePropriete2011_2 : public TMoulinettePropriete {
  void Corrige(TMoulinetteInfo& info, TPropriete2072& propriete) override;
};

// Schemes 21 to 23.
class TMoulinettePropriete2012_2 : public TMoulinettePropriete {
  void Corrige(TMoulinetteInfo& info, TPropriete2072& propriete) override;
};

}  // namespace zorfiscal2072::migration
