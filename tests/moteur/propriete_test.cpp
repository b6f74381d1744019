#include <set>

#include "aide_lettres.h"
#include "niveaux2072.h"
#include "propriete2072.h"

using namespace zorfiscal2072;

namespace {

// A table of letters and the index that reaches its record inside a property.
struct Famille {
  const std::vector<lettres::DescriptionLettre>& descriptions;
  TIndex index;
};

// A property with two tenants, one beneficiary and one component.
TPropriete2072 ProprieteGarnie() {
  TPropriete2072 p;
  p.setLocataire(std::vector<TLocataire>(2));
  p.setBeneficiaire(std::vector<TBeneficiaire>(1));
  p.getAmortissementComposant().getComposant().resize(1);
  return p;
}

std::vector<Famille> Familles() {
  return {
      {TPropriete2072::Lettres().Descriptions(), {}},
      {TAdressePropriete2072::Lettres().Descriptions(), {}},
      {TLocataire::Lettres().Descriptions(), {{kNiveauLocataire, 1}}},
      {TBeneficiaire::Lettres().Descriptions(), {{kNiveauBeneficiaire, 0}}},
      {TAmortissement2072::Lettres().Descriptions(), {}},
      {TAmortissementComposant::Lettres().Descriptions(), {}},
      {TComposant::Lettres().Descriptions(), {{kNiveauComposant, 0}}},
      {TDonneeProprieteFoncierPropriete::Lettres().Descriptions(), {}},
      {TElementLieForfaitGestion2072::Lettres().Descriptions(), {}},
      {TResultatARepartirPropriete::Lettres().Descriptions(), {}},
  };
}

// Every letter of the property and of its sub-records set to a value off its default.
TPropriete2072 ProprieteRemplie() {
  TPropriete2072 p = ProprieteGarnie();
  for (const Famille& f : Familles())
    for (const auto& d : f.descriptions) aide::Ecrit(p, d.code, aide::ValeurExemple(d), f.index);
  return p;
}

}  // namespace

TEST(Propriete, ChaqueLettreDeLaProprieteEtDeSesSousEnregistrementsFaitLAllerRetour) {
  TPropriete2072 p = ProprieteGarnie();
  for (const Famille& f : Familles()) aide::VerifieAllerRetour(p, f.descriptions, f.index);
  // Position 1 reached the second tenant only.
  EXPECT_EQ(p.getLocataire()[0], TLocataire());
  EXPECT_NE(p.getLocataire()[1], TLocataire());
}

TEST(Propriete, RefuseLesCodesDesAutresEtLesNiveauxAbsentsOuHorsListe) {
  TPropriete2072 p = ProprieteGarnie();
  for (short code : {12055, 12369, 12172, 12702, 12692, 12004}) EXPECT_EQ(aide::Lit(p, code), "<refused>") << code;
  EXPECT_EQ(aide::Lit(p, 12593), "<refused>");                           // tenant without its level
  EXPECT_EQ(aide::Lit(p, 12593, {{kNiveauLocataire, 2}}), "<refused>");  // past the two tenants
  EXPECT_EQ(aide::Lit(p, 12736, {{kNiveauLocataire, 0}}), "<refused>");  // beneficiary code, tenant level
  EXPECT_EQ(aide::Lit(p, 12615, {{kNiveauComposant, 1}}), "<refused>");  // no second component
  // Levels past the lists do not stop the letter on its way to the later records.
  EXPECT_TRUE(aide::Ecrit(p, 12297, "250000", {{kNiveauLocataire, 9}, {kNiveauBeneficiaire, 9}}));
  EXPECT_EQ(p.getAmortissement2072().getLigne(1).Montant, 250000);
  EXPECT_TRUE(p.TransfertUneLettre(nullptr, {}, 0));
  aide::Lettre lettre(12102, "x");
  EXPECT_TRUE(p.TransfertUneLettre(&lettre, {}, 2));  // not a direction: taken, nothing moves
  EXPECT_EQ(p.getNom(), "");
  // Once the owned records are released their letters find no taker, and nothing breaks.
  p.Destruct();
  EXPECT_EQ(aide::Lit(p, 12505), "<refused>");
  EXPECT_EQ(aide::Lit(p, 12202), "<refused>");
  EXPECT_TRUE(p.getLocataire().empty());
}

