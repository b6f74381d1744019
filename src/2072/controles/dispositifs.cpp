// The dates of a property's tax scheme and of its depreciation lines, in the order they are
// checked. DA is the acquisition date, DE the completion date, L1 the start of line 1.
#include <variant>
#include <vector>

#include "lignes.h"

namespace zorfiscal2072::controles {

namespace {

using RegleDispositif = std::variant<RegleDate, RegleLigne, RegleBoucle>;

constexpr DateBien DA = DateBien::Acquisition, DE = DateBien::Achevement, L1 = DateBien::DebutLigne1;
constexpr long kFinScellier = 20121213;  // 13 December 2012

const std::vector<RegleDispositif>& Regles() {
  using namespace OptionFiscale;
  using enum NumeroMessage;
  static const std::vector<RegleDispositif> kRegles = [] {
    std::vector<RegleDispositif> r{
        Si(kAmortissement, {Apres(DA, kFinAnnee)}, ID_ERREUR72_DATEPOSTERIEUREACQUISITION),
        Si(Option(Perissol), {Renseignee(L1), Avant(L1, 19960101)}, ID_ERREUR72_DATEPERISSOL),
        Si(Option(BessonNeuf), {Renseignee(L1), Avant(L1, 19990101)}, ID_ERREUR72_DATEBESSON),
        Si(Option(RobienClassiqueZRR), {Renseignee(L1), Avant(L1, 20040101)}, ID_ERREUR72_DEBUTAMORTROBIENZRR),
    };
    for (int ligne = 1; ligne <= kNombreLignes; ++ligne)
      for (VerifLigne v : {VerifLigne::SansDate, VerifLigne::SansMontant, VerifLigne::AvantAcquisition})
        r.push_back(RegleLigne{Arret::Teste, ligne, v});
    r.insert(
        r.end(),
        {
            Si(kAmortissement, {Vide(DA)}, ID_ERREUR72_PROPSAISIEDATEACQ),
            Si(kAmortissement, {Renseignee(DA), Avant(DA, 19960101)}, ID_ERREUR72_PROPCONTDATEACQ, Arret::Suite),
            Si(kAmortissement, {Vide(DE)}, ID_ERREUR72_PROPSAISIEDATEACHEV),
            RegleBoucle{Arret::SansTest, kToutesOptions, Comparaison::Apres, kFinAnnee,
                        ID_ERREUR72_DATEPOSTERIEUREAMORT1, ID_ERREUR72_DATEPOSTERIEUREAMORT2},
            Si(Option(Perissol), {Renseignee(DA), Apres(DA, 19990831), AuPlusTard(DA, kFinAnnee)},
               ID_ERREUR72_DATEPOSTERIEUREPERISSOL1),
            Si(Option(Perissol),
               {Renseignee(L1), Apres(L1, 20010701), AuPlusTard(L1, kFinAnnee), Renseignee(DE), Apres(DE, 19981231)},
               ID_ERREUR72_DATEPOSTERIEUREPERISSOL2),
            RegleBoucle{Arret::SansTest, Option(BessonNeuf), Comparaison::Avant, 19990101,
                        ID_ERREUR72_DATEANTERIEUREBESSON1, ID_ERREUR72_DATEANTERIEUREBESSON2},
            Si(Option(BessonNeuf), {Renseignee(DA), Apres(DA, 20030402)}, ID_ERREUR72_DATEPOSTERIEUREBESSON1),
            Si(Option(BessonNeuf), {Renseignee(L1), Apres(L1, 20030402), AuPlusTard(L1, kFinAnnee)},
               ID_ERREUR72_DATEPOSTERIEUREBESSON2),
            Si(Option(RobienClassique),
               {Renseignee(DA), AuMoins(DA, 19990101), Avant(DA, 20030101), Avant(DE, 20030101)},
               ID_ERREUR72_DATEANTERIEUREROBIEN1),
            Si(Option(RobienClassique), {Renseignee(DA), Avant(DA, 19990101), Avant(DE, 20030101)},
               ID_ERREUR72_DATEACQANTERIEUREROBIEN),
            Si(Option(RobienClassique), {Renseignee(L1), Apres(L1, 20060831)}, ID_ERREUR72_DATEANTERIEUREROBIEN4),
            Si(Option(RobienRecentre), {Renseignee(DA), Apres(DA, 20091231)}, ID_ERREUR72_DATEACQFINROBIENRECENTRE),
            Si(Option(BorlooNeuf), {Renseignee(DA), Apres(DA, 20091231)}, ID_ERREUR72_DATEACQFINBORLOONEUF),
            RegleBoucle{Arret::Teste, Option(RobienClassique), Comparaison::Avant, 20030403,
                        ID_ERREUR72_DATEANTERIEUREROBIEN2, ID_ERREUR72_DATEANTERIEUREROBIEN3},
            Si(Option(RobienClassiqueZRR), {Renseignee(DA), Avant(DA, 20040101)}, ID_ERREUR72_DEBUTACQROBIENZRR),
            Si(Option(RobienClassiqueZRR), {Renseignee(DA), Apres(DA, 20060831)}, ID_ERREUR72_DEBUTACQROBIENZRR1),
            Si(Option(RobienClassiqueZRR), {Renseignee(L1), Apres(L1, 20060831)}, ID_ERREUR72_DEBUTAMORTROBIENZRR1),
            Si(Option(RobienRecentre), {Renseignee(DA), Avant(DA, 20060901)},
               ID_ERREUR72_DATEACQANTERIEUREROBIENRECENTRE),
            RegleBoucle{Arret::Teste, Option(RobienRecentre), Comparaison::Avant, 20060901,
                        ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTRE, ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTRE1},
            Si(Option(RobienRecentreZRR), {Renseignee(DA), Avant(DA, 20060901)},
               ID_ERREUR72_DATEACQANTERIEUREROBIENRECENTREZRR),
            RegleBoucle{Arret::Teste, Option(RobienRecentreZRR), Comparaison::Avant, 20060901,
                        ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTREZRR,
                        ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTREZRR1},
            Si(Option(BorlooNeuf), {Renseignee(DA), Avant(DA, 20060901)}, ID_ERREUR72_DATEACQANTERIEUREBORLOONEUF),
            RegleBoucle{Arret::Teste, Option(BorlooNeuf), Comparaison::Avant, 20060101,
                        ID_ERREUR72_DATEAMORTANTERIEUREBORLOONEUF, ID_ERREUR72_DATEAMORTANTERIEUREBORLOONEUF1},
            // No test that DA is entered: an empty date fires them.
            Si(Option(ScellierZRR), {Hors(DA, 20090101, kFinScellier)}, ID_ERREUR72_DATESCELLIERZRR),
            Si(Option(ScellierIntermediaire) | Option(ScellierIntermediaireDOM), {Hors(DA, 20090101, kFinScellier)},
               ID_ERREUR72_DATESCELLIERINTERMEDIAIRE),
        });
    return r;
  }();
  return kRegles;
}

}  // namespace

void ControleDispositif(TControle& c, const TPropriete2072& propriete) {
  Applique(c, std::span<const RegleDispositif>(Regles()), propriete);
}

}  // namespace zorfiscal2072::controles
