#include "infogene2072.h"

#include <map>
#include <set>

#include "aide_lettres.h"

using namespace zorfiscal2072;
using lettres::DescriptionLettre;

namespace {

template <class... T>
std::vector<DescriptionLettre> LettresDe() {
  std::vector<DescriptionLettre> toutes;
  (toutes.insert(toutes.end(), T::Lettres().Descriptions().begin(), T::Lettres().Descriptions().end()), ...);
  return toutes;
}

// The letters of the sixteen linked elements and the eight addresses.
std::vector<DescriptionLettre> LettresSousObjets() {
  return LettresDe<TElementLieVA, TElementLie2072ELoyersBruts, TElementLie2072EChargeLocataires,
                   TElementLie2072ERecettesDiverses, TElementLie2072ERentreesCreances, TElementLie2072EFraisGerance,
                   TElementLie2072EAssurance, TElementLie2072ETravauxReparation, TElementLie2072EChargesEspacesNaturels,
                   TElementLie2072ENP, TElementLie2072EAssuranceFraisZR, TElementLie2072EChargesRecuperables,
                   TElementLie2072EIndemnitesEtFrais, TElementLie2072EDeductionSpecifique,
                   TElementLie2072EDeductionAmortissement, TElementLie2072EProvisionCharges, TAdresseGerant,
                   TAdresseComptable, TAdresseConseil, TAdresseAdministrateur, TAdresseDeclarant, TAdresseDestinataire,
                   TAdresseNouveauDestinataire, TAdresseCDI>();
}

// Every letter, own and of the sub-records, holding its example value.
TInfogene2072 Rempli() {
  TInfogene2072 info;
  for (const auto& liste : {TInfogene2072::Lettres().Descriptions(), LettresSousObjets()})
    for (const auto& d : liste) aide::Ecrit(info, d.code, aide::ValeurExemple(d));
  return info;
}

// Own letters: those in `remis` read as on a new record, every other one keeps its example value.
void VerifieRemis(TInfogene2072& info, const std::set<short>& remis) {
  TInfogene2072 neuf;
  for (const auto& d : TInfogene2072::Lettres().Descriptions())
    EXPECT_EQ(aide::Lit(info, d.code), remis.count(d.code) ? aide::Lit(neuf, d.code) : aide::ValeurExemple(d))
        << "code " << d.code << " (" << d.champ << ")";
}

}  // namespace

TEST(Infogene2072, ChaqueLettreFaitLAllerRetourJusquAuBonChamp) {
  TInfogene2072 info;
  std::map<char, int> types;
  for (const auto& d : TInfogene2072::Lettres().Descriptions()) ++types[d.type()];
  EXPECT_EQ(types, (std::map<char, int>{{'S', 71}, {'L', 24}, {'D', 20}, {'d', 4}}));

  aide::VerifieAllerRetour(info, TInfogene2072::Lettres().Descriptions());
  std::vector<DescriptionLettre> sousObjets = LettresSousObjets();
  std::erase_if(sousObjets, [](const DescriptionLettre& d) { return d.code == 12820; });  // a flag sent as a real
  aide::VerifieAllerRetour(info, sousObjets);
  EXPECT_TRUE(aide::Ecrit(info, 12820, "2.0"));
  EXPECT_EQ(info.getD2072ERentreesCreances().getLie(), 2);
  EXPECT_EQ(info.getSocieteAdresseSiege()[2].getVille(), aide::Lit(info, 12405));
  EXPECT_EQ(info.getSocieteAdresseSiege()[1].getPays(), 3);
  EXPECT_EQ(info.getSocieteAdresseSiege()[0].getTypeVoie(), aide::Lit(info, 12550));
  EXPECT_EQ(info.getNombrePartsTotal(), 12.5);
  EXPECT_EQ(info.getDateClotureExercice(), 20110315);
  EXPECT_EQ(info.getModePaiementCRL(), 1234.5);
  EXPECT_EQ(info.getAdresseCDI().getTypeVoie(), aide::Lit(info, 12559));
  EXPECT_EQ(info.getAdresseConseil().getPays(), 3);

  info.Init();
  EXPECT_TRUE(info == TInfogene2072{});  // Init forgets no field
}

TEST(Infogene2072, RefuseLesLettresDesAutresEtPrendLaLettreNulle) {
  TInfogene2072 info;
  aide::Lettre associe(12055, "Dupont");  // a partner's name
  EXPECT_FALSE(info.TransfertLettreXX(&associe, 0));
  EXPECT_FALSE(info.TransfertUneLettre(&associe, {}, 0));
  EXPECT_EQ(aide::Lit(info, 12396), "<refused>");  // a property's flat-rate costs
  EXPECT_EQ(aide::Lit(info, 12512), "<refused>");  // a partner's address
  EXPECT_TRUE(info.TransfertUneLettre(nullptr, {}, 0));
  aide::Lettre nom(12003, "Société");
  EXPECT_TRUE(info.TransfertUneLettre(&nom, {}, 2));
  EXPECT_EQ(info.getSocieteNom(), "");
  EXPECT_TRUE(aide::Ecrit(info, 12028, "Lyon", TIndex{{301, 7}}));  // the index plays no part
  EXPECT_EQ(info.getAdresseGerant().getVille(), "Lyon");
}

TEST(Infogene2072, LesRemisesAZeroNeTouchentQueLeursChamps) {
  TInfogene2072 resultat = Rempli();
  resultat.InitResultat();
  VerifieRemis(resultat, {12045, 12046, 12320, 12817, 12049, 12543, 12322, 12323, 12325, 12326,
                          12570, 12780, 12814, 12209, 12210, 12211, 12212, 12441, 12447, 12453});
  EXPECT_EQ(resultat.getLocationStationnement(), 2);
  EXPECT_EQ(resultat.getVA().getMontantCalcule(), 0);
  EXPECT_EQ(resultat.getVA().getMontant(), 1234.5);  // an overridden amount survives
  EXPECT_EQ(resultat.getD2072EProvisionCharges().getMontantCalcule(), 0);
  EXPECT_EQ(resultat.getD2072EProvisionCharges().getLie(), 3);
  EXPECT_EQ(resultat.getAdresseCDI().getNumeroTypeEtNomVoie(), "");
  EXPECT_NE(resultat.getAdresseCDI().getVille(), "");

  TInfogene2072 annuel = Rempli();
  annuel.InitPartielle();
  VerifieRemis(annuel, {12324, 12564, 12565, 12570, 12571, 12818});
  EXPECT_EQ(annuel.getCVAEDispense(), 2);
  EXPECT_TRUE(annuel.getD2072ELoyersBruts() == TElementLie2072ELoyersBruts{});
  EXPECT_TRUE(annuel.getVA() == TElementLieVA{});
  EXPECT_NE(annuel.getAdresseDestinataire().getNumeroTypeEtNomVoie(), "");
}

TEST(Infogene2072, SettersCopyIntoTheOwnedRecords) {
  // The setters copy into the owned objects, which keep their own letters.
  TInfogene2072 copie = Rempli();
  TAdresse2072 adresse;
  adresse.setVille("Pau");
  copie.setAdresseGerant(adresse);
  EXPECT_EQ(aide::Lit(copie, 12028), "Pau");
  TElementLie element;
  element.setMontant(5);
  element.setLie(2);
  copie.setVA(element);
  EXPECT_EQ(copie.getVA().getMontant(), 5);
  EXPECT_EQ(aide::Lit(copie, 12815), "2");
}
