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

using D = TDonnee2072;
// Flag and value a letter ends with; each starts with flag 9 and value "v".
using Issue = std::pair<short, std::string>;
const Issue G{1, "v"}, M{2, "v"}, E{0, ""};

struct Liste {
  structListeLettres* l = nullptr;
  ~Liste() { LibereListeLettres(&l); }
  void Ajoute(short code, short flag) {
    AjouteLettre(&l, code, "v", 0, 0, 1, 0);
    l->courante->flag = flag;
  }
};

// Two properties, two partners (each statement with a share per property and a distribution
// of the sale), a sale, and a transfer of shares from partner 0 to partner 1.
D Declaration() {
  D d;
  d.AjoutePropriete(), d.AjoutePropriete(), d.AjouteAssocie(), d.AjouteAssocie(), d.AjouteCession();
  TCessionParts& c = d.getCessionsPartsSociete().getCessionParts().emplace_back();
  c.setAssocieCedant(0), c.setAssocieCessionnaire(1);
  return d;
}
TPropriete2072& P(D& d) { return d.getPropriete2072()[1]; }
TAssocie2072& A(D& d) { return d.getAssocie2072()[1]; }
TInfogene2072& I(D& d) { return d.getInfogene2072(); }
TAmortissement& Am(D& d) { return P(d).getAmortissement2072(); }
const TIndex kP{{300, 1}}, kA{{301, 1}}, kPart{{301, 1}, {306, 1}}, kV{{305, 0}}, kT{{309, 0}};

// After `prepare`, each of `codes` selected alone with `index` ends as `attendu`.
struct Attente {
  std::vector<short> codes;
  TIndex index;
  Issue attendu;
};
struct Cas {
  void (*prepare)(D&);
  std::vector<Attente> attentes;
};

void Verifie(const std::vector<Cas>& cas) {
  for (std::size_t k = 0; k < cas.size(); ++k) {
    D d = Declaration();
    cas[k].prepare(d);
    for (const Attente& a : cas[k].attentes)
      for (short code : a.codes) {
        Liste liste;
        liste.Ajoute(code, 9);
        d.Select(liste.l, a.index);
        EXPECT_EQ(Issue(liste.l->premiere->flag, liste.l->premiere->valeur), a.attendu)
            << "case " << k << ", code " << code;
      }
  }
}

TEST(Selection, Officers) {
  Verifie({
      {[](D& d) { I(d).setTypeGerant(1); }, {{{12024, 12025}, {}, G}, {{12525, 12526}, {}, E}}},
      {[](D& d) { I(d).setTypeGerant(2); }, {{{12024, 12025}, kA, E}, {{12525, 12526}, {}, G}}},
      {[](D& d) { I(d).setTypeComptable(2); }, {{{12332, 12333}, {}, E}}},
      {[](D& d) { I(d).setTypeComptable(1); }, {{{12530, 12531}, {}, E}}},
      {[](D& d) { I(d).setTypeAdministrateur(2); }, {{{12341, 12342}, {}, E}}},
      {[](D& d) { I(d).setTypeAdministrateur(1); }, {{{12535, 12536}, {}, E}}},
      {[](D& d) { I(d).setTypeConseil(2); }, {{{12578, 12579}, {}, E}}},
      {[](D& d) { I(d).setTypeConseil(1); }, {{{12575, 12576}, {}, E}, {{12578, 12579}, {}, G}}},
  });
}

TEST(Selection, ContributionPayment) {
  Verifie({
      {[](D& d) { I(d).setSoldeCRL(0), I(d).setModePaiementCRL(3); }, {{{12327}, {}, M}, {{12328}, {}, E}}},
      {[](D& d) { I(d).setSoldeCRL(0.5), I(d).setModePaiementCRL(3); }, {{{12327, 12328}, {}, G}}},
      {[](D& d) { I(d).setSoldeCRL(0.5), I(d).setModePaiementCRL(2); }, {{{12328}, {}, E}}},
      {[](D& d) { I(d).setSoldeCRL(0.5), I(d).setModePaiementCRL(3.0001); }, {{{12328}, {}, E}}},  // exact
  });
}

TEST(Selection, CorporateTaxColumns) {
  Verifie({
      {[](D& d) { I(d).setPresenceAssociesBICIS(2), I(d).setPresenceAssociesBA(1); },
       {{{12217, 12220, 12224, 12255, 12273, 12284, 12822}, {}, E}, {{12227, 12289, 12823}, {}, G}}},
      {[](D& d) { I(d).setPresenceAssociesBICIS(1), I(d).setPresenceAssociesBA(2); },
       {{{12217, 12822}, {}, G}, {{12227, 12230, 12262, 12277, 12286, 12823}, {}, E}}},
      // Letters of the income statement outside both lists stay.
      {[](D& d) { I(d).setPresenceAssociesBICIS(2), I(d).setPresenceAssociesBA(2); },
       {{{12214, 12219, 12225, 12229, 12290}, {}, G}}},
  });
}

