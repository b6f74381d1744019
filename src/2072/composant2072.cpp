#include "composant2072.h"

#include "dictionnaire2072.h"

using zorfiscal2072::TDonnee2072;

TComposantZR2072::TComposantZR2072() {
  m_donnee = std::make_unique<TDonnee2072>();
  m_creerLettrage = std::make_unique<TCreerLettrage_2072>();
  m_staticsManager = std::make_unique<TStaticsManager2072>();
  m_ressourcesManager = std::make_unique<TRessourcesManager2072>();
}

TComposantZR2072::TComposantZR2072(const TComposantZR2072& autre) : TComposantZR() {
  m_donnee = std::make_unique<TDonnee2072>(*autre.donnee2072());
  m_creerLettrage = std::make_unique<TCreerLettrage_2072>();
  auto statics = std::make_unique<TStaticsManager2072>();
  static_cast<TStaticsManager&>(*statics) = *autre.get_staticsManager();
  m_staticsManager = std::move(statics);
  m_ressourcesManager = std::make_unique<TRessourcesManager2072>();
}

TComposantZR2072& TComposantZR2072::operator=(const TComposantZR2072& autre) {
  if (this == &autre) return *this;
  *donnee2072() = *autre.donnee2072();
  *m_staticsManager = *autre.get_staticsManager();
  return *this;
}

TDonnee* TComposantZR2072::set_donnee(TDonnee* d) {
  auto* source = dynamic_cast<TDonnee2072*>(d);
  if (source == nullptr || !m_donnee) return d;  // null, or not a declaration of this form
  *donnee2072() = *source;
  return m_donnee.get();
}

void TCreerLettrage_2072::Execute(structListeLettres** liste, bool avecType) {
  for (const zorfiscal2072::EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072()) {
    AjouteLettre(liste, e.lettre.code, nullptr, 0, 0, 1, 0);
    if (liste != nullptr && *liste != nullptr && avecType) (*liste)->courante->type = e.lettre.type();
  }
}
