// The sample's two partners, a natural person and a legal person holding half the shares
// each, with their statements.
#include <array>

#include "associe2072.h"
#include "codes2072.h"
#include "echantillon.h"

namespace zorfiscal2072 {

using namespace exemple;

namespace {

// Legal-form code of the legal-person partner.
constexpr short kFormeJuridiqueSociete = 13;

const std::array<ListeSaisies, kNbAssocies> kIdentites{{
    {
        {"Type", TypePersonne::Physique},
        {"FormeJuridiqueOuTitre", 29},  // "Monsieur"
        {"Nom", "FICTIF"},
        {"Prenoms", "Paul Henri"},
        {"DateNaissance", 19501215},
        {"DepartementNaissance", 37},
        {"CommuneNaissance", "FICTIVILLE"},
        {"NombreParts", 1000},
        {"RegimeFiscal", RegimeFiscal::RevenusFonciers},
        {"NombreParts1erJanvier", 1000},
        {"RemunerationDiverse", 1500},
        {"ProduitFinancier", 6000},
    },
    {
        {"Type", TypePersonne::Morale},
        {"FormeJuridique", kFormeJuridiqueSociete},
        {"Designation", "SAS EXEMPLE PARTICIPATIONS"},
        {"Denomination", "SAS EXEMPLE PARTICIPATIONS"},
        {"NumeroSIREN", "123456782"},
        {"NumeroNIC", "00028"},
        {"NumeroSIRET", "12345678200028"},
        {"NombreParts", 1000},
        {"RegimeFiscal", RegimeFiscal::BIC},
        {"NombreParts1erJanvier", 1000},
        {"RemunerationDiverse", 2000},
        {"ProduitFinancier", 6000},
    },
}};

const std::array<ListeSaisies, kNbAssocies> kAdresses{{
    {{"NumeroVoie", "8"},
     {"TypeVoie", "rue"},
     {"TypeEtNomVoie", "des Songes"},
     {"CodePostal", "75011"},
     {"Ville", "PARIS"}},
    {{"NumeroVoie", "40"},
     {"TypeVoie", "boulevard"},
     {"TypeEtNomVoie", "des Chimères"},
     {"CodePostal", "75012"},
     {"Ville", "PARIS"}},
}};

// The statement's own figures; the legal person's business share of the company result.
const std::array<ListeSaisies, kNbAssocies> kBulletins{{
    {{"TotalRevenuBrut", 30000}, {"TotalCharge", 21000}, {"TotalRevenuOuDeficit", 9000}},
    {{"RevenuBICIS", 27900}, {"TotalRevenuBrut", 30000}, {"TotalCharge", 21000}, {"TotalRevenuOuDeficit", 9000}},
}};

}  // namespace

void TAssocie2072::CasTestXX(std::size_t numero) {
  Remplit(*this, {{"CodeAssocie", kCodesAssocies.at(numero)}});
  Remplit(*this, kIdentites.at(numero));
  Remplit(getAdresse(), kAdresses.at(numero));
}

void TAssocie2072::CasTest(std::size_t numero) {
  CasTestXX(numero);
  Bulletin2072.CasTest(numero);
}

void TBulletin2072::CasTestXX(std::size_t numero) { Remplit(*this, kBulletins.at(numero)); }

void TBulletin2072::CasTest(std::size_t numero) {
  CasTestXX(numero);
  TQuotePartPropriete& part = QuotePartPropriete.emplace_back();
  Remplit(part, {{"CodePropriete", kCodePropriete}, {"CodeAssocie", kCodesAssocies.at(numero)}});
  part.CasTestXX();
  QuotePartProduitsFinanciers->CasTestXX();
}

void TQuotePartPropriete::CasTestXX() {
  Remplit(*this, {{"RevenuBrut", 30000}, {"Charge", 21000}, {"RevenuOuDeficit", 9000}});
}

}  // namespace zorfiscal2072
