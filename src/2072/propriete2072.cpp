#include "propriete2072.h"

#include <algorithm>

#include "codes2072.h"
#include "listes2072.h"
#include "tables2072.h"

namespace zorfiscal2072 {
namespace {

bool Contient(const std::vector<TElement>& liste, long code) {
  return std::any_of(liste.begin(), liste.end(), [code](const TElement& e) { return e.get_enum() == code; });
}

// The schemes each category offers, in the order shown; another category offers none.
constexpr lettres::ListeSelonValeur kOptionsParCategorie[] = {
    {Categorie::Ordinaire, lettres::Liste::ListeOptionsCategorie1},
    {Categorie::SecteurSauvegarde, lettres::Liste::ListeOptionsCategorie4},
    {Categorie::MonumentHistorique, lettres::Liste::ListeOptionsCategorie6},
    {Categorie::NuePropriete, lettres::Liste::ListeOptionsCategorie7},
    {Categorie::EspacesNaturels, lettres::Liste::ListeOptionsCategorie8},
};

// The land lines each category has no use for, which the coherence pass clears: an ordinary
// property has no conversion works, natural-area or protected-building lines; bare ownership no
// income and hardly any charge (nor, like a natural area, a deduction option).
constexpr unsigned Groupe(long categorie) { return 1u << categorie; }
constexpr unsigned kOrdinaire = Groupe(Categorie::Ordinaire),
                   kSauvegarde = Groupe(Categorie::SecteurSauvegarde) | Groupe(Categorie::SecteurSauvegardeAncien),
                   kMonument = Groupe(Categorie::MonumentHistorique), kNue = Groupe(Categorie::NuePropriete),
                   kNaturel = Groupe(Categorie::EspacesNaturels);
using F = TDonneeProprieteFoncierPropriete;
struct LigneSansObjet {
  void (F::*efface)(double);
  unsigned categories;
};
// clang-format off
constexpr LigneSansObjet kLignesSansObjet[] = {
    {&F::setLoyerBrut,                kNue},
    {&F::setRecettePossible,          kNue},
    {&F::setChargeLocataire,          kNue},
    {&F::setRecetteDiverse,           kNue},
    {&F::setTotalRecette,             kNue},
    {&F::setIndemniteEtFrais,         kNue},
    {&F::setChargesRecuperable,       kNue},
    {&F::setTauxDeduction,            kNue},
    {&F::setImpotEtTaxe,              kNue},
    {&F::setRemunerationNetteAssocie, kNue},
    {&F::setRevenuAutreSI,            kNue},
    {&F::setProvision,                kNue | kNaturel},
    {&F::setRegularisation,           kNue | kNaturel},
    {&F::setRemunerationBruteAssocie, kNue | kNaturel},
    {&F::setDeductionFraisDivers,     kNue | kNaturel},
    {&F::setTravauxTransformation,    kOrdinaire | kMonument | kNue | kNaturel},
    {&F::setDeductionAmortissement,   kSauvegarde | kMonument | kNue | kNaturel},
    {&F::setReintegrationDeduction,   kSauvegarde | kMonument | kNue | kNaturel},
    {&F::setChargesEspacesNaturels,   kOrdinaire | kSauvegarde | kMonument | kNue},
    {&F::setAssuranceFraisZR,         kOrdinaire | kSauvegarde | kNue | kNaturel},
};
// clang-format on

}  // namespace

const lettres::TableLettres<TPropriete2072>& TPropriete2072::Lettres() {
  using R = TPropriete2072;
  using enum lettres::Liste;
  static const lettres::TableLettres<R> table{
      LETTRE(12101, Numero, Long, 0, "Numéro de l'immeuble sur la déclaration").Calcule(),
      LETTRE(12102, Nom, Texte, 101, "Désignation de l'immeuble"),
      LETTRE(12103, Categorie, Long, 0, "Catégorie de l'immeuble").Parmi(ListeCategoriesBien),
      LETTRE(12105, LocationStationnement, Court, 0, "Location d'emplacements de stationnement").Parmi(ListeOuiNon),
      LETTRE(12117, DateAcquisition, Date, 0, "Date d'acquisition"),
      LETTRE(12118, DateAchevement, Date, 0, "Date d'achèvement"),
      LETTRE(12319, CodeRattach, Long, 0, "Numéro de rattachement de l'immeuble"),
      LETTRE(12357, TypeImmeuble, Long, 0, "Type d'immeuble (selon catégorie et dispositif)").Calcule(),
      LETTRE(12386, TotalNombreLocaux, Long, 0, "Nombre total de locaux"),
      LETTRE(12387, NombreLocauxCRL, Long, 0, "Nombre de locaux soumis à la contribution sur les revenus locatifs"),
      LETTRE(12392, OptionFiscale, Long, 0, "Dispositif fiscal")
          .Parmi(ListeOptionsCategorie1)
          .SelonValeur("Categorie", kOptionsParCategorie),
      LETTRE(12640, NatureUrbain, Court, 0, "Nature : urbain").Parmi(ListeOuiNon),
      LETTRE(12641, NatureRural, Court, 0, "Nature : rural").Parmi(ListeOuiNon),
      LETTRE(12642, NatureAppartement, Court, 0, "Nature : appartement").Parmi(ListeOuiNon),
      LETTRE(12643, NatureMaison, Court, 0, "Nature : maison").Parmi(ListeOuiNon),
      LETTRE(12644, NatureImmeuble, Court, 0, "Nature : immeuble de rapport").Parmi(ListeOuiNon),
      LETTRE(12645, NatureParking, Court, 0, "Nature : parking").Parmi(ListeOuiNon),
      LETTRE(12646, NatureBati, Court, 0, "Nature : bâti").Parmi(ListeOuiNon),
      LETTRE(12647, NatureNonBati, Court, 0, "Nature : non bâti").Parmi(ListeOuiNon),
      LETTRE(12648, NatureAutres, Court, 0, "Nature : autre").Parmi(ListeOuiNon),
      LETTRE(12649, NatureAutresSaisie, Texte, 101, "Autre nature (précisez)"),
      LETTRE(12650, ApplicationCRL, Court, 0, "Soumis à la contribution sur les revenus locatifs").Parmi(ListeOuiNon),
      LETTRE_CLE(12655, CodePropriete, Texte, 21, "Code de l'immeuble"),
      LETTRE(12770, SoumisCVAE, Court, 0, "Soumis à la cotisation sur la valeur ajoutée").Parmi(ListeOuiNon),
  };
  return table;
}

bool TPropriete2072::TransfertUneLettre(structLettre* lettre, TIndex index, long sens) {
  return arbre::TransfertUneLettre(*this, lettre, index, sens);
}

void TPropriete2072::Construct() {
  Adresse.cree();
  DonneeProprieteFoncier.cree();
  ResultatARepartir.cree();
}

void TPropriete2072::Destruct() {
  Adresse.detruit();
  DonneeProprieteFoncier.detruit();
  ResultatARepartir.detruit();
  Locataire.clear();
  Beneficiaire.clear();
}

void TPropriete2072::InitResultat() {
  Numero = 0;
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitResultat(); });
}

