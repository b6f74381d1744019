// The component the host creates: it owns the declaration and three services.
#pragma once

#include <string>

#include "tcomposantzr.h"
#include "tdonnee2072.h"

// Builds the dictionary of every letter of the form.
class TCreerLettrage_2072 : public TCreerLettrage {
 public:
  void Execute(structListeLettres** liste, bool avecType) override;
};

class TStaticsManager2072 : public TStaticsManager {
 public:
  TStaticsManager2072() { Init(); }
  virtual void Init() {}
};

class TRessourcesManager2072 : public TRessourcesManager {
 public:
  std::string getRessourceSaisie() const override { return "sais2072.rsc"; }
};

class TComposantZR2072 : public TComposantZR {
 public:
  TComposantZR2072();
  TComposantZR2072(const TComposantZR2072& autre);
  TComposantZR2072& operator=(const TComposantZR2072& autre);
  ~TComposantZR2072() override = default;

  // Assigns `d` to the component's own declaration and returns that declaration; a null
  // argument, or a component without a declaration, returns `d` and changes nothing.
  virtual TDonnee* set_donnee(TDonnee* d);

  zorfiscal2072::TDonnee2072* donnee2072() const { return dynamic_cast<zorfiscal2072::TDonnee2072*>(get_donnee()); }
};
