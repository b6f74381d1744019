// Letter selection: each family of rules at the values that switch it, indexes that name
// nothing, negative positions, and the no-index overload.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dictionnaire2072.h"
#include "selection/selection2072.h"

using namespace zorfiscal2072;

namespace {

// Flag and value a letter ends with.
using Issue = std::pair<short, std::string>;
const Issue Gardee{1, "v"}, Marquee{2, "v"}, Ecartee{0, ""};

// A list of letters owned by the test.
struct Liste {
  structListeLettres* l = nullptr;
  Liste() = default;
  Liste(const Liste&) = delete;
  Liste& operator=(const Liste&) = delete;
  ~Liste() { LibereListeLettres(&l); }
  void Ajoute(short code, const char* valeur, short flag) {
    AjouteLettre(&l, code, valeur, 0, 0, 1, 0);
    l->courante->flag = flag;
  }
};

// Two properties, two partners (each statement with a share per property and a
// distribution of the sale), a sale and a transfer of shares between the partners.
class Selection : public ::testing::Test {
 protected:
  void SetUp() override {
    d.AjoutePropriete();
    d.AjoutePropriete();
    d.AjouteAssocie();
    d.AjouteAssocie();
    d.AjouteCession();
    TCessionParts c;
    c.setAssocieCedant(0);
    c.setAssocieCessionnaire(1);
    d.getCessionsPartsSociete().getCessionParts().push_back(c);
  }

  // The flag and value of letter `code` (value "v", flag 9 before) selected with `index`.
  Issue Select(short code, const TIndex& index = {}) {
    Liste liste;
    liste.Ajoute(code, "v", 9);
    d.Select(liste.l, index);
    return {liste.l->premiere->flag, liste.l->premiere->valeur};
  }

  TPropriete2072& P() { return d.getPropriete2072()[1]; }
  TAssocie2072& A() { return d.getAssocie2072()[1]; }
  TInfogene2072& I() { return d.getInfogene2072(); }
  const TIndex kP{{300, 1}}, kA{{301, 1}};

