#include <map>
#include <set>
#include <string>

#include "aide_lettres.h"
#include "arbre2072.h"

using namespace zorfiscal2072;

namespace {

// Two properties (the second with two tenants), two partners (the first occupying the second
// property free of charge), one sale, one transfer of shares.
TDonnee2072 Declaration() {
  TDonnee2072 d;
  d.AjoutePropriete();
  d.AjoutePropriete();
  d.AjouteCession();
  d.AjouteAssocies(2);
  d.getPropriete2072()[1].getLocataire().resize(2);
  d.getAssocie2072()[0].AjouteProprieteJouissanceGratuite(d.getPropriete2072()[1].getCodePropriete());
  d.getCessionsPartsSociete().getCessionParts().emplace_back();
  return d;
}

std::vector<std::pair<int, int>> Paires(const TIndex& index) { return {index.paires().begin(), index.paires().end()}; }

}  // namespace

// The walk reaches every record once, in routing order, each with the index that routes a
// letter to it.
TEST(Arbre, ParcoursDeChaqueEnregistrement) {
  TDonnee2072 d = Declaration();
  std::map<std::string, int> parClasse;
  std::vector<std::string> ordre;
  bool tousJoignables = true;
  PourChaqueEnregistrement(d, [&](auto& r, const TIndex& index) {
    using T = std::decay_t<decltype(r)>;
    const std::string nom = arbre::NomType<T>();
    if (parClasse[nom]++ == 0) ordre.push_back(nom);
    if constexpr (std::is_same_v<T, TLocataire>) {
      // The letter reaches this very tenant: write through the root, read it on the record.
      const std::string nomAttendu = std::to_string(Paires(index).back().second);
      EXPECT_TRUE(aide::Ecrit(d, 12593, nomAttendu, index));
      tousJoignables &= r.getNom() == nomAttendu;
      EXPECT_EQ(Paires(index).front(), (std::pair<int, int>{kNiveauPropriete, 1}));
    }
    if constexpr (std::is_same_v<T, TQuotePartPropriete>) {
      const auto p = Paires(index);
      ASSERT_EQ(p.size(), 2u);
      EXPECT_EQ(r.getCodeAssocie(), d.getAssocie2072()[static_cast<std::size_t>(p[0].second)].getCodeAssocie());
      EXPECT_EQ(r.getCodePropriete(), d.getPropriete2072()[static_cast<std::size_t>(p[1].second)].getCodePropriete());
    }
  });
  EXPECT_TRUE(tousJoignables);
  EXPECT_EQ(parClasse["TDonnee2072"], 1);
  EXPECT_EQ(parClasse["TPropriete2072"], 2);
  EXPECT_EQ(parClasse["TAdressePropriete2072"], 2);
  EXPECT_EQ(parClasse["TLocataire"], 2);
  EXPECT_EQ(parClasse["TAssocie2072"], 2);
  EXPECT_EQ(parClasse["TQuotePartPropriete"], 4);            // one per property and partner
  EXPECT_EQ(parClasse["TRepartitionOperationsSociete"], 2);  // one per sale and partner
  EXPECT_EQ(parClasse["TElementLieQuotePartMV"], 2);
  EXPECT_EQ(parClasse["TProprieteReport"], 32);  // a new partner starts with 16
  EXPECT_EQ(parClasse["TListeProprieteJouissanceGratuite"], 1);
  EXPECT_EQ(parClasse["TCessionParts"], 1);
  EXPECT_EQ(parClasse["TElementLieVA"], 1);
  EXPECT_EQ(parClasse["TAdresseCDI"], 1);
  EXPECT_EQ(parClasse.count("TBeneficiaire"), 0u);
  EXPECT_EQ(ordre.front(), "TDonnee2072");
  EXPECT_EQ(ordre[1], "TInfogene2072");
  EXPECT_EQ(ordre.back(), "TResultatGlobalARepartir");

  // The const walk sees the same records.
  int n = 0, m = 0;
  PourChaqueEnregistrement(d, [&](auto&, const TIndex&) { ++n; });
  PourChaqueEnregistrement(static_cast<const TDonnee2072&>(d), [&](const auto&, const TIndex&) { ++m; });
  EXPECT_EQ(n, m);
}

