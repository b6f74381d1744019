// Migration of declarations saved by earlier engines: the manager's version rule, and each
// step as pairs (old letters -> new letters), the property steps on loaded properties.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "aide_lettres.h"
#include "migration/moulinettes2072.h"
#include "moulinette.h"
#include "tdonnee2072.h"

namespace {

using namespace zorfiscal2072;
using namespace zorfiscal2072::migration;
using Lettres = std::map<short, std::string>;  // code -> text

void Remplit(TMoulinetteInfo& info, const Lettres& lettres) {
  for (const auto& [code, texte] : lettres) AjouteLettre(&info.geTListeLettres(), code, texte.c_str(), 0, 0, 1, 0);
}

Lettres Lit(TMoulinetteInfo& info) {
  Lettres lu;
  for (structLettre* l = VaPremiereLettre(info.geTListeLettres()); !FinListeLettre(l); l = VaLettreSuivante(l))
    EXPECT_TRUE(lu.emplace(l->code, l->valeur).second) << "code " << l->code << " twice";
  return lu;
}

// The letters after one step, and the notes it left.
template <class Etape>
Lettres Apres(const Lettres& anciennes, std::vector<TMoulinetteInfo::Note>* notes = nullptr) {
  TMoulinetteInfo info("2008.1");
  Remplit(info, anciennes);
  Etape().execute(info, nullptr);
  if (notes) *notes = info.Notes();
  return Lit(info);
}

Lettres Racine(const std::string& version, const Lettres& anciennes) {
  TMoulinetteInfo info(version);
  Remplit(info, anciennes);
  TDonnee2072 racine;
  racine.moulinette(info);
  return Lit(info);
}

const std::string k45 = "Avenue du Marechal de Lattre de Tassigny Nord";  // 45 characters

TEST(Manager, VersionsCompareAsYearAndReleaseAndUnreadableOnesRunNothing) {
  ASSERT_TRUE(LitVersionMoulinette("2010.10"));
  EXPECT_GT(*LitVersionMoulinette("2010.10"), *LitVersionMoulinette("2010.2"));
  EXPECT_GT(*LitVersionMoulinette("2011.1"), *LitVersionMoulinette("2010.10"));
  for (const char* faux :
       {"", "2010", "2010.", ".2", "2010.2.1", "2010,2", " 2010.2", "-1.2", "20100.1", "a.b", "2010.2x"})
    EXPECT_FALSE(LitVersionMoulinette(faux)) << faux;

  struct Trace : TMoulinette {
    Trace(std::string nom, std::string& journal, int& liberees) : nom(nom), journal(journal), liberees(liberees) {}
    ~Trace() override { ++liberees; }
    void execute(TMoulinetteInfo&, TDonneeBase*) override { journal += nom + " "; }
    std::string nom;
    std::string& journal;
    int& liberees;
  };
  const auto lance = [](const std::string& version, int& liberees) {
    std::string journal;
    TMoulinetteManager m;
    for (const char* v : {"2009.2", "2010.1", "2011.2", "2010.10", "2012.2"})
      m.ajoute(v, new Trace(v, journal, liberees));
    TMoulinetteInfo info(version);
    const bool lu = m.execute(info, nullptr);
    return std::pair(lu, journal);
  };
  int liberees = 0;
  EXPECT_EQ(lance("2008.2", liberees), std::pair(true, std::string("2009.2 2010.1 2011.2 2010.10 2012.2 ")));
  EXPECT_EQ(liberees, 5);
  EXPECT_EQ(lance("2010.2", liberees), std::pair(true, std::string("2011.2 2010.10 2012.2 ")));
  EXPECT_EQ(lance("2011.2", liberees), std::pair(true, std::string("2012.2 ")));
  EXPECT_EQ(lance("2012.2", liberees), std::pair(true, std::string()));
  EXPECT_EQ(lance("2010", liberees), std::pair(false, std::string()));
  EXPECT_EQ(liberees, 25);
}

TEST(Manager, TheRootRunsTheStepsLaterThanTheFile) {
  const Lettres anciennes{{12029, "  .  .  .  .  "}, {12026, "rue Neuve"}, {12050, "123456789"}, {12075, "10"}};
  const Lettres tout = Racine("2008.2", anciennes), depuis2010 = Racine("2010.1", anciennes);  // 2010.2, 2011.2
  for (const auto& [code, texte] : Lettres{{12029, ""}, {12458, "rue Neuve"}, {12544, "123456789"}, {12742, "10"}})
    EXPECT_EQ(tout.at(code), texte) << code;
  for (const auto& [code, texte] : Lettres{{12029, "  .  .  .  .  "}, {12026, "rue Neuve"}, {12544, "123456789"}})
    EXPECT_EQ(depuis2010.at(code), texte) << code;
  EXPECT_EQ(Racine("2011.2", anciennes), anciennes);
  EXPECT_EQ(Racine("2011", anciennes), anciennes);  // never guessed
}

TEST(Etape2009_1, TelephoneMasksBecomeEmpty) {
  Lettres anciennes, attendues;
  for (short code : {12029, 12377, 12329, 12337, 12338, 12346, 12347, 12349}) {
    anciennes[code] = code % 2 ? "  .  .  .  .  " : "  .  .  .  .";
    attendues[code] = "";
  }
  anciennes[12330] = attendues[12330] = "  .  .  .  .";  // an e-mail keeps its text
  anciennes[12024] = attendues[12024] = "04.78.00.00.00";
  EXPECT_EQ(Apres<TMoulinetteDonnee2009_1>(anciennes), attendues);
  EXPECT_EQ(Apres<TMoulinetteDonnee2009_1>({{12029, " .  .  .  .  "}}), (Lettres{{12029, " .  .  .  .  "}}));
}

// Cases of step 2010.1, whose signature and birth dates come on top when their parts are missing.
struct Cas {
  Lettres anciennes, attendues;
};
void Verifie2010_1(const std::vector<Cas>& cas) {
  for (std::size_t k = 0; k < cas.size(); ++k) {
    Lettres attendues = cas[k].attendues;
    attendues.emplace(12518, "00/00/   0"), attendues.emplace(12521, "00/00/   0");
    EXPECT_EQ(Apres<TMoulinetteDonnee2010_1>(cas[k].anciennes), attendues)
        << "case " << k << ", from " << cas[k].anciennes.begin()->first;
  }
}

TEST(Etape2010_1, RenamesAddressesAndDates) {
  Lettres anciennes, attendues;
  const short renommages[][2] = {{12026, 12458}, {12334, 12465}, {12343, 12472}, {12013, 12479}, {12393, 12493},
                                 {12031, 12500}, {12352, 12509}, {12107, 12507}, {12068, 12512}};
  for (const auto& r : renommages) anciennes[r[0]] = attendues[r[1]] = "t" + std::to_string(r[0]);
  Verifie2010_1({{anciennes, attendues}});

  // The earlier seat alone stays in slot 0; a 45-character street keeps 30.
  // clang-format off
  std::vector<TMoulinetteInfo::Note> notes;
  EXPECT_EQ(Apres<TMoulinetteDonnee2010_1>({{12378, "7"}, {12379, "Quater"}, {12380, "av."}, {12381, k45},
                                            {12390, "Bat B"}, {12007, "13100"}, {12008, "AIX"}},
                                           &notes),
            (Lettres{{12438, "7"}, {12439, "4"}, {12550, "av."}, {12440, k45.substr(0, 30)}, {12442, "Bat B"},
                     {12007, "13100"}, {12008, "AIX"}, {12518, "00/00/   0"}, {12521, "00/00/   0"}}));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].code, 12440);
  EXPECT_EQ(notes[0].evenement, TMoulinetteInfo::Evenement::Coupe);
  Verifie2010_1({
      {{{12379, "BIS"}, {12380, ""}}, {{12439, "2"}}},
      {{{12379, "b"}}, {}},
      {{{12379, "Ter"}}, {{12439, "3"}}},
      // Newer-seat letters all empty (a lone "b" names no complement): the seat stays in slot 0.
      {{{12381, "rue Haute"}, {12008, "AIX"}, {12399, ""}, {12400, ""}, {12401, "b"}, {12402, ""}, {12403, ""},
        {12404, ""}, {12405, ""}},
       {{12440, "rue Haute"}, {12008, "AIX"}, {12399, ""}, {12400, ""}, {12401, "b"}, {12402, ""}, {12403, ""},
        {12404, ""}, {12405, ""}}},
      // The company moved: the earlier seat goes to slot 1, the newer one to slot 0.
      {{{12378, "7"}, {12379, "bis"}, {12380, "rue"}, {12381, k45}, {12390, "Bat B"}, {12007, "13100"},
        {12008, "AIX"}, {12399, "Esc 2"}, {12400, "15"}, {12401, "quater"}, {12402, "bd"}, {12403, "Carnot"},
        {12404, "69001"}, {12405, "LYON"}},
       {{12444, "7"}, {12445, "2"}, {12551, "rue"}, {12446, k45.substr(0, 30)}, {12448, "Bat B"}, {12011, "13100"},
        {12012, "AIX"}, {12438, "15"}, {12439, "4"}, {12550, "bd"}, {12440, "Carnot"}, {12442, "Esc 2"},
        {12007, "69001"}, {12008, "LYON"}, {12404, ""}, {12405, ""}}},
      {{{12400, "15"}}, {{12438, "15"}, {12440, ""}}},
      // The partner's street; the addressee's postal code and town are emptied.
      {{{12071, "é" + k45}, {12069, "TER"}, {12070, "allée"}, {12021, "69001"}, {12022, "LYON"}},
       {{12514, "é" + k45.substr(0, 29)}, {12513, "3"}, {12561, "allée"}, {12021, ""}, {12022, ""}}},
      // Dates from their parts.
      {{{12017, "5"}, {12018, "3"}, {12406, "2009"}, {12058, "14"}, {12059, "07"}, {12060, "1961"}},
       {{12518, "05/03/2009"}, {12521, "14/07/1961"}}},
      {{{12018, "x"}, {12406, "2009"}}, {{12518, "00/00/2009"}}},
  });
  // clang-format on
}

