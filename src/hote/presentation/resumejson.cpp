#include "presentation/resumejson.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "format/declaration.h"

namespace hote2072 {

namespace {}  // namespace

std::string NombreJson(double x) {
  if (!std::isfinite(x)) return "null";
  char texte[64];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(texte, sizeof texte, "%.*g", precision, x);
    if (std::strtod(texte, nullptr) == x) break;
  }
  return texte;
}

namespace {

std::string Textes(const std::vector<std::string>& textes) {
  std::string json = "[";
  for (const std::string& t : textes) {
    if (json.size() > 1) json += ", ";
    AjouteTexteJson(json, t);
  }
  return json + "]";
}

const char* NomGenre(Tableau::Genre genre) {
  switch (genre) {
    case Tableau::Genre::Identification: return "identification";
    case Tableau::Genre::Immeuble: return "property";
    case Tableau::Genre::Totaux: return "totals";
    case Tableau::Genre::CRL: return "crl";
    case Tableau::Genre::Lignes2072E: return "2072-E";
    case Tableau::Genre::ColonnesIS: return "corporate-tax";
    case Tableau::Genre::Bulletin: return "statement";
  }
  return "";
}

const char* NomStyle(Tableau::Style style) {
  switch (style) {
    case Tableau::Style::Nombre: return "figure";
    case Tableau::Style::Texte: return "text";
    case Tableau::Style::Total: return "total";
    case Tableau::Style::Detail: return "detail";
    case Tableau::Style::Intertitre: return "heading";
    case Tableau::Style::Avertissement: return "warning";
  }
  return "";
}

}  // namespace

std::string ResumeJson(const Resume& resume) {
  std::string json = "{\n\"company\": ";
  AjouteTexteJson(json, resume.societe);
  json += ",\n\"year\": " + std::to_string(resume.annee) + ",\n\"tables\": [";
  for (std::size_t t = 0; t < resume.tableaux.size(); ++t) {
    const Tableau& tableau = resume.tableaux[t];
    json += std::string(t == 0 ? "\n {" : ",\n {") + "\"kind\": \"" + NomGenre(tableau.genre) + "\", \"title\": ";
    AjouteTexteJson(json, tableau.titre);
    json += ", \"columns\": " + Textes(tableau.colonnes) + ", \"rows\": [";
    for (std::size_t l = 0; l < tableau.lignes.size(); ++l) {
      const Tableau::Ligne& ligne = tableau.lignes[l];
      json += l == 0 ? "\n  {\"label\": " : ",\n  {\"label\": ";
      AjouteTexteJson(json, ligne.libelle);
      json += ", \"values\": " + Textes(ligne.valeurs) + ", \"style\": \"" + NomStyle(ligne.style) + "\"}";
    }
    json += "]}";
  }
  json += "],\n\"properties\": [";
  for (std::size_t k = 0; k < resume.proprietes.size(); ++k) {
    const Resume::Barres& b = resume.proprietes[k];
    json += k == 0 ? "\n {\"name\": " : ",\n {\"name\": ";
    AjouteTexteJson(json, b.nom);
    json += ", \"receipts\": " + NombreJson(b.recettes) + ", \"charges\": " + NombreJson(b.charges) +
            ", \"result\": " + NombreJson(b.resultat) + "}";
  }
  json += "],\n\"partners\": [";
  for (std::size_t k = 0; k < resume.parts.size(); ++k) {
    json += k == 0 ? "\n {\"name\": " : ",\n {\"name\": ";
    AjouteTexteJson(json, resume.parts[k].nom);
    json += ", \"percentage\": " + NombreJson(resume.parts[k].pourcentage) + "}";
  }
  json += "],\n\"partnersLeftOut\": " + std::to_string(resume.associesOmis) + ",\n\"messages\": [";
  for (std::size_t k = 0; k < resume.messages.size(); ++k) {
    json += k == 0 ? "\n {\"record\": " : ",\n {\"record\": ";
    AjouteTexteJson(json, resume.messages[k].enregistrement);
    json += ", \"messages\": " + Textes(resume.messages[k].lignes) + "}";
  }
  return json + "]\n}\n";
}

}  // namespace hote2072
