#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tables2072.h"

namespace {

std::string Libelle(std::vector<TElement>& liste, int code) {
  auto it = TTables_2072::getElement(liste, code);
  return it == liste.end() ? "<absent>" : it->get_libelle();
}

std::vector<int> Codes(const std::vector<TElement>& liste) {
  std::vector<int> codes;
  for (const TElement& e : liste) codes.push_back(e.get_enum());
  return codes;
}

}  // namespace

TEST(Tables2072, UneSeuleInstanceRempliesUneFois) {
  TTables_2072* t = TTables_2072::getInstance();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(TTables_2072::getInstance(), t);
  EXPECT_EQ(t->ListeDepartements.size(), 103u);
  EXPECT_EQ(t->ListeCodesDepartements.size(), 103u);
  EXPECT_EQ(t->ListePays.size(), 241u);
  EXPECT_EQ(t->ListeFormesJuridiques1.size(), 41u);
  EXPECT_EQ(t->ListeFormesJuridiques4.size(), 52u);
  EXPECT_EQ(t->ListeAbreviationsTitresFormes.size(), 120u);
  EXPECT_EQ(t->ListeOptionsAbregees.size(), 33u);
  TTables_2072 autre;  // a separate object is built the same way, not on top of the shared one
  EXPECT_EQ(autre.ListePays, t->ListePays);
  EXPECT_EQ(autre.ListeAbreviationsTitresFormes, t->ListeAbreviationsTitresFormes);
}

TEST(Tables2072, DepartementsEtPaysCodesParPosition) {
  TTables_2072& t = *TTables_2072::getInstance();
  for (auto* liste : {&t.ListeDepartements, &t.ListeCodesDepartements, &t.ListePays})
    for (size_t i = 0; i < liste->size(); ++i) ASSERT_EQ((*liste)[i].get_enum(), static_cast<int>(i + 1));
  EXPECT_EQ(Libelle(t.ListeDepartements, 1), "");
  EXPECT_EQ(Libelle(t.ListeCodesDepartements, 1), "0");
  EXPECT_EQ(Libelle(t.ListeDepartements, 21), "20A - CORSE DU SUD");
  EXPECT_EQ(Libelle(t.ListeCodesDepartements, 21), "2A");
  EXPECT_EQ(Libelle(t.ListeDepartements, 22), "20B- HAUTE CORSE");
  EXPECT_EQ(Libelle(t.ListeCodesDepartements, 23), "21");
  EXPECT_EQ(Libelle(t.ListeDepartements, 102), "975 - SAINT PIERRE ET MIQUELON");
  EXPECT_EQ(Libelle(t.ListeDepartements, 103), "<ETRANGER>");
  EXPECT_EQ(Libelle(t.ListeCodesDepartements, 103), "999");
  EXPECT_EQ(Libelle(t.ListePays, 44), "CENTRAFRICAINE,  REPUBLIQUE");
  EXPECT_EQ(Libelle(t.ListePays, 79), "FRANCE");
  EXPECT_EQ(Libelle(t.ListePays, 164), "OCEAN INDIEN, TERRITOIRE BRITANNIQUE DE L’");
  EXPECT_EQ(Libelle(t.ListePays, 165), "OMAN");
  EXPECT_EQ(Libelle(t.ListePays, 241), "ZIMBABWE");
}

TEST(Tables2072, RechercheParCode) {
  TTables_2072& t = *TTables_2072::getInstance();
  EXPECT_EQ(TTables_2072::getElement(t.ListeNatureComposant, 21), t.ListeNatureComposant.end());
  EXPECT_EQ(Libelle(t.ListeNatureComposant, 20), "Autre (saisissez-le ci-dessous)");
  EXPECT_EQ(Libelle(t.ListeCivilite, 0), "Monsieur");
  EXPECT_EQ(Libelle(t.ListeTitres1, 29), "Monsieur");
  EXPECT_EQ(Libelle(t.ListeTitres1, 0), "<absent>");
  EXPECT_EQ(Libelle(t.ListeComplementNumeroVoie, 1), "");
  // The abbreviations repeat codes: the lookup finds the first group's "CAB", after its titles.
  auto cab = TTables_2072::getElement(t.ListeAbreviationsTitresFormes, 2);
  EXPECT_EQ(std::distance(t.ListeAbreviationsTitresFormes.begin(), cab), 3);
  EXPECT_EQ(cab->get_libelle(), "CAB");
}