// The levels as the engine exports them, and counting and extending them through an index.
TEST(Arbre, NiveauxCompteEtExtension) {
  std::vector<int> cles;
  for (const Niveau2072& n : Niveaux2072()) cles.push_back(n.cle);
  EXPECT_EQ(cles, (std::vector<int>{300, 303, 304, 308, 301, 310, 307, 302, 306, 305, 309}));
  const Niveau2072& composant = *TrouveNiveau2072(kNiveauComposant);
  EXPECT_EQ(composant.parent, kNiveauPropriete);
  EXPECT_STREQ(composant.enregistrement, "TComposant");
  EXPECT_STREQ(composant.proprietaire, "TAmortissementComposant");
  EXPECT_EQ(TrouveNiveau2072(kNiveauQuotePart)->unPar, kNiveauPropriete);
  EXPECT_EQ(TrouveNiveau2072(kNiveauRepartition)->unPar, kNiveauCession);
  EXPECT_EQ(TrouveNiveau2072(kNiveauLocataire)->unPar, 0);
  EXPECT_EQ(TrouveNiveau2072(kNiveauPropriete)->lettreCle, 12655);
  EXPECT_EQ(TrouveNiveau2072(kNiveauAssocie)->lettreCle, 12694);
  EXPECT_EQ(TrouveNiveau2072(kNiveauCession)->lettreCle, 12765);
  EXPECT_EQ(TrouveNiveau2072(kNiveauLocataire)->lettreCle, 0);
  EXPECT_EQ(TrouveNiveau2072(299), nullptr);

  TDonnee2072 d = Declaration();
  const TIndex p1{{kNiveauPropriete, 1}}, a0{{kNiveauAssocie, 0}};
  EXPECT_EQ(NombreAuNiveau(d, kNiveauLocataire, p1), 2u);
  EXPECT_EQ(NombreAuNiveau(d, kNiveauLocataire, {{kNiveauPropriete, 2}}), 0u);  // no third property
  EXPECT_EQ(NombreAuNiveau(d, kNiveauLocataire, {}), 0u);                       // no property named
  EXPECT_EQ(NombreAuNiveau(d, kNiveauQuotePart, a0), 2u);
  EXPECT_EQ(NombreAuNiveau(d, kNiveauAssocie, {}), 2u);

  // Extended records name the records on their way; a reference to another record stays empty.
  CompleteNiveau(d, kNiveauComposant, p1, 2);
  for (const TComposant& c : d.getPropriete2072()[1].getAmortissementComposant().getComposant())
    EXPECT_EQ(c.getCodePropriete(), d.getPropriete2072()[1].getCodePropriete());
  CompleteNiveau(d, kNiveauJouissanceGratuite, {{kNiveauAssocie, 1}}, 1);
  const auto& libre = d.getAssocie2072()[1].getListeProprieteJouissanceGratuite().at(0);
  EXPECT_EQ(libre.getCodeAssocie(), d.getAssocie2072()[1].getCodeAssocie());
  EXPECT_EQ(libre.getCodePropriete(), "");
  // Shares follow the properties: only adding a property gives the partners one more.
  CompleteNiveau(d, kNiveauQuotePart, a0, 5);
  EXPECT_EQ(NombreAuNiveau(d, kNiveauQuotePart, a0), 2u);
  CompleteNiveau(d, kNiveauPropriete, {}, 3);
  EXPECT_EQ(NombreAuNiveau(d, kNiveauQuotePart, a0), 3u);
  CompleteNiveau(d, kNiveauAssocie, {}, 4);
  EXPECT_EQ(d.NbAssocie(), 4);
  EXPECT_EQ(d.getAssocie2072()[3].getBulletin2072().getRepartitionOperationsSociete().size(), 1u);
  CompleteNiveau(d, kNiveauLocataire, {{kNiveauPropriete, 7}}, 1);  // no such property: nothing
  EXPECT_EQ(NombreAuNiveau(d, kNiveauLocataire, {{kNiveauPropriete, 7}}), 0u);
}

// The code fields: one key per property, partner and sale; the references of every record
// that names one; nothing else.
TEST(Arbre, ChampsDeCode) {
  TDonnee2072 d = Declaration();
  std::multiset<int> cles, references;
  PourChaqueChampCode(d, [&](std::string& code, const lettres::DescriptionLettre& l, const TIndex&) {
    (l.role == lettres::Role::Cle ? cles : references).insert(l.code);
    if (l.code == 12768) code.assign(1, 'X');  // the fields are the records' own
  });
  EXPECT_EQ(cles, (std::multiset<int>{12655, 12655, 12694, 12694, 12765}));
  EXPECT_EQ(references, (std::multiset<int>{12654, 12654, 12692, 12693, 12767, 12767, 12767, 12767, 12768, 12768, 12768,
                                            12768, 12766, 12766, 12769, 12769}));
  EXPECT_EQ(d.getAssocie2072()[1].getBulletin2072().getQuotePartPropriete()[0].getCodeAssocie(), "X");

  // The general information refuses at once what none of its records holds.
  const lettres::EnsembleCodes& codes = arbre::CodesSousArbre<TInfogene2072>();
  EXPECT_TRUE(codes.contient(12003));
  EXPECT_TRUE(codes.contient(12559));  // tax office's address
  EXPECT_TRUE(codes.contient(12816));  // value added, a linked element
  EXPECT_FALSE(codes.contient(12566));
  EXPECT_STREQ(arbre::NomType<TElementLieVA>(), "TElementLieVA");
}
