// Computation of one property: rounding, deduction rates, land figures, result to
// distribute, depreciation deduction, receipts subject to the CRL, component totals.
#include <cmath>

#include "aide_lettres.h"
#include "arrondi.h"
#include "codes2072.h"
#include "propriete2072.h"
#include "tdonnee2072.h"

using namespace zorfiscal2072;

namespace {

// An ordinary property of 3 dwellings at the 26 % option, every receipt and charge filled.
TPropriete2072 ProprieteChiffree() {
  TPropriete2072 p;
  p.setTotalNombreLocaux(3);
  TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
  f.setLoyerBrut(10000);
  f.setChargeLocataire(500);
  f.setRecetteDiverse(300);
  f.setRecettePossible(200);
  f.setOptionTauxDeduction(OptionTauxDeduction::Taux26);
  f.setChargesRecuperable(100);
  f.setIndemniteEtFrais(50);
  f.setFraisGerance(400);
  f.setAssurance(200);
  f.setTravauxReparation(1000);
  f.setTravauxGrosseReparation(300);
  f.setImpotEtTaxe(700);
  f.setProvision(150);
  f.setRegularisation(40);
  f.setTravauxProprieteRurale(30);
  f.setInteretEmprunt(1200);
  f.setTravauxTransformation(80);
  f.setAssuranceFraisZR(20);
  f.setRemunerationBruteAssocie(1000);
  f.setReintegrationDeduction(100);
  f.setRevenuAutreSI(50);
  return p;
}

}  // namespace

TEST(CalculPropriete, ArrondiDemiAuDelaDeZero) {
  EXPECT_EQ(TDonnee2072::Arrondi(0.5), 1);
  EXPECT_EQ(TDonnee2072::Arrondi(-2.5), -3);
  EXPECT_EQ(TDonnee2072::Arrondi(2.4999), 2);
  const double zero = TDonnee2072::Arrondi(-0.4);
  EXPECT_EQ(zero, 0);
  EXPECT_FALSE(std::signbit(zero));  // +0, never -0
  // Where floor(x + 0.5) goes wrong in floating point.
  EXPECT_EQ(TDonnee2072::Arrondi(0.49999999999999994), 0);
  EXPECT_EQ(TDonnee2072::Arrondi(4503599627370497.0), 4503599627370497.0);
  // The scaled form.
  EXPECT_DOUBLE_EQ(kel::Arrondi(12.3456, 3), 12.346);
  EXPECT_DOUBLE_EQ(kel::Arrondi(-0.125, 2), -0.13);
  EXPECT_FALSE(std::signbit(kel::Arrondi(-0.0004, 3)));
  EXPECT_DOUBLE_EQ(kel::Arrondi(1250, -2), 1300);
}

TEST(CalculPropriete, TauxDeductionDecideSurLeCodeEntier) {
  // 65541 is 5 + 65536: read as a short it was option 5, at 26 %.
  EXPECT_DOUBLE_EQ(TDonneeProprieteFoncierPropriete::DonneTauxDeduction(5), 0.26);
  for (long code : {65541L, -65531L, 65536L + 18, 4294967301L, 9L, 0L})
    EXPECT_EQ(TDonneeProprieteFoncierPropriete::DonneTauxDeduction(code), 0) << code;
  TPropriete2072 p = ProprieteChiffree();
  p.getDonneeProprieteFoncier().setOptionTauxDeduction(65541);
  p.CalculProprieteFoncier2072();
  EXPECT_EQ(p.getDonneeProprieteFoncier().getTauxDeduction(), 0);
  EXPECT_EQ(p.getDonneeProprieteFoncier().getDeductionFraisDivers(), 0);
  EXPECT_EQ(p.DonneTauxDeduction(65541), 0);
}

