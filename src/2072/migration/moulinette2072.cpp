// Migration entry points of the root and of a property: each registers its four steps and
// lets the manager run those the file needs.
#include "anciennes_lettres.h"
#include "moulinettes2072.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {

void migration::TMoulinetteDonnee::execute(TMoulinetteInfo& info, TDonneeBase*) {
  migration::AnciennesLettres lettres(info);
  Convertit(lettres);
}

void migration::TMoulinettePropriete::execute(TMoulinetteInfo& info, TDonneeBase* donnee) {
  if (auto* propriete = dynamic_cast<TPropriete2072*>(donnee)) Corrige(info, *propriete);
}

void TDonnee2072::moulinette(TMoulinetteInfo& info) {
  TMoulinetteManager manager;
  manager.ajoute("2009.1", new migration::TMoulinetteDonnee2009_1);
  manager.ajoute("2010.1", new migration::TMoulinetteDonnee2010_1);
  manager.ajoute("2010.2", new migration::TMoulinetteDonnee2010_2);
  manager.ajoute("2011.2", new migration::TMoulinetteDonnee2011_2);
  manager.execute(info, this);
}

void TPropriete2072::moulinette(TMoulinetteInfo& info) {
  TMoulinetteManager manager;
  manager.ajoute("2009.2", new migration::TMoulinettePropriete2009_2);
  manager.ajoute("2010.1", new migration::TMoulinettePropriete2010_1);
  manager.ajoute("2011.2", new migration::TMoulinettePropriete2011_2);
  manager.ajoute("2012.2", new migration::TMoulinettePropriete2012_2);
  manager.execute(info, this);
}

}  // namespace zorfiscal2072