bool TPropriete2072::ExisteOptionAmortissement() const { return EstOptionAmortissement(OptionFiscale); }

void TPropriete2072::UpdateCollectionOptions() {
  CollectionOptions.clear();
  for (const lettres::ListeSelonValeur& l : kOptionsParCategorie)
    if (l.valeur == Categorie) {
      const std::vector<TElement>& offertes = *TTables_2072::getInstance()->Liste(l.liste);
      CollectionOptions.assign(offertes.begin(), offertes.end());
    }
  if (!Contient(CollectionOptions, OptionFiscale)) OptionFiscale = OptionFiscale::Ordinaire;
}

void TPropriete2072::UpdateCollectionTauxDeduction() {
  const auto& offertes = TTables_2072::getInstance()->ListeOptionsTauxDeduction;
  CollectionTauxDeduction.assign(offertes.begin(), offertes.end());
  if (DonneeProprieteFoncier && !Contient(CollectionTauxDeduction, DonneeProprieteFoncier->getOptionTauxDeduction()))
    DonneeProprieteFoncier->setOptionTauxDeduction(OptionTauxDeduction::AutreCas);
}

void TPropriete2072::coherence() {
  if (!ExisteOptionAmortissement()) Amortissement2072.InitPartielle();
  if (OptionFiscale == OptionFiscale::Ordinaire) {
    DateAcquisition = 0;
    DateAchevement = 0;
    Locataire.clear();
  }
  if (!DonneeProprieteFoncier) return;
  TDonneeProprieteFoncierPropriete& f = *DonneeProprieteFoncier;
  const unsigned categorie = Categorie >= 0 && Categorie < 32 ? 1u << Categorie : 0;
  for (const LigneSansObjet& ligne : kLignesSansObjet)
    if (ligne.categories & categorie) (f.*ligne.efface)(0);
  if (categorie & (kNue | kNaturel)) f.setOptionTauxDeduction(OptionTauxDeduction::Aucune);
}

}  // namespace zorfiscal2072
