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
  using namespace parametres;
  static const std::vector<RegleDispositif> kRegles = [] {
    std::vector<RegleDispositif> r{
        Si(kAmortissement, {Apres(DA, kFinAnnee)}, 152),
        Si(Option(Perissol), {Renseignee(L1), Avant(L1, kDebutPerissol)}, 153),
        Si(Option(BessonNeuf), {Renseignee(L1), Avant(L1, kDebutBessonNeuf)}, 154),
        Si(Option(RobienClassiqueZRR), {Renseignee(L1), Avant(L1, kDebutRobienZRR)}, 155),
    };
    for (int ligne = 1; ligne <= kNombreLignes; ++ligne)
      for (VerifLigne v : {VerifLigne::SansDate, VerifLigne::SansMontant, VerifLigne::AvantAcquisition})
        r.push_back(RegleLigne{Arret::Teste, ligne, v});
    r.insert(r.end(), {
        Si(kAmortissement, {Vide(DA)}, 159),
        Si(kAmortissement, {Renseignee(DA), Avant(DA, kDebutPerissol)}, 76, Arret::Suite),
        Si(kAmortissement, {Vide(DE)}, 77),
        RegleBoucle{Arret::SansTest, kToutesOptions, Comparaison::Apres, kFinAnnee, 78, 79},
        Si(Option(Perissol), {Renseignee(DA), Apres(DA, kFinAcquisitionPerissol), AuPlusTard(DA, kFinAnnee)}, 80),
        Si(Option(Perissol),
           {Renseignee(L1), Apres(L1, kFinAmortissementPerissol), AuPlusTard(L1, kFinAnnee), Renseignee(DE),
            Apres(DE, kFinAchevementPerissol)},
           81),
        RegleBoucle{Arret::SansTest, Option(BessonNeuf), Comparaison::Avant, kDebutBessonNeuf, 82, 83},
        Si(Option(BessonNeuf), {Renseignee(DA), Apres(DA, kFinBessonNeuf)}, 84),
        Si(Option(BessonNeuf), {Renseignee(L1), Apres(L1, kFinBessonNeuf), AuPlusTard(L1, kFinAnnee)}, 85),
        Si(Option(RobienClassique), {Renseignee(DA), AuMoins(DA, kDebutBessonNeuf), Avant(DA, kDebutAchevementRobien),
                                    Avant(DE, kDebutAchevementRobien)},
           86),
        Si(Option(RobienClassique), {Renseignee(DA), Avant(DA, kDebutBessonNeuf), Avant(DE, kDebutAchevementRobien)}, 87),
        Si(Option(RobienClassique), {Renseignee(L1), Apres(L1, kFinRobienClassique)}, 90),
        Si(Option(RobienRecentre), {Renseignee(DA), Apres(DA, kFinRobienRecentreEtBorlooNeuf)}, 95),
        Si(Option(BorlooNeuf), {Renseignee(DA), Apres(DA, kFinRobienRecentreEtBorlooNeuf)}, 96),
        RegleBoucle{Arret::Teste, Option(RobienClassique), Comparaison::Avant, kDebutRobien, 88, 89},
        Si(Option(RobienClassiqueZRR), {Renseignee(DA), Avant(DA, kDebutRobienZRR)}, 91),
        Si(Option(RobienClassiqueZRR), {Renseignee(DA), Apres(DA, kFinRobienClassique)}, 92),
        Si(Option(RobienClassiqueZRR), {Renseignee(L1), Apres(L1, kFinRobienClassique)}, 93),
        Si(Option(RobienRecentre), {Renseignee(DA), Avant(DA, kDebutRobienRecentreEtBorlooNeuf)}, 94),
        RegleBoucle{Arret::Teste, Option(RobienRecentre), Comparaison::Avant, kDebutRobienRecentreEtBorlooNeuf, 97, 98},
        Si(Option(RobienRecentreZRR), {Renseignee(DA), Avant(DA, kDebutRobienRecentreEtBorlooNeuf)}, 99),
        RegleBoucle{Arret::Teste, Option(RobienRecentreZRR), Comparaison::Avant, kDebutRobienRecentreEtBorlooNeuf, 100,
                    101},
        Si(Option(BorlooNeuf), {Renseignee(DA), Avant(DA, kDebutRobienRecentreEtBorlooNeuf)}, 102),
        RegleBoucle{Arret::Teste, Option(BorlooNeuf), Comparaison::Avant, kDebutAmortissementBorlooNeuf, 103, 104},
        // No test that DA is entered: an empty date fires them.
        Si(Option(ScellierZRR), {Hors(DA, kDebutScellier, kFinScellier)}, 105),
        Si(Option(ScellierIntermediaire) | Option(ScellierIntermediaireDOM), {Hors(DA, kDebutScellier, kFinScellier)}, 106),
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