  TDonnee2072 d;
};

TEST_F(Selection, OfficersShowTheNamesOfTheirKindOfPerson) {
  struct Officier {
    void (TInfogene2072::*setType)(short);
    short physique, morale;  // first letter of each pair of names
  };
  for (const Officier& o : {Officier{&TInfogene2072::setTypeGerant, 12024, 12525},
                            Officier{&TInfogene2072::setTypeComptable, 12332, 12530},
                            Officier{&TInfogene2072::setTypeAdministrateur, 12341, 12535},
                            Officier{&TInfogene2072::setTypeConseil, 12578, 12575}}) {
    (I().*o.setType)(1);
    EXPECT_EQ(Select(o.physique), Gardee) << o.physique;
    EXPECT_EQ(Select(o.physique + 1), Gardee) << o.physique;
    EXPECT_EQ(Select(o.morale), Ecartee) << o.morale;
    EXPECT_EQ(Select(o.morale + 1), Ecartee) << o.morale;
    (I().*o.setType)(2);
    EXPECT_EQ(Select(o.physique), Ecartee) << o.physique;
    EXPECT_EQ(Select(o.physique + 1), Ecartee) << o.physique;
    EXPECT_EQ(Select(o.morale), Gardee) << o.morale;
    // An index naming records changes nothing for the declaration's own letters.
    EXPECT_EQ(Select(o.morale + 1, kA), Gardee) << o.morale;
  }
}

TEST_F(Selection, ContributionPaymentOnlyWithABalance) {
  I().setSoldeCRL(0);
  I().setModePaiementCRL(3);
  EXPECT_EQ(Select(12327), Marquee);
  EXPECT_EQ(Select(12328), Ecartee);
  I().setSoldeCRL(0.5);
  EXPECT_EQ(Select(12327), Gardee);
  EXPECT_EQ(Select(12328), Gardee);
  I().setModePaiementCRL(2);
  EXPECT_EQ(Select(12328), Ecartee);
  I().setModePaiementCRL(3.0001);  // compared exactly
  EXPECT_EQ(Select(12328), Ecartee);
}

TEST_F(Selection, CorporateTaxColumnsFollowThePartnersRegimes) {
  I().setPresenceAssociesBICIS(2);
  I().setPresenceAssociesBA(1);
  for (short code : {12217, 12220, 12224, 12255, 12273, 12284, 12822}) EXPECT_EQ(Select(code), Ecartee) << code;
  for (short code : {12227, 12234, 12289, 12823}) EXPECT_EQ(Select(code), Gardee) << code;
  I().setPresenceAssociesBICIS(1);
  I().setPresenceAssociesBA(2);
  for (short code : {12217, 12822}) EXPECT_EQ(Select(code), Gardee) << code;
  for (short code : {12227, 12230, 12262, 12277, 12286, 12823}) EXPECT_EQ(Select(code), Ecartee) << code;
  // Letters of the income statement outside the two lists stay.
  I().setPresenceAssociesBICIS(2);
  for (short code : {12214, 12219, 12225, 12229, 12290}) EXPECT_EQ(Select(code), Gardee) << code;
}

TEST_F(Selection, PartnerIdentityOfANaturalOrALegalPerson) {
  A().setType(2);
  EXPECT_EQ(Select(12061, kA), (Issue{0, "1"}));
  EXPECT_EQ(Select(12519, kA), (Issue{0, "1"}));
  for (short code : {12055, 12056, 12057, 12062, 12063, 12521, 12541}) EXPECT_EQ(Select(code, kA), Ecartee) << code;
  for (short code : {12064, 12562, 12751, 12546, 12547}) EXPECT_EQ(Select(code, kA), Gardee) << code;

  A().setType(1);
  A().setFormeJuridiqueOuTitre(26);
  A().setRegimeFiscal(1);
  for (short code : {12055, 12056, 12061, 12519}) EXPECT_EQ(Select(code, kA), Gardee) << code;
  for (short code : {12064, 12562, 12751, 12546, 12547}) EXPECT_EQ(Select(code, kA), Ecartee) << code;
  A().setFormeJuridiqueOuTitre(29);
  EXPECT_EQ(Select(12056, kA), Ecartee);
  A().setRegimeFiscal(5);
  EXPECT_EQ(Select(12546, kA), Gardee);

  // The other partner is not the one named.
  EXPECT_EQ(Select(12064, {{301, 0}}), Ecartee);
  A().setType(2);
  EXPECT_EQ(Select(12064, {{301, 0}}), Ecartee);
}

TEST_F(Selection, IndexesThatNameNoRecordLeaveTheLettersKept) {
  A().setType(2);
  P().setCategorie(7);
  const std::vector<TIndex> rien{{}, {{301, 2}}, {{301, -1}}, {{300, -1}, {301, -2}}, {{301, 99999}}, {{300, 2}}};
  for (const TIndex& index : rien)
    for (short code : {12055, 12061, 12064, 12140, 12392, 12675, 12710, 12684})
      EXPECT_EQ(Select(code, index), Gardee) << code;
}

TEST_F(Selection, SharesOfResultsAndDistributions) {
  A().setQuotePartDifferente(2);
  EXPECT_EQ(Select(12362, kA), Ecartee);
  A().setQuotePartDifferente(1);
  EXPECT_EQ(Select(12362, kA), Gardee);
  A().setPlusValue(0);
  EXPECT_EQ(Select(12364, kA), Marquee);
  A().setPlusValue(-3);
  EXPECT_EQ(Select(12364, kA), Gardee);

  auto& part = A().getBulletin2072().getQuotePartPropriete()[1];
  const TIndex kPart{{301, 1}, {306, 1}};
  part.setPresenceMobilite(2);
  EXPECT_EQ(Select(12684, kPart), Ecartee);
  EXPECT_EQ(Select(12684, {{301, 1}, {306, -1}}), Gardee);
  EXPECT_EQ(Select(12684, {{301, 1}, {306, 2}}), Gardee);
  EXPECT_EQ(Select(12684, {{306, 1}}), Gardee);  // no partner, so no share
  part.setPresenceMobilite(1);
  EXPECT_EQ(Select(12684, kPart), Gardee);

  // The distributed gain and loss drop unless a distribution is named.
  for (short code : {12678, 12681}) {
    EXPECT_EQ(Select(code, {{301, 1}, {307, 0}}), Gardee) << code;
    EXPECT_EQ(Select(code, {{301, 1}, {307, 1}}), Ecartee) << code;
    EXPECT_EQ(Select(code, {{301, 1}, {307, -1}}), Ecartee) << code;
    EXPECT_EQ(Select(code, {{307, 0}}), Ecartee) << code;
    EXPECT_EQ(Select(code), Ecartee) << code;
  }
}

TEST_F(Selection, PropertyCategoryDecidesTheRentalLetters) {
  P().setCategorie(7);
  for (short code : {12140, 12142, 12145, 12147, 12150, 12161, 12168, 12169, 12360, 12162, 12167, 12366, 12151,
                     12152, 12166, 12158, 12160, 12428})
    EXPECT_EQ(Select(code, kP), Ecartee) << code;
  for (short code : {12149, 12392}) EXPECT_EQ(Select(code, kP), Marquee) << code;
  EXPECT_EQ(Select(12159, kP), Gardee);
  EXPECT_EQ(Select(12140, {{300, 0}}), Gardee);  // the other property is ordinary

  P().setCategorie(8);
  for (short code : {12140, 12428}) EXPECT_EQ(Select(code, kP), Gardee) << code;
  for (short code : {12162, 12151, 12159}) EXPECT_EQ(Select(code, kP), Ecartee) << code;
  EXPECT_EQ(Select(12149, kP), Marquee);

  P().setCategorie(1);
  P().getDonneeProprieteFoncier().setOptionTauxDeduction(8);
  for (short code : {12149, 12151, 12152, 12166, 12162, 12392}) EXPECT_EQ(Select(code, kP), Gardee) << code;
  for (short code : {12158, 12159, 12160, 12428}) EXPECT_EQ(Select(code, kP), Ecartee) << code;
  P().getDonneeProprieteFoncier().setOptionTauxDeduction(3);
  EXPECT_EQ(Select(12151, kP), Marquee);

  for (long categorie : {4L, 5L}) {
    P().setCategorie(categorie);
    EXPECT_EQ(Select(12158, kP), Gardee) << categorie;
    EXPECT_EQ(Select(12152, kP), Ecartee) << categorie;
  }
  P().setCategorie(6);
  EXPECT_EQ(Select(12160, kP), Gardee);

  P().setApplicationCRL(2);
  EXPECT_EQ(Select(12358, kP), Ecartee);
  P().setApplicationCRL(1);
  EXPECT_EQ(Select(12358, kP), Gardee);
}

TEST_F(Selection, PropertyNatureBoxesExcludeTheirOpposite) {
  struct Paire {
    void (TPropriete2072::*setNature)(short);
    short exclue;  // the letter the box, ticked, drops
  };
  for (const Paire& p : {Paire{&TPropriete2072::setNatureRural, 12640}, Paire{&TPropriete2072::setNatureUrbain, 12641},
                         Paire{&TPropriete2072::setNatureMaison, 12642},
                         Paire{&TPropriete2072::setNatureAppartement, 12643},
                         Paire{&TPropriete2072::setNatureNonBati, 12646}, Paire{&TPropriete2072::setNatureBati, 12647}}) {
    (P().*p.setNature)(1);
    EXPECT_EQ(Select(p.exclue, kP), Ecartee) << p.exclue;
    (P().*p.setNature)(2);
    EXPECT_EQ(Select(p.exclue, kP), Gardee) << p.exclue;
  }
  P().setNatureAutres(2);
  EXPECT_EQ(Select(12649, kP), Ecartee);
  P().setNatureAutres(1);
  EXPECT_EQ(Select(12649, kP), Gardee);
}

TEST_F(Selection, DepreciationLinesOpenOneAfterTheOther) {
  TAmortissement& amort = P().getAmortissement2072();
  P().setOptionFiscale(1);  // no depreciation
  amort.getLigne(1) = {1000, 20100101};
  amort.getLigne(2).Montant = amort.getLigne(5).Montant = 500;
  for (short code : {12297, 12298, 12301, 12302, 12310}) EXPECT_EQ(Select(code, kP), Ecartee) << code;

  P().setOptionFiscale(2);
  for (short code : {12297, 12298, 12301, 12303, 12305, 12302, 12310, 12309, 12311})
    EXPECT_EQ(Select(code, kP), Gardee) << code;
  // Lines 3, 4, 6 and 7 have no amount: their dates stay closed.
  for (short code : {12304, 12306, 12312, 12314}) EXPECT_EQ(Select(code, kP), Ecartee) << code;

  amort.getLigne(1).DateDebut = 0;  // the second group does not depend on line 1
  for (short code : {12301, 12302}) EXPECT_EQ(Select(code, kP), Ecartee) << code;
  for (short code : {12297, 12298, 12310}) EXPECT_EQ(Select(code, kP), Gardee) << code;
  amort.getLigne(1).Montant = 0;
  EXPECT_EQ(Select(12298, kP), Ecartee);

  amort.getLigne(1) = {1000, 20100101};
  P().setCategorie(4);
  for (short code : {12301, 12302, 12310}) EXPECT_EQ(Select(code, kP), Ecartee) << code;
  EXPECT_EQ(Select(12297, kP), Gardee);
}

TEST_F(Selection, ASaleShowsAGainOrALoss) {
  TCession& vente = d.getOperationSociete().getCession()[0];
  const TIndex kV{{305, 0}};
  EXPECT_EQ(Select(12675, kV), Gardee);
  EXPECT_EQ(Select(12676, kV), Gardee);
  vente.setPlusValue(100);
  EXPECT_EQ(Select(12675, kV), Gardee);
  EXPECT_EQ(Select(12676, kV), Ecartee);
  vente.setPlusValue(0);
  vente.setMoinsValue(0.01);
  EXPECT_EQ(Select(12675, kV), Ecartee);
  EXPECT_EQ(Select(12676, kV), Gardee);
  EXPECT_EQ(Select(12675, {{305, 1}}), Gardee);
  EXPECT_EQ(Select(12675, {{305, -1}}), Gardee);
}

TEST_F(Selection, TransferCounterpartsWhoArePartnersAreMarked) {
  TCessionParts& t = d.getCessionsPartsSociete().getCessionParts()[0];
  const TIndex kT{{309, 0}};
  for (short code : {12710, 12717, 12749, 12718, 12725, 12750}) EXPECT_EQ(Select(code, kT), Marquee) << code;
  t.setAssocieCessionnaire(2);  // "Autre": the number of partners
  for (short code : {12710, 12717, 12749}) EXPECT_EQ(Select(code, kT), Gardee) << code;
  EXPECT_EQ(Select(12718, kT), Marquee);
  t.setAssocieCedant(2);
  EXPECT_EQ(Select(12750, kT), Gardee);
  for (short code : {12726, 12762}) EXPECT_EQ(Select(code, kT), Gardee) << code;
  EXPECT_EQ(Select(12710, {{309, 1}}), Gardee);
}

TEST_F(Selection, WithoutAnIndexNothingChanges) {
  A().setType(2);
  I().setPresenceAssociesBICIS(2);
  Liste liste;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) liste.Ajoute(e.lettre.code, "v", 7);
  d.Select(liste.l);
  std::size_t n = 0;
  for (structLettre* l = VaPremiereLettre(liste.l); !FinListeLettre(l); l = VaLettreSuivante(l), ++n) {
    EXPECT_EQ(l->flag, 7) << l->code;
    EXPECT_STREQ(l->valeur, "v") << l->code;
  }
  EXPECT_EQ(n, 663u);
  d.Select(nullptr);
  d.Select(nullptr, TIndex{{301, 0}});
}

