#include <map>
#include <set>

#include "aide_lettres.h"
#include "composant2072.h"
#include "dictionnaire2072.h"
#include "niveaux2072.h"

using namespace zorfiscal2072;

namespace {

// A declaration holding one record of every kind, each at position 0.
TDonnee2072 DeclarationComplete() {
  TDonnee2072 d;
  d.AjoutePropriete();
  d.AjouteCession();
  d.AjouteAssocie();
  TPropriete2072& p = d.getPropriete2072()[0];
  p.getLocataire().emplace_back();
  p.getBeneficiaire().emplace_back();
  p.getAmortissementComposant().getComposant().emplace_back();
  TAssocie2072& a = d.getAssocie2072()[0];
  a.getListeProprieteJouissanceGratuite().emplace_back();
  d.getCessionsPartsSociete().getCessionParts().emplace_back();
  return d;
}

TIndex IndexPour(const EntreeDictionnaire& e, int position = 0) {
  TIndex index;
  for (int niveau : e.niveaux) index.setValeurIndex(niveau, position);
  return index;
}

TIndex IndexComplet() {
  TIndex index;
  for (int niveau = kNiveauPropriete; niveau <= kNiveauJouissanceGratuite; ++niveau) index.setValeurIndex(niveau, 0);
  return index;
}

}  // namespace

TEST(Dictionnaire, ContenuOrdreEtTypes) {
  structListeLettres* liste = nullptr;
  TCreerLettrage_2072().Execute(&liste, true);
  std::vector<structLettre*> lettres;
  for (structLettre* l = VaPremiereLettre(liste); !FinListeLettre(l); l = VaLettreSuivante(l)) lettres.push_back(l);
  ASSERT_EQ(lettres.size(), 663u);
  std::map<char, int> parType;
  std::multiset<int> codes;
  for (structLettre* l : lettres) {
    ++parType[static_cast<char>(l->type)];
    codes.insert(l->code);
    EXPECT_STREQ(l->valeur, "");
  }
  EXPECT_EQ(parType['D'], 302);
  EXPECT_EQ(parType['S'], 215);
  EXPECT_EQ(parType['L'], 127);
  EXPECT_EQ(parType['d'], 19);
  EXPECT_EQ(std::set<int>(codes.begin(), codes.end()).size(), 661u);
  EXPECT_EQ(codes.count(12564), 2u);
  EXPECT_EQ(codes.count(12565), 2u);
  for (int absent : {12004, 12050, 12051, 12052, 12053, 12054}) EXPECT_EQ(codes.count(absent), 0u) << absent;
  const std::vector<int> debut{12003, 12005, 12438, 12439, 12440, 12550};
  for (std::size_t i = 0; i < debut.size(); ++i) EXPECT_EQ(lettres[i]->code, debut[i]);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(lettres[lettres.size() - 5 + i]->code, 12702 + static_cast<int>(i));
  LibereListeLettres(&liste);

  TCreerLettrage_2072().Execute(&liste, false);  // types left as the list made them
  EXPECT_EQ(NombreLettres(liste), 663u);
  EXPECT_EQ(VaPremiereLettre(liste)->type, 0);
  LibereListeLettres(&liste);
  TCreerLettrage_2072().Execute(nullptr, true);  // a null handle is harmless

  const EntreeDictionnaire* e = EntreeDictionnaire2072(12593);
  ASSERT_NE(e, nullptr);
  EXPECT_STREQ(e->enregistrement, "TLocataire");
  EXPECT_EQ(e->niveaux, (std::vector<int>{300, 303}));
  EXPECT_STREQ(EntreeDictionnaire2072(12564)->enregistrement, "TInfogene2072");
  EXPECT_STREQ(EntreeDictionnaire2072(12441)->lettre.champ, "SocieteAdresseSiege[0].NumeroTypeEtNomVoie");
  EXPECT_EQ(EntreeDictionnaire2072(12004), nullptr);
}

// Every dictionary code is taken by its record through the root with the index its levels
// need, and gives back what was written; no other code of the range is taken by any record.
TEST(Dictionnaire, AccordAvecLesEnregistrements) {
  TDonnee2072 d = DeclarationComplete();
  for (const EntreeDictionnaire& e : Dictionnaire2072()) {
    if (!e.parLaRacine) continue;
    const std::string valeur = e.lettre.code == 12820 ? "2" : aide::ValeurExemple(e.lettre);
    const TIndex index = IndexPour(e);
    ASSERT_TRUE(aide::Ecrit(d, e.lettre.code, valeur, index)) << e.lettre.code << " " << e.enregistrement;
    EXPECT_EQ(aide::Lit(d, e.lettre.code, index), valeur) << e.lettre.code << " " << e.enregistrement;
    // A letter whose index names no existing record is not taken and changes nothing.
    if (!e.niveaux.empty()) {
      const TDonnee2072 avant = d;
      EXPECT_FALSE(aide::Ecrit(d, e.lettre.code, valeur, IndexPour(e, 1))) << e.lettre.code;
      EXPECT_EQ(d, avant);
    }
  }
  for (int code = 12000; code <= 12999; ++code) {
    if (EntreeDictionnaire2072(code) != nullptr) continue;
    EXPECT_EQ(aide::Lit(d, static_cast<short>(code), IndexComplet()), "<refused>") << code;
  }

  // The cumulative records are offered to the host on their own.
  TDonneeProprieteFoncierCumul foncier;
  aide::VerifieAllerRetour(foncier, TDonneeProprieteFoncierCumul::Lettres().Descriptions());
  TResultatARepartirCumul resultat;
  aide::VerifieAllerRetour(resultat, TResultatARepartirCumul::Lettres().Descriptions());
}
