#include "infogene2072.h"

#include <array>
#include <string>
#include <utility>

#include "listes2072.h"

namespace zorfiscal2072 {
namespace {

using Ligne = lettres::LettreChamp<TInfogene2072>;

// Codes of the three seats' fields, in ChampAdresse order. Seat 1 receives the former seat
// when an older declaration shows that the company moved.
constexpr std::array<CodesAdresse, 3> kCodesSieges{{
    {12438, 12439, 12440, 12441, 12442, 12443, 12007, 12008, 12430, 12550},
    {12444, 12445, 12446, 12447, 12448, 12449, 12011, 12012, 12431, 12551},
    {12450, 12451, 12452, 12453, 12454, 12455, 12404, 12405, 12432, 12552},
}};

// at(): a seat list set shorter than three raises out_of_range rather than running off its end.
template <std::size_t S, ChampAdresse C>
lettres::RefChamp AccesSiege(TInfogene2072& r) {
  return TAdresse2072::Reference(r.getSocieteAdresseSiege().at(S), C);
}

// Field names that tell the seats apart ("SocieteAdresseSiege[1].Ville"), and the seats as a
// person reads them.
constexpr const char* kSieges[3] = {"Siège de la société", "Ancien siège de la société", "Troisième adresse du siège"};

template <std::size_t S, std::size_t... C>
void AjouteSiege(std::vector<Ligne>& lignes, std::index_sequence<C...>) {
  const auto description = [](short code, ChampAdresse champ) {
    lettres::DescriptionLettre d = DescriptionAdresse(code, champ, kSieges[S]);
    const std::string siege = "SocieteAdresseSiege[" + std::to_string(S) + "].";
    d.champ = lettres::TexteDurable(siege + d.champ);
    for (const char*& autre : d.gabaritChamps)
      if (autre != nullptr) autre = lettres::TexteDurable(siege + autre);
    return d;
  };
  (lignes.push_back({description(kCodesSieges[S][C], ChampAdresse(C)), &AccesSiege<S, ChampAdresse(C)>}), ...);
}

std::vector<Ligne> AvecSieges(std::vector<Ligne> lignes) {
  AjouteSiege<0>(lignes, std::make_index_sequence<10>{});
  AjouteSiege<1>(lignes, std::make_index_sequence<10>{});
  AjouteSiege<2>(lignes, std::make_index_sequence<10>{});
  return lignes;
}

}  // namespace

const lettres::TableLettres<TInfogene2072>& TInfogene2072::Lettres() {
  using R = TInfogene2072;
  using enum lettres::Liste;
  using lettres::Gabarit;
  using lettres::Unite;
  static const lettres::TableLettres<R> table(AvecSieges({
      // Company
      LETTRE(12003, SocieteNom, Texte, 101, "Dénomination de la société"),
      LETTRE(12005, SocieteNomPreimprime, Texte, 101, "Dénomination préimprimée par l'administration"),
      // Capital, shares, financial year, partners
      LETTRE(12043, Capital, ReelFormat, 2, "Capital social"),
      LETTRE(12044, NombrePartsTotal, ReelFormat, 5, "Nombre total de parts").En(Unite::Parts),
      LETTRE(12045, NombrePartsTotalCalcul, ReelFormat, 5, "Nombre total de parts détenues par les associés")
          .En(Unite::Parts)
          .Calcule(),
      LETTRE(12046, NominalParts, ReelFormat, 5, "Valeur nominale d'une part").En(Unite::Euros).Calcule(),
      LETTRE(12320, QuotePartResultatsTotal, ReelFormat, 5, "Total des quotes-parts de résultats des associés")
          .En(Unite::Pourcent)
          .Calcule(),
      LETTRE(12817, DateDebutExercice, Date, 0, "Date d'ouverture de l'exercice"),
      LETTRE(12047, DateClotureExercice, Date, 0, "Date de clôture de l'exercice"),
      LETTRE(12048, NombreAssocies, Long, 0, "Nombre d'associés"),
      LETTRE(12388, PresenceAssociesBICIS, Court, 0, "Revenus ou associés relevant des BIC ou de l'IS")
          .Parmi(ListeOuiNon)
          .Calcule(),
      LETTRE(12389, PresenceAssociesBA, Court, 0, "Revenus ou associés relevant des BA").Parmi(ListeOuiNon).Calcule(),
      LETTRE(12049, NombreAssociesCalcul, Long, 0, "Nombre d'associés (calculé)").Calcule(),
      LETTRE(12436, AssociesISBICBA, Long, 0, "Associés relevant de l'IS, des BIC ou des BA").Parmi(ListeOuiNon),
      LETTRE(12544, NumeroSIREN, Texte, 21, "Numéro SIREN de la société").AuGabarit(Gabarit::Siren),
      LETTRE(12545, NumeroNIC, Texte, 21, "Numéro NIC de la société").AuGabarit(Gabarit::Nic),
      LETTRE(12543, NumeroSIRET, Texte, 21, "Numéro SIRET de la société")
          .Calcule()
          .AuGabarit(Gabarit::Siret, "NumeroSIREN", "NumeroNIC"),
      LETTRE(12375, ImpressionImmeuble, Long, 0, "Imprimer par immeuble").Parmi(ListeOuiNon),
      LETTRE(12376, ImpressionGroupeImmeubles, Long, 0, "Imprimer par groupe d'immeubles").Parmi(ListeOuiNon),
      // Rental-income contribution
      LETTRE(12322, RecetteSoumiseCRL, Reel, 0, "Recettes de la société soumises à la contribution").Calcule(),
      LETTRE(12323, MontantCRL, Reel, 0, "Contribution sur les revenus locatifs due").Calcule(),
      LETTRE(12324, AcompteCRL, Reel, 0, "Acompte de contribution déjà versé"),
      LETTRE(12325, SoldeCRL, Reel, 0, "Solde de contribution à payer").Calcule(),
      LETTRE(12326, ExcedentCRL, Reel, 0, "Excédent de contribution versé").Calcule(),
      LETTRE(12327, ModePaiementCRL, Reel, 0, "Mode de paiement de la contribution").Parmi(ListeModePaiement),
      LETTRE(12328, NombreVirementCRL, Reel, 0, "Nombre de virements").En(Unite::Aucune),
      // Value added and 2072-E
      LETTRE(12564, ProduitsFinanciers, Reel, 0, "Produits financiers"),
      LETTRE(12565, ProduitsExceptionnels, Reel, 0, "Produits exceptionnels"),
      LETTRE(12570, CA, Reel, 0, "Chiffre d'affaires"),
      LETTRE(12571, CVAEDispense, Court, 0, "Dispense de cotisation sur la valeur ajoutée").Parmi(ListeOuiNon),
      LETTRE(12818, DateCessation, Date, 0, "Date de cessation d'activité"),
      LETTRE(12780, D2072ETotalA, Reel, 0, "2072-E : total des recettes (A)").Calcule(),
      LETTRE(12814, D2072ETotalB, Reel, 0, "2072-E : total des charges (B)").Calcule(),
      // Manager
      LETTRE(12523, TypeGerant, Court, 0, "Type de personne du gérant").Parmi(ListeTypePersonne),
      LETTRE(12524, FormeJuridiqueOuTitreGerant, Court, 0, "Civilité ou forme juridique du gérant")
          .SelonType("TypeGerant", ListeTitres1, ListeFormesJuridiques1),
      LETTRE(12525, DenominationGerant, Texte, 35, "Dénomination du gérant (personne morale)"),
      LETTRE(12526, ComplementDesignationGerant, Texte, 35, "Complément de dénomination du gérant"),
      LETTRE(12527, DesignationGerant, Texte, 36, "Désignation du gérant"),
      LETTRE(12024, NomGerant, Texte, 41, "Nom du gérant"),
      LETTRE(12025, PrenomGerant, Texte, 51, "Prénoms du gérant"),
      LETTRE(12029, TelephoneGerant, Texte, 31, "Téléphone du gérant"),
      LETTRE(12377, TelephoneMobileGerant, Texte, 31, "Téléphone mobile du gérant"),
      LETTRE(12329, TelecopieGerant, Texte, 31, "Télécopie du gérant"),
      LETTRE(12330, EmailGerant, Texte, 61, "Courriel du gérant"),
      // Accountant
      LETTRE(12528, TypeComptable, Court, 0, "Type de personne du comptable").Parmi(ListeTypePersonne),
      LETTRE(12529, FormeJuridiqueOuTitreComptable, Court, 0, "Civilité ou forme juridique du comptable")
          .SelonType("TypeComptable", ListeTitres2, ListeFormesJuridiques2),
      LETTRE(12530, DenominationComptable, Texte, 35, "Dénomination du comptable (personne morale)"),
      LETTRE(12531, ComplementDesignationComptable, Texte, 35, "Complément de dénomination du comptable"),
      LETTRE(12532, DesignationComptable, Texte, 36, "Désignation du comptable"),
      LETTRE(12332, NomComptable, Texte, 41, "Nom du comptable"),
      LETTRE(12333, PrenomComptable, Texte, 51, "Prénoms du comptable"),
      LETTRE(12337, TelephoneComptable, Texte, 31, "Téléphone du comptable"),
      LETTRE(12338, TelecopieComptable, Texte, 31, "Télécopie du comptable"),
      LETTRE(12339, EmailComptable, Texte, 61, "Courriel du comptable"),
      // Adviser
      LETTRE(12573, TypeConseil, Court, 0, "Type de personne du conseil").Parmi(ListeTypePersonne),
      LETTRE(12574, FormeJuridiqueOuTitreConseil, Court, 0, "Civilité ou forme juridique du conseil")
          .SelonType("TypeConseil", ListeTitres3, ListeFormesJuridiques3),
      LETTRE(12575, DenominationConseil, Texte, 35, "Dénomination du conseil (personne morale)"),
      LETTRE(12576, ComplementDesignationConseil, Texte, 35, "Complément de dénomination du conseil"),
      LETTRE(12577, DesignationConseil, Texte, 36, "Désignation du conseil"),
      LETTRE(12578, NomConseil, Texte, 41, "Nom du conseil"),
      LETTRE(12579, PrenomConseil, Texte, 51, "Prénoms du conseil"),
      LETTRE(12590, TelephoneConseil, Texte, 31, "Téléphone du conseil"),
      LETTRE(12591, TelecopieConseil, Texte, 31, "Télécopie du conseil"),
      LETTRE(12592, EmailConseil, Texte, 61, "Courriel du conseil"),
      // Administrator
      LETTRE(12533, TypeAdministrateur, Court, 0, "Type de personne de l'administrateur").Parmi(ListeTypePersonne),
      LETTRE(12534, FormeJuridiqueOuTitreAdministrateur, Court, 0, "Civilité ou forme juridique de l'administrateur")
          .SelonType("TypeAdministrateur", ListeTitres5, ListeFormesJuridiques5),
      LETTRE(12535, DenominationAdministrateur, Texte, 35, "Dénomination de l'administrateur (personne morale)"),
      LETTRE(12536, ComplementDesignationAdministrateur, Texte, 35, "Complément de dénomination de l'administrateur"),
      LETTRE(12537, DesignationAdministrateur, Texte, 36, "Désignation de l'administrateur"),
      LETTRE(12341, NomAdministrateur, Texte, 41, "Nom de l'administrateur"),
      LETTRE(12342, PrenomAdministrateur, Texte, 51, "Prénoms de l'administrateur"),
      LETTRE(12346, TelephoneAdministrateur, Texte, 31, "Téléphone de l'administrateur"),
      LETTRE(12347, TelecopieAdministrateur, Texte, 31, "Télécopie de l'administrateur"),
      LETTRE(12348, EmailAdministrateur, Texte, 61, "Courriel de l'administrateur"),
      // Declarant and addressees
      LETTRE(12016, VilleSignature, Texte, 31, "Lieu de signature"),
      LETTRE(12518, DateSignature, Date, 0, "Date de signature"),
      LETTRE(12019, DestinataireDifferent, Court, 0, "Déclaration adressée à un autre destinataire que le déclarant")
          .Parmi(ListeOuiNon),
      LETTRE(12349, TelephoneDeclarant, Texte, 31, "Téléphone du déclarant"),
      LETTRE(12350, EmailDeclarant, Texte, 61, "Courriel du déclarant"),
      // Tax office
      LETTRE(12030, DenominationCDI, Texte, 101, "Service des impôts"),
      LETTRE(12034, RecetteCDIR, Texte, 21, "Référence de la recette des impôts"),
      LETTRE(12036, NumeroDossier, Texte, 21, "Numéro de dossier"),
      LETTRE(12038, Cle, Texte, 21, "Clé du numéro de dossier"),
      LETTRE(12040, Regime, Texte, 21, "Référence du régime d'imposition"),
      LETTRE(12042, InspIFU, Texte, 21, "Référence de l'inspection"),
      // General totals
      LETTRE(12209, TotalRecetteGeneral, Reel, 0, "Total des recettes de tous les immeubles").Calcule(),
      LETTRE(12210, TotalChargeGeneral, Reel, 0, "Total des charges de tous les immeubles").Calcule(),
      LETTRE(12211, BaseCalculCRLGeneral, Reel, 0, "Base totale de la contribution sur les revenus locatifs").Calcule(),
      LETTRE(12212, LocationStationnement, Court, 0, "Un immeuble au moins loué en emplacements de stationnement")
          .Parmi(ListeOuiNon)
          .Calcule(),
  }));
  return table;
}

void TInfogene2072::Construct() {
  SocieteAdresseSiege.assign(3, TSocieteAdresseSiege{});
  arbre::PourChaqueEnfant<TInfogene2072>([this](const auto& enfant) { (this->*enfant.champ).cree(); });
}

void TInfogene2072::Destruct() {
  arbre::PourChaqueEnfant<TInfogene2072>([this](const auto& enfant) { (this->*enfant.champ).detruit(); });
}

void TInfogene2072::InitResultat() {
  NombrePartsTotalCalcul = NominalParts = QuotePartResultatsTotal = 0;
  DateDebutExercice = NombreAssociesCalcul = 0;
  NumeroSIRET.clear();  // rebuilt from SIREN and NIC by the text update
  RecetteSoumiseCRL = MontantCRL = SoldeCRL = ExcedentCRL = 0;
  CA = D2072ETotalA = D2072ETotalB = 0;
  TotalRecetteGeneral = TotalChargeGeneral = BaseCalculCRLGeneral = 0;
  LocationStationnement = OuiNon::Non;
  for (TSocieteAdresseSiege& siege : SocieteAdresseSiege) siege.InitResultat();
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitResultat(); });
}

void TInfogene2072::InitPartielle() {
  AcompteCRL = ProduitsFinanciers = ProduitsExceptionnels = CA = 0;
  CVAEDispense = OuiNon::Non;
  DateCessation = 0;
  for (TSocieteAdresseSiege& siege : SocieteAdresseSiege) siege.InitPartielle();
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
}

bool TInfogene2072::TransfertUneLettre(structLettre* l, TIndex index, long sens) {
  if (arbre::CodesSousArbre<TInfogene2072>().refuse(l, sens)) return false;
  return arbre::TransfertUneLettre(*this, l, index, sens);
}

}  // namespace zorfiscal2072
