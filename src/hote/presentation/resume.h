// The computed declaration as a person reads it: titled tables of labelled figures, built once
// and laid out by the terminal summary (and any other layout) without computing anything again.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tdonnee2072.h"

namespace hote2072 {

using zorfiscal2072::TDonnee2072;

struct Tableau {
  struct Ligne {
    std::string libelle;
    std::vector<std::string> valeurs;  // one text per column, already formatted
    bool texte = false;                // a name or a label, left-aligned, not a figure
    std::vector<double> nombres{};     // the figures as printed (amounts in whole euros); none for a text
  };
  std::string titre;
  std::vector<std::string> colonnes;  // headers of the value columns; empty for one column
  std::vector<Ligne> lignes;
};

struct Resume {
  // Chart data: each property's receipts, charges and result; each listed partner's share.
  struct Barres {
    std::string nom;
    double recettes, charges, resultat;
  };
  struct Part {
    std::string nom;
    double pourcentage;
  };
  std::vector<Barres> proprietes;
  std::vector<Part> parts;
  std::vector<Tableau> tableaux;     // identification, properties, totals, CRL, 2072-E, columns, partners
  std::size_t associesOmis = 0;      // partners left out of the statements
  std::vector<std::string> messages;  // the screen checks' messages, one line each
};

// Partners listed when not all are asked for: the largest holdings.
inline constexpr std::size_t kAssociesListes = 20;

// Whole euros by the engine's rounding rule, thousands separated by U+202F.
std::string FormateMontant(double montant);
// Up to `decimales` decimals, trailing zeros dropped, decimal comma, thousands separated.
std::string FormateNombre(double nombre, int decimales);

// The content of the summary of a computed declaration (the checks run on it).
Resume ConstruitResume(TDonnee2072& racine, bool tousAssocies);

// The summary as aligned lines of text (columns aligned by characters).
std::string ResumeTexte(const Resume& resume);

}  // namespace hote2072
