// The computed declaration as a person reads it: titled tables of labelled figures, built once
// and laid out by the terminal summary and the printable report without computing anything
// again.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "tdonnee2072.h"

namespace hote2072 {

using zorfiscal2072::TDonnee2072;

struct Tableau {
  // What the table shows, so that a layout places it without reading its title.
  enum class Genre { Identification, Immeuble, Totaux, CRL, Lignes2072E, ColonnesIS, Bulletin };
  enum class Style {
    Nombre,         // a figure, right-aligned
    Texte,          // a name or a label, left-aligned
    Total,          // a figure that sums the lines above it
    Detail,         // a figure that details the line above it ("dont ...")
    Intertitre,     // opens a group of lines; no value
    Avertissement,  // something the reader must look at; the label says it all
  };
  struct Ligne {
    std::string libelle;
    std::vector<std::string> valeurs;  // one text per column, already formatted
    Style style = Style::Nombre;
  };
  Genre genre;
  std::string titre;
  std::vector<std::string> colonnes;  // headers of the value columns; empty for one column
  std::vector<Ligne> lignes;
};

struct Resume {
  std::string societe;  // for the report's running header
  long annee = 0;
  // Chart data: each property's receipts, charges and result; each listed partner's share.
  struct Barres {
    std::string nom;
    double recettes, charges, resultat;
  };
  struct Part {
    std::string nom;
    double pourcentage;
  };
  // The screen checks' messages of one record.
  struct Messages {
    std::string enregistrement;       // "immeuble 1 "Maison" (code P2)"
    std::vector<std::string> lignes;  // "message 80, Périssol : ..."
  };
  std::vector<Barres> proprietes;
  std::vector<Part> parts;
  std::vector<Tableau> tableaux;  // identification, properties, totals, CRL, 2072-E, columns, statements
  std::size_t associesOmis = 0;   // partners left out of the statements
  std::vector<Messages> messages;
};

// Partners listed when not all are asked for: the largest holdings.
inline constexpr std::size_t kAssociesListes = 20;

// Whole euros by the engine's rounding rule, thousands separated by U+202F.
std::string FormateMontant(double montant);
// Up to `decimales` decimals, trailing zeros dropped, decimal comma, thousands separated.
std::string FormateNombre(double nombre, int decimales);

struct OptionsResume {
  bool tousAssocies = false;
  // The codes of properties and partners that the file gave: only those are shown (the
  // others were made up by the engine and mean nothing to a reader).
  std::unordered_set<std::string> codesDonnes;
};

// The content of the summary of a computed declaration (the checks run on it).
Resume ConstruitResume(TDonnee2072& racine, const OptionsResume& options);

// The summary as aligned lines of text (columns aligned by characters).
std::string ResumeTexte(const Resume& resume);

}  // namespace hote2072
