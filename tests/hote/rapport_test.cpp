// The report end to end: escaped and self-contained HTML, the PDF printed by headless chromium
// read back with pdftotext (figures, a page per statement, nothing beyond the page width), and
// the PNG screenshot; the printing test is skipped only where chromium is not installed.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "presentation/resume.h"
#include "presentation/resumehtml.h"
#include "systeme/fichiers.h"

namespace {

namespace fs = std::filesystem;
using namespace hote2072;

int Lance(const std::string& commande) {
  const int brut = std::system(commande.c_str());
  return WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
}

const std::string kProgramme = SCI2072_PROGRAMME, kExemples = SCI2072_EXEMPLES;
// A folder of this run's own: two runs at once (a browser profile, the screenshot) must not meet.
struct DossierTemporaire {
  std::string chemin;
  DossierTemporaire() {
    std::string modele = (fs::temp_directory_path() / "sci2072-rapport-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    chemin = modele + "/";
  }
  ~DossierTemporaire() {
    std::error_code ignore;
    fs::remove_all(chemin, ignore);
  }
};
const DossierTemporaire kTemporaire;
const std::string& kDossier = kTemporaire.chemin;

TEST(Rapport, HtmlIsSelfContainedEscapesTextsAndPrintsChartsReadably) {
  TDonnee2072 racine;
  racine.getInfogene2072().setSocieteNom("SCI <b>\"A&B\"</b></style>\\");
  racine.AssocieNumero(racine.AjouteAssocie())->setNom("<script>x</script>");
  const std::string longNom = "DE LA ROCHEFOUCAULD-MONTMORENCY Marie-Françoise Élisabeth";
  racine.AssocieNumero(racine.AjouteAssocie())->setNom(longNom);
  racine.Update();
  const std::string html = ResumeHtml(ConstruitResume(racine, {}));
  EXPECT_NE(html.find("SCI &lt;b&gt;&quot;A&amp;B&quot;&lt;/b&gt;"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_EQ(html.find("http://www.w3.org/2000/svg"), html.find("http"));  // no link but the SVG namespace
  // The running header holds the name as a CSS string that cannot end the style.
  EXPECT_EQ(html.find("</style>"), html.rfind("</style>"));
  EXPECT_NE(html.find(R"(content: "SCI \3C b\3E \"A\26 B\"\3C /b\3E \3C /style\3E \\ — )"), std::string::npos);
  EXPECT_NE(html.find(R"(counter(page) " sur " counter(pages))"), std::string::npos);
  // Chart texts at least 11 px on a chart no wider than the printed column (680 px): 8 pt.
  for (auto p = html.find("font-size=\""); p != std::string::npos; p = html.find("font-size=\"", p + 1))
    EXPECT_GE(std::stod(html.substr(p + 11)), 11.0);
  for (auto p = html.find("<svg "); p != std::string::npos; p = html.find("<svg ", p + 1))
    EXPECT_LE(std::stod(html.substr(html.find("width=\"", p) + 7)), 680.0);
  // A long name is shortened on a word in the chart, whole in the statement.
  EXPECT_NE(html.find(">DE LA ROCHEFOUCAULD-MONTMORENCY…</text>"), std::string::npos);
  EXPECT_NE(html.find("Déclaration individuelle : " + longNom + "</h2>"), std::string::npos);
}

// The charts draw finite figures only (no "nan" coordinate), cut a name by characters (the
// page stays UTF-8) and, as every text of the page, write control and bidi characters as
// escapes; a figure that is not finite reads "non calculable", never 0.
TEST(Rapport, ChartsDrawFiniteFiguresAndTextsStaySafe) {
  const double nan = std::nan(""), inf = HUGE_VAL;
  std::string nom;
  for (int k = 0; k < 41; ++k) nom += "é";
  Resume r;
  r.proprietes = {{"A", nan, inf, -inf}, {"B", 1000, 500, 500}};
  r.parts = {{nom, nan}, {"SCI \x1b]0;x\x07\u202e", inf}};
  r.tableaux = {{Tableau::Genre::Totaux, "Totaux de la société", {}, {}},
                {Tableau::Genre::Bulletin, "Déclaration individuelle : \x1b[2J", {}, {}}};
  const std::string html = ResumeHtml(r);
  for (const char* absent : {"nan", "inf", "\x1b", "\x07", "\u202e", nom.c_str()})
    EXPECT_EQ(html.find(absent), std::string::npos) << absent;
  EXPECT_NE(html.find("éé…</text>"), std::string::npos);
  EXPECT_NE(html.find("SCI \\u001b]0;x\\u0007\\u202e"), std::string::npos);
  for (const std::string& texte :
       {FormateMontant(inf), FormateMontant(-inf), FormateMontant(nan), FormateNombre(nan, 2)})
    EXPECT_EQ(texte, "non calculable");
}

TEST(Rapport, PdfWithoutABrowserFailsNamingWhatToInstall) {
  const std::string sortie = kDossier + "sans-navigateur.pdf", erreur = kDossier + "sans-navigateur.err";
  EXPECT_EQ(Lance("PATH=/nonexistent '" + kProgramme + "' report '" + kExemples + "/sci-du-parc.json' --pdf -o '" +
                  sortie + "' 2>'" + erreur + "'"),
            1);
  EXPECT_NE(LitFichier(erreur).find("install chromium"), std::string::npos);
  EXPECT_FALSE(fs::exists(sortie));
  EXPECT_EQ(Lance("'" + kProgramme + "' report '" + kExemples + "/sci-du-parc.json' --pdf 2>/dev/null"), 2);
}

// The printed text's pages, each as its lines that are not blank, trimmed.
std::vector<std::vector<std::string>> Pages(const std::string& texte) {
  std::vector<std::vector<std::string>> pages;
  std::stringstream flux(texte);
  for (std::string page; std::getline(flux, page, '\f');) {
    std::vector<std::string> lignes;
    std::stringstream lu(page);
    for (std::string l; std::getline(lu, l);)
      if (const auto debut = l.find_first_not_of(' '); debut != std::string::npos) lignes.push_back(l.substr(debut));
    if (!lignes.empty()) pages.push_back(std::move(lignes));
  }
  return pages;
}

TEST(Rapport, PrintedReportsCarryTheFiguresAPagePerStatementAndFitThePage) {
  if (Lance("command -v chromium >/dev/null 2>&1") != 0) GTEST_SKIP() << "chromium is not installed";
  ASSERT_EQ(Lance("command -v pdftotext >/dev/null 2>&1"), 0) << "pdftotext (poppler-utils) is missing";
  const std::string echantillon = kDossier + "echantillon.json";
  ASSERT_EQ(Lance("'" + kProgramme + "' sample -o '" + echantillon + "'"), 0);
  for (const std::string& entree :
       {kExemples + "/sci-du-parc.json", kExemples + "/sci-les-restanques.json", echantillon}) {
    SCOPED_TRACE(entree);
    const std::string pdf = kDossier + "rapport.pdf", html = kDossier + "rapport.html", png = kDossier + "rapport.png";
    ASSERT_EQ(Lance("'" + kProgramme + "' report '" + entree + "' --pdf -o '" + pdf + "'"), 0);
    ASSERT_EQ(Lance("'" + kProgramme + "' report '" + entree + "' -o '" + html + "'"), 0);
    ASSERT_EQ(Lance("pdftotext -layout '" + pdf + "' '" + pdf + ".txt'"), 0);
    const std::string texte = LitFichier(pdf + ".txt");
    // The printed text's digits without the spaces the PDF puts for the narrow separators.
    const auto sansBlancs = [](std::string t) {
      for (const char* blanc : {"\u202F", " ", "\n", "\f"})
        for (auto p = t.find(blanc); p != std::string::npos; p = t.find(blanc)) t.erase(p, std::string(blanc).size());
      return t;
    };
    const std::string compact = sansBlancs(texte);
    // Key figures: the summary's totals and CRL lines, as printed.
    const std::string resume = kDossier + "resume.txt";
    ASSERT_EQ(Lance("'" + kProgramme + "' summary '" + entree + "' > '" + resume + "'"), 0);
    std::istringstream lignes(LitFichier(resume));
    int chiffres = 0;
    for (std::string l; std::getline(lignes, l);)
      for (const char* libelle :
           {"Revenu net ou déficit  ", "Contribution sur les revenus locatifs due", "Recettes de la société soumises"})
        if (l.find(libelle) != std::string::npos) {
          EXPECT_NE(compact.find(sansBlancs(l)), std::string::npos) << l;  // the label, then its amount
          ++chiffres;
        }
    EXPECT_GE(chiffres, 3);
    // Every page: company and year above, page n of m below; each statement and the messages
    // start a page, the messages at the end; no section title ends a page.
    const auto pages = Pages(texte);
    std::string societe, titres;
    std::istringstream resumeLu(LitFichier(resume));
    for (std::string l, precedente; std::getline(resumeLu, l); precedente = l) {
      const std::string denomination = "  Dénomination de la société";
      if (l.rfind(denomination, 0) == 0 && societe.empty())
        societe = l.substr(l.find_first_not_of(' ', denomination.size()));
      if (!l.empty() && l.find_first_not_of('-') == std::string::npos) titres += precedente + "\n";
    }
    const std::string page = LitFichier(html);
    std::size_t associes = 0, debutsAssocie = 0;
    for (auto p = page.find("class=\"associe\""); p != std::string::npos; p = page.find("class=\"associe\"", p + 1))
      ++associes;
    ASSERT_GT(associes, 0u);
    for (std::size_t n = 0; n < pages.size(); ++n) {
      const auto& lignes = pages[n];
      ASSERT_GE(lignes.size(), 3u) << "page " << n + 1;
      EXPECT_EQ(lignes.front().rfind(societe + " — ", 0), 0u) << lignes.front();
      EXPECT_EQ(lignes.back(), "Page " + std::to_string(n + 1) + " sur " + std::to_string(pages.size()));
      debutsAssocie += lignes[1].rfind("Déclaration individuelle", 0) == 0;
      EXPECT_EQ(titres.find(lignes[lignes.size() - 2] + "\n"), std::string::npos)
          << "page " << n + 1 << " ends with a title";
      const bool messages = lignes[1] == "Messages des contrôles";
      EXPECT_EQ(messages, titres.find("Messages des contrôles") != std::string::npos && n + 1 == pages.size())
          << "page " << n + 1;
      for (const std::string& l : lignes)
        EXPECT_TRUE(messages || l.rfind("• message ", 0) == std::string::npos) << "page " << n + 1 << ": " << l;
    }
    EXPECT_EQ(debutsAssocie, associes);
    // Nothing beyond the page's width: every word's box inside the page.
    ASSERT_EQ(Lance("pdftotext -bbox '" + pdf + "' '" + pdf + ".bbox'"), 0);
    std::istringstream boites(LitFichier(pdf + ".bbox"));
    double largeurPage = 0;
    int mots = 0;
    for (std::string l; std::getline(boites, l);) {
      if (const auto p = l.find("<page width=\""); p != std::string::npos) largeurPage = std::stod(l.substr(p + 13));
      if (const auto p = l.find("xMax=\""); p != std::string::npos) {
        EXPECT_LE(std::stod(l.substr(p + 6)), largeurPage) << l;
        ++mots;
      }
    }
    EXPECT_GT(mots, 50);
    // The screenshot at the width of an A4 page.
    fs::remove(png);
    Lance("chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --user-data-dir='" + kDossier +
          "profil' --window-size=794,1600 --screenshot='" + png + "' 'file://" + html + "' >/dev/null 2>&1");
    const std::string image = LitFichier(png);
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(1, 3), "PNG");
    const auto octet = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(image[k])); };
    EXPECT_EQ((octet(16) << 24) | (octet(17) << 16) | (octet(18) << 8) | octet(19), 794u);
  }
}

}  // namespace
