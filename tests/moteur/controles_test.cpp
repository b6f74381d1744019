// Screen checks: the message table, each screen's rules at their bounds, the order of the
// messages of one call, the stop rule, the cursor of the line rules, indexes naming nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "codes2072.h"
#include "controles/messages2072.h"
#include "tdonnee2072.h"

using namespace zorfiscal2072;

namespace {

using Messages = std::vector<short>;
using Curseurs = std::vector<std::pair<short, short>>;  // (message, cursor letter)

// One check of the screen `index`; the sink answers `statut` to every message.
Curseurs AvecCurseurs(TDonnee2072& d, TIndex index, short statut = 0) {
  TJournalMessages journal(statut);
  struTEcranLettre ecran{7};
  d.Controle(&journal, &ecran, index);
  Curseurs c;
  for (const auto& e : journal.Messages()) c.emplace_back(e.numero, e.curseur);
  return c;
}
Messages Controle(TDonnee2072& d, TIndex index = {}, short statut = 0) {
  Messages m;
  for (const auto& e : AvecCurseurs(d, index, statut)) m.push_back(e.first);
  return m;
}

// General information that passes every rule, in a 2011 declaration.
struct Declaration : TDonnee2072 {
  Declaration() {
    TInfogene2072& i = getInfogene2072();
    i.setSocieteNom("SCI DU PARC"), i.setCapital(1000), i.setNombrePartsTotal(100);
    i.setNomGerant("DURAND"), i.setPrenomGerant("Jeanne"), i.setNomComptable("MARTIN"), i.setPrenomComptable("Paul");
    i.setNomConseil("PETIT"), i.setPrenomConseil("Anne");
    i.setNomAdministrateur("LEROY"), i.setPrenomAdministrateur("Marc");
  }
};

TPropriete2072& Propriete(TDonnee2072& d, long option = OptionFiscale::Ordinaire) {
  TPropriete2072& p = d.getPropriete2072().at(static_cast<std::size_t>(d.AjoutePropriete()));
  p.setNom("Appartement");
  p.setOptionFiscale(option);
  return p;
}
void Ligne(TPropriete2072& p, int ligne, double montant, long date) {
  p.getAmortissement2072().setLigne(ligne, {montant, date});
}

const TIndex kPropriete{{kNiveauPropriete, 0}};

TEST(Messages2072, TableOfTheHundredAndSixtyEightNumbers) {
  const auto& table = Messages2072();
  for (short n = 1; n <= kNombreMessages; ++n) {
    const MessageControle* m = DonneMessage(n);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m, &table[static_cast<std::size_t>(n - 1)]);
    EXPECT_EQ(m->numero, n);
    EXPECT_EQ(std::strncmp(m->identifiant, n <= 74 ? "ID_MESS72_" : "ID_ERREUR72_", n <= 74 ? 10 : 12), 0) << n;
    EXPECT_EQ(m->enregistrement == EnregistrementMessage::Aucun, n <= 75) << n;
    EXPECT_GE(std::strlen(m->texte), 20u) << n;  // a French sentence a person reads
  }
  EXPECT_STREQ(DonneMessage(NumeroMessage::ID_ERREUR72_COMPTABLENOM)->texte, "Nom du comptable non renseigné");
  for (int n : {0, -1, 169}) EXPECT_EQ(DonneMessage(n), nullptr);
  using enum EnregistrementMessage;
  const std::pair<int, EnregistrementMessage> kGenres[] = {
      {107, General},   {124, General},      {167, General},     {168, General},   {131, Cession},
      {133, Cession},   {125, Associe},      {130, Associe},     {136, Locataire}, {137, Beneficiaire},
      {160, Composant}, {76, Propriete},     {106, Propriete},   {134, Propriete}, {138, Propriete},
      {159, Propriete}, {161, CessionParts}, {166, CessionParts}};
  for (const auto& [n, genre] : kGenres) EXPECT_EQ(DonneMessage(n)->enregistrement, genre) << n;
}