TEST(CalculPropriete, ChiffresFonciersEtResultatARepartir) {
  TPropriete2072 p = ProprieteChiffree();
  p.CalculPropriete2072();  // ordinary scheme: no depreciation
  const TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
  EXPECT_EQ(f.getTotalRecette(), 11000);
  EXPECT_EQ(f.getBaseCalculDeduction(), 11000);
  EXPECT_EQ(f.getForfaitGestion().getMontantCalcule(), 60);  // 3 dwellings at 20
  EXPECT_EQ(f.getForfaitGestion().getMontant(), 60);
  EXPECT_DOUBLE_EQ(f.getTauxDeduction(), 0.26);
  EXPECT_EQ(f.getDeductionFraisDivers(), 2860);
  EXPECT_EQ(f.getTotalCharge(), 2950);  // regularisation deducted, rural works added
  EXPECT_EQ(f.getRevenuOuDeficit(), 3890);  // 11,000 - (2,950 + 1,200 + 80 + 20 + 2,860)
  EXPECT_EQ(f.getRemunerationNetteAssocie(), 740);
  EXPECT_EQ(f.getResultat(), 3300);
  EXPECT_EQ(f.getDeductionAmortissement(), 0);

  const TResultatARepartir2072& r = p.getResultatARepartir();
  EXPECT_EQ(r.getRevenuBrut(), 10410);  // 11,000 + 100 - 740 + 50
  EXPECT_EQ(r.getCharge(), 3050);       // charges with conversion works and the protected line
  EXPECT_EQ(r.getInteretEmprunt(), 1200);
  EXPECT_EQ(r.getDeductionSpecifique(), 2860);
  EXPECT_EQ(r.getAmortissement(), 0);
  EXPECT_EQ(r.getRevenuOuDeficit(), 3300);
  EXPECT_EQ(r.getTravaux(), 1330);

  // An entered flat rate (mode 2) stays in the charges; the computed one is still shown.
  p.getDonneeProprieteFoncier().getForfaitGestion().setLie(2);
  p.getDonneeProprieteFoncier().getForfaitGestion().setMontant(45);
  p.CalculPropriete2072();
  EXPECT_EQ(f.getForfaitGestion().getMontant(), 45);
  EXPECT_EQ(f.getForfaitGestion().getMontantCalcule(), 60);
  EXPECT_EQ(f.getTotalCharge(), 2935);

  // The deduction is rounded: 1,925 x 26 % = 500.5 gives 501.
  TPropriete2072 demi;
  demi.getDonneeProprieteFoncier().setLoyerBrut(1925);
  demi.getDonneeProprieteFoncier().setOptionTauxDeduction(OptionTauxDeduction::Taux26);
  demi.CalculPropriete2072();
  EXPECT_EQ(demi.getDonneeProprieteFoncier().getDeductionFraisDivers(), 501);
}

TEST(CalculPropriete, DeductionSaisieOuAucune) {
  // "Autre cas": the entered deduction stays and sets the rate of the net remuneration.
  TPropriete2072 p = ProprieteChiffree();
  TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
  f.setOptionTauxDeduction(OptionTauxDeduction::AutreCas);
  f.setDeductionFraisDivers(2200);
  p.CalculPropriete2072();
  EXPECT_EQ(f.getTauxDeduction(), 0);
  EXPECT_EQ(f.getDeductionFraisDivers(), 2200);
  EXPECT_DOUBLE_EQ(f.getRemunerationNetteAssocie(), 800);  // (1 - 2,200 / 11,000) x 1,000
  // Without receipts there is no rate to draw: no division, nothing net.
  for (auto set : {&TDonneeProprieteFoncierPropriete::setLoyerBrut, &TDonneeProprieteFoncierPropriete::setChargeLocataire,
                   &TDonneeProprieteFoncierPropriete::setRecetteDiverse,
                   &TDonneeProprieteFoncierPropriete::setRecettePossible})
    (f.*set)(0);
  p.CalculPropriete2072();
  EXPECT_EQ(f.getRemunerationNetteAssocie(), 0);
  EXPECT_EQ(f.getDeductionFraisDivers(), 2200);

  // No deduction: an earlier amount is cleared to +0, the remuneration counts whole.
  TPropriete2072 aucune = ProprieteChiffree();
  aucune.getDonneeProprieteFoncier().setOptionTauxDeduction(OptionTauxDeduction::Aucune);
  aucune.getDonneeProprieteFoncier().setDeductionFraisDivers(999);
  aucune.CalculPropriete2072();
  EXPECT_EQ(aucune.getDonneeProprieteFoncier().getDeductionFraisDivers(), 0);
  EXPECT_FALSE(std::signbit(aucune.getDonneeProprieteFoncier().getDeductionFraisDivers()));
  EXPECT_EQ(aucune.getDonneeProprieteFoncier().getRemunerationNetteAssocie(), 1000);
}

