// A property: the tenant, beneficiary and component the index names, the property's name,
// then the dates of its tax scheme.
#include "controle2072.h"
#include "niveaux2072.h"

namespace zorfiscal2072::controles {

namespace {

using enum NumeroMessage;

const RegleSimple<TLocataire> kLocataire[] = {
    {Arret::Teste, ID_ERREUR72_PROPLOCATAIRENOM, NonSaisi<TLocataire, &TLocataire::getNom>},
};
const RegleSimple<TBeneficiaire> kBeneficiaire[] = {
    {Arret::Teste, ID_ERREUR72_PROPIdentiteBeneficiaire,
     NonSaisi<TBeneficiaire, &TBeneficiaire::getIdentiteBeneficiaire>},
};
const RegleSimple<TComposant> kComposant[] = {
    {Arret::Teste, ID_ERREUR72_COMPOSANT_NOM, NonSaisi<TComposant, &TComposant::getNomSaisi>},
};
const RegleSimple<TPropriete2072> kNom[] = {
    {Arret::Teste, ID_ERREUR72_PROPSAISIENOM, NonSaisi<TPropriete2072, &TPropriete2072::getNom>},
};

}  // namespace

void ControlePropriete(TControle& c, const TPropriete2072& p, const TIndex& index) {
  if (const TLocataire* l = Designe(p.getLocataire(), index, kNiveauLocataire)) Applique(c, kLocataire, *l);
  if (const TBeneficiaire* b = Designe(p.getBeneficiaire(), index, kNiveauBeneficiaire)) Applique(c, kBeneficiaire, *b);
  if (const TComposant* k = Designe(p.getAmortissementComposant().getComposant(), index, kNiveauComposant))
    Applique(c, kComposant, *k);
  Applique(c, kNom, p);
  ControleDispositif(c, p);
}

}  // namespace zorfiscal2072::controles
