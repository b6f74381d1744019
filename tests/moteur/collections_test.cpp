#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "kel.h"
#include "tdonnee2072.h"

using namespace zorfiscal2072;

namespace {

// The persons a transfer of shares names: partner codes, empty for "Autre".
struct Personnes {
  std::string cedant, cessionnaire;
  bool operator==(const Personnes&) const = default;
};

// A position outside the list and "Autre" makes `at` throw, which fails the test.
std::string Personne(const TDonnee2072& d, long position) {
  if (position == d.NbAssocie()) return {};
  return d.getAssocie2072().at(static_cast<std::size_t>(position)).getCodeAssocie();
}

std::vector<Personnes> PersonnesDesCessions(const TDonnee2072& d) {
  std::vector<Personnes> p;
  for (const TCessionParts& c : d.getCessionsPartsSociete().getCessionParts())
    p.push_back({Personne(d, c.getAssocieCedant()), Personne(d, c.getAssocieCessionnaire())});
  return p;
}

void AjouteTransfert(TDonnee2072& d, long cedant, long cessionnaire) {
  TCessionParts c;
  c.setAssocieCedant(cedant);
  c.setAssocieCessionnaire(cessionnaire);
  d.getCessionsPartsSociete().getCessionParts().push_back(c);
}

void VerifieListe(const TDonnee2072& d, const std::vector<TElement2072>& liste) {
  ASSERT_EQ(liste.size(), d.getAssocie2072().size() + 1);
  for (std::size_t k = 0; k < d.getAssocie2072().size(); ++k) {
    EXPECT_EQ(liste[k].get_enum(), static_cast<int>(k));
    EXPECT_EQ(liste[k].get_libelle(), d.getAssocie2072()[k].getDesignation());
    EXPECT_EQ(liste[k].getCodeGuid(), d.getAssocie2072()[k].getCodeAssocie());
  }
  EXPECT_EQ(liste.back(), TElement2072(d.NbAssocie(), "Autre", ""));
}

// One share per property and one distribution per sale, in their order and with both codes;
// free-use entries name existing properties; transfers name the expected persons; both choice
// lists follow the partners.
void VerifieCoherence(const TDonnee2072& d, const std::vector<Personnes>& attendues) {
  const auto& cessions = d.getOperationSociete().getCession();
  for (const TAssocie2072& a : d.getAssocie2072()) {
    const auto& quotes = a.getBulletin2072().getQuotePartPropriete();
    ASSERT_EQ(quotes.size(), d.getPropriete2072().size());
    for (std::size_t i = 0; i < quotes.size(); ++i) {
      EXPECT_EQ(quotes[i].getCodePropriete(), d.getPropriete2072()[i].getCodePropriete());
      EXPECT_EQ(quotes[i].getCodeAssocie(), a.getCodeAssocie());
    }
    const auto& repartitions = a.getBulletin2072().getRepartitionOperationsSociete();
    ASSERT_EQ(repartitions.size(), cessions.size());
    for (std::size_t i = 0; i < repartitions.size(); ++i) {
      EXPECT_EQ(repartitions[i].getCodeCession(), cessions[i].getCodeCession());
      EXPECT_EQ(repartitions[i].getCodeAssocie(), a.getCodeAssocie());
    }
    for (const auto& e : a.getListeProprieteJouissanceGratuite())
      EXPECT_TRUE(d.presenceProprieteParCodePropriete(e.getCodePropriete()));
  }
  EXPECT_EQ(PersonnesDesCessions(d), attendues);
  VerifieListe(d, d.getCessionsPartsSociete().getListeAssocieCessionnaire());
  VerifieListe(d, d.getCessionsPartsSociete().getListeAssocieCedant());
}

// Records failed assertions while alive, then puts the previous handler back.
struct Enregistreur {
  std::vector<kel::RapportAssertion> rapports;
  kel::GestionnaireAssertion precedent =
      kel::InstalleGestionnaireAssertion([this](const kel::RapportAssertion& r) { rapports.push_back(r); });
  ~Enregistreur() { kel::InstalleGestionnaireAssertion(precedent); }
};

TDonnee2072 AvecProprietes(std::initializer_list<long> categories, std::initializer_list<long> types = {}) {
  TDonnee2072 d;
  for (long c : categories) d.getPropriete2072()[static_cast<std::size_t>(d.AjoutePropriete())].setCategorie(c);
  for (long t : types) d.getPropriete2072()[static_cast<std::size_t>(d.AjoutePropriete())].setTypeImmeuble(t);
  return d;
}

}  // namespace