TEST(Selection, PartnerIdentity) {
  Verifie({
      {[](D& d) { A(d).setType(2); },
       {{{12061, 12519}, kA, {0, "1"}},
        {{12055, 12056, 12057, 12062, 12063, 12521, 12541}, kA, E},
        {{12064, 12562, 12751, 12546, 12547}, kA, G},
        {{12064}, {{301, 0}}, E}}},  // the partner named is the other one
      {[](D& d) { A(d).setFormeJuridiqueOuTitre(26); }, {{{12055, 12056, 12061, 12519}, kA, G}}},
      {[](D& d) { A(d).setFormeJuridiqueOuTitre(29); }, {{{12056, 12064, 12562, 12751, 12546, 12547}, kA, E}}},
      {[](D& d) { A(d).setRegimeFiscal(5); }, {{{12546, 12547}, kA, G}}},
  });
}

TEST(Selection, IndexesThatNameNoRecord) {
  const std::vector<short> codes{12055, 12061, 12064, 12140, 12392, 12297, 12675, 12710, 12684};
  Verifie({{[](D& d) {
              A(d).setType(2), P(d).setCategorie(7);
              d.getOperationSociete().getCession()[0].setMoinsValue(5);
            },
            {{codes, {}, G},
             {codes, {{301, 2}, {300, 2}, {305, 1}, {309, 1}}, G},
             {codes, {{301, -1}, {300, -1}, {305, -1}, {309, -1}, {306, -1}}, G},
             {codes, {{301, 99999}, {300, -2}}, G},
             {{12684}, {{306, 1}}, G}}}});  // a share needs its partner
}

TEST(Selection, SharesAndDistributions) {
  Verifie({
      {[](D& d) { A(d).setQuotePartDifferente(2); }, {{{12362}, kA, E}}},
      {[](D& d) { A(d).setQuotePartDifferente(1); }, {{{12362}, kA, G}}},
      {[](D& d) { A(d).setPlusValue(0); }, {{{12364}, kA, M}}},
      {[](D& d) { A(d).setPlusValue(-3); }, {{{12364}, kA, G}}},
      {[](D& d) { A(d).getBulletin2072().getQuotePartPropriete()[1].setPresenceMobilite(2); }, {{{12684}, kPart, E}}},
      {[](D& d) { A(d).getBulletin2072().getQuotePartPropriete()[1].setPresenceMobilite(1); }, {{{12684}, kPart, G}}},
      // The distributed loss and gain drop unless a distribution is named.
      {[](D&) {},
       {{{12678, 12681}, {{301, 1}, {307, 0}}, G},
        {{12678, 12681}, {{301, 1}, {307, 1}}, E},
        {{12678, 12681}, {{301, 1}, {307, -1}}, E},
        {{12678, 12681}, {{307, 0}}, E},
        {{12678, 12681}, {}, E}}},
  });
}

TEST(Selection, PropertyCategoryAndNature) {
  Verifie({
      {[](D& d) { P(d).setCategorie(7); },
       {{{12140, 12142, 12145, 12147, 12150, 12161, 12168, 12169, 12360, 12162, 12167, 12366, 12151, 12152, 12166,
          12158, 12160, 12428},
         kP,
         E},
        {{12149, 12392}, kP, M},
        {{12159}, kP, G},
        {{12140}, {{300, 0}}, G}}},  // the other property
      {[](D& d) { P(d).setCategorie(8); }, {{{12140, 12428}, kP, G}, {{12162, 12151, 12159}, kP, E}}},
      {[](D& d) { P(d).getDonneeProprieteFoncier().setOptionTauxDeduction(8); },
       {{{12149, 12151, 12152, 12166, 12162, 12392}, kP, G}}},
      // A property as created: its category letters drop, and no nature box drops another.
      {[](D&) {}, {{{12158, 12159, 12160, 12428}, kP, E}, {{12640, 12641, 12642, 12643, 12646, 12647}, kP, G}}},
      {[](D& d) { P(d).getDonneeProprieteFoncier().setOptionTauxDeduction(3); }, {{{12151}, kP, M}}},
      {[](D& d) { P(d).setCategorie(4); }, {{{12158}, kP, G}}},
      {[](D& d) { P(d).setCategorie(5); }, {{{12158}, kP, G}, {{12152, 12166}, kP, E}}},
      {[](D& d) { P(d).setCategorie(6); }, {{{12160}, kP, G}}},
      {[](D& d) { P(d).setApplicationCRL(2); }, {{{12358}, kP, E}}},
      {[](D& d) { P(d).setApplicationCRL(1); }, {{{12358}, kP, G}}},
      // Each nature box, ticked, drops its opposite.
      {[](D& d) { P(d).setNatureRural(1), P(d).setNatureMaison(1), P(d).setNatureNonBati(1); },
       {{{12640, 12642, 12646}, kP, E}}},
      {[](D& d) { P(d).setNatureUrbain(1), P(d).setNatureAppartement(1), P(d).setNatureBati(1); },
       {{{12641, 12643, 12647}, kP, E}}},
      {[](D& d) { P(d).setNatureAutres(2); }, {{{12649}, kP, E}}},
      {[](D& d) { P(d).setNatureAutres(1); }, {{{12649}, kP, G}}},
  });
}

