// A field as a screen shows it: its French label, the input its kind asks for, whether the
// person enters it or the engine computes it, its unit and the list its codes come from. Read
// from the catalogue of the engine's letter tables, through this one module.
#pragma once

#include <string>
#include <vector>

#include "chargement/niveauxhote.h"
#include "dictionnaire2072.h"
#include "telement.h"

namespace serveur2072 {

using hote2072::Index;
using zorfiscal2072::TDonnee2072;

enum class Saisie { Texte, Montant, Nombre, Entier, Date, Liste, OuiNon };
enum class Nature { Saisie, Calculee, LieRetenu, LieCalcule, LieMode };
enum class Unite { Aucune, Euros, Pourcent, Fraction, Parts, Annees };

struct Champ {
  int code = 0;
  const zorfiscal2072::EntreeDictionnaire* entree = nullptr;
  std::string libelle;
  Saisie saisie = Saisie::Texte;
  Nature nature = Nature::Saisie;
  Unite unite = Unite::Aucune;
  int longueur = 0;    // characters a text holds
  int decimales = -1;  // decimals a number keeps, -1 for any
  const std::vector<TElement>* liste = nullptr;
  // A title or legal form: its list follows the person type of the record (a legal person's
  // forms instead of a natural person's titles).
  const std::vector<TElement>* listeMorale = nullptr;
  int codeType = 0;  // letter of the record's person type
  // A linked element's three faces: the amount used, the mode, the computed amount.
  int lieRetenu = 0, lieMode = 0, lieCalcule = 0;
};

// The field of letter `code`; null for a code no record of a declaration holds.
const Champ* ChampDe(int code);

// The choices a coded field offers on the record `index` names: its list, the list its
// record's person type selects, the schemes the property's category allows, or the partners
// and "Autre" for the parties to a transfer of shares. Empty for a field without a list.
struct Choix {
  std::string valeur;  // the letter's text
  std::string libelle;
};
std::vector<Choix> ChoixDe(TDonnee2072& racine, const Champ& champ, const Index& index);

// The three faces of the linked element that holds `code`, or null.
const Champ* ElementLie(int code);

}  // namespace serveur2072
