// The summary as a printable HTML page.
#include "presentation/resumehtml.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "lettres.h"

namespace hote2072 {

std::string EchappeHtml(std::string_view texte) {
  std::string html;
  html.reserve(texte.size());
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

std::string EchappeHtmlTexte(std::string_view texte) { return EchappeHtml(lettres::Lisible(texte)); }

namespace {

// A figure as a chart draws it: one that is not finite (which loading's bounds leave no file
// to make) is drawn as nothing rather than at a coordinate no page can place.
double Trace(double x) { return std::isfinite(x) ? x : 0; }

// A text as a CSS string: quotes and backslashes escaped, and every character that could end
// the style element or the line (controls, <, >, &) as a hexadecimal escape.
std::string ChaineCss(const std::string& brut) {
  const std::string texte = lettres::Lisible(brut);  // nor a bidi override, which would reverse the header
  std::string css = "\"";
  for (const char c : texte) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      css += '\\';
      css += c;
    } else if (u < 0x20 || u == 0x7F || c == '<' || c == '>' || c == '&') {
      char tampon[8];
      std::snprintf(tampon, sizeof tampon, "\\%X ", u);
      css += tampon;
    } else {
      css += c;
    }
  }
  return css + "\"";
}

// "immeuble 1" as a heading: "Immeuble 1".
std::string Capitale(std::string texte) {
  if (!texte.empty() && texte[0] >= 'a' && texte[0] <= 'z') texte[0] = static_cast<char>(texte[0] - 'a' + 'A');
  return texte;
}

std::string Nombre(double x) {
  char tampon[32];
  std::snprintf(tampon, sizeof tampon, "%.1f", x);
  return tampon;
}

// At most `n` characters: a longer text is cut at its last blank within the limit (when
// that keeps more than half of it), else within the word, and ends with an ellipsis.
std::string Abrege(const std::string& texte, std::size_t n) {
  if (lettres::NombreCaracteres(texte) <= n) return texte;
  std::string coupe = lettres::Tronque(texte, n - 1);
  if (const auto blanc = coupe.find_last_of(' '); blanc != std::string::npos && blanc > coupe.size() / 2)
    coupe.erase(blanc);
  while (!coupe.empty() && (coupe.back() == ' ' || coupe.back() == ',')) coupe.pop_back();
  return coupe + "…";
}

// Chart texts are 11 px: at the chart's own width (it is drawn at most as wide as the
// printed column) that is 8.25 pt on paper. About 7.2 px a character, capitals included.
constexpr double kPoliceGraphique = 11, kLargeurCaractere = 7.2;

std::string TexteSvg(double x, double y, const std::string& texte, const char* ancre = "start",
                     const std::string& attributs = "") {
  return "<text x=\"" + Nombre(x) + "\" y=\"" + Nombre(y) + "\" font-size=\"" + Nombre(kPoliceGraphique) +
         "\" text-anchor=\"" + ancre + "\"" + attributs + ">" + EchappeHtmlTexte(texte) + "</text>";
}

std::string TableHtml(const Tableau& t) {
  using Style = Tableau::Style;
  const std::size_t colonnes = std::max<std::size_t>(t.colonnes.size(), 1) + 1;
  // The columns' widths are set once, whatever row comes first.
  std::string html = t.colonnes.empty() ? "<table><colgroup><col class=\"l\">"
                                        : "<table class=\"colonnes\"><colgroup><col class=\"l\">";
  for (std::size_t c = 1; c < colonnes; ++c) html += "<col>";
  html += "</colgroup>";
  if (!t.colonnes.empty()) {
    html += "<tr><th class=\"l\"></th>";
    for (const std::string& c : t.colonnes) html += "<th>" + EchappeHtmlTexte(c) + "</th>";
    html += "</tr>";
  }
  const std::string etendue = " colspan=\"" + std::to_string(colonnes) + "\"";
  for (const Tableau::Ligne& l : t.lignes) {
    switch (l.style) {
      case Style::Intertitre:
        html += "<tr class=\"intertitre\"><td" + etendue + ">" + EchappeHtmlTexte(l.libelle) + "</td></tr>";
        continue;
      case Style::Avertissement:
        html += "<tr class=\"avertissement\"><td" + etendue + ">" + EchappeHtmlTexte(l.libelle) + "</td></tr>";
        continue;
      case Style::Total: html += "<tr class=\"total\">"; break;
      case Style::Detail: html += "<tr class=\"detail\">"; break;
      default: html += "<tr>";
    }
    html += "<td class=\"l\">" + EchappeHtmlTexte(l.libelle) + "</td>";
    for (const std::string& v : l.valeurs)
      html += (l.style == Style::Texte ? "<td class=\"t\">" : "<td class=\"n\">") + EchappeHtmlTexte(v) + "</td>";
    html += "</tr>";
  }
  return html + "</table>\n";
}

// Receipts, charges and result of each property, side by side around a zero line, each
// bar with its amount; under each group the property's number and name, shortened to fit.
std::string GraphiqueProprietes(const std::vector<Resume::Barres>& barres) {
  if (barres.empty()) return {};
  double haut = 0, bas = 0;
  for (const auto& b : barres)
    for (double v : {Trace(b.recettes), Trace(b.charges), Trace(b.resultat)})
      (v >= 0 ? haut : bas) = std::max(v >= 0 ? haut : bas, std::fabs(v));
  const double largeur = 640, groupe = (largeur - 20) / static_cast<double>(barres.size()),
               barre = std::min(48.0, groupe / 4);
  // An amount fits across a bar of 44 px (7 characters); otherwise it stands upright.
  const bool debout = barre < 44;
  const double marge = debout ? 56 : 16, dessin = 150, echelle = dessin / std::max(1.0, haut + bas),
               zero = marge + haut * echelle, basDessin = zero + bas * echelle + (bas > 0 ? marge : 4);
  const double hauteur = basDessin + 2 * 14 + 28;
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Nombre(largeur) + "\" height=\"" +
                    Nombre(hauteur) + "\" viewBox=\"0 0 " + Nombre(largeur) + " " + Nombre(hauteur) +
                    "\" role=\"img\"><title>Recettes, charges et résultat par immeuble</title>";
  const char* couleurs[] = {"#3a6ea5", "#c0504d", "#4f8a3a"};
  const auto nomCaracteres = static_cast<std::size_t>(std::max(0.0, groupe / kLargeurCaractere - 1));
  for (std::size_t k = 0; k < barres.size(); ++k) {
    const double montants[] = {barres[k].recettes, barres[k].charges, barres[k].resultat};
    const double valeurs[] = {Trace(montants[0]), Trace(montants[1]), Trace(montants[2])};
    const double x0 = 10 + groupe * static_cast<double>(k) + (groupe - 3 * barre) / 2;
    for (int v = 0; v < 3; ++v) {
      const double h = std::fabs(valeurs[v]) * echelle, x = x0 + v * barre, milieu = x + (barre - 2) / 2;
      const bool positif = valeurs[v] >= 0;
      svg += "<rect x=\"" + Nombre(x) + "\" y=\"" + Nombre(positif ? zero - h : zero) + "\" width=\"" +
             Nombre(barre - 2) + "\" height=\"" + Nombre(h) + "\" fill=\"" + couleurs[v] + "\"/>";
      const std::string montant = FormateMontant(montants[v]);
      if (debout) {
        // Read from the bottom up, starting just beyond the bar's end.
        const double y = positif ? zero - h - 3 : zero + h + 3;
        svg += TexteSvg(milieu + 4, y, montant, positif ? "start" : "end",
                        " transform=\"rotate(-90 " + Nombre(milieu + 4) + " " + Nombre(y) + ")\"");
      } else {
        svg += TexteSvg(milieu, positif ? zero - h - 4 : zero + h + 12, montant, "middle");
      }
    }
    const double centre = x0 + 1.5 * barre;
    svg += TexteSvg(centre, basDessin + 12, "Immeuble " + std::to_string(k + 1), "middle");
    if (nomCaracteres >= 4) svg += TexteSvg(centre, basDessin + 26, Abrege(barres[k].nom, nomCaracteres), "middle");
  }
  svg += "<line x1=\"5\" x2=\"" + Nombre(largeur - 5) + "\" y1=\"" + Nombre(zero) + "\" y2=\"" + Nombre(zero) +
         "\" stroke=\"#333\"/>";
  const char* legendes[] = {"Revenus bruts", "Charges et intérêts", "Revenu net ou déficit"};
  for (int v = 0; v < 3; ++v)
    svg += "<rect x=\"" + Nombre(10 + v * 190) + "\" y=\"" + Nombre(hauteur - 14) +
           "\" width=\"10\" height=\"10\" fill=\"" + couleurs[v] + "\"/>" +
           TexteSvg(24 + v * 190, hauteur - 5, legendes[v]);
  return svg + "</svg>\n";
}

// Each listed partner's share of the results as a horizontal bar with its percentage, the
// largest share the longest bar; a long name is shortened here and given whole in the
// statement.
std::string GraphiqueParts(const std::vector<Resume::Part>& parts) {
  if (parts.empty()) return {};
  const double ligne = 18, debutBarre = 250, longueurMax = 320, hauteur = ligne * static_cast<double>(parts.size()) + 6;
  double plusGrande = 0;
  for (const auto& p : parts) plusGrande = std::max(plusGrande, std::clamp(Trace(p.pourcentage), 0.0, 100.0));
  const double echelle = plusGrande > 0 ? longueurMax / plusGrande : 0;
  const auto nomCaracteres = static_cast<std::size_t>((debutBarre - 10) / kLargeurCaractere);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640\" height=\"" + Nombre(hauteur) +
                    "\" viewBox=\"0 0 640 " + Nombre(hauteur) +
                    "\" role=\"img\"><title>Quote-part des résultats par associé</title>";
  for (std::size_t k = 0; k < parts.size(); ++k) {
    const double y = 3 + ligne * static_cast<double>(k);
    const double longueur = std::clamp(Trace(parts[k].pourcentage), 0.0, 100.0) * echelle;
    svg += TexteSvg(0, y + 12, Abrege(parts[k].nom, nomCaracteres)) + "<rect x=\"" + Nombre(debutBarre) + "\" y=\"" +
           Nombre(y + 2) + "\" width=\"" + Nombre(longueur) + "\" height=\"13\" fill=\"#3a6ea5\"/>" +
           TexteSvg(debutBarre + 6 + longueur, y + 12, FormateNombre(parts[k].pourcentage, 2) + " %");
  }
  return svg + "</svg>\n";
}

// The page: running header (company, year) and footer (page n of m) in the page margins;
// a section is not split across pages when it fits one, so no heading is left at the foot
// of a page; each statement and the checks' messages start a page of their own.
std::string Style(const Resume& resume) {
  // A header of one line: a long name is shortened.
  const std::string entete =
      ChaineCss(Abrege(resume.societe, 70) + (resume.annee != 0 ? " — " + std::to_string(resume.annee) : ""));
  return R"(
@page { size: A4; margin: 18mm 15mm 16mm;
  @top-left { content: )" +
         entete + R"(; font: 8pt "DejaVu Sans", sans-serif; color: #555; }
  @top-right { content: "Déclaration 2072"; font: 8pt "DejaVu Sans", sans-serif; color: #555; }
  @bottom-right { content: "Page " counter(page) " sur " counter(pages); font: 8pt "DejaVu Sans", sans-serif; color: #555; } }
body { font-family: "DejaVu Sans", sans-serif; font-size: 10pt; color: #111; margin: 0 auto; max-width: 180mm; }
h1 { font-size: 15pt; margin: 0 0 4mm; border-bottom: 2px solid #234; padding-bottom: 2mm; }
h2 { font-size: 11pt; margin: 6mm 0 2mm; color: #234; break-after: avoid; }
h3 { font-size: 10pt; margin: 4mm 0 1mm; break-after: avoid; }
section { break-inside: avoid; }
section.associe, section.messages { break-before: page; }
table { border-collapse: collapse; width: 100%; table-layout: fixed; }
tr { break-inside: avoid; }
td, th { padding: 1mm 2mm; border-bottom: 1px solid #ccd; vertical-align: top; overflow-wrap: anywhere; }
th { text-align: right; background: #eef; }
col.l { width: 62%; }
table.colonnes col.l { width: 50%; }
td.n { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
td.t { text-align: left; }
tr.total td { font-weight: bold; border-top: 1px solid #234; }
tr.detail td.l { padding-left: 7mm; color: #333; }
tr.intertitre td { font-weight: bold; color: #234; background: #eef; padding-top: 2mm; }
tr.avertissement td { color: #8a1c1c; font-weight: bold; border: 1px solid #8a1c1c; }
svg { display: block; margin: 2mm 0; max-width: 100%; }
p.note { color: #555; }
ul.messages { margin: 0 0 2mm; }
section.messages div { break-inside: avoid; }
ul.messages li { margin-bottom: 1mm; }
@media print { body { max-width: none; } }
)";
}

}  // namespace

std::string ResumeHtml(const Resume& resume) {
  const std::string titre = resume.societe.empty() ? "Déclaration 2072" : "Déclaration 2072 : " + resume.societe;
  std::string html = "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\"><title>" +
                     EchappeHtmlTexte(titre) + "</title><style>" + Style(resume) + "</style></head><body>\n<h1>" +
                     EchappeHtmlTexte(titre) + "</h1>\n";
  bool premierAssocie = true;
  for (const Tableau& t : resume.tableaux) {
    const bool associe = t.genre == Tableau::Genre::Bulletin;
    if (associe && premierAssocie) {
      html += "<section><h2>Quote-part des résultats par associé</h2>" + GraphiqueParts(resume.parts);
      if (resume.associesOmis > 0)
        html += "<p class=\"note\">" + std::to_string(resume.associesOmis) + " autres associés non listés (les " +
                std::to_string(kAssociesListes) + " plus fortes détentions sont listées).</p>\n";
      html += "</section>\n";
      premierAssocie = false;
    }
    if (t.genre == Tableau::Genre::Totaux)
      html += "<section><h2>Recettes, charges et résultat par immeuble</h2>" + GraphiqueProprietes(resume.proprietes) +
              "</section>\n";
    html += associe ? "<section class=\"associe\"><h2>" : "<section><h2>";
    html += EchappeHtmlTexte(t.titre) + "</h2>" + TableHtml(t) + "</section>\n";
  }
  if (!resume.messages.empty()) {
    html += "<section class=\"messages\"><h2>Messages des contrôles</h2>\n";
    for (const Resume::Messages& m : resume.messages) {
      html += "<div><h3>" + EchappeHtmlTexte(Capitale(m.enregistrement)) + "</h3><ul class=\"messages\">";
      for (const std::string& ligne : m.lignes) html += "<li>" + EchappeHtmlTexte(ligne) + "</li>";
      html += "</ul></div>\n";
    }
    html += "</section>\n";
  }
  return html + "</body></html>\n";
}

}  // namespace hote2072
