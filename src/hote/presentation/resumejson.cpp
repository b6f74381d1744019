#include "presentation/resumejson.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "format/declaration.h"

namespace hote2072 {

namespace {

}  // namespace

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

}  // namespace

std::string ResumeJson(const Resume& resume) {
  std::string json = "{\n\"tables\": [";
  for (std::size_t t = 0; t < resume.tableaux.size(); ++t) {
    const Tableau& tableau = resume.tableaux[t];
    json += t == 0 ? "\n {\"title\": " : ",\n {\"title\": ";
    AjouteTexteJson(json, tableau.titre);
    json += ", \"columns\": " + Textes(tableau.colonnes) + ", \"rows\": [";
    for (std::size_t l = 0; l < tableau.lignes.size(); ++l) {
      const Tableau::Ligne& ligne = tableau.lignes[l];
      json += l == 0 ? "\n  {\"label\": " : ",\n  {\"label\": ";
      AjouteTexteJson(json, ligne.libelle);
      json += ", \"values\": " + Textes(ligne.valeurs) + ", \"text\": " + (ligne.texte ? "true" : "false") + "}";
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
  json += "],\n\"partnersLeftOut\": " + std::to_string(resume.associesOmis) + ",\n\"messages\": " +
          Textes(resume.messages) + "\n}\n";
  return json;
}

}  // namespace hote2072
