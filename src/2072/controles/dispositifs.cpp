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
  static const std::vector<RegleDispositif> kRegles = [] {
    std::vector<RegleDispositif> r{
        Si(kAmortissement, {Apres(DA, kFinAnnee)}, 152),
        Si(Option(Perissol), {Renseignee(L1), Avant(L1, 19960101)}, 153),
        Si(Option(BessonNeuf), {Renseignee(L1), Avant(L1, 19990101)}, 154),
        Si(Option(RobienClassiqueZRR), {Renseignee(L1), Avant(L1, 20040101)}, 155),
    };
    for (int ligne = 1; ligne <= kNombreLignes; ++ligne)
      for (VerifLigne v : {VerifLigne::SansDate, VerifLigne::SansMontant, VerifLigne::AvantAcquisition})
        r.push_back(RegleLigne{Arret::Teste, ligne, v});
    r.insert(r.end(), {
        Si(kAmortissement, {Vide(DA)}, 159),
        Si(kAmortissement, {Renseignee(DA), Avant(DA, 19960101)}, 76, Arret::Suite),
        Si(kAmortissement, {Vide(DE)}, 77),
        RegleBoucle{Arret::SansTest, kToutesOptions, Comparaison::Apres, kFinAnnee, 78, 79},
        Si(Option(Perissol), {Renseignee(DA), Apres(DA, 19990831), AuPlusTard(DA, kFinAnnee)}, 80),
        Si(Option(Perissol),
           {Renseignee(L1), Apres(L1, 20010701), AuPlusTard(L1, kFinAnnee), Renseignee(DE), Apres(DE, 19981231)}, 81),
        RegleBoucle{Arret::SansTest, Option(BessonNeuf), Comparaison::Avant, 19990101, 82, 83},
        Si(Option(BessonNeuf), {Renseignee(DA), Apres(DA, 20030402)}, 84),
        Si(Option(BessonNeuf), {Renseignee(L1), Apres(L1, 20030402), AuPlusTard(L1, kFinAnnee)}, 85),
        Si(Option(RobienClassique), {Renseignee(DA), AuMoins(DA, 19990101), Avant(DA, 20030101), Avant(DE, 20030101)}, 86),
        Si(Option(RobienClassique), {Renseignee(DA), Avant(DA, 19990101), Avant(DE, 20030101)}, 87),
        Si(Option(RobienClassique), {Renseignee(L1), Apres(L1, 20060831)}, 90),
        Si(Option(RobienRecentre), {Renseignee(DA), Apres(DA, 20091231)}, 95),
        Si(Option(BorlooNeuf), {Renseignee(DA), Apres(DA, 20091231)}, 96),
        RegleBoucle{Arret::Teste, Option(RobienClassique), Comparaison::Avant, 20030403, 88, 89},
        Si(Option(RobienClassiqueZRR), {Renseignee(DA), Avant(DA, 20040101)}, 91),
        Si(Option(RobienClassiqueZRR), {Renseignee(DA), Apres(DA, 20060831)}, 92),
        Si(Option(RobienClassiqueZRR), {Renseignee(L1), Apres(L1, 20060831)}, 93),
        Si(Option(RobienRecentre), {Renseignee(DA), Avant(DA, 20060901)}, 94),
        RegleBoucle{Arret::Teste, Option(RobienRecentre), Comparaison::Avant, 20060901, 97, 98},
        Si(Option(RobienRecentreZRR), {Renseignee(DA), Avant(DA, 20060901)}, 99),
        RegleBoucle{Arret::Teste, Option(RobienRecentreZRR), Comparaison::Avant, 20060901, 100, 101},
        Si(Option(BorlooNeuf), {Renseignee(DA), Avant(DA, 20060901)}, 102),
        RegleBoucle{Arret::Teste, Option(BorlooNeuf), Comparaison::Avant, 20060101, 103, 104},
        // No test that DA is entered: an empty date fires them.
        Si(Option(ScellierZRR), {Hors(DA, 20090101, kFinScellier)}, 105),
        Si(Option(ScellierIntermediaire) | Option(ScellierIntermediaireDOM), {Hors(DA, 20090101, kFinScellier)}, 106),
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