TEST(Etape2010_1, KindTitleIdentificationCountryDepartmentAndTitles) {
  Verifie2010_1({
      {{{12053, "1"}, {12054, "0"}}, {{12053, "1"}, {12520, "1"}, {12054, "29"}, {12541, "29"}}},
      {{{12053, "1"}, {12054, "1"}}, {{12053, "1"}, {12520, "1"}, {12054, "26"}, {12541, "26"}}},
      {{{12053, "1"}, {12054, "2"}}, {{12053, "1"}, {12520, "1"}, {12054, "27"}, {12541, "27"}}},
      {{{12053, "1"}, {12054, "5"}}, {{12053, "1"}, {12520, "1"}, {12054, "5"}, {12541, "5"}}},
      {{{12053, "1"}}, {{12053, "1"}, {12520, "1"}}},
      {{{12053, "2"}}, {{12053, "2"}, {12520, "2"}, {12541, "31"}}},
      {{{12053, "2"}, {12054, "1"}}, {{12053, "2"}, {12520, "2"}, {12054, "1"}, {12541, "31"}}},
      {{{12053, "3"}, {12054, "1"}}, {{12053, "3"}, {12054, "1"}}},
      {{{12054, "1"}}, {{12054, "26"}, {12541, "26"}}},  // no kind: a natural person
      // Identification: 9 characters of SIREN, then NIC; characters, not bytes.
      {{{12066, "12345678900012"}}, {{12066, "123456789"}, {12540, "00012"}}},
      {{{12066, "1234567890001299"}}, {{12066, "123456789"}, {12540, "00012"}}},
      {{{12066, "éé3456789é"}}, {{12066, "éé3456789"}, {12540, "é"}}},
      {{{12066, "123"}}, {{12066, "123"}}},
      {{{12066, ""}}, {{12066, ""}}},
      {{{12074, "ALLEMAGNE"}}, {{12074, "79"}}},
      {{{12074, "France"}}, {{12074, "79"}}},
      // Departments: the list has the blank entry first and Corsica in two.
      {{{12061, "0"}}, {{12061, "1"}}},
      {{{12061, "19"}}, {{12061, "20"}}},
      {{{12061, "20"}}, {{12061, "22"}}},
      {{{12061, "95"}}, {{12061, "97"}}},
      {{{12061, "101"}}, {{12061, "103"}}},
      {{{12061, "102"}}, {{12061, "1"}}},
      {{{12061, "-5"}}, {{12061, "1"}}},
      {{{12061, "9223372036854775807"}}, {{12061, "1"}}},  // no overflow
      {{{12061, "99999999999999999999"}}, {{12061, "1"}}},
      {{{12023, "0"}, {12331, "1"}, {12340, "7"}}, {{12524, "29"}, {12529, "26"}, {12534, "7"}}},
      {{{12023, ""}, {12331, "2"}}, {{12529, "27"}}},
  });
  std::vector<TMoulinetteInfo::Note> notes;
  Apres<TMoulinetteDonnee2010_1>({{12074, "ALLEMAGNE"}, {12053, "2"}, {12061, "500"}, {12066, "1234567890001299"}},
                                 &notes);
  std::vector<std::pair<short, TMoulinetteInfo::Evenement>> vus;
  for (const auto& n : notes) vus.emplace_back(n.code, n.evenement);
  using E = TMoulinetteInfo::Evenement;
  EXPECT_EQ(vus, (std::vector<std::pair<short, E>>{
                     {12541, E::Force}, {12066, E::Coupe}, {12074, E::Force}, {12061, E::Force}}));
}

