// Building type of a property, from its category and, for an ordinary property, its scheme.
#include "codes2072.h"
#include "foncierpropriete2072.h"

namespace zorfiscal2072 {
namespace {

struct TypeSelonCode {
  long Code;
  long Type;
};

// Ordinary properties, by tax scheme; a scheme not listed is the ordinary type.
constexpr TypeSelonCode kTypeSelonOption[] = {
    {OptionFiscale::Perissol, TypeImmeuble::Amortissement},
    {OptionFiscale::BessonNeuf, TypeImmeuble::Amortissement},
    {OptionFiscale::RobienClassique, TypeImmeuble::Amortissement},
    {OptionFiscale::RobienClassiqueZRR, TypeImmeuble::Amortissement},
    {OptionFiscale::RobienRecentre, TypeImmeuble::Amortissement},
    {OptionFiscale::RobienRecentreZRR, TypeImmeuble::Amortissement},
    {OptionFiscale::BorlooNeuf, TypeImmeuble::Amortissement},
    {OptionFiscale::BessonAncien, TypeImmeuble::Deduction26},
    {OptionFiscale::ScellierZRR, TypeImmeuble::Deduction26},
    {OptionFiscale::BorlooAncienIntermediaire, TypeImmeuble::Deduction30Ou45},
    {OptionFiscale::Option14, TypeImmeuble::Deduction30Ou45},
    {OptionFiscale::ScellierIntermediaire, TypeImmeuble::Deduction30Ou45},
    {OptionFiscale::ScellierIntermediaireDOM, TypeImmeuble::Deduction30Ou45},
    {OptionFiscale::Carrieres, TypeImmeuble::Carriere},
    {OptionFiscale::BorlooAncienSocial, TypeImmeuble::BorlooAncienSocial},
    {OptionFiscale::Option16, TypeImmeuble::Deduction60},
    {OptionFiscale::BorlooAncienSocial60, TypeImmeuble::Deduction60},
    {OptionFiscale::Option17, TypeImmeuble::Deduction75},
    {OptionFiscale::BorlooAncienSocialIntermediaire, TypeImmeuble::Deduction70},
};

// The other categories have one type each, whatever the scheme.
constexpr TypeSelonCode kTypeSelonCategorie[] = {
    {Categorie::SecteurSauvegarde, TypeImmeuble::SecteurSauvegarde},
    {Categorie::MonumentHistorique, TypeImmeuble::MonumentHistorique},
    {Categorie::NuePropriete, TypeImmeuble::NuePropriete},
    {Categorie::EspacesNaturels, TypeImmeuble::EspacesNaturels},
};

template <std::size_t N>
long Cherche(const TypeSelonCode (&table)[N], long code, long sinon) {
  for (const TypeSelonCode& ligne : table)
    if (ligne.Code == code) return ligne.Type;
  return sinon;
}

}  // namespace

long TDonneeProprieteFoncierPropriete::DonneTypeImmeuble(long categorie, long optionFiscale, long typeImmeuble) {
  if (categorie == Categorie::Ordinaire) return Cherche(kTypeSelonOption, optionFiscale, TypeImmeuble::Ordinaire);
  return Cherche(kTypeSelonCategorie, categorie, typeImmeuble);  // another category keeps its type
}

}  // namespace zorfiscal2072