TEST(CalculPropriete, AmortissementSelonLeDispositif) {
  const std::pair<long, short> regimes[] = {{OptionFiscale::Perissol, kRegimePerissol},
                                            {OptionFiscale::BessonNeuf, kRegimeBessonNeuf},
                                            {OptionFiscale::RobienClassique, kRegimeRobienClassique},
                                            {OptionFiscale::RobienClassiqueZRR, kRegimeRobienClassique},
                                            {OptionFiscale::RobienRecentre, kRegimeRobienRecentre},
                                            {OptionFiscale::RobienRecentreZRR, kRegimeRobienRecentre},
                                            {OptionFiscale::BorlooNeuf, kRegimeBorlooNeuf}};
  for (const auto& [option, regime] : regimes) {
    TPropriete2072 p;
    p.setOptionFiscale(option);
    p.CalculPropriete2072();
    EXPECT_EQ(p.getAmortissement2072().getRegime(), regime) << option;
  }

  // Robien recentré, through letters: 180,000 from January 2009, the year's 6 %.
  TPropriete2072 p;
  p.setOptionFiscale(OptionFiscale::RobienRecentre);
  p.setDateAcquisition(20090101);
  p.getDonneeProprieteFoncier().setLoyerBrut(20000);
  ASSERT_TRUE(aide::Ecrit(p, 12297, "180000"));
  ASSERT_TRUE(aide::Ecrit(p, 12298, "01/01/2009"));
  p.getAmortissement2072().setAnnee(2009);
  p.CalculPropriete2072();
  const TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
  EXPECT_EQ(aide::Lit(p, 12152), "10800");
  EXPECT_EQ(f.getAmortissementSIPlafonnable(), 10800);  // acquired from 2009: under the ceiling
  EXPECT_EQ(f.getRevenuOuDeficit(), 20000 - 10800);
  EXPECT_EQ(p.getResultatARepartir().getAmortissement(), 10800);
  EXPECT_EQ(p.getResultatARepartir().getRevenuOuDeficit(), 20000 - 10800);
  // Acquired before 2009, or declared for 2008, or a Robien classique: no ceiling.
  p.setDateAcquisition(20081231);
  p.CalculPropriete2072();
  EXPECT_EQ(f.getDeductionAmortissement(), 10800);
  EXPECT_EQ(f.getAmortissementSIPlafonnable(), 0);
  p.setDateAcquisition(20090101);
  p.getAmortissement2072().setAnnee(2008);
  p.CalculPropriete2072();
  EXPECT_EQ(f.getAmortissementSIPlafonnable(), 0);
  p.getAmortissement2072().setAnnee(2009);
  p.setOptionFiscale(OptionFiscale::RobienClassique);
  p.CalculPropriete2072();
  EXPECT_EQ(f.getDeductionAmortissement(), 8 * 180000 / 100);
  EXPECT_EQ(f.getAmortissementSIPlafonnable(), 0);

  // Schemes without depreciation never reach the library: the deduction is cleared.
  for (long option : {OptionFiscale::Ordinaire, OptionFiscale::BessonAncien}) {
    TPropriete2072 q = p;
    q.setOptionFiscale(option);
    q.getAmortissement2072().setRegime(kRegimeAucun);
    q.getDonneeProprieteFoncier().setDeductionAmortissement(123);
    q.getDonneeProprieteFoncier().setAmortissementSIPlafonnable(123);
    q.CalculPropriete2072();
    EXPECT_EQ(q.getDonneeProprieteFoncier().getDeductionAmortissement(), 0) << option;
    EXPECT_EQ(q.getDonneeProprieteFoncier().getAmortissementSIPlafonnable(), 0) << option;
    EXPECT_EQ(q.getAmortissement2072().getRegime(), kRegimeAucun) << option;
  }
}