TEST_F(Selection, EveryLetterEndsKeptDroppedOrMarked) {
  A().setType(2);
  Liste liste;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) liste.Ajoute(e.lettre.code, "v", 0);
  d.Select(liste.l, {{300, 1}, {301, 1}, {305, 0}, {306, 0}, {307, 0}, {309, 0}});
  for (structLettre* l = VaPremiereLettre(liste.l); !FinListeLettre(l); l = VaLettreSuivante(l)) {
    const std::string valeur = l->valeur;
    if (RegleDeCode(l->code) == nullptr) {
      EXPECT_EQ(l->flag, 1) << l->code;
    }
    EXPECT_TRUE(l->flag == 0 ? (valeur == "" || valeur == "1") : (l->flag <= 2 && valeur == "v")) << l->code;
  }
}

// A code mistyped in a rule would silently never apply: each names a letter of the record
// the rule reads.
TEST(ReglesSelection, EachCodeIsALetterOfTheRecordTheRuleReads) {
  const auto niveaux = [](Requis r) -> std::vector<int> {
    switch (r) {
      case Requis::Declaration: return {};
      case Requis::Propriete: return {300};
      case Requis::Associe: return {301};
      case Requis::CessionParts: return {309};
      case Requis::Cession: return {305};
      case Requis::QuotePart: return {301, 306};
    }
    return {-1};
  };
  std::size_t codes = 0;
  for (const RegleSelection& r : ReglesSelection())
    for (const PlageCodes& p : r.codes)
      for (int code = p.premier; code <= p.dernier; ++code, ++codes) {
        const EntreeDictionnaire* e = EntreeDictionnaire2072(code);
        ASSERT_NE(e, nullptr) << code;
        EXPECT_EQ(RegleDeCode(code), &r) << code;
        // The distributed gain and loss are read at a distribution, though the rule reads none.
        const bool distribution = code == 12678 || code == 12681;
        const std::vector<int> attendus = distribution ? std::vector<int>{301, 307} : niveaux(r.requis);
        EXPECT_EQ(e->niveaux, attendus) << code;
      }
  EXPECT_EQ(codes, 145u);
  EXPECT_EQ(RegleDeCode(12003), nullptr);
  EXPECT_EQ(RegleDeCode(-1), nullptr);
  EXPECT_EQ(RegleDeCode(13000), nullptr);
}

}  // namespace