TEST(Collections, LookupsByPositionCodeAndCategory) {
  TDonnee2072 d = AvecProprietes({1, 4, 1});
  EXPECT_EQ(d.DonneIndicePropriete(1, 0), -1);
  EXPECT_EQ(d.DonneIndicePropriete(1, 2), 2);
  EXPECT_EQ(d.DonneIndicePropriete(1, 3), -1);
  EXPECT_EQ(d.DonneIndicePropriete(4, 1), 1);
  EXPECT_EQ(d.DonneIndiceProprieteDansCategorie(2), 2);
  EXPECT_EQ(d.DonneIndiceProprieteDansCategorie(1), 1);
  EXPECT_EQ(d.ProprieteNumero(3), nullptr);
  EXPECT_THROW(d.ProprieteNumero(-1), std::out_of_range);
  EXPECT_EQ(d.GetDetailPropriete(-1), nullptr);
  d.AjouteAssocie();
  d.AjouteAssocie();
  d.getAssocie2072()[1].setCodeAssocie(d.getAssocie2072()[0].getCodeAssocie());
  EXPECT_EQ(d.GetDetailAssocieParCodeAssocie(d.getAssocie2072()[0].getCodeAssocie()), &d.getAssocie2072()[0]);
  EXPECT_EQ(d.GetDetailProprieteParCodePropriete(""), nullptr);
}

TEST(Collections, ColumnsOfTheResultAndPrintTables) {
  const TDonnee2072 d = AvecProprietes({}, {3, 5, 5});
  EXPECT_EQ(d.TailleTableauResultats(), 2);
  EXPECT_EQ(d.IndiceTableauResultats(0), 0);
  EXPECT_EQ(d.IndiceTableauResultats(1), 2);
  EXPECT_EQ(d.IndiceTableauResultats(2), 4);
  EXPECT_EQ(d.IndiceTableauResultats(3), 0);
  EXPECT_EQ(d.IndiceTableauEdition(1), 1);
  EXPECT_EQ(d.IndiceTableauEdition(2), 3);
  EXPECT_EQ(d.IndiceTableauEdition(3), 5);
  EXPECT_EQ(d.IndiceTableauEdition(4), -1);
  EXPECT_EQ(d.IndiceTableauEdition(12), 11);
  EXPECT_EQ(d.IndiceTableauEdition(14), -1);
  EXPECT_EQ(AvecProprietes({}, {}).IndiceTableauEdition(2), -1);

  // Every type 2 to 10 present: columns 7 and 9 follow the count, column 8 stays empty.
  const TDonnee2072 tous = AvecProprietes({}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 16});
  EXPECT_EQ(tous.TailleTableauResultats(), 10);
  EXPECT_EQ(tous.IndiceTableauEdition(7), 7);
  EXPECT_EQ(tous.IndiceTableauEdition(8), -1);
  EXPECT_EQ(tous.IndiceTableauEdition(9), 9);
  EXPECT_EQ(tous.IndiceTableauEdition(10), 10);
  EXPECT_EQ(tous.IndiceTableauResultats(10), 15);
}

TEST(Collections, SimplifiedFormQualification) {
  TDonnee2072 d;
  EXPECT_TRUE(d.is2072S());
  d.AjouteAssocie();
  d.AjoutePropriete();
  EXPECT_TRUE(d.is2072S());
  TDonnee2072 morale = d, is = d, categorie7 = d, option2 = d;
  morale.getAssocie2072()[0].setType(2);
  is.getAssocie2072()[0].setRegimeFiscal(4);
  categorie7.getPropriete2072()[0].setCategorie(7);
  option2.getPropriete2072()[0].setOptionFiscale(2);
  for (const TDonnee2072* e : {&morale, &is, &categorie7, &option2}) EXPECT_FALSE(e->is2072S());
}

