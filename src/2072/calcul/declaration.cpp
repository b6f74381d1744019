// The whole declaration's computation, in the order of its steps: coherence, the partners'
// holdings, each property, the company totals and the 2072-E lines, then the corporate-tax
// statement, the partners' statements and the rental-income contribution.
#include <cfloat>
#include <cmath>

#include "codes2072.h"
#include "etapes.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {
namespace {

// Below this a number of parts on 1 January is none: the partner joined during the year.
constexpr double kAucunePart = DBL_EPSILON;  // 2^-52

}  // namespace

void TDonnee2072::CalculDec2072(long annee) {
  TInfogene2072& g = Infogene2072;

  // 1. Consistency first; it never stops the computation.
  Coherence();

  // 2-3. Company parts and the regimes of the partners.
  g.setNombrePartsTotalCalcul(0);
  g.setNominalParts(0);
  g.setQuotePartResultatsTotal(0);
  DonneeIS2072.setExisteAssocieBA(OuiNon::Non);
  DonneeIS2072.setExisteAssocieBIC(OuiNon::Non);
  DonneeIS2072.setExisteAssocieIS(OuiNon::Non);
  g.setPresenceAssociesBICIS(OuiNon::Non);
  g.setPresenceAssociesBA(OuiNon::Non);
  if (g.getNombrePartsTotal() != 0) g.setNominalParts(g.getCapital() / g.getNombrePartsTotal());

  // 4. Each partner's holding.
  for (TAssocie2072& a : Associe2072) {
    switch (a.getRegimeFiscal()) {
      case RegimeFiscal::BA: DonneeIS2072.setExisteAssocieBA(OuiNon::Oui); break;
      case RegimeFiscal::BIC: DonneeIS2072.setExisteAssocieBIC(OuiNon::Oui); break;
      case RegimeFiscal::IS: DonneeIS2072.setExisteAssocieIS(OuiNon::Oui); break;
      default: break;
    }
    a.setPresenceNouvelAssocie(std::fabs(a.getNombreParts1erJanvier()) < kAucunePart ? OuiNon::Oui : OuiNon::Non);
    a.CalculAssocie2072(g.getNombrePartsTotal(), g.getNominalParts());
    g.setNombrePartsTotalCalcul(g.getNombrePartsTotalCalcul() + a.getNombreParts());
    g.setQuotePartResultatsTotal(g.getQuotePartResultatsTotal() + a.getQuotePartResultats());
  }

  // 5-6. Business, farm and corporate-tax income: entered in the statement, or a partner's regime.
  if (ExisteRevenuBICIS() || ExisteAssocieRevenuBICIS()) g.setPresenceAssociesBICIS(OuiNon::Oui);
  if (ExisteRevenuBA() || ExisteAssocieRevenuBA()) g.setPresenceAssociesBA(OuiNon::Oui);
  g.setNombreAssociesCalcul(NbAssocie());

  // 7. Company totals.
  g.setLocationStationnement(OuiNon::Non);
  g.setBaseCalculCRLGeneral(0);
  g.setRecetteSoumiseCRL(0);
  g.setTotalRecetteGeneral(0);
  g.setTotalChargeGeneral(0);
  TResultatGlobalARepartir& global = ResultatGlobalARepartir;
  global.Init();
  calcul::Cumul2072E cumul2072E;

  // 8. Each property, numbered from 1 on the return, then added to the company totals.
  for (std::size_t i = 0; i < Propriete2072.size(); ++i) {
    TPropriete2072& p = Propriete2072[i];
    p.setNumero(static_cast<long>(i) + 1);
    p.getAmortissement2072().setAnnee(annee);
    p.SetTypeImmeuble();
    p.CalculPropriete2072();
    const TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
    const TResultatARepartir2072& r = p.getResultatARepartir();

    if (p.getLocationStationnement() == OuiNon::Oui) g.setLocationStationnement(OuiNon::Oui);
    // Only a property the contribution applies to is charged: another may still carry a
    // figure from an earlier computation or from its file.
    if (p.getApplicationCRL() == OuiNon::Oui)
      g.setRecetteSoumiseCRL(g.getRecetteSoumiseCRL() + f.getRecetteCRLCalcul());
    g.setTotalRecetteGeneral(g.getTotalRecetteGeneral() + f.getTotalRecette());
    g.setTotalChargeGeneral(g.getTotalChargeGeneral() + f.getTotalCharge());
    p.getAmortissementComposant().CalculTotauxParMethode();

    global.setRevenuBrut(global.getRevenuBrut() + r.getRevenuBrut());
    global.setTravaux(global.getTravaux() + r.getTravaux());
    global.setCharge(global.getCharge() + f.getTotalCharge());  // the land record's, as the form totals it
    global.setInteretsEmprunts(global.getInteretsEmprunts() + r.getInteretEmprunt());
    global.setRevenuNetOuDeficit(global.getRevenuNetOuDeficit() + r.getRevenuOuDeficit());

    if (p.getSoumisCVAE() == OuiNon::Oui) cumul2072E.Ajoute(f);
  }

  // 9-12. The 2072-E lines, their totals and the value added.
  cumul2072E.Ecrit(g, DonneeIS2072);

  // 13. Statements, then the contribution.
  CalculProprieteIS2072();
  CalculBulletin();
  CalculCRL();
}

}  // namespace zorfiscal2072