TEST(Etape2010_2, SirenNicAndLegalForm) {
  EXPECT_EQ(Apres<TMoulinetteDonnee2010_2>(
                {{12066, "123456789"}, {12540, "00012"}, {12050, "987654321"}, {12051, "00034"}, {12065, "1"}}),
            (Lettres{{12546, "123456789"}, {12547, "00012"}, {12544, "987654321"}, {12545, "00034"}, {12562, "31"}}));
  EXPECT_EQ(Apres<TMoulinetteDonnee2010_2>({{12055, "DURAND"}}), (Lettres{{12055, "DURAND"}}));
}

TEST(Etape2011_2, ContributionSharesAndHolding) {
  EXPECT_EQ(Apres<TMoulinetteDonnee2011_2>({{12435, "1"}}), (Lettres{{12435, "1"}, {12650, "1"}}));
  EXPECT_EQ(Apres<TMoulinetteDonnee2011_2>({{12435, "1"}, {12650, "2"}}), (Lettres{{12435, "1"}, {12650, "2"}}));
  EXPECT_EQ(Apres<TMoulinetteDonnee2011_2>({{12435, "3"}, {12358, "1500"}}),
            (Lettres{{12435, "3"}, {12650, "1"}, {12358, "1500"}, {12359, "1500"}}));
  EXPECT_EQ(Apres<TMoulinetteDonnee2011_2>({{12435, "2"}, {12358, "1500"}}), (Lettres{{12435, "2"}, {12358, "1500"}}));
  EXPECT_EQ(Apres<TMoulinetteDonnee2011_2>({{12075, "12.5"}, {12562, "58"}}),
            (Lettres{{12075, "12.5"}, {12742, "12.5"}, {12562, "36"}, {12751, "1"}}));
  EXPECT_EQ(Apres<TMoulinetteDonnee2011_2>({{12075, ""}, {12562, "31"}}), (Lettres{{12075, ""}, {12562, "31"}}));
}

