// What a property's tax scheme decides: the building type (with its category) and the special
// deduction option that goes with the scheme.
#include "codes2072.h"
#include "foncierpropriete2072.h"

namespace zorfiscal2072 {
namespace {

// Each scheme of an ordinary property: its building type and the deduction option that goes
// with it. A scheme not listed is the ordinary type, with no deduction ("(aucune)").
struct Dispositif {
  long OptionFiscale;
  long TypeImmeuble;
  long OptionTauxDeduction;
};
// clang-format off
constexpr Dispositif kDispositifs[] = {
    {OptionFiscale::Perissol,                        TypeImmeuble::Amortissement,      OptionTauxDeduction::Aucune},
    {OptionFiscale::BessonNeuf,                      TypeImmeuble::Amortissement,      OptionTauxDeduction::Aucune},
    {OptionFiscale::RobienClassique,                 TypeImmeuble::Amortissement,      OptionTauxDeduction::Aucune},
    {OptionFiscale::RobienClassiqueZRR,              TypeImmeuble::Amortissement,      OptionTauxDeduction::Taux26},
    {OptionFiscale::RobienRecentre,                  TypeImmeuble::Amortissement,      OptionTauxDeduction::Aucune},
    {OptionFiscale::RobienRecentreZRR,               TypeImmeuble::Amortissement,      OptionTauxDeduction::Taux26},
    {OptionFiscale::BorlooNeuf,                      TypeImmeuble::Amortissement,      OptionTauxDeduction::BorlooNeuf30},
    {OptionFiscale::BessonAncien,                    TypeImmeuble::Deduction26,        OptionTauxDeduction::Taux26},
    {OptionFiscale::ScellierZRR,                     TypeImmeuble::Deduction26,        OptionTauxDeduction::ScellierZRR26},
    {OptionFiscale::BorlooAncienIntermediaire,       TypeImmeuble::Deduction30Ou45,    OptionTauxDeduction::BorlooAncienIntermediaire30},
    {OptionFiscale::Option14,                        TypeImmeuble::Deduction30Ou45,    OptionTauxDeduction::Option14},
    {OptionFiscale::ScellierIntermediaire,           TypeImmeuble::Deduction30Ou45,    OptionTauxDeduction::ScellierIntermediaire30},
    {OptionFiscale::ScellierIntermediaireDOM,        TypeImmeuble::Deduction30Ou45,    OptionTauxDeduction::ScellierIntermediaireDOM30},
    {OptionFiscale::Carrieres,                       TypeImmeuble::Carriere,           OptionTauxDeduction::Carriere40},
    {OptionFiscale::BorlooAncienSocial,              TypeImmeuble::BorlooAncienSocial, OptionTauxDeduction::BorlooAncienSocial45},
    {OptionFiscale::Option16,                        TypeImmeuble::Deduction60,        OptionTauxDeduction::Option16},
    {OptionFiscale::BorlooAncienSocial60,            TypeImmeuble::Deduction60,        OptionTauxDeduction::BorlooAncienSocial60},
    {OptionFiscale::Option17,                        TypeImmeuble::Deduction75,        OptionTauxDeduction::Option17},
    {OptionFiscale::BorlooAncienSocialIntermediaire, TypeImmeuble::Deduction70,        OptionTauxDeduction::BorlooAncienSocialIntermediaire70},
};
// clang-format on

struct TypeSelonCode {
  long Code;
  long Type;
};

// The other categories have one type each, whatever the scheme.
constexpr TypeSelonCode kTypeSelonCategorie[] = {
    {Categorie::SecteurSauvegarde, TypeImmeuble::SecteurSauvegarde},
    {Categorie::MonumentHistorique, TypeImmeuble::MonumentHistorique},
    {Categorie::NuePropriete, TypeImmeuble::NuePropriete},
    {Categorie::EspacesNaturels, TypeImmeuble::EspacesNaturels},
};

const Dispositif* Trouve(long optionFiscale) {
  for (const Dispositif& ligne : kDispositifs)
    if (ligne.OptionFiscale == optionFiscale) return &ligne;
  return nullptr;
}

}  // namespace

long TDonneeProprieteFoncierPropriete::DonneTypeImmeuble(long categorie, long optionFiscale, long typeImmeuble) {
  if (categorie == Categorie::Ordinaire) {
    const Dispositif* d = Trouve(optionFiscale);
    return d ? d->TypeImmeuble : TypeImmeuble::Ordinaire;
  }
  for (const TypeSelonCode& ligne : kTypeSelonCategorie)
    if (ligne.Code == categorie) return ligne.Type;
  return typeImmeuble;  // another category keeps its type
}

short TDonneeProprieteFoncierPropriete::OptionTauxProprieteCoherent(long optionFiscale) {
  const Dispositif* d = Trouve(optionFiscale);
  return static_cast<short>(d ? d->OptionTauxDeduction : OptionTauxDeduction::Aucune);
}

}  // namespace zorfiscal2072
