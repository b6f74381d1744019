#include "dictionnaire2072.h"

#include <algorithm>
#include <array>

#include "adresses2072.h"
#include "elementlie2072.h"
#include "niveaux2072.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {
namespace {

struct Source {
  const char* enregistrement;
  std::vector<int> niveaux;
  const std::vector<lettres::DescriptionLettre>& lettres;
  bool parLaRacine = true;
};

#define SOURCE(Classe, ...) Source{#Classe, {__VA_ARGS__}, Classe::Lettres().Descriptions()}

// Every record that answers for letters, with the levels on its way from the root.
std::vector<Source> Sources() {
  constexpr int P = kNiveauPropriete, A = kNiveauAssocie;
  return {
      SOURCE(TInfogene2072),
      SOURCE(TAdresseDeclarant),
      SOURCE(TAdresseDestinataire),
      SOURCE(TAdresseGerant),
      SOURCE(TAdresseCDI),
      SOURCE(TAssocie2072, A),
      SOURCE(TAdresseAssocie, A),
      SOURCE(TBulletin2072, A),
      SOURCE(TProprieteReport, A, kNiveauReport),
      SOURCE(TPropriete2072, P),
      SOURCE(TAdressePropriete2072, P),
      SOURCE(TDonneeProprieteFoncierPropriete, P),
      Source{"TDonneeProprieteFoncierCumul", {}, TDonneeProprieteFoncierCumul::Lettres().Descriptions(), false},
      SOURCE(TResultatARepartirPropriete, P),
      SOURCE(TDonneeIS2072),
      SOURCE(TAmortissement2072, P),
      SOURCE(TAdresseComptable),
      SOURCE(TAdresseAdministrateur),
      Source{"TResultatARepartirCumul", {}, TResultatARepartirCumul::Lettres().Descriptions(), false},
      SOURCE(TAdresseNouveauDestinataire),
      SOURCE(TElementLieForfaitGestion2072, P),
      SOURCE(TOperationSociete),
      SOURCE(TCession, kNiveauCession),
      SOURCE(TElementLieVA),
      SOURCE(TAdresseConseil),
      SOURCE(TLocataire, P, kNiveauLocataire),
      SOURCE(TComposant, P, kNiveauComposant),
      SOURCE(TAmortissementComposant, P),
      SOURCE(TAdresseAvantDemenagement, A),
      SOURCE(TElementLieQuotePartProduitsFinanciers, A),
      SOURCE(TElementLieQuotePartMV, A, kNiveauRepartition),
      SOURCE(TElementLieQuotePartPV, A, kNiveauRepartition),
      SOURCE(TQuotePartPropriete, A, kNiveauQuotePart),
      SOURCE(TListeProprieteJouissanceGratuite, A, kNiveauJouissanceGratuite),
      SOURCE(TCessionParts, kNiveauCessionParts),
      SOURCE(TBeneficiaire, P, kNiveauBeneficiaire),
      SOURCE(TRepartitionOperationsSociete, A, kNiveauRepartition),
      SOURCE(TElementLie2072ELoyersBruts),
      SOURCE(TElementLie2072EChargeLocataires),
      SOURCE(TElementLie2072ERecettesDiverses),
      SOURCE(TElementLie2072EFraisGerance),
      SOURCE(TElementLie2072EAssurance),
      SOURCE(TElementLie2072ETravauxReparation),
      SOURCE(TElementLie2072EChargesEspacesNaturels),
      SOURCE(TElementLie2072ENP),
      SOURCE(TElementLie2072EAssuranceFraisZR),
      SOURCE(TElementLie2072EChargesRecuperables),
      SOURCE(TElementLie2072EIndemnitesEtFrais),
      SOURCE(TElementLie2072EDeductionSpecifique),
      SOURCE(TElementLie2072EDeductionAmortissement),
      SOURCE(TElementLie2072EProvisionCharges),
      SOURCE(TElementLie2072ERentreesCreances),
      SOURCE(TResultatGlobalARepartir),
  };
}

#undef SOURCE

std::vector<EntreeDictionnaire> Construit() {
  std::vector<EntreeDictionnaire> entrees;
  for (const Source& s : Sources())
    for (const lettres::DescriptionLettre& d : s.lettres) entrees.push_back({d, s.enregistrement, s.niveaux, s.parLaRacine});
  // Hosts expect the list to open on the company's name and its seat's street.
  constexpr std::array<short, 6> kEnTete{12003, 12005, 12438, 12439, 12440, 12550};
  std::stable_partition(entrees.begin(), entrees.end(), [&](const EntreeDictionnaire& e) {
    return std::find(kEnTete.begin(), kEnTete.end(), e.lettre.code) != kEnTete.end();
  });
  std::stable_sort(entrees.begin(), entrees.begin() + kEnTete.size(), [&](const auto& a, const auto& b) {
    return std::find(kEnTete.begin(), kEnTete.end(), a.lettre.code) <
           std::find(kEnTete.begin(), kEnTete.end(), b.lettre.code);
  });
  return entrees;
}

}  // namespace

const std::vector<EntreeDictionnaire>& Dictionnaire2072() {
  static const std::vector<EntreeDictionnaire> dictionnaire = Construit();
  return dictionnaire;
}

const EntreeDictionnaire* EntreeDictionnaire2072(int code) {
  static const auto index = [] {
    std::array<int, lettres::kEtendueCodes> position;
    position.fill(-1);
    const auto& d = Dictionnaire2072();
    for (std::size_t i = d.size(); i-- > 0;)  // the first entry of a code wins
      position[static_cast<std::size_t>(d[i].lettre.code - lettres::kPremierCode)] = static_cast<int>(i);
    return position;
  }();
  const int i = code - lettres::kPremierCode;
  if (i < 0 || i >= lettres::kEtendueCodes || index[static_cast<std::size_t>(i)] < 0) return nullptr;
  return &Dictionnaire2072()[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])];
}

}  // namespace zorfiscal2072
