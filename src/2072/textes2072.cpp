// Texts composed from what was entered (street lines, designations, SIRET numbers) and the
// token values the host substitutes into its fixed texts.
#include <ostream>
#include <sstream>

#include <initializer_list>

#include "kel.h"
#include "klx.h"
#include "managers.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {

namespace {

// A SIRET is the SIREN followed by the NIC, with no separator and no check.
std::string SIRET(const std::string& siren, const std::string& nic) { return siren + nic; }

// The engine's rounding at three decimals: x * 1000 to the nearest whole, halves away from zero.
double Arrondi3(double x) { return TDonnee2072::Arrondi(x * 1000) / 1000; }

// The tokens in the order they are handed over, each with how its value is written.
struct Jeton {
  const char* nom;
  void (*ecrit)(std::ostream&, const TInfogene2072&);
};
const Jeton kJetons[] = {
    {"#SocieteNom#", [](std::ostream& f, const TInfogene2072& i) { f << i.getSocieteNom(); }},
    {"#NB_TOTAL_PARTS#",
     [](std::ostream& f, const TInfogene2072& i) { f << KLX::double2str(Arrondi3(i.getNombrePartsTotal()), 0); }},
    {"#NB_TOTAL_PARTS_CALCUL#",
     [](std::ostream& f, const TInfogene2072& i) { f << KLX::double2str(Arrondi3(i.getNombrePartsTotalCalcul()), 0); }},
    // The stream's default output: six significant digits.
    {"#QUOTE_PART_RESULTATS#", [](std::ostream& f, const TInfogene2072& i) { f << i.getQuotePartResultatsTotal(); }},
};

// Where a missing statics manager is reported: the host's logs know it by this place.
constexpr const char* kFichierAssertionStatics = "tdonnee2072";
constexpr int kLigneAssertionStatics = 388;

}  // namespace

void TDonnee2072::UpdateTexte() {
  // 1. Street lines of the general information's addresses, then of the three seats.
  TInfogene2072& ig = Infogene2072;
  for (TAdresse2072* adresse : std::initializer_list<TAdresse2072*>{
           &ig.getAdresseGerant(), &ig.getAdresseComptable(), &ig.getAdresseAdministrateur(), &ig.getAdresseDeclarant(),
           &ig.getAdresseDestinataire(), &ig.getAdresseNouveauDestinataire(), &ig.getAdresseCDI(),
           &ig.getAdresseConseil()})
    GenereNumeroTypeEtNomVoie(*adresse);
  for (TSocieteAdresseSiege& siege : ig.getSocieteAdresseSiege()) GenereNumeroTypeEtNomVoie(siege);
  // 2. Partners: designation, both addresses, SIRET.
  for (TAssocie2072& associe : Associe2072) {
    associe.setDesignation(associe.DonneDesignation());
    GenereNumeroTypeEtNomVoie(associe.getAdresse());
    GenereNumeroTypeEtNomVoie(associe.getAdresseAvantDemenagement());
    associe.setNumeroSIRET(SIRET(associe.getNumeroSIREN(), associe.getNumeroNIC()));
  }
  // The transfer screen's choice lists show the designations: they follow them.
  MajListeAssocieCessionnaire();
  MajListeAssocieCedant();
  // 3. Properties: address, beneficiaries' SIRET.
  for (TPropriete2072& propriete : Propriete2072) {
    GenereNumeroTypeEtNomVoie(propriete.getAdresse());
    for (TBeneficiaire& b : propriete.getBeneficiaire())
      b.setSIRETBeneficiaire(SIRET(b.getSIRENBeneficiaire(), b.getNICBeneficiaire()));
  }
  // 4. Transfers of shares.
  UpdateTexteCessionsParts();
  // 5. The company.
  ig.setNumeroSIRET(SIRET(ig.getNumeroSIREN(), ig.getNumeroNIC()));
}

void TDonnee2072::UpdateTexteCessionsParts() {
  for (TCessionParts& c : CessionsPartsSociete.getCessionParts()) {
    c.setSIRETCessionnaire(SIRET(c.getSIRENCessionnaire(), c.getNICCessionnaire()));
    c.setSIRETCedant(SIRET(c.getSIRENCedant(), c.getNICCedant()));
  }
}

void TDonnee2072::UpdateStaticsManager(TStaticsManager* staticsManager) {
  if (staticsManager == nullptr) {
    kel::Assert(false, "staticsManager", "Le static manager de la donnée 2072 est NULL", kFichierAssertionStatics,
                kLigneAssertionStatics);
    return;
  }
  std::ostringstream flux;
  for (const Jeton& jeton : kJetons) {
    flux.str("");
    flux.clear();
    jeton.ecrit(flux, Infogene2072);
    staticsManager->AddTokenInCollection(jeton.nom, flux.str(), -1);
  }
}

}  // namespace zorfiscal2072