TEST(Associes, AddGivesSharesDistributionsAndMovesAutre) {
  TDonnee2072 d;
  for (int i = 0; i < 2; ++i) {
    d.AjouteAssocie();
    d.AjouteCession();
  }
  for (int i = 0; i < 3; ++i) d.AjoutePropriete();
  d.getAssocie2072()[0].setDesignation("DUPONT Jean");
  AjouteTransfert(d, 0, 2);
  const auto avant = PersonnesDesCessions(d);
  EXPECT_EQ(d.AjouteAssocie(), 2);
  EXPECT_EQ(d.getCessionsPartsSociete().getCessionParts()[0].getAssocieCessionnaire(), 3);
  VerifieCoherence(d, avant);
  EXPECT_EQ(d.getCessionsPartsSociete().getListeAssocieCedant()[0].get_libelle(), "DUPONT Jean");
}

// Adding many partners at once ends where as many single additions end, codes aside: "Autre"
// follows the count, every statement is complete, the lists are rebuilt.
TEST(Associes, BulkAdditionMatchesSingleAdditions) {
  const auto prepare = [] {
    TDonnee2072 d;
    d.AjouteAssocie();
    d.AjoutePropriete();
    d.AjouteCession();
    AjouteTransfert(d, 0, 1);  // to "Autre"
    AjouteTransfert(d, 1, 0);
    return d;
  };
  TDonnee2072 un = prepare(), tous = prepare();
  for (int k = 0; k < 3; ++k) un.AjouteAssocie();
  tous.AjouteAssocies(3);
  tous.AjouteAssocies(0);
  tous.AjouteAssocies(-2);
  ASSERT_EQ(tous.NbAssocie(), 4);
  for (const TDonnee2072* d : {&un, &tous}) {
    EXPECT_EQ(d->getCessionsPartsSociete().getCessionParts()[0].getAssocieCessionnaire(), 4);
    EXPECT_EQ(d->getCessionsPartsSociete().getCessionParts()[1].getAssocieCedant(), 4);
  }
  VerifieCoherence(tous, PersonnesDesCessions(tous));
  EXPECT_EQ(PersonnesDesCessions(tous)[0], (Personnes{tous.getAssocie2072()[0].getCodeAssocie(), ""}));
  std::set<std::string> codes;
  for (const TAssocie2072& a : tous.getAssocie2072()) codes.insert(a.getCodeAssocie());
  EXPECT_EQ(codes.size(), 4u);
}

TEST(Associes, DuplicateNamesTheCopyInCharacters) {
  TDonnee2072 d;
  d.AjouteAssocie();
  d.AjoutePropriete();
  d.AjouteCession();
  TAssocie2072& source = d.getAssocie2072()[0];
  source.setNom(std::string(31, 'A') + "ééééééééé");  // 40 characters
  source.AjouteProprieteJouissanceGratuite(d.getPropriete2072()[0].getCodePropriete());
  source.getBulletin2072().getQuotePartPropriete()[0].setRevenuBrut(1200);
  AjouteTransfert(d, 1, 0);
  const auto avant = PersonnesDesCessions(d);
  d.DupliqueAssocie(0);
  ASSERT_EQ(d.NbAssocie(), 2);
  const TAssocie2072& copie = d.getAssocie2072()[1];
  EXPECT_EQ(copie.getNom(), "copie de " + std::string(31, 'A') + "é");  // 41 characters, 42 bytes
  EXPECT_NE(copie.getCodeAssocie(), d.getAssocie2072()[0].getCodeAssocie());
  EXPECT_TRUE(copie.getListeProprieteJouissanceGratuite().empty());
  EXPECT_EQ(copie.getBulletin2072().getQuotePartPropriete()[0].getRevenuBrut(), 0);
  EXPECT_EQ(d.getAssocie2072()[0].getBulletin2072().getQuotePartPropriete()[0].getRevenuBrut(), 1200);
  EXPECT_EQ(d.getCessionsPartsSociete().getCessionParts()[0].getAssocieCedant(), 2);
  VerifieCoherence(d, avant);

  d.getAssocie2072()[0].setNom(std::string(40, 'B'));
  d.DupliqueAssocie(0);
  EXPECT_EQ(d.getAssocie2072()[2].getNom(), "copie de " + std::string(32, 'B'));
  d.getAssocie2072()[0].setType(2);
  d.getAssocie2072()[0].setDenomination(std::string(110, 'S'));
  d.DupliqueAssocie(0);
  EXPECT_EQ(d.getAssocie2072()[3].getDenomination(), "copie de " + std::string(102, 'S'));
  EXPECT_EQ(d.getAssocie2072()[3].getNom(), std::string(40, 'B'));
}

