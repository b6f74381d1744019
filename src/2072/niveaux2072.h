// Level keys of letter indexes: each names a vector of repeated records.
#pragma once

namespace zorfiscal2072 {

enum NiveauIndex : int {
  kNiveauPropriete = 300,           // properties of the declaration
  kNiveauAssocie = 301,             // partners of the declaration
  kNiveauReport = 302,              // carried-forward property results in a partner's statement
  kNiveauLocataire = 303,           // tenants of a property
  kNiveauBeneficiaire = 304,        // beneficiaries of a property
  kNiveauCession = 305,             // sales of assets by the company
  kNiveauQuotePart = 306,           // shares of a property in a partner's statement
  kNiveauRepartition = 307,         // company operations distributed to a partner
  kNiveauComposant = 308,           // depreciable components of a property
  kNiveauCessionParts = 309,        // transfers of shares
  kNiveauJouissanceGratuite = 310,  // properties a partner occupies free of charge
};

}  // namespace zorfiscal2072