TEST(ControleGeneral, DefaultDeclarationAndBounds) {
  TDonnee2072 vide;  // the four officers default to natural persons without a name
  EXPECT_EQ(Controle(vide), (Messages{109, 111, 112, 113, 119, 122, 116}));
  EXPECT_EQ(vide.Controle(nullptr, nullptr), nullptr);  // no index: nothing checked

  Declaration d;
  EXPECT_EQ(Controle(d), Messages{});
  TInfogene2072& i = d.getInfogene2072();
  // Shares below the computed total, compared at 3 decimals, once at least one share is entered.
  i.setNombrePartsTotalCalcul(100.0004);
  EXPECT_EQ(Controle(d), Messages{});
  i.setNombrePartsTotalCalcul(100.0006);
  EXPECT_EQ(Controle(d), Messages{107});
  i.setNombrePartsTotal(0.999), i.setNombrePartsTotalCalcul(5);
  EXPECT_EQ(Controle(d), Messages{});
  // Results shared beyond 100 %, at 4 decimals, unless the shares are already short.
  i.setNombrePartsTotal(100), i.setNombrePartsTotalCalcul(100);
  i.setQuotePartResultatsTotal(100.0002);
  EXPECT_EQ(Controle(d), Messages{});
  i.setQuotePartResultatsTotal(100.0003);
  EXPECT_EQ(Controle(d), Messages{108});
  i.setNombrePartsTotalCalcul(101);
  EXPECT_EQ(Controle(d), Messages{107});

  // Officers: first names after the surname; a legal person needs its name; other types pass.
  Declaration o;
  TInfogene2072& io = o.getInfogene2072();
  io.setPrenomGerant(""), io.setTypeComptable(TypePersonne::Morale), io.setTypeConseil(3), io.setNomConseil("");
  io.setNomAdministrateur(""), io.setPrenomAdministrateur("");
  EXPECT_EQ(Controle(o), (Messages{114, 121, 116}));

  // Financial year: it may start the year before, not two years before; it closes in the year.
  Declaration e;
  const std::tuple<long, long, Messages> kExercices[] = {
      {20100101, 20111231, {}}, {20110101, 0, {}}, {0, 20110630, {}}, {20091231, 20120101, {167, 168}}};
  for (const auto& [debut, fin, attendu] : kExercices) {
    e.getInfogene2072().setDateDebutExercice(debut), e.getInfogene2072().setDateClotureExercice(fin);
    EXPECT_EQ(Controle(e), attendu) << debut << " " << fin;
  }
}

TEST(ControleArret, AnswerOneStopsLaterRulesExceptThoseWithoutTest) {
  TDonnee2072 vide;
  EXPECT_EQ(Controle(vide, {}, 1), Messages{109});
  EXPECT_EQ(Controle(vide, {}, 2), (Messages{109, 111, 112, 113, 119, 122, 116}));  // only 1 stops

  // A legal person's SIREN and NIC come even after the host stopped at its name...
  Declaration d;
  d.AjouteAssocie();
  d.getAssocie2072()[0].setType(TypePersonne::Morale);
  const TIndex associe{{kNiveauAssocie, 0}};
  EXPECT_EQ(Controle(d, associe, 1), (Messages{128, 129, 130}));
  // ...but not when an earlier rule stopped the check before the rule started.
  d.getInfogene2072().setCapital(0);
  EXPECT_EQ(Controle(d, associe, 1), Messages{111});

  // The walks over the lines against the year's end and the Besson bound have no test.
  Declaration b;
  TPropriete2072& p = Propriete(b, OptionFiscale::BessonNeuf);
  p.setNom(""), p.setDateAcquisition(19970101), p.setDateAchevement(19970101);
  Ligne(p, 2, 500, 20120101), Ligne(p, 5, 500, 19980101);
  EXPECT_EQ(AvecCurseurs(b, kPropriete), (Curseurs{{134, 0}, {78, 12302}, {83, 12310}}));
  b.getInfogene2072().setDateClotureExercice(20090101);  // a later rule with its test stays silent
  EXPECT_EQ(Controle(b, kPropriete, 1), (Messages{134, 78, 83}));
}

TEST(ControleCession, LabelAndDateWithinTheYear) {
  Declaration d;
  d.AjouteCession();
  TCession& s = d.getOperationSociete().getCession()[0];
  const TIndex index{{kNiveauCession, 0}};
  EXPECT_EQ(Controle(d, index), (Messages{131, 133}));
  s.setLibelle("Garage");
  const std::pair<long, Messages> kDates[] = {
      {20111231, {}}, {20110101, {}}, {20120101, {132}}, {20101231, {132}}, {0, {133}}};
  for (const auto& [date, attendu] : kDates) {
    s.setDate(date);
    EXPECT_EQ(Controle(d, index), attendu) << date;
  }
}