TEST(Tables2072, TitresFormesEtAbreviationsParGroupe) {
  TTables_2072& t = *TTables_2072::getInstance();
  EXPECT_EQ(t.ListeTitres5, t.ListeTitres1);
  EXPECT_EQ(t.ListeFormesJuridiques5, t.ListeFormesJuridiques2);
  EXPECT_EQ(Libelle(t.ListeFormesJuridiques1, 44), "Société d’économie mixte");
  EXPECT_EQ(Libelle(t.ListeFormesJuridiques4, 14), "Établissement");
  EXPECT_EQ(Libelle(t.ListeFormesJuridiques4, 47), "Société d'exercice libéral à forme anonyme");
  EXPECT_EQ(Libelle(t.ListeFormesJuridiques4, 15), "<absent>");
  EXPECT_EQ(Libelle(t.ListeFormesJuridiques4, 58), "<absent>");
  EXPECT_EQ(t.ListeFormesJuridiques4.back(), TElement(64, "Société mixte d'intérêt agricole"));
  // Groups start at 0, 44, 51, 58 and 113, each with the titles; each keeps its pair's codes.
  const auto& abr = t.ListeAbreviationsTitresFormes;
  for (size_t debut : {0u, 44u, 51u, 58u, 113u}) EXPECT_EQ(abr[debut], TElement(26, "MME")) << debut;
  EXPECT_EQ(abr[45], TElement(27, "MLE"));
  EXPECT_EQ(abr[50], TElement(31, "STE"));
  EXPECT_EQ(abr[61], TElement(1, "ASS"));
  EXPECT_EQ(abr[119], TElement(31, "STE"));
  EXPECT_EQ(Codes({abr.begin() + 61, abr.begin() + 113}), Codes(t.ListeFormesJuridiques4));
}

TEST(Tables2072, OptionsEtTaux) {
  TTables_2072& t = *TTables_2072::getInstance();
  EXPECT_EQ(Codes(t.ListeOptionsCategorie1),
            (std::vector<int>{1, 2, 3, 4, 9, 11, 18, 6, 7, 10, 19, 20, 12, 15, 13, 25, 24}));
  EXPECT_EQ(t.ListeOptionsCategorie6, t.ListeOptionsCategorie4);
  EXPECT_EQ(Codes(t.ListeOptionsCategorie4), (std::vector<int>{1, 6, 12, 15, 13, 25, 24}));
  const auto& abregees = t.ListeOptionsAbregees;
  EXPECT_EQ(abregees[1], TElement(2, "Périssol"));
  EXPECT_EQ(abregees[16], TElement(24, "Borloo ancien - secteur social et intermédiaire"));
  EXPECT_EQ(abregees[19], TElement(12, "Borloo ancien secteur intermediaire"));
  EXPECT_EQ(abregees[24], abregees[17]);  // lists 26 and 27 again
  EXPECT_EQ(abregees[31], TElement(1, "Dispositif ordinaire"));
  EXPECT_EQ(abregees[32], TElement(1, "Dispositif ordinaire"));
  EXPECT_EQ(Codes(t.ListeOptionsTauxDeduction), (std::vector<int>{3, 18, 5, 10, 19, 20, 11, 15, 12, 25, 24, 8}));
  EXPECT_EQ(Libelle(t.ListeOptionsTauxDeduction, 3), "(aucune)");
  EXPECT_EQ(Libelle(t.ListeOptionsTauxDeduction2, 3), "(aucun)");
  EXPECT_EQ(Libelle(t.ListeOptionsTauxDeduction2, 10), "Borloo neuf - 30%");
  EXPECT_EQ(Codes(t.ListeCategoriesBien), (std::vector<int>{1, 4, 6, 8, 7}));
  EXPECT_EQ(t.ListeTauxDeduction2, t.ListeTauxDeduction1);
  EXPECT_EQ(Libelle(t.ListeTauxDeduction1, 5), "33,33 %");
}
