// Sample general information and the sample addresses of its persons.
#include <initializer_list>

#include "adresses2072.h"
#include "codes2072.h"
#include "echantillon.h"
#include "infogene2072.h"

namespace zorfiscal2072 {

using namespace exemple;

namespace {

// Title code of the persons acting for the company ("Monsieur").
constexpr short kTitreMonsieur = 29;

// The manager, the accountant and the adviser live in the seat's town.
void ChargeRue(TAdresse2072& adresse, const lettres::TableLettres<TAdresse2072>& table, const char* numero,
               const char* nom, const char* type) {
  Remplit(adresse, table,
          {{"NumeroVoie", numero},
           {"TypeEtNomVoie", nom},
           {"TypeVoie", type},
           {"CodePostal", siege::kCodePostal},
           {"Ville", siege::kVille}});
}

}  // namespace

void TInfogene2072::CasTestXX() {
  Remplit(*this, {
                     {"SocieteNom", kSocieteNom},
                     {"SocieteAdresseSiege[0].NumeroVoie", siege::kNumero},
                     {"SocieteAdresseSiege[0].TypeVoie", siege::kType},
                     {"SocieteAdresseSiege[0].TypeEtNomVoie", siege::kNom},
                     {"SocieteAdresseSiege[0].CodePostal", siege::kCodePostal},
                     {"SocieteAdresseSiege[0].Ville", siege::kVille},
                     {"Capital", 500000},
                     {"NombrePartsTotal", 2000},
                     {"NominalParts", 250},
                     {"DateClotureExercice", 20091231},
                     {"NumeroSIREN", "999888779"},
                     {"NumeroNIC", "00017"},
                     {"NumeroSIRET", "99988877900017"},
                     {"CVAEDispense", OuiNon::Oui},
                     // Manager
                     {"TypeGerant", TypePersonne::Physique},
                     {"FormeJuridiqueOuTitreGerant", kTitreMonsieur},
                     {"NomGerant", "EXEMPLAIRE"},
                     {"PrenomGerant", "Martin"},
                     {"TelephoneGerant", "01.99.00.12.34"},
                     {"TelephoneMobileGerant", "06.39.98.12.34"},
                     {"EmailGerant", "gerant@example.org"},
                     // Accountant
                     {"TypeComptable", TypePersonne::Physique},
                     {"FormeJuridiqueOuTitreComptable", kTitreMonsieur},
                     {"NomComptable", "MODELE"},
                     {"PrenomComptable", "Bernard"},
                     {"TelephoneComptable", "01.99.00.56.78"},
                     {"EmailComptable", "comptable@example.org"},
                     // Adviser
                     {"TypeConseil", TypePersonne::Physique},
                     {"FormeJuridiqueOuTitreConseil", kTitreMonsieur},
                     {"NomConseil", "TEMOIN"},
                     {"PrenomConseil", "Gilles"},
                     {"TelephoneConseil", "01.99.00.90.12"},
                     {"EmailConseil", "conseil@example.org"},
                     // Signature and declarant
                     {"VilleSignature", siege::kVille},
                     {"DateSignature", 20100429},
                     {"TelephoneDeclarant", "01.99.00.34.56"},
                     {"EmailDeclarant", "declarant@example.org"},
                     // Tax office
                     {"DenominationCDI", "SIE DE FICTIVILLE"},
                     {"RecetteCDIR", "9990001"},
                     {"NumeroDossier", "99999"},
                     {"Cle", "42"},
                     {"Regime", "ET"},
                     {"InspIFU", "999"},
                 });
}

void TInfogene2072::CasTest() {
  CasTestXX();
  for (TElementLie* element : std::initializer_list<TElementLie*>{
           &getVA(), &getD2072ELoyersBruts(), &getD2072EChargeLocataires(), &getD2072ERecettesDiverses(),
           &getD2072ERentreesCreances(), &getD2072EFraisGerance(), &getD2072EAssurance(), &getD2072ETravauxReparation(),
           &getD2072EChargesEspacesNaturels(), &getD2072ENP(), &getD2072EAssuranceFraisZR(),
           &getD2072EChargesRecuperables(), &getD2072EIndemnitesEtFrais(), &getD2072EDeductionSpecifique(),
           &getD2072EDeductionAmortissement(), &getD2072EProvisionCharges()})
    element->CasTestXX();
  for (TAdresse2072* adresse : std::initializer_list<TAdresse2072*>{
           &getAdresseGerant(), &getAdresseComptable(), &getAdresseConseil(), &getAdresseAdministrateur(),
           &getAdresseDeclarant(), &getAdresseDestinataire(), &getAdresseNouveauDestinataire(), &getAdresseCDI()})
    adresse->CasTestXX();
}

void TAdresseGerant::CasTestXX() { ChargeRue(*this, Lettres(), siege::kNumero, siege::kNom, "avenue"); }
void TAdresseNouveauDestinataire::CasTestXX() { ChargeRue(*this, Lettres(), siege::kNumero, siege::kNom, "avenue"); }
void TAdresseComptable::CasTestXX() { ChargeRue(*this, Lettres(), "10", "du Chateau", "rue"); }
void TAdresseConseil::CasTestXX() { ChargeRue(*this, Lettres(), "12", "du Pré fleuri", "rue"); }

void TAdresseCDI::CasTestXX() {
  Remplit(*this, {{"NumeroVoie", "2"},
                  {"TypeEtNomVoie", "MAGENTA"},
                  {"TypeVoie", "BD"},
                  {"CodePostal", "99200"},
                  {"Ville", "MODELEBOURG"}});
}

}  // namespace zorfiscal2072