TEST(Associes, RemoveKeepsEveryRemainingTransferOnItsPersons) {
  TDonnee2072 d;
  for (int i = 0; i < 4; ++i) d.AjouteAssocie();
  for (auto [cedant, cessionnaire] : {std::pair{0, 1}, {1, 4}, {2, 3}, {3, 0}, {4, 2}})
    AjouteTransfert(d, cedant, cessionnaire);
  auto attendues = PersonnesDesCessions(d);
  const std::string retire = d.getAssocie2072()[1].getCodeAssocie();
  std::erase_if(attendues, [&](const Personnes& p) { return p.cedant == retire || p.cessionnaire == retire; });
  d.SupprimeAssocie(1);
  VerifieCoherence(d, attendues);
  ASSERT_EQ(d.getCessionsPartsSociete().getCessionParts().size(), 3u);
  EXPECT_EQ(d.getCessionsPartsSociete().getCessionParts()[2].getAssocieCedant(), 3);  // "Autre"

  const auto cessions = d.getCessionsPartsSociete().getCessionParts();
  d.SupprimeAssocieNumero(0);
  EXPECT_EQ(d.NbAssocie(), 2);
  EXPECT_EQ(d.getCessionsPartsSociete().getCessionParts(), cessions);
}

TEST(Associes, MoveRenumbersShiftedPartnersAndRefusesOutsidePositions) {
  TDonnee2072 d;
  for (int i = 0; i < 5; ++i) d.AjouteAssocie();
  AjouteTransfert(d, 0, 1);
  const std::string premier = d.getAssocie2072()[0].getCodeAssocie();
  d.DeplaceAssocie(0, 1);
  EXPECT_EQ(d.getAssocie2072()[1].getCodeAssocie(), premier);
  EXPECT_EQ(d.getCessionsPartsSociete().getCessionParts()[0].getAssocieCedant(), 1);
  EXPECT_EQ(d.getCessionsPartsSociete().getCessionParts()[0].getAssocieCessionnaire(), 0);

  for (long k = 0; k <= 5; ++k) AjouteTransfert(d, k, 5 - k);
  const auto attendues = PersonnesDesCessions(d);
  std::vector<std::string> ordre;
  for (const auto& a : d.getAssocie2072()) ordre.push_back(a.getCodeAssocie());
  d.DeplaceAssocie(0, 3);
  std::rotate(ordre.begin(), ordre.begin() + 1, ordre.begin() + 4);
  d.DeplaceAssocie(4, 1);
  std::rotate(ordre.begin() + 1, ordre.begin() + 4, ordre.begin() + 5);
  for (std::size_t k = 0; k < ordre.size(); ++k) EXPECT_EQ(d.getAssocie2072()[k].getCodeAssocie(), ordre[k]);
  VerifieCoherence(d, attendues);

  const TDonnee2072 avant = d;
  Enregistreur enregistreur;
  d.DeplaceAssocie(2, 2);
  EXPECT_TRUE(enregistreur.rapports.empty());
  d.DeplaceAssocie(5, 0);
  d.DeplaceAssocie(0, -1);
  ASSERT_EQ(enregistreur.rapports.size(), 2u);
  EXPECT_EQ(enregistreur.rapports[0].expression, "src < NbAssocie()");
  EXPECT_EQ(enregistreur.rapports[1].expression, "dest < NbAssocie()");
  EXPECT_NE(enregistreur.rapports[0].fichier.find("maj2072"), std::string::npos);
  EXPECT_EQ(d, avant);
}

