// The dates of a property's tax scheme and of its depreciation lines, in the order they are
// checked. DA is the acquisition date, DE the completion date, L1 the start of line 1.
#include <variant>
#include <vector>

#include "lignes.h"
#include "parametres2072.h"

namespace zorfiscal2072::controles {

namespace {

using RegleDispositif = std::variant<RegleDate, RegleLigne, RegleBoucle>;

constexpr DateBien DA = DateBien::Acquisition, DE = DateBien::Achevement, L1 = DateBien::DebutLigne1;

const std::vector<RegleDispositif>& Regles() {
  using namespace OptionFiscale;
  using enum NumeroMessage;
  using namespace parametres;
  static const std::vector<RegleDispositif> kRegles = [] {
    std::vector<RegleDispositif> r{
        Si(kAmortissement, {Apres(DA, kFinAnnee)}, ID_ERREUR72_DATEPOSTERIEUREACQUISITION),
        Si(Option(Perissol), {Renseignee(L1), Avant(L1, kDebutPerissol)}, ID_ERREUR72_DATEPERISSOL),
        Si(Option(BessonNeuf), {Renseignee(L1), Avant(L1, kDebutBessonNeuf)}, ID_ERREUR72_DATEBESSON),
        Si(Option(RobienClassiqueZRR), {Renseignee(L1), Avant(L1, kDebutRobienZRR)}, ID_ERREUR72_DEBUTAMORTROBIENZRR),
    };
    for (int ligne = 1; ligne <= kNombreLignes; ++ligne)
      for (VerifLigne v : {VerifLigne::SansDate, VerifLigne::SansMontant, VerifLigne::AvantAcquisition})
        r.push_back(RegleLigne{Arret::Teste, ligne, v});
    r.insert(
        r.end(),
        {
            Si(kAmortissement, {Vide(DA)}, ID_ERREUR72_PROPSAISIEDATEACQ),
            Si(kAmortissement, {Renseignee(DA), Avant(DA, kDebutPerissol)}, ID_ERREUR72_PROPCONTDATEACQ, Arret::Suite),
            Si(kAmortissement, {Vide(DE)}, ID_ERREUR72_PROPSAISIEDATEACHEV),
            RegleBoucle{Arret::SansTest, kToutesOptions, Comparaison::Apres, kFinAnnee,
                        ID_ERREUR72_DATEPOSTERIEUREAMORT1, ID_ERREUR72_DATEPOSTERIEUREAMORT2},
            Si(Option(Perissol), {Renseignee(DA), Apres(DA, kFinAcquisitionPerissol), AuPlusTard(DA, kFinAnnee)},
               ID_ERREUR72_DATEPOSTERIEUREPERISSOL1),
            Si(Option(Perissol),
               {Renseignee(L1), Apres(L1, kFinAmortissementPerissol), AuPlusTard(L1, kFinAnnee), Renseignee(DE),
                Apres(DE, kFinAchevementPerissol)},
               ID_ERREUR72_DATEPOSTERIEUREPERISSOL2),
            RegleBoucle{Arret::SansTest, Option(BessonNeuf), Comparaison::Avant, kDebutBessonNeuf,
                        ID_ERREUR72_DATEANTERIEUREBESSON1, ID_ERREUR72_DATEANTERIEUREBESSON2},
            Si(Option(BessonNeuf), {Renseignee(DA), Apres(DA, kFinBessonNeuf)}, ID_ERREUR72_DATEPOSTERIEUREBESSON1),
            Si(Option(BessonNeuf), {Renseignee(L1), Apres(L1, kFinBessonNeuf), AuPlusTard(L1, kFinAnnee)},
               ID_ERREUR72_DATEPOSTERIEUREBESSON2),
            Si(Option(RobienClassique),
               {Renseignee(DA), AuMoins(DA, kDebutBessonNeuf), Avant(DA, kDebutAchevementRobien),
                Avant(DE, kDebutAchevementRobien)},
               ID_ERREUR72_DATEANTERIEUREROBIEN1),
            Si(Option(RobienClassique),
               {Renseignee(DA), Avant(DA, kDebutBessonNeuf), Avant(DE, kDebutAchevementRobien)},
               ID_ERREUR72_DATEACQANTERIEUREROBIEN),
            Si(Option(RobienClassique), {Renseignee(L1), Apres(L1, kFinRobienClassique)},
               ID_ERREUR72_DATEANTERIEUREROBIEN4),
            Si(Option(RobienRecentre), {Renseignee(DA), Apres(DA, kFinRobienRecentreEtBorlooNeuf)},
               ID_ERREUR72_DATEACQFINROBIENRECENTRE),
            Si(Option(BorlooNeuf), {Renseignee(DA), Apres(DA, kFinRobienRecentreEtBorlooNeuf)},
               ID_ERREUR72_DATEACQFINBORLOONEUF),
            RegleBoucle{Arret::Teste, Option(RobienClassique), Comparaison::Avant, kDebutRobien,
                        ID_ERREUR72_DATEANTERIEUREROBIEN2, ID_ERREUR72_DATEANTERIEUREROBIEN3},
            Si(Option(RobienClassiqueZRR), {Renseignee(DA), Avant(DA, kDebutRobienZRR)}, ID_ERREUR72_DEBUTACQROBIENZRR),
            Si(Option(RobienClassiqueZRR), {Renseignee(DA), Apres(DA, kFinRobienClassique)},
               ID_ERREUR72_DEBUTACQROBIENZRR1),
            Si(Option(RobienClassiqueZRR), {Renseignee(L1), Apres(L1, kFinRobienClassique)},
               ID_ERREUR72_DEBUTAMORTROBIENZRR1),
            Si(Option(RobienRecentre), {Renseignee(DA), Avant(DA, kDebutRobienRecentreEtBorlooNeuf)},
               ID_ERREUR72_DATEACQANTERIEUREROBIENRECENTRE),
            RegleBoucle{Arret::Teste, Option(RobienRecentre), Comparaison::Avant, kDebutRobienRecentreEtBorlooNeuf,
                        ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTRE, ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTRE1},
            Si(Option(RobienRecentreZRR), {Renseignee(DA), Avant(DA, kDebutRobienRecentreEtBorlooNeuf)},
               ID_ERREUR72_DATEACQANTERIEUREROBIENRECENTREZRR),
            RegleBoucle{Arret::Teste, Option(RobienRecentreZRR), Comparaison::Avant, kDebutRobienRecentreEtBorlooNeuf,
                        ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTREZRR,
                        ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTREZRR1},
            Si(Option(BorlooNeuf), {Renseignee(DA), Avant(DA, kDebutRobienRecentreEtBorlooNeuf)},
               ID_ERREUR72_DATEACQANTERIEUREBORLOONEUF),
            RegleBoucle{Arret::Teste, Option(BorlooNeuf), Comparaison::Avant, kDebutAmortissementBorlooNeuf,
                        ID_ERREUR72_DATEAMORTANTERIEUREBORLOONEUF, ID_ERREUR72_DATEAMORTANTERIEUREBORLOONEUF1},
            // No test that DA is entered: an empty date fires them.
            Si(Option(ScellierZRR), {Hors(DA, kDebutScellier, kFinScellier)}, ID_ERREUR72_DATESCELLIERZRR),
            Si(Option(ScellierIntermediaire) | Option(ScellierIntermediaireDOM),
               {Hors(DA, kDebutScellier, kFinScellier)}, ID_ERREUR72_DATESCELLIERINTERMEDIAIRE),
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