// A property loaded with the scheme, deduction and category given, then converted.
struct Propriete {
  long option, taux, categorie = 1;
};
Propriete Convertit(const std::string& version, Propriete p, TDonnee2072& racine, const Lettres& anciennes = {}) {
  racine.AjoutePropriete();
  const TIndex index{{kNiveauPropriete, racine.NbPropriete() - 1}};
  aide::Ecrit(racine, 12392, std::to_string(p.option), index);
  aide::Ecrit(racine, 12149, std::to_string(p.taux), index);
  aide::Ecrit(racine, 12103, std::to_string(p.categorie), index);
  TMoulinetteInfo info(version, index);
  Remplit(info, anciennes);
  TPropriete2072& propriete = racine.getPropriete2072().back();
  propriete.moulinette(info);
  return {propriete.getOptionFiscale(), propriete.getDonneeProprieteFoncier().getOptionTauxDeduction(),
          propriete.getCategorie()};
}

TEST(EtapesPropriete, SchemesAndDeductionsOfLoadedProperties) {
  struct Cas {
    const char* version;
    Propriete avant, apres;
  };
  // clang-format off
  const Cas cas[] = {
      {"2009.1", {8, 5}, {1, 1}},    {"2009.2", {8, 5}, {8, 5}},    {"2010.0", {13, 5}, {1, 3}},
      {"2010.0", {2, 12}, {2, 3}},   {"2011.1", {16, 5}, {1, 3}},   {"2011.1", {17, 5}, {1, 3}},
      {"2011.1", {14, 5}, {1, 3}},   {"2011.1", {2, 14}, {2, 3}},   {"2011.1", {2, 16}, {2, 3}},
      {"2011.1", {2, 17}, {2, 3}},   {"2011.2", {21, 5}, {13, 12}}, {"2011.2", {22, 5}, {25, 25}},
      {"2011.2", {23, 5}, {24, 24}}, {"2011.2", {2, 21}, {2, 12}},  {"2011.2", {2, 22}, {2, 25}},
      {"2011.2", {2, 23}, {2, 24}},  {"2012.2", {21, 21}, {21, 21}},
      // A file of 2008 runs every step: 21 becomes 13 with deduction 12.
      {"2008.1", {21, 5}, {13, 12}},
  };
  // clang-format on
  TDonnee2072 racine;
  for (const Cas& c : cas) {
    const Propriete p = Convertit(c.version, c.avant, racine);
    EXPECT_EQ(std::pair(p.option, p.taux), std::pair(c.apres.option, c.apres.taux))
        << c.version << " " << c.avant.option << "/" << c.avant.taux;
  }
  // Natural areas: the costs were entered as repair works.
  racine.AjoutePropriete();
  const TIndex index{{kNiveauPropriete, racine.NbPropriete() - 1}};
  aide::Ecrit(racine, 12103, "8", index);
  TPropriete2072& p = racine.getPropriete2072().back();
  p.getDonneeProprieteFoncier().setTravauxReparation(750);
  TMoulinetteInfo info("2009.1", index);
  p.moulinette(info);
  EXPECT_EQ(p.getDonneeProprieteFoncier().getChargesEspacesNaturels(), 750);
  EXPECT_EQ(p.getDonneeProprieteFoncier().getTravauxReparation(), 0);
}

