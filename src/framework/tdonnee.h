// Host framework: base of every exchanged record and of the declaration root.
#pragma once

#include "lettres.h"
#include "tindex.h"

class TStaticsManager;
class TMoulinetteInfo;

// Argument type of UpdateParametres; carries nothing the engine reads.
class TParamSubject {};

class TDonneeBase {
 public:
  TDonneeBase() = default;
  TDonneeBase(const TDonneeBase&) = default;
  TDonneeBase& operator=(const TDonneeBase&) = default;
  virtual ~TDonneeBase() = default;
  bool operator==(const TDonneeBase&) const { return true; }

  virtual bool TransfertUneLettre(structLettre* lettre, TIndex index, long sens) {
    (void)index;
    return TransfertLettre(lettre, sens);
  }
  virtual bool TransfertLettre(structLettre*, long) { return false; }
  // Offers every letter of the list with an empty index; returns how many were taken.
  virtual long Transfert(structListeLettres* liste, long sens) {
    long pris = 0;
    for (structLettre* l = VaPremiereLettre(liste); !FinListeLettre(l); l = VaLettreSuivante(l))
      if (TransfertUneLettre(l, TIndex{}, sens)) ++pris;
    return pris;
  }
};

// Base of the declaration root: the operations the host drives it through.
class TDonnee : public TDonneeBase {
 public:
  virtual void moulinette(TMoulinetteInfo&) {}
  virtual void Init() = 0;
  virtual void InitPartielle() = 0;
  virtual void CasTest() {}
  virtual void Update() = 0;
  virtual void UpdateStaticsManager(TStaticsManager*) {}
  virtual void Calcul() = 0;
  virtual void Select(structListeLettres*) {}
  virtual void Select(structListeLettres*, TIndex) {}
  virtual short* Controle(void*, struTEcranLettre*) { return nullptr; }
  virtual short* Controle(void*, struTEcranLettre*, TIndex) { return nullptr; }
  virtual long getAnnee() const = 0;
  virtual void UpdateParametres(TParamSubject*) {}
};

// Builds the dictionary of every letter of the form.
class TCreerLettrage {
 public:
  virtual ~TCreerLettrage() = default;
  virtual void Execute(structListeLettres** liste, bool avecType) = 0;
};
