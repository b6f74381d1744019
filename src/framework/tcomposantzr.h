// Host framework: the component object, owner of the declaration and of three services.
#pragma once

#include <memory>

#include "managers.h"
#include "tdonnee.h"

class TComposantZR {
 public:
  virtual ~TComposantZR() = default;  // not copied: it owns what it points to

  TDonnee* get_donnee() const { return m_donnee.get(); }
  TCreerLettrage* get_creerLettrage() const { return m_creerLettrage.get(); }
  TStaticsManager* get_staticsManager() const { return m_staticsManager.get(); }
  TRessourcesManager* get_ressourcesManager() const { return m_ressourcesManager.get(); }

 protected:
  std::unique_ptr<TDonnee> m_donnee;
  std::unique_ptr<TCreerLettrage> m_creerLettrage;
  std::unique_ptr<TStaticsManager> m_staticsManager;
  std::unique_ptr<TRessourcesManager> m_ressourcesManager;
};
