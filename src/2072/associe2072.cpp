#include "associe2072.h"

#include <algorithm>

#include "codes2072.h"
#include "listes2072.h"

namespace zorfiscal2072 {

namespace {
constexpr std::size_t kNombreReportsInitiaux = 16;
}

TAssocie2072::TAssocie2072() {
  Construct();
  Bulletin2072.getProprieteReport().resize(Bulletin2072.getProprieteReport().size() + kNombreReportsInitiaux);
}

void TAssocie2072::Construct() {
  Adresse.cree();
  AdresseAvantDemenagement.cree();
}

void TAssocie2072::Destruct() {
  Adresse.detruit();
  AdresseAvantDemenagement.detruit();
  ListeProprieteJouissanceGratuite.clear();
}

const lettres::TableLettres<TAssocie2072>& TAssocie2072::Lettres() {
  using R = TAssocie2072;
  using enum lettres::Liste;
  using lettres::Gabarit;
  using lettres::Unite;
  static const lettres::TableLettres<R> table{
      LETTRE(12055, Nom, Texte, 41, "Nom"),
      LETTRE(12056, NomMarital, Texte, 41, "Nom marital"),
      LETTRE(12057, Prenoms, Texte, 51, "Prénoms"),
      LETTRE(12061, DepartementNaissance, Court, 0, "Département de naissance").Parmi(ListeDepartements),
      LETTRE(12062, CommuneNaissance, Texte, 31, "Commune de naissance"),
      LETTRE(12063, RattacheFoyer2042, Court, 0, "Quote-part déclarée avec la déclaration de revenus d'un foyer")
          .Parmi(ListeOuiNon),
      LETTRE(12064, Denomination, Texte, 101, "Dénomination (personne morale)"),
      LETTRE(12075, NombreParts, ReelFormat, 5, "Nombre de parts au 31 décembre").En(Unite::Parts),
      LETTRE(12076, PourcentageDetention, ReelFormat, 5, "Pourcentage du capital détenu").En(Unite::Pourcent).Calcule(),
      LETTRE(12077, ValeurParts, Reel, 0, "Valeur des parts détenues").Calcule(),
      LETTRE(12078, RegimeFiscal, Long, 0, "Régime fiscal").Parmi(ListeRegimeFiscal),
      LETTRE(12080, RemunerationDiverse, Reel, 0, "Rémunérations diverses versées à l'associé"),
      LETTRE(12081, ProduitFinancier, Reel, 0, "Produits financiers attribués à l'associé"),
      LETTRE(12082, PlusValue, Reel, 0, "Plus-value sur cession de parts"),
      LETTRE(12083, ExistePlusValueDiffere, Court, 0, "Plus-value en report d'imposition").Parmi(ListeOuiNon),
      LETTRE(12084, JourCessionPart, MoisJour, 0, "Jour de la cession de parts"),
      LETTRE(12085, MoisCessionPart, MoisJour, 0, "Mois de la cession de parts"),
      LETTRE(12086, AnneeCessionPart, SiecleAnnee, 0, "Année de la cession de parts"),
      LETTRE(12087, IdentiteCessionaire, Texte, 101, "Identité du cessionnaire"),
      LETTRE(12088, JourAcquisitionPart, MoisJour, 0, "Jour de l'acquisition de parts"),
      LETTRE(12089, MoisAcquisitionPart, MoisJour, 0, "Mois de l'acquisition de parts"),
      LETTRE(12090, AnneeAcquisitionPart, SiecleAnnee, 0, "Année de l'acquisition de parts"),
      LETTRE(12091, IdentiteCedant, Texte, 101, "Identité du cédant"),
      LETTRE(12318, CodeRattach, Long, 0, "Numéro de rattachement de l'associé"),
      LETTRE(12361, QuotePartDifferente, ReelFormat, 5, "Quote-part de résultats différente de la part du capital")
          .Parmi(ListeOuiNon),
      LETTRE(12362, QuotePartResultatsSaisie, ReelFormat, 5, "Quote-part de résultats saisie").En(Unite::Pourcent),
      LETTRE(12363, QuotePartResultats, ReelFormat, 5, "Quote-part de résultats retenue").En(Unite::Pourcent).Calcule(),
      LETTRE(12364, TauxPlusValue, Long, 0, "Taux d'imposition de la plus-value").Parmi(ListeTauxDeduction1),
      LETTRE(12437, Designation, Texte, 111, "Désignation de l'associé").Calcule(),
      LETTRE(12519, PaysNaissance, Court, 0, "Pays de naissance").Parmi(ListePays),
      LETTRE(12520, Type, Court, 0, "Type de personne").Parmi(ListeTypePersonne),
      LETTRE(12521, DateNaissance, Date, 0, "Date de naissance"),
      LETTRE(12541, FormeJuridiqueOuTitre, Court, 0, "Civilité ou forme juridique")
          .SelonType("Type", ListeTitres4, ListeFormesJuridiques4),
      LETTRE(12546, NumeroSIREN, Texte, 21, "Numéro SIREN de l'associé").AuGabarit(Gabarit::Siren),
      LETTRE(12547, NumeroNIC, Texte, 21, "Numéro NIC de l'associé").AuGabarit(Gabarit::Nic),
      LETTRE(12548, NumeroSIRET, Texte, 21, "Numéro SIRET de l'associé")
          .Calcule()
          .AuGabarit(Gabarit::Siret, "NumeroSIREN", "NumeroNIC"),
      LETTRE(12562, FormeJuridique, Court, 0, "Forme juridique (personne morale)").Parmi(ListeFormesJuridiques4),
      LETTRE(12639, JouissanceGratuite, Court, 0, "Occupe gratuitement un immeuble de la société").Parmi(ListeOuiNon),
      LETTRE_CLE(12694, CodeAssocie, Texte, 21, "Code de l'associé"),
      LETTRE(12742, NombreParts1erJanvier, ReelFormat, 5, "Nombre de parts au 1er janvier").En(Unite::Parts),
      LETTRE(12751, PresenceHolding, Court, 0, "Société holding").Parmi(ListeOuiNon),
      LETTRE(12752, PresenceNouvelAssocie, Court, 0, "Nouvel associé dans l'année").Parmi(ListeOuiNon).Calcule(),
      LETTRE(12753, AssocieNomComptable, Texte, 41, "Nom du comptable de l'associé"),
      LETTRE(12754, AssocieAdresseComptable, Texte, 101, "Adresse du comptable de l'associé"),
      LETTRE(12755, AssocieNomGerant, Texte, 41, "Nom du gérant de l'associé"),
      LETTRE(12756, AssocieAdresseGerant, Texte, 101, "Adresse du gérant de l'associé"),
      LETTRE(12757, AssocieNomAdministrateur, Texte, 41, "Nom de l'administrateur de l'associé"),
      LETTRE(12758, AssocieAdresseAdministrateur, Texte, 101, "Adresse de l'administrateur de l'associé"),
      LETTRE(12759, InteretsComptesCourants, Reel, 0, "Intérêts des comptes courants d'associé"),
  };
  return table;
}
bool TAssocie2072::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TAssocie2072::TransfertUneLettre(structLettre* l, TIndex index, long sens) {
  return arbre::TransfertUneLettre(*this, l, index, sens);
}

void TAssocie2072::Init() {
  arbre::Reinitialise(*this);
  Bulletin2072.getProprieteReport().clear();
}

void TAssocie2072::InitResultat() {
  PourcentageDetention = ValeurParts = QuotePartResultats = 0;
  PresenceNouvelAssocie = OuiNon::Non;
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitResultat(); });
}

