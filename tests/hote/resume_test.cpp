// The summary: its figures' formatting, the choice of partners, the alignment, and the
// committed summaries of both examples end to end.
#include <gtest/gtest.h>

#include <sstream>

#include "aide_programme.h"
#include "lettres.h"
#include "presentation/resume.h"
#include "systeme/fichiers.h"

namespace {

using namespace hote2072;

TEST(Resume, AmountsAreWholeEurosByTheEngineRuleWithNarrowSpaces) {
  EXPECT_EQ(FormateMontant(1234567.5), "1\u202F234\u202F568");
  EXPECT_EQ(FormateMontant(-1001.5), "-1\u202F002");  // half away from zero
  EXPECT_EQ(FormateMontant(999.49), "999");
  EXPECT_EQ(FormateMontant(-0.4), "0");  // no "-0"
  EXPECT_EQ(FormateMontant(100000), "100\u202F000");
  EXPECT_EQ(FormateNombre(100.0 / 3, 2), "33,33");
  EXPECT_EQ(FormateNombre(1500.25, 5), "1\u202F500,25");
  EXPECT_EQ(FormateNombre(-0.000001, 5), "0");
}

// 25 partners whose holdings tie in places: the 20 largest by parts, ties in file order.
TEST(Resume, BeyondTwentyPartnersTheLargestHoldingsAreListedAndTheRestCounted) {
  TDonnee2072 racine;
  for (int k = 0; k < 25; ++k) {
    auto* a = racine.AssocieNumero(racine.AjouteAssocie());
    a->setNom(std::string(1, 'A').append(std::to_string(k)));
    a->setNombreParts(k % 5 == 0 ? 1 : 10 + k / 2);  // 0, 5, 10, 15, 20 hold one part
  }
  racine.Update();
  const Resume choisis = ConstruitResume(racine, {});
  EXPECT_EQ(choisis.associesOmis, 5u);
  std::vector<std::string> noms;
  for (const Tableau& t : choisis.tableaux)
    if (t.genre == Tableau::Genre::Bulletin) noms.push_back(t.titre.substr(28, t.titre.find(' ', 28) - 28));
  ASSERT_EQ(noms.size(), 20u);
  EXPECT_EQ(noms.front(), "A24");  // 22 parts
  EXPECT_EQ(noms[1], "A22");       // 21 parts, before A23 (21 parts) in file order
  EXPECT_EQ(noms[2], "A23");
  for (const char* seul : {"A0", "A5", "A10", "A15", "A20"})
    EXPECT_EQ(std::find(noms.begin(), noms.end(), seul), noms.end()) << seul;
  EXPECT_NE(ResumeTexte(choisis).find("5 autres associés non listés"), std::string::npos);
  const Resume tous = ConstruitResume(racine, {.tousAssocies = true, .codesDonnes = {}});
  EXPECT_EQ(tous.associesOmis, 0u);
  EXPECT_EQ(ResumeTexte(tous).find("autres associés"), std::string::npos);
}

// Figures of one table end in the same character column whatever the accents and separators.
TEST(Resume, FiguresAlignByCharactersNotBytes) {
  Resume r;
  r.tableaux.push_back(
      {Tableau::Genre::Totaux, "T", {}, {{"Intérêts d'emprunts", {FormateMontant(1234567)}}, {"Total", {"0"}}}});
  std::istringstream lignes(ResumeTexte(r));
  std::vector<std::size_t> fins;
  for (std::string l; std::getline(lignes, l);)
    if (l.rfind("  ", 0) == 0) fins.push_back(lettres::NombreCaracteres(l));
  ASSERT_EQ(fins.size(), 2u);
  EXPECT_EQ(fins[0], fins[1]);
}

using ResumeHote = aide::Programme;

// Each statement as the partner receives it: the figures of its own regime only, its transfers
// with date and counterparty, its code only when the file gave it, a warning when its parts
// do not add up; the messages name records without made-up codes.
TEST_F(ResumeHote, EachStatementAsThePartnerReceivesIt) {
  // A partner of each regime: the first gives its code and cedes 10 parts to an outside person,
  // the IS company's parts do not add up. Corporate-tax results 10 000 (BIC ou IS), 4 000 (BA).
  const aide::Resultat r =
      Lance("summary '" + std::string(SCI2072_EXEMPLES) + "/../tests/cas/regimes-des-associes.json'");
  ASSERT_EQ(r.statut, 0) << r.erreur;
  const auto bulletin = [&](const std::string& nom) {
    const auto debut = r.sortie.find("Déclaration individuelle : " + nom + "\n");
    return debut == std::string::npos ? std::string() : r.sortie.substr(debut, r.sortie.find("\n\n", debut) - debut);
  };
  const std::string milliers = "2\u202F000";
  struct Cas {
    const char* nom;
    std::vector<std::string> present, absent;
  };
  const Cas cas[] = {
      {"FONCIER",
       {"Revenus fonciers", "FONCIER-A", "Parts cédées le 15/03/2011 à DUPONT Louis   -10", "dont Studio (STUDIO-1)"},
       {"Quote-part du résultat", "Attention"}},
      {"AGRICOLE",
       {"Bénéfices agricoles", "Quote-part du résultat BA         800"},
       {"Revenus fonciers", "BIC ou IS", "Code"}},
      {"COMMERCANT",
       {"Quote-part du résultat BIC ou IS  " + milliers},
       {"Revenus fonciers", "Quote-part du résultat BA"}},
      {"HOLDING SAS",
       {"Quote-part du résultat BIC ou IS  " + milliers,
        "Attention : parts au 1er janvier + acquises - cédées = 80 + 0 - 0 = 80, et non les 100 parts au 31 décembre"},
       {"Revenus fonciers", "Code"}},
      {"LIBERAL", {"Revenus fonciers", "dont Studio (STUDIO-1)"}, {"Quote-part du résultat", "Code", "Attention"}},
  };
  for (const Cas& c : cas) {
    const std::string b = bulletin(c.nom);
    ASSERT_NE(b, "") << c.nom;
    EXPECT_NE(b.find("SCI TEST"), std::string::npos) << c.nom;
    for (const std::string& texte : c.present)
      EXPECT_NE(b.find(texte), std::string::npos) << c.nom << ": " << texte << "\n" << b;
    for (const std::string& texte : c.absent)
      EXPECT_EQ(b.find(texte), std::string::npos) << c.nom << ": " << texte << "\n" << b;
  }
  EXPECT_NE(r.sortie.find("  associé 4 \"HOLDING SAS\"\n    message 129"), std::string::npos) << r.sortie;
}

TEST_F(ResumeHote, CommittedSummariesOfTheExamplesAndExitStatuses) {
  for (const char* exemple : {"sci-du-parc", "sci-les-restanques"}) {
    const std::string base = std::string(SCI2072_EXEMPLES) + "/" + exemple;
    const aide::Resultat r = Lance("summary '" + base + ".json'");
    EXPECT_EQ(r.statut, 0) << exemple;  // messages do not fail it
    EXPECT_EQ(r.sortie, LitFichier(base + ".summary.txt")) << exemple;
  }
  EXPECT_EQ(Lance("summary /nonexistent/declaration.json").statut, 1);
  EXPECT_EQ(Lance("summary").statut, 2);
  EXPECT_EQ(Lance("summary x.json --bogus").statut, 2);
}

}  // namespace