TEST(Propriete, OptionsOffertesSelonLaCategorie) {
  TPropriete2072 p;
  auto codes = [&] {
    std::vector<int> v;
    for (const TElement& e : p.getCollectionOptions()) v.push_back(e.get_enum());
    return v;
  };
  for (long categorie : {7L, 8L}) {
    p.setCategorie(categorie);
    p.setOptionFiscale(11);
    p.UpdateCollectionOptions();
    EXPECT_EQ(codes(), std::vector<int>{1}) << categorie;
    EXPECT_EQ(p.getOptionFiscale(), 1);
  }
  p.setCategorie(1);
  p.setOptionFiscale(11);
  p.UpdateCollectionOptions();
  EXPECT_EQ(codes(), (std::vector<int>{1, 2, 3, 4, 9, 11, 18, 6, 7, 10, 19, 20, 12, 15, 13, 25, 24}));
  EXPECT_EQ(p.getOptionFiscale(), 11);
  p.setCategorie(4);
  p.UpdateCollectionOptions();
  EXPECT_EQ(codes(), (std::vector<int>{1, 6, 12, 15, 13, 25, 24}));
  EXPECT_EQ(p.getOptionFiscale(), 1);  // Borloo neuf is not offered in a protected sector
  p.setCategorie(2);
  p.UpdateCollectionOptions();
  EXPECT_TRUE(codes().empty());
  EXPECT_EQ(p.getOptionFiscale(), 1);

  p.getDonneeProprieteFoncier().setOptionTauxDeduction(14);  // a rate without an entry of its own
  p.UpdateCollectionTauxDeduction();
  EXPECT_EQ(p.getCollectionTauxDeduction().size(), 12u);
  EXPECT_EQ(p.getDonneeProprieteFoncier().getOptionTauxDeduction(), 8);
  p.getDonneeProprieteFoncier().setOptionTauxDeduction(5);
  p.UpdateCollectionTauxDeduction();
  EXPECT_EQ(p.getDonneeProprieteFoncier().getOptionTauxDeduction(), 5);

  const std::set<long> amortissables{2, 3, 4, 7, 9, 10, 11};
  for (long option = 0; option <= 26; ++option) {
    p.setOptionFiscale(option);
    EXPECT_EQ(p.ExisteOptionAmortissement(), amortissables.count(option) == 1) << option;
  }
}

TEST(Propriete, CoherenceEffaceCeQueLOptionEtLaCategorieExcluent) {
  // Bare ownership: every receipt and most charges go, the deduction option becomes "(aucune)".
  TPropriete2072 p = ProprieteRemplie();
  p.setCategorie(7);
  p.setOptionFiscale(2);
  p.getDonneeProprieteFoncier().setOptionTauxDeduction(10);
  p.coherence();
  // clang-format off
  const TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
  for (double montant :
       {f.getLoyerBrut(), f.getRecettePossible(), f.getChargeLocataire(), f.getRecetteDiverse(), f.getTotalRecette(),
        f.getIndemniteEtFrais(), f.getChargesRecuperable(), f.getTauxDeduction(), f.getImpotEtTaxe(),
        f.getRemunerationNetteAssocie(), f.getRevenuAutreSI(), f.getProvision(), f.getRegularisation(),
        f.getRemunerationBruteAssocie(), f.getTravauxTransformation(), f.getDeductionAmortissement(),
        f.getReintegrationDeduction(), f.getChargesEspacesNaturels(), f.getDeductionFraisDivers(),
        f.getAssuranceFraisZR()})
    EXPECT_EQ(montant, 0);
  // clang-format on
  EXPECT_EQ(f.getOptionTauxDeduction(), 3);
  for (double garde : {f.getFraisGerance(), f.getAssurance(), f.getInteretEmprunt(), f.getTravauxReparation()})
    EXPECT_EQ(garde, 1234.5);
  // A depreciation scheme keeps its dates, tenants and depreciation values.
  EXPECT_EQ(p.getDateAcquisition(), 20110315);
  EXPECT_EQ(p.getLocataire().size(), 2u);
  EXPECT_NE(p.getAmortissement2072(), TAmortissement2072());

  // Natural area: receipts stay, the listed charges go.
  TPropriete2072 n = ProprieteRemplie();
  n.setCategorie(8);
  n.coherence();
  EXPECT_EQ(n.getDonneeProprieteFoncier().getLoyerBrut(), 1234.5);
  EXPECT_EQ(n.getDonneeProprieteFoncier().getProvision(), 0);
  EXPECT_EQ(n.getDonneeProprieteFoncier().getOptionTauxDeduction(), 3);

  // Ordinary scheme: dates, tenants and the depreciation values go, whatever the category.
  TPropriete2072 o = ProprieteRemplie();
  o.setCategorie(5);  // an older code of the protected sector
  o.setOptionFiscale(1);
  o.coherence();
  EXPECT_EQ(o.getDateAcquisition(), 0);
  EXPECT_TRUE(o.getLocataire().empty());
  EXPECT_EQ(o.getAmortissement2072(), TAmortissement2072());
  EXPECT_EQ(o.getDonneeProprieteFoncier().getDeductionAmortissement(), 0);
  EXPECT_EQ(o.getDonneeProprieteFoncier().getTravauxTransformation(), 1234.5);
  EXPECT_EQ(o.getDonneeProprieteFoncier().getOptionTauxDeduction(), 3);  // as written by the letter

  // Among these lines, those each category clears (x); a code outside the categories clears none.
  using F = TDonneeProprieteFoncierPropriete;
  const std::vector<double (F::*)() const> lignes = {&F::getTravauxTransformation,
                                                     &F::getChargesEspacesNaturels,
                                                     &F::getAssuranceFraisZR,
                                                     &F::getDeductionAmortissement,
                                                     &F::getReintegrationDeduction,
                                                     &F::getProvision,
                                                     &F::getLoyerBrut};
  const std::pair<long, std::string> kEffaces[] = {{1, "xxx...."}, {4, ".xxxx.."},  {6, "xx.xx.."},
                                                   {8, "x.xxxx."}, {40, "......."}, {-1, "......."}};
  for (const auto& [categorie, effaces] : kEffaces) {
    TPropriete2072 c = ProprieteRemplie();
    c.setCategorie(categorie);
    c.coherence();
    for (std::size_t k = 0; k < lignes.size(); ++k)
      EXPECT_EQ((c.getDonneeProprieteFoncier().*lignes[k])() == 0, effaces[k] == 'x') << categorie << " " << k;
  }
}