TEST(EtapesPropriete, OldTenantsBecomeTenantsOfTheirProperty) {
  TDonnee2072 racine;
  racine.AjoutePropriete();
  TPropriete2072& p = racine.getPropriete2072().back();
  p.setCodePropriete("P1");
  TMoulinetteInfo info("2011.1", TIndex{{kNiveauPropriete, 0}});
  const std::string long92(95, 'x');
  const Lettres anciennes{{12119, "MARTIN"}, {12120, ""}, {12121, "BERNARD"}, {12124, long92}, {12125, "AUTRE"}};
  Remplit(info, anciennes);
  p.moulinette(info);
  ASSERT_EQ(p.getLocataire().size(), 3u);
  EXPECT_EQ(p.getLocataire()[0].getNom(), "MARTIN");
  EXPECT_EQ(p.getLocataire()[1].getNom(), "BERNARD");
  EXPECT_EQ(p.getLocataire()[2].getNom(), std::string(91, 'x'));
  for (const TLocataire& t : p.getLocataire()) EXPECT_EQ(t.getCodePropriete(), "P1");
  EXPECT_EQ(Lit(info), anciennes);  // the old letters stay
  EXPECT_TRUE(info.EstLue(12119));
  ASSERT_EQ(info.Notes().size(), 1u);
  EXPECT_EQ(info.Notes()[0].evenement, TMoulinetteInfo::Evenement::Coupe);
  // A file of 2011.2 has its tenants already.
  TMoulinetteInfo recente("2011.2", TIndex{{kNiveauPropriete, 0}});
  Remplit(recente, anciennes);
  p.moulinette(recente);
  EXPECT_EQ(p.getLocataire().size(), 3u);
}

}  // namespace