TEST(CalculPropriete, RecettesSoumisesALaContribution) {
  TPropriete2072 p;
  TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
  f.setLoyerBrut(7000);
  f.setChargeLocataire(600);
  f.setRecetteDiverse(400);
  f.setRecettePossible(1000);  // not subject
  f.setRecetteCRL(5000);
  f.setRecetteCRLCalcul(4321);

  // Not subject: the property computation leaves the figure alone; the host's service clears.
  p.CalculPropriete2072();
  EXPECT_EQ(f.getRecetteCRLCalcul(), 4321);
  p.CalculRecetteCRL();
  EXPECT_EQ(f.getRecetteCRL(), 0);
  EXPECT_EQ(f.getRecetteCRLCalcul(), 0);

  // Subject: an entered amount stays, the computed one shows the rents; the property
  // computation then takes the entered amount.
  p.setApplicationCRL(OuiNon::Oui);
  f.setRecetteCRL(5000);
  p.CalculRecetteCRL();
  EXPECT_EQ(f.getRecetteCRL(), 5000);
  EXPECT_EQ(f.getRecetteCRLCalcul(), 8000);
  p.CalculPropriete2072();
  EXPECT_EQ(f.getRecetteCRLCalcul(), 5000);
  // Nothing entered: the rents become the amount.
  f.setRecetteCRL(0);
  p.CalculRecetteCRL();
  EXPECT_EQ(f.getRecetteCRL(), 8000);
}

TEST(CalculPropriete, TypeImmeubleEtTotauxDesComposants) {
  TPropriete2072 p;
  p.setOptionFiscale(OptionFiscale::RobienRecentreZRR);
  p.SetTypeImmeuble();
  EXPECT_EQ(p.getTypeImmeuble(), TypeImmeuble::Amortissement);
  p.setCategorie(Categorie::SecteurSauvegardeAncien);  // no type of its own: kept
  p.SetTypeImmeuble();
  EXPECT_EQ(p.getTypeImmeuble(), TypeImmeuble::Amortissement);
  p.setCategorie(Categorie::NuePropriete);
  p.SetTypeImmeuble();
  EXPECT_EQ(p.getTypeImmeuble(), TypeImmeuble::NuePropriete);

  TAmortissementComposant ac;
  ac.setTotalMethodeLineaire(99);
  ac.setTotalMethodeDegressive(99);
  ac.CalculTotauxParMethode();  // no component: both 0
  EXPECT_EQ(ac.getTotalMethodeLineaire(), 0);
  EXPECT_EQ(ac.getTotalMethodeDegressive(), 0);
  const std::pair<short, double> composants[] = {{1, 100}, {2, 40}, {1, 25.5}, {3, 7}, {0, 1}};
  for (const auto& [mode, montant] : composants) {
    TComposant c;
    c.setModeAmortissement(mode);
    c.setMontantAmort(montant);
    ac.getComposant().push_back(c);
  }
  ac.CalculTotauxParMethode();
  EXPECT_EQ(ac.getTotalMethodeLineaire(), 125.5);
  EXPECT_EQ(ac.getTotalMethodeDegressive(), 48);  // any method but straight-line
}
