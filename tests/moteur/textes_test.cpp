// Texts composed from what was entered, the host's text tokens, and a transfer's SIRET that
// follows its partner through the computation.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "codes2072.h"
#include "kel.h"
#include "managers.h"
#include "tdonnee2072.h"

namespace {

using namespace zorfiscal2072;

void RemplitRue(TAdresse2072& a) {
  a.setNumeroVoie("12"), a.setComplementNumeroVoie(2), a.setTypeVoie("rue"), a.setTypeEtNomVoie("du Chateau");
}

TEST(Textes, UpdateTexteComposesStreetLinesDesignationsAndSiretNumbers) {
  TDonnee2072 d;
  TInfogene2072& ig = d.getInfogene2072();
  std::vector<TAdresse2072*> adresses{&ig.getAdresseGerant(),
                                      &ig.getAdresseComptable(),
                                      &ig.getAdresseAdministrateur(),
                                      &ig.getAdresseDeclarant(),
                                      &ig.getAdresseDestinataire(),
                                      &ig.getAdresseNouveauDestinataire(),
                                      &ig.getAdresseCDI(),
                                      &ig.getAdresseConseil(),
                                      &ig.getSocieteAdresseSiege().at(0),
                                      &ig.getSocieteAdresseSiege().at(1),
                                      &ig.getSocieteAdresseSiege().at(2)};
  ig.setNumeroSIREN("123456789"), ig.setNumeroNIC("12345"), ig.setNumeroSIRET("stale");

  d.AjoutePropriete(), d.AjouteAssocie(), d.AjouteAssocie();
  TAssocie2072& physique = d.getAssocie2072()[0];
  physique.setNom("A"), physique.setNumeroSIREN("123456789");
  TAssocie2072& morale = d.getAssocie2072()[1];
  morale.setType(TypePersonne::Morale), morale.setNom("ignored for a legal person");
  morale.setDenomination("SCI  DU   PARC"), morale.setNumeroSIREN("987654321"), morale.setNumeroNIC("00012");
  TPropriete2072& p = d.getPropriete2072()[0];
  adresses.insert(adresses.end(), {&physique.getAdresse(), &physique.getAdresseAvantDemenagement(), &p.getAdresse()});
  for (TAdresse2072* a : adresses) RemplitRue(*a);
  TBeneficiaire& b = p.getBeneficiaire().emplace_back();
  b.setSIRENBeneficiaire("111222333"), b.setNICBeneficiaire("44444");
  TCessionParts& c = d.getCessionsPartsSociete().getCessionParts().emplace_back();
  c.setSIRENCessionnaire("555666777"), c.setNICCessionnaire("88888"), c.setSIRENCedant("123123123");

  d.UpdateTexte();
  for (std::size_t k = 0; k < adresses.size(); ++k)
    EXPECT_EQ(adresses[k]->getNumeroTypeEtNomVoie(), "12 bis rue du Chateau") << "address " << k;
  EXPECT_EQ(ig.getNumeroSIRET(), "12345678912345");
  EXPECT_EQ(physique.getDesignation(), "A");
  EXPECT_EQ(physique.getNumeroSIRET(), "123456789");  // an empty NIC gives the SIREN alone
  EXPECT_EQ(morale.getDesignation(), "SCI DU PARC");
  EXPECT_EQ(d.getCessionsPartsSociete().getListeAssocieCedant().at(1).get_libelle(), "SCI DU PARC");
  EXPECT_EQ(d.getCessionsPartsSociete().getListeAssocieCessionnaire().at(0).get_libelle(), "A");
  EXPECT_EQ(morale.getNumeroSIRET(), "98765432100012");
  EXPECT_EQ(p.getBeneficiaire()[0].getSIRETBeneficiaire(), "11122233344444");
  const TCessionParts& composee = d.getCessionsPartsSociete().getCessionParts()[0];
  EXPECT_EQ(composee.getSIRETCessionnaire(), "55566677788888");
  EXPECT_EQ(composee.getSIRETCedant(), "123123123");

  ig.setNumeroNIC("");
  d.UpdateTexte();
  EXPECT_EQ(ig.getNumeroSIRET(), "123456789");
}

TEST(Textes, TokensInTheirOrderWithThreeDecimalsAndSixSignificantDigits) {
  TDonnee2072 d;
  TInfogene2072& ig = d.getInfogene2072();
  ig.setSocieteNom("SCI  Éole & fils ");
  ig.setNombrePartsTotal(2000.12345);
  ig.setNombrePartsTotalCalcul(0.0625);  // a half at the third decimal goes away from zero
  ig.setQuotePartResultatsTotal(33.3333333);
  TStaticsManager statics;
  d.UpdateStaticsManager(&statics);
  EXPECT_EQ(statics.Ordre(), (std::vector<std::string>{"#SocieteNom#", "#NB_TOTAL_PARTS#", "#NB_TOTAL_PARTS_CALCUL#",
                                                       "#QUOTE_PART_RESULTATS#"}));
  const auto valeurs = [&] {
    std::vector<std::string> v;
    for (const std::string& token : statics.Ordre()) v.push_back(*statics.TrouveToken(token));
    return v;
  };
  EXPECT_EQ(valeurs(), (std::vector<std::string>{"SCI  Éole & fils ", "2000.123", "0.063", "33.3333"}));

  // A second update replaces the values; each stream starts empty.
  ig.setNombrePartsTotalCalcul(-0.0625);
  ig.setQuotePartResultatsTotal(100);
  d.UpdateStaticsManager(&statics);
  EXPECT_EQ(statics.Ordre().size(), 4u);
  EXPECT_EQ(valeurs(), (std::vector<std::string>{"SCI  Éole & fils ", "2000.123", "-0.063", "100"}));
}

TEST(Textes, NullStaticsManagerIsReportedAtItsPlace) {
  std::vector<kel::RapportAssertion> rapports;
  const auto precedent =
      kel::InstalleGestionnaireAssertion([&](const kel::RapportAssertion& r) { rapports.push_back(r); });
  TDonnee2072().UpdateStaticsManager(nullptr);
  kel::InstalleGestionnaireAssertion(precedent);
  ASSERT_EQ(rapports.size(), 1u);
  const kel::RapportAssertion& r = rapports[0];
  EXPECT_EQ(std::tie(r.expression, r.message, r.fichier, r.ligne),
            std::make_tuple("staticsManager", "Le static manager de la donnée 2072 est NULL", "tdonnee2072", 388));
}

// The computation's coherence pass copies a partner's SIREN and NIC into the transfers
// naming it, after the texts were composed. This root stands in for that pass, so that the
// transfer's SIRET is checked whatever the computation holds today.
class RacineCopiantLesIdentites : public TDonnee2072 {
 public:
  void Calcul() override {
    TDonnee2072::Calcul();
    for (TCessionParts& c : getCessionsPartsSociete().getCessionParts()) {
      if (c.getAssocieCedant() >= NbAssocie()) continue;
      const TAssocie2072& a = getAssocie2072().at(static_cast<std::size_t>(c.getAssocieCedant()));
      c.setSIRENCedant(a.getNumeroSIREN());
      c.setNICCedant(a.getNumeroNIC());
    }
  }
};

template <class Racine>
void VerifieSiretCession() {
  Racine d;
  d.AjouteAssocie();
  d.getAssocie2072()[0].setNumeroSIREN("123456789"), d.getAssocie2072()[0].setNumeroNIC("12345");
  TCessionParts& saisie = d.getCessionsPartsSociete().getCessionParts().emplace_back();
  saisie.setAssocieCedant(0), saisie.setAssocieCessionnaire(1);      // "Autre"
  saisie.setSIRENCedant("999999999"), saisie.setNICCedant("99999");  // entered before the partner's identity
  d.Update();
  const TCessionParts& c = d.getCessionsPartsSociete().getCessionParts().at(0);
  EXPECT_EQ(c.getSIRETCedant(), c.getSIRENCedant() + c.getNICCedant());
  if (c.getSIRENCedant() == "123456789") {  // the partner's identity reached the transfer
    EXPECT_EQ(c.getSIRETCedant(), "12345678912345");
  }
  Racine deuxFois = d;
  deuxFois.Update();
  EXPECT_TRUE(static_cast<const TDonnee2072&>(deuxFois) == static_cast<const TDonnee2072&>(d));
}

TEST(Textes, TransferSiretFollowsItsPartnerAfterOneUpdateAndUpdatingTwiceChangesNothing) {
  VerifieSiretCession<RacineCopiantLesIdentites>();
  VerifieSiretCession<TDonnee2072>();  // the engine's own computation
}

}  // namespace
