// The summary as a printable HTML page.
#include "presentation/resumehtml.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "lettres.h"

namespace hote2072 {

namespace {

// HTML's own characters as entities; controls and bidi overrides written as escapes (a page
// may hold no control character, and an override would reverse what follows it).
std::string Echappe(const std::string& brut) {
  const std::string texte = lettres::Lisible(brut);
  std::string html;
  for (const char c : texte) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      case '\'': html += "&#39;"; break;
      default: html += c;
    }
  }
  return html;
}

// A figure as a chart draws it: one that is not finite (which loading's bounds leave no file
// to make) is drawn as nothing rather than at a coordinate no page can place.
double Trace(double x) { return std::isfinite(x) ? x : 0; }

std::string Nombre(double x) {
  char tampon[32];
  std::snprintf(tampon, sizeof tampon, "%.1f", x);
  return tampon;
}

constexpr const char* kStyle = R"(
body { font-family: "DejaVu Sans", sans-serif; font-size: 10pt; color: #111; margin: 0 auto; max-width: 180mm; }
h1 { font-size: 15pt; margin: 0 0 4mm; border-bottom: 2px solid #234; padding-bottom: 2mm; }
h2 { font-size: 11pt; margin: 6mm 0 2mm; color: #234; }
table { border-collapse: collapse; width: 100%; table-layout: fixed; }
td, th { padding: 1mm 2mm; border-bottom: 1px solid #ccd; vertical-align: top; overflow-wrap: anywhere; }
th { text-align: right; background: #eef; }
td.l { width: 62%; }
table.colonnes .l { width: 50%; }
td.n { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
td.t { text-align: left; }
section.associe { break-before: page; page-break-before: always; }
svg { display: block; margin: 2mm 0; max-width: 100%; }
p.note { color: #555; }
ul.messages li { margin-bottom: 1mm; }
@page { size: A4; margin: 15mm; }
@media print { body { max-width: none; } }
)";

std::string TableHtml(const Tableau& t) {
  std::string html = t.colonnes.empty() ? "<table>" : "<table class=\"colonnes\">";
  if (!t.colonnes.empty()) {
    html += "<tr><th class=\"l\"></th>";
    for (const std::string& c : t.colonnes) html += "<th>" + Echappe(c) + "</th>";
    html += "</tr>";
  }
  for (const Tableau::Ligne& l : t.lignes) {
    html += "<tr><td class=\"l\">" + Echappe(l.libelle) + "</td>";
    for (const std::string& v : l.valeurs) html += (l.texte ? "<td class=\"t\">" : "<td class=\"n\">") + Echappe(v) + "</td>";
    html += "</tr>";
  }
  return html + "</table>\n";
}

// Receipts, charges and result of each property, side by side, around a zero line.
std::string GraphiqueProprietes(const std::vector<Resume::Barres>& barres) {
  if (barres.empty()) return {};
  // The zero line sits where positive and negative bars both fit.
  double haut = 0, bas = 0;
  for (const auto& b : barres)
    for (double v : {Trace(b.recettes), Trace(b.charges), Trace(b.resultat)})
      (v >= 0 ? haut : bas) = std::max(v >= 0 ? haut : bas, std::fabs(v));
  const double largeur = 640, hauteur = 150, echelle = (hauteur - 10) / std::max(1.0, haut + bas), zero = 5 + haut * echelle;
  const double groupe = (largeur - 20) / static_cast<double>(barres.size()), barre = std::min(40.0, groupe / 4);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Nombre(largeur) + "\" height=\"" +
                    Nombre(hauteur + 30) + "\" viewBox=\"0 0 " + Nombre(largeur) + " " + Nombre(hauteur + 30) +
                    "\" role=\"img\"><title>Recettes, charges et résultat par immeuble</title>";
  const char* couleurs[] = {"#3a6ea5", "#c0504d", "#4f8a3a"};
  for (std::size_t k = 0; k < barres.size(); ++k) {
    const double valeurs[] = {Trace(barres[k].recettes), Trace(barres[k].charges), Trace(barres[k].resultat)};
    const double x0 = 10 + groupe * static_cast<double>(k) + (groupe - 3 * barre) / 2;
    for (int v = 0; v < 3; ++v) {
      const double h = std::fabs(valeurs[v]) * echelle;
      svg += "<rect x=\"" + Nombre(x0 + v * barre) + "\" y=\"" + Nombre(valeurs[v] >= 0 ? zero - h : zero) +
             "\" width=\"" + Nombre(barre - 2) + "\" height=\"" + Nombre(h) + "\" fill=\"" + couleurs[v] + "\"/>";
    }
    svg += "<text x=\"" + Nombre(x0 + 1.5 * barre) + "\" y=\"" + Nombre(hauteur + 12) +
           "\" font-size=\"9\" text-anchor=\"middle\">Immeuble " + std::to_string(k + 1) + "</text>";
  }
  svg += "<line x1=\"5\" x2=\"" + Nombre(largeur - 5) + "\" y1=\"" + Nombre(zero) + "\" y2=\"" + Nombre(zero) +
         "\" stroke=\"#333\"/>";
  const char* legendes[] = {"Revenus bruts", "Charges et intérêts", "Revenu net ou déficit"};
  for (int v = 0; v < 3; ++v)
    svg += "<rect x=\"" + Nombre(10 + v * 190) + "\" y=\"" + Nombre(hauteur + 18) + "\" width=\"10\" height=\"10\" fill=\"" +
           couleurs[v] + "\"/><text x=\"" + Nombre(24 + v * 190) + "\" y=\"" + Nombre(hauteur + 27) +
           "\" font-size=\"10\">" + legendes[v] + "</text>";
  return svg + "</svg>\n";
}

// Each listed partner's share of the results as a horizontal bar.
std::string GraphiqueParts(const std::vector<Resume::Part>& parts) {
  if (parts.empty()) return {};
  const double ligne = 16, hauteur = ligne * static_cast<double>(parts.size()) + 6;
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640\" height=\"" + Nombre(hauteur) +
                    "\" viewBox=\"0 0 640 " + Nombre(hauteur) + "\" role=\"img\"><title>Quote-part des résultats par associé</title>";
  for (std::size_t k = 0; k < parts.size(); ++k) {
    const double y = 3 + ligne * static_cast<double>(k);
    const double p = std::clamp(Trace(parts[k].pourcentage), 0.0, 100.0);
    const std::string nom = lettres::Tronque(parts[k].nom, 40);  // by characters: the page stays UTF-8
    svg += "<text x=\"0\" y=\"" + Nombre(y + 11) + "\" font-size=\"10\">" + Echappe(nom) + "</text><rect x=\"260\" y=\"" +
           Nombre(y + 2) + "\" width=\"" + Nombre(p * 3.2) + "\" height=\"11\" fill=\"#3a6ea5\"/><text x=\"" +
           Nombre(266 + p * 3.2) + "\" y=\"" + Nombre(y + 11) + "\" font-size=\"10\">" + Echappe(FormateNombre(parts[k].pourcentage, 2)) +
           " %</text>";
  }
  return svg + "</svg>\n";
}

}  // namespace

std::string ResumeHtml(const Resume& resume) {
  std::string titre = resume.tableaux.empty() || resume.tableaux[0].lignes.empty() || resume.tableaux[0].lignes[0].valeurs.empty()
                          ? std::string("Déclaration 2072")
                          : "Déclaration 2072 : " + resume.tableaux[0].lignes[0].valeurs[0];
  std::string html = "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\"><title>" + Echappe(titre) +
                     "</title><style>" + kStyle + "</style></head><body>\n<h1>" + Echappe(titre) + "</h1>\n";
  bool premierAssocie = true;
  for (const Tableau& t : resume.tableaux) {
    const bool associe = t.titre.rfind("Déclaration individuelle", 0) == 0;
    if (associe && premierAssocie) {
      html += "<h2>Quote-part des résultats par associé</h2>" + GraphiqueParts(resume.parts);
      if (resume.associesOmis > 0)
        html += "<p class=\"note\">" + std::to_string(resume.associesOmis) + " autres associés non listés (les " +
                std::to_string(kAssociesListes) + " plus fortes détentions sont listées).</p>\n";
      premierAssocie = false;
    }
    if (t.titre == "Totaux de la société")
      html += "<h2>Recettes, charges et résultat par immeuble</h2>" + GraphiqueProprietes(resume.proprietes);
    html += associe ? "<section class=\"associe\"><h2>" : "<section><h2>";
    html += Echappe(t.titre) + "</h2>" + TableHtml(t) + "</section>\n";
  }
  if (!resume.messages.empty()) {
    html += "<section><h2>Messages des contrôles</h2><ul class=\"messages\">";
    for (const std::string& m : resume.messages) html += "<li>" + Echappe(m) + "</li>";
    html += "</ul></section>\n";
  }
  return html + "</body></html>\n";
}

}  // namespace hote2072