TEST(Proprietes, RemovalTakesSharesAndFreeUseEntriesAlong) {
  TDonnee2072 d;
  for (int i = 0; i < 2; ++i) {
    d.AjouteAssocie();
    d.AjoutePropriete();
  }
  const std::string garde = d.getPropriete2072()[1].getCodePropriete();
  d.getAssocie2072()[0].AjouteProprieteJouissanceGratuite(d.getPropriete2072()[0].getCodePropriete());
  d.getAssocie2072()[0].AjouteProprieteJouissanceGratuite(garde);
  d.SupprimePropriete(0);
  VerifieCoherence(d, {});
  ASSERT_EQ(d.getAssocie2072()[0].getListeProprieteJouissanceGratuite().size(), 1u);
  EXPECT_EQ(d.getAssocie2072()[0].getListeProprieteJouissanceGratuite()[0].getCodePropriete(), garde);
  EXPECT_THROW(d.SupprimePropriete(1), std::out_of_range);
}

TEST(Racine, PersonalisedResetKeepsThePartnersOnly) {
  TDonnee2072 d;
  for (int i = 0; i < 3; ++i) d.AjouteAssocie();
  d.AjoutePropriete();
  d.AjoutePropriete();
  d.AjouteCession();
  d.getAssocie2072()[2].setNom("MARTIN");
  d.getAssocie2072()[2].AjouteProprieteJouissanceGratuite(d.getPropriete2072()[1].getCodePropriete());
  AjouteTransfert(d, 0, 3);
  d.setAnnee(2014);
  const auto avant = d.getAssocie2072();
  d.InitPersonnalise();
  ASSERT_EQ(d.NbAssocie(), 3);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(d.getAssocie2072()[k].getCodeAssocie(), avant[k].getCodeAssocie());
  EXPECT_EQ(d.getAssocie2072()[2].getNom(), "MARTIN");
  EXPECT_EQ(d.NbPropriete(), 0);
  EXPECT_EQ(d.getAnnee(), 2011);
  // Nothing in the statements may still name a property or sale of the previous year.
  VerifieCoherence(d, {});
  d.AjoutePropriete();
  VerifieCoherence(d, {});
}

TEST(Collections, RandomSequenceKeepsStatementsAndTransfersConsistent) {
  TDonnee2072 d;
  d.AjouteAssocie();
  std::vector<Personnes> attendues;
  std::mt19937 alea(2072);
  const auto tirage = [&](int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); };
  for (int pas = 0; pas < 400 && !::testing::Test::HasFailure(); ++pas) {
    SCOPED_TRACE("pas " + std::to_string(pas));
    const int na = d.NbAssocie(), np = d.NbPropriete();
    const int nc = static_cast<int>(d.getOperationSociete().getCession().size());
    switch (tirage(10)) {
      case 0: d.AjouteAssocie(); break;
      case 1:
        if (na > 0) d.DupliqueAssocie(tirage(na));
        break;
      case 2:
        if (na > 0) {
          const int n = tirage(na);
          const std::string code = d.getAssocie2072()[static_cast<std::size_t>(n)].getCodeAssocie();
          std::erase_if(attendues, [&](const Personnes& p) { return p.cedant == code || p.cessionnaire == code; });
          d.SupprimeAssocie(n);
        }
        break;
      case 3:
        if (na > 0) d.DeplaceAssocie(tirage(na), tirage(na));
        break;
      case 4: d.AjoutePropriete(); break;
      case 5:
        if (np > 0) d.SupprimePropriete(tirage(np));
        break;
      case 6: d.AjouteCession(); break;
      case 7:
        if (nc > 0) d.SupprimeCession(tirage(nc));
        break;
      case 8:
        AjouteTransfert(d, tirage(na + 1), tirage(na + 1));
        attendues.push_back(PersonnesDesCessions(d).back());
        break;
      default:
        if (na > 0 && np > 0)
          d.getAssocie2072()[static_cast<std::size_t>(tirage(na))].AjouteProprieteJouissanceGratuite(
              d.getPropriete2072()[static_cast<std::size_t>(tirage(np))].getCodePropriete());
    }
    VerifieCoherence(d, attendues);
  }
  EXPECT_GT(d.getCessionsPartsSociete().getCessionParts().size(), 0u);
}