// Option 2 depreciates; line 1 and lines 2 and 5 entered.
void Amortie(D& d) {
  P(d).setOptionFiscale(2);
  Am(d).getLigne(1) = {1000, 20100101};
  Am(d).getLigne(2).Montant = Am(d).getLigne(5).Montant = 500;
}

TEST(Selection, DepreciationLines) {
  Verifie({
      {[](D& d) { Amortie(d), P(d).setOptionFiscale(1); }, {{{12297, 12298, 12301, 12302, 12310}, kP, E}}},
      {Amortie,
       {{{12297, 12298, 12301, 12303, 12305, 12302, 12310, 12309, 12311}, kP, G},
        {{12304, 12306, 12312, 12314}, kP, E}}},  // lines without an amount
      {[](D& d) { Amortie(d), Am(d).getLigne(1).DateDebut = 0; },
       {{{12301, 12302}, kP, E}, {{12297, 12298, 12310}, kP, G}}},
      {[](D& d) { Amortie(d), Am(d).getLigne(1).Montant = 0; }, {{{12298, 12301}, kP, E}}},
      {[](D& d) { Amortie(d), P(d).setCategorie(4); }, {{{12301, 12302, 12310}, kP, E}, {{12297, 12298}, kP, G}}},
  });
}

TEST(Selection, SalesAndTransfers) {
  Verifie({
      {[](D&) {},
       {{{12675, 12676}, kV, G}, {{12710, 12717, 12749, 12718, 12725, 12750}, kT, M}, {{12726, 12762}, kT, G}}},
      {[](D& d) { d.getOperationSociete().getCession()[0].setPlusValue(100); }, {{{12676}, kV, E}, {{12675}, kV, G}}},
      {[](D& d) { d.getOperationSociete().getCession()[0].setMoinsValue(0.01); }, {{{12675}, kV, E}, {{12676}, kV, G}}},
      // "Autre" is the position equal to the number of partners.
      {[](D& d) { d.getCessionsPartsSociete().getCessionParts()[0].setAssocieCessionnaire(2); },
       {{{12710, 12717, 12749}, kT, G}, {{12718}, kT, M}}},
      {[](D& d) { d.getCessionsPartsSociete().getCessionParts()[0].setAssocieCedant(2); }, {{{12718, 12750}, kT, G}}},
  });
}

TEST(Selection, WithoutAnIndexNothingChangesWithOneEveryLetterEndsZeroOneOrTwo) {
  D d = Declaration();
  A(d).setType(2);
  I(d).setPresenceAssociesBICIS(2);
  Liste sans, avec;
  for (const EntreeDictionnaire& e : Dictionnaire2072()) sans.Ajoute(e.lettre.code, 7), avec.Ajoute(e.lettre.code, 0);
  d.Select(sans.l);
  d.Select(avec.l, {{300, 1}, {301, 1}, {305, 0}, {306, 0}, {307, 0}, {309, 0}});
  for (structLettre* l = VaPremiereLettre(sans.l); !FinListeLettre(l); l = VaLettreSuivante(l))
    EXPECT_EQ(Issue(l->flag, l->valeur), Issue(7, "v")) << l->code;
  for (structLettre* l = VaPremiereLettre(avec.l); !FinListeLettre(l); l = VaLettreSuivante(l)) {
    const Issue issue(l->flag, l->valeur);
    if (RegleDeCode(l->code) == nullptr) {
      EXPECT_EQ(issue, G) << l->code;
    }
    EXPECT_TRUE(issue == G || issue == M || issue == E || issue == Issue(0, "1")) << l->code;
  }
  d.Select(nullptr, {{301, 0}});
}

// A code mistyped in a rule would silently never apply: each names a letter of the record
// the rule reads, and no code is named twice.
TEST(Selection, EachRuleCodeIsALetterOfTheRecordTheRuleReads) {
  const std::vector<std::vector<int>> niveaux{{}, {300}, {301}, {309}, {305}, {301, 306}};  // by Requis
  std::size_t codes = 0;
  for (const RegleSelection& r : ReglesSelection())
    for (const PlageCodes& p : r.codes)
      for (int code = p.premier; code <= p.dernier; ++code, ++codes) {
        const EntreeDictionnaire* e = EntreeDictionnaire2072(code);
        ASSERT_NE(e, nullptr) << code;
        EXPECT_EQ(RegleDeCode(code), &r) << code;
        // The distributed loss and gain are read at a distribution, though their rule reads none.
        const bool distribution = code == 12678 || code == 12681;
        const auto attendus =
            distribution ? std::vector<int>{301, 307} : niveaux.at(static_cast<std::size_t>(r.requis));
        EXPECT_EQ(e->niveaux, attendus) << code;
      }
  EXPECT_EQ(codes, 145u);
  EXPECT_EQ(RegleDeCode(12003), nullptr);
  EXPECT_EQ(RegleDeCode(-1), nullptr);
}

}  // namespace
