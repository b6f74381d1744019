// The sample's property: an urban flat with one tenant, one beneficiary and four depreciable
// components.
#include <array>

#include "codes2072.h"
#include "echantillon.h"
#include "propriete2072.h"

namespace zorfiscal2072 {

using namespace exemple;

namespace {

struct ComposantExemple {
  short nom;  // code of the list of component kinds
  const char* nomSaisi;
  long dateAcquisition;
  short modeAmortissement;  // 1 straight-line, 2 declining-balance
  double montantAmort;
};
constexpr std::array<ComposantExemple, 4> kComposants{{
    {11, "Gros oeuvre", 20000201, 1, 100000},
    {13, "Installations générales", 20010201, 1, 50000},
    {16, "Plomberies, canalisations", 20020201, 2, 40000},
    {19, "Second oeuvre", 20030201, 2, 30000},
}};

}  // namespace

void TPropriete2072::CasTestXX() {
  // clang-format off
  Remplit(*this, {
      {"CodePropriete", kCodePropriete},
      {"Nom", kSocieteNom},
      {"Categorie", Categorie::Ordinaire},
      {"OptionFiscale", OptionFiscale::Perissol},
      {"TotalNombreLocaux", 1},
      {"NatureUrbain", OuiNon::Oui},
      {"NatureAppartement", OuiNon::Oui},
      {"NatureBati", OuiNon::Oui},
      {"DateAcquisition", 20100201},
      {"DateAchevement", 20100601},
  });
  Remplit(getAdresse(), {{"NumeroVoie", "25"}, {"TypeVoie", "Rue"}, {"TypeEtNomVoie", "de l'Exemple"},
                        {"CodePostal", "75010"}, {"Ville", "PARIS"}});
}
// clang-format on

void TPropriete2072::CasTest() {
  CasTestXX();
  Locataire.emplace_back().CasTestXX();
  Beneficiaire.emplace_back().CasTestXX();
  AmortissementComposant.CasTest();
  DonneeProprieteFoncier->CasTest();
}

void TLocataire::CasTestXX() {
  Remplit(*this, {{"CodePropriete", kCodePropriete},
                  {"Nom", "LOCATAIRE"},
                  {"Prenom", "Simone"},
                  {"Localisation", "Etage 3 porte B"}});
}

void TBeneficiaire::CasTestXX() {
  Remplit(*this, {
                     {"CodePropriete", kCodePropriete},
                     {"IdentiteBeneficiaire", "ASSOCIATION EXEMPLE"},
                     {"AdresseBeneficiaire", "25 Rue de l'Exemple 75010 PARIS"},
                     {"SIRENBeneficiaire", "987654324"},
                     {"NICBeneficiaire", "00019"},
                     {"SIRETBeneficiaire", "98765432400019"},
                 });
}

void TAmortissementComposant::CasTestXX() {
  Remplit(*this, {{"TotalMethodeLineaire", 150000}, {"TotalMethodeDegressive", 70000}});
}

void TAmortissementComposant::CasTest() {
  CasTestXX();
  for (std::size_t n = 0; n < kComposants.size(); ++n) Composant.emplace_back().CasTestXX(n);
}

void TComposant::CasTestXX(std::size_t numero) {
  // clang-format off
  const ComposantExemple& c = kComposants.at(numero);
  Remplit(*this, {{"CodePropriete", kCodePropriete}, {"Nom", c.nom}, {"NomSaisi", c.nomSaisi},
                 {"DateAcquisition", c.dateAcquisition}, {"ModeAmortissement", c.modeAmortissement},
                 {"MontantAmort", c.montantAmort}});
}
// clang-format on

// clang-format off
void TDonneeProprieteFoncierPropriete::CasTestXX() {
  Remplit(*this, {{"LoyerBrut", 60000}, {"TotalRecette", 60000}, {"TotalRecetteCRLCalcul", 60000},
                 {"FraisGerance", 5000}, {"Assurance", 5000}});
}
// clang-format on

void TDonneeProprieteFoncierPropriete::CasTest() {
  CasTestXX();
  ForfaitGestion->CasTestXX();
}

}  // namespace zorfiscal2072