TEST(ControleAssocie, NaturalAndLegalPersons) {
  Declaration d;
  d.AjouteAssocie();
  TAssocie2072& a = d.getAssocie2072()[0];
  const TIndex index{{kNiveauAssocie, 0}};
  EXPECT_EQ(Controle(d, index), (Messages{126, 125}));
  a.setNom("DUPONT"), a.setNombreParts(10);
  a.setFormeJuridiqueOuTitre(Titre::Madame);
  EXPECT_EQ(Controle(d, index), Messages{127});
  a.setNomMarital("MARTIN");
  EXPECT_EQ(Controle(d, index), Messages{});
  a.setNomMarital(""), a.setFormeJuridiqueOuTitre(Titre::Mademoiselle);
  EXPECT_EQ(Controle(d, index), Messages{});
  a.setType(TypePersonne::Morale), a.setNom(""), a.setDenomination("HOLDING"), a.setNumeroSIREN("123456789");
  EXPECT_EQ(Controle(d, index), Messages{130});
}

TEST(ControleCessionParts, PartiesSharesAndDate) {
  Declaration d;
  d.AjouteAssocie(), d.AjouteAssocie();
  d.getCessionsPartsSociete().getCessionParts().resize(1);
  TCessionParts& t = d.getCessionsPartsSociete().getCessionParts()[0];
  const TIndex index{{kNiveauCessionParts, 0}};
  EXPECT_EQ(Controle(d, index), (Messages{161, 162, 163, 164, 165}));  // both sides are partner 0
  t.setNombreParts(5), t.setNomCessionnaire("A"), t.setNomCedant("B"), t.setDateCession(20110615);
  EXPECT_EQ(Controle(d, index), Messages{162});
  t.setAssocieCessionnaire(2), t.setAssocieCedant(2);  // both outside the partners
  EXPECT_EQ(Controle(d, index), Messages{});
  t.setAssocieCedant(1), t.setDateCession(20120101);
  EXPECT_EQ(Controle(d, index), Messages{166});
}

TEST(ControlePropriete, DatesOfTheSchemesAtTheirBounds) {
  struct Cas {
    long option, acquisition, achevement, debutLigne1;
    Messages attendu;
  };
  const Cas kCas[] = {
      {OptionFiscale::Perissol, 19960101, 19970101, 19951231, {153, 145}},
      {OptionFiscale::Perissol, 19960101, 19970101, 19960101, {}},
      {OptionFiscale::Perissol, 19990901, 19970101, 19990901, {80}},
      {OptionFiscale::Perissol, 19970101, 19990101, 20010702, {81}},
      {OptionFiscale::Perissol, 20120101, 19970101, 20120101, {152, 78}},
      {OptionFiscale::BessonNeuf, 20030403, 20030403, 20030403, {84, 85}},
      {OptionFiscale::BessonNeuf, 19980101, 19980101, 19981231, {154, 82}},
      {OptionFiscale::RobienClassique, 19990101, 20021231, 20030403, {86}},
      {OptionFiscale::RobienClassique, 19981231, 20030101, 20030403, {}},
      {OptionFiscale::RobienClassique, 19981231, 20021231, 20060901, {87, 90}},
      {OptionFiscale::RobienClassique, 20030101, 20030101, 20030402, {88}},
      {OptionFiscale::RobienClassiqueZRR, 20031231, 20040101, 20031231, {155, 91}},
      {OptionFiscale::RobienClassiqueZRR, 20060901, 20060901, 20060901, {92, 93}},
      {OptionFiscale::RobienRecentre, 20100101, 20100101, 20100101, {95}},
      {OptionFiscale::RobienRecentre, 20060831, 20060831, 20060831, {94, 97}},
      {OptionFiscale::RobienRecentreZRR, 20060831, 20060831, 20060831, {99, 100}},
      {OptionFiscale::BorlooNeuf, 20051231, 20051231, 20051231, {102, 103}},
      {OptionFiscale::BorlooNeuf, 20100101, 20100101, 20100101, {96}},
      {OptionFiscale::BorlooNeuf, 19951231, 0, 0, {76, 77, 102}},
      {OptionFiscale::BorlooNeuf, 0, 20100101, 0, {159}},
      {OptionFiscale::ScellierZRR, 0, 0, 0, {105}},
      {OptionFiscale::ScellierZRR, 20121213, 0, 0, {}},
      {OptionFiscale::ScellierZRR, 20121214, 0, 0, {105}},
      {OptionFiscale::ScellierIntermediaire, 20081231, 0, 0, {106}},
      {OptionFiscale::ScellierIntermediaireDOM, 20090101, 0, 0, {}},
      {OptionFiscale::Ordinaire, 0, 0, 0, {}},
  };
  for (const Cas& c : kCas) {
    Declaration d;
    TPropriete2072& p = Propriete(d, c.option);
    p.setDateAcquisition(c.acquisition), p.setDateAchevement(c.achevement);
    if (c.debutLigne1 != 0) Ligne(p, 1, 1000, c.debutLigne1);
    EXPECT_EQ(Controle(d, kPropriete), c.attendu) << c.option << " " << c.acquisition << " " << c.debutLigne1;
  }
}