TEST(Propriete, Reinitialisations) {
  const TPropriete2072 rempli = ProprieteRemplie();

  TPropriete2072 p = rempli;
  p.Init();
  EXPECT_EQ(p.getCodePropriete(), "Éé12655");
  TPropriete2072 vierge;
  vierge.setCodePropriete("Éé12655");
  EXPECT_EQ(p, vierge);

  p = rempli;
  p.InitResultat();
  EXPECT_EQ(p.getNumero(), 0);
  EXPECT_EQ(p.getDonneeProprieteFoncier().getResultat(), 0);
  EXPECT_EQ(p.getDonneeProprieteFoncier().getLoyerBrut(), 1234.5);
  EXPECT_EQ(p.getResultatARepartir().getRevenuBrut(), 0);
  EXPECT_EQ(p.getResultatARepartir().getTravaux(), 1234.5);
  EXPECT_EQ(p.getAmortissement2072(), rempli.getAmortissement2072());
  EXPECT_EQ(p.getAdresse().getNumeroTypeEtNomVoie(), "");

  p = rempli;
  p.InitPartielle();
  EXPECT_EQ(p.getNumero(), 3);
  EXPECT_EQ(p.getNom(), rempli.getNom());
  EXPECT_EQ(p.getDonneeProprieteFoncier().getLoyerBrut(), 0);
  EXPECT_EQ(p.getDonneeProprieteFoncier().getResultat(), 1234.5);
  EXPECT_EQ(p.getAmortissementComposant().getComposant()[0].getPrixTTC(), 0);
  EXPECT_EQ(p.getAmortissement2072(), TAmortissement2072());
  EXPECT_EQ(p.getResultatARepartir(), rempli.getResultatARepartir());
}

TEST(Propriete, ResultKeepsItsCodesAndOfferedListsStayOutOfTheEquality) {
  // The copy of the result keeps its letter codes; the tenants count in the equality.
  const TPropriete2072 rempli = ProprieteRemplie();
  TPropriete2072 copie = rempli;
  EXPECT_EQ(aide::Lit(copie, 12202), "1234.5");
  TPropriete2072 affecte;
  affecte = rempli;
  EXPECT_EQ(affecte, rempli);
  affecte.getLocataire()[1].setNom("Autre");
  EXPECT_NE(affecte, rempli);

  // The offered lists are rebuilt on request and take no part in equality.
  affecte = rempli;
  affecte.setCategorie(1);
  TPropriete2072 autre = affecte;
  affecte.UpdateCollectionOptions();
  EXPECT_EQ(affecte, autre);

  // The setters copy into the owned records.
  TResultatARepartirPropriete resultat;
  resultat.setRevenuBrut(5);
  affecte.setResultatARepartir(resultat);
  EXPECT_EQ(aide::Lit(affecte, 12202), "5");
}