// The year's items: the identity, the shares, the regime and the free-use list stay.
void TAssocie2072::InitPartielle() {
  RemunerationDiverse = ProduitFinancier = InteretsComptesCourants = PlusValue = 0;
  ExistePlusValueDiffere = OuiNon::Non;
  TauxPlusValue = kTauxPlusValueInitial;
  JourCessionPart = MoisCessionPart = AnneeCessionPart = 0;
  JourAcquisitionPart = MoisAcquisitionPart = AnneeAcquisitionPart = 0;
  IdentiteCessionaire.clear();
  IdentiteCedant.clear();
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
}

void TAssocie2072::setAdresse(const TAdresse2072& v) {
  if (!Adresse) Adresse.cree();
  static_cast<TAdresse2072&>(*Adresse) = v;
}

void TAssocie2072::setAdresseAvantDemenagement(const TAdresse2072& v) {
  if (!AdresseAvantDemenagement) AdresseAvantDemenagement.cree();
  static_cast<TAdresse2072&>(*AdresseAvantDemenagement) = v;
}

void TAssocie2072::AjouteProprieteJouissanceGratuite(const std::string& codePropriete) {
  if (aJouissanceGratuite(codePropriete) == "1") return;
  TListeProprieteJouissanceGratuite entree;
  entree.setCodePropriete(codePropriete);
  entree.setCodeAssocie(CodeAssocie);
  ListeProprieteJouissanceGratuite.push_back(entree);
}

void TAssocie2072::SupprimeProprieteJouissanceGratuite(const std::string& codePropriete) {
  const auto it =
      std::find_if(ListeProprieteJouissanceGratuite.begin(), ListeProprieteJouissanceGratuite.end(),
                   [&](const TListeProprieteJouissanceGratuite& e) { return e.getCodePropriete() == codePropriete; });
  if (it != ListeProprieteJouissanceGratuite.end()) ListeProprieteJouissanceGratuite.erase(it);
}

std::string TAssocie2072::aJouissanceGratuite(const std::string& codePropriete) const {
  const bool presente =
      std::any_of(ListeProprieteJouissanceGratuite.begin(), ListeProprieteJouissanceGratuite.end(),
                  [&](const TListeProprieteJouissanceGratuite& e) { return e.getCodePropriete() == codePropriete; });
  return presente ? "1" : "0";
}

std::string TAssocie2072::DonneDesignation() const {
  std::string designation;
  if (Type == TypePersonne::Physique) {
    designation = Nom;
    if (!Nom.empty() && !Prenoms.empty()) designation += ' ';
    designation += Prenoms;
  } else if (Type == TypePersonne::Morale) {
    designation = Denomination;
  }
  ReduitEspacesDoubles(designation);
  return designation;
}

}  // namespace zorfiscal2072