TEST(ControlePropriete, LineRulesPutTheCursorOnTheLine) {
  Declaration d;
  TPropriete2072& p = Propriete(d, OptionFiscale::RobienRecentre);
  p.setDateAcquisition(20070101), p.setDateAchevement(20070101);
  Ligne(p, 1, 1000, 0);        // amount without date
  Ligne(p, 3, 0, 20080101);    // date without amount, first group
  Ligne(p, 6, 0, 20080101);    // second group
  Ligne(p, 7, 200, 20061231);  // start before the acquisition
  EXPECT_EQ(AvecCurseurs(d, kPropriete), (Curseurs{{138, 12298}, {157, 12303}, {158, 12311}, {151, 12314}}));
  Ligne(p, 1, 0, 20080101);
  EXPECT_EQ(AvecCurseurs(d, kPropriete)[0], std::make_pair(short{156}, short{12297}));

  // A date without amount before the acquisition gets both messages of its line.
  Declaration e;
  TPropriete2072& q = Propriete(e, OptionFiscale::RobienRecentre);
  q.setDateAcquisition(20070101), q.setDateAchevement(20070101);
  Ligne(q, 4, 0, 20061231);
  EXPECT_EQ(AvecCurseurs(e, kPropriete), (Curseurs{{157, 12305}, {148, 12306}}));
  // The walk ends at the first line: only line 2 of two late lines is reported.
  Ligne(q, 4, 0, 0), Ligne(q, 2, 10, 20120101), Ligne(q, 6, 10, 20120101);
  EXPECT_EQ(AvecCurseurs(e, kPropriete), (Curseurs{{78, 12302}}));
  // Rules other than those on lines write no cursor, even after a line rule.
  q.setNom("");
  q.setDateAchevement(0);
  EXPECT_EQ(AvecCurseurs(e, kPropriete), (Curseurs{{134, 0}, {77, 0}, {78, 12302}}));
  // The handle returned is the one of the last message.
  TJournalMessages journal;
  short* const poignee = e.Controle(&journal, nullptr, kPropriete);
  EXPECT_EQ(poignee, &journal.Messages().back().curseur);
  EXPECT_EQ(Declaration().Controle(&journal, nullptr, kPropriete), nullptr);
  EXPECT_EQ(e.Controle(nullptr, nullptr, kPropriete), nullptr);  // no sink: nothing reported
}

TEST(ControleIndex, OrderOfOneCallAndIndexesNamingNothing) {
  TDonnee2072 d;
  d.AjouteCession(), d.AjouteAssocie();
  TPropriete2072& p = Propriete(d, OptionFiscale::ScellierZRR);
  p.setLocataire(std::vector<TLocataire>(1)), p.setBeneficiaire(std::vector<TBeneficiaire>(1));
  p.getAmortissementComposant().getComposant().resize(1);
  p.getAmortissementComposant().getComposant()[0].setNomSaisi("");
  d.getCessionsPartsSociete().getCessionParts().resize(1);
  d.getInfogene2072().setDateClotureExercice(20100101);
  const TIndex tout{{kNiveauCessionParts, 0}, {kNiveauPropriete, 0}, {kNiveauLocataire, 0}, {kNiveauBeneficiaire, 0},
                    {kNiveauComposant, 0},    {kNiveauAssocie, 0},   {kNiveauCession, 0}};
  EXPECT_EQ(Controle(d, tout), (Messages{109, 111, 112, 113, 119, 122, 116, 131, 133, 126, 125,
                                         136, 137, 160, 105, 168, 161, 162, 163, 164, 165}));
  const Messages general{109, 111, 112, 113, 119, 122, 116, 168};
  for (int position : {-1, 1, 1000}) {
    for (int cle : {kNiveauCession, kNiveauAssocie, kNiveauPropriete, kNiveauCessionParts})
      EXPECT_EQ(Controle(d, {{cle, position}}), general) << cle << " " << position;
    for (int cle : {kNiveauLocataire, kNiveauBeneficiaire, kNiveauComposant})
      EXPECT_EQ(Controle(d, {{kNiveauPropriete, 0}, {cle, position}}),
                (Messages{109, 111, 112, 113, 119, 122, 116, 105, 168}))
          << cle << " " << position;
  }
  // A tenant without its property names nothing.
  EXPECT_EQ(Controle(d, {{kNiveauLocataire, 0}}), general);
}

}  // namespace
