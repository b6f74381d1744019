#include "infogene2072.h"

#include <array>
#include <string>
#include <utility>

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

// Field names that tell the seats apart ("SocieteAdresseSiege[1].Ville"); they live as long
// as the table.
const char* NomSiege(std::size_t siege, ChampAdresse champ) {
  static const auto noms = [] {
    std::array<std::array<std::string, 10>, 3> n;
    for (std::size_t s = 0; s < 3; ++s)
      for (std::size_t c = 0; c < 10; ++c)
        n[s][c] = "SocieteAdresseSiege[" + std::to_string(s) + "]." +
                  TAdresse2072::Description(0, ChampAdresse(c)).champ;
    return n;
  }();
  return noms[siege][static_cast<std::size_t>(champ)].c_str();
}

template <std::size_t S, std::size_t... C>
void AjouteSiege(std::vector<Ligne>& lignes, std::index_sequence<C...>) {
  const auto description = [](short code, ChampAdresse champ) {
    lettres::DescriptionLettre d = TAdresse2072::Description(code, champ);
    d.champ = NomSiege(S, champ);
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
  static const lettres::TableLettres<R> table(AvecSieges({
      // Company
      LETTRE(12003, SocieteNom, Texte, 101),
      LETTRE(12005, SocieteNomPreimprime, Texte, 101),
      // Capital, shares, financial year, partners
      LETTRE(12043, Capital, ReelFormat, 2),
      LETTRE(12044, NombrePartsTotal, ReelFormat, 5),
      LETTRE(12045, NombrePartsTotalCalcul, ReelFormat, 5),
      LETTRE(12046, NominalParts, ReelFormat, 5),
      LETTRE(12320, QuotePartResultatsTotal, ReelFormat, 5),
      LETTRE(12817, DateDebutExercice, Date, 0),
      LETTRE(12047, DateClotureExercice, Date, 0),
      LETTRE(12048, NombreAssocies, Long, 0),
      LETTRE(12388, PresenceAssociesBICIS, Court, 0),
      LETTRE(12389, PresenceAssociesBA, Court, 0),
      LETTRE(12049, NombreAssociesCalcul, Long, 0),
      LETTRE(12436, AssociesISBICBA, Long, 0),
      LETTRE(12544, NumeroSIREN, Texte, 21),
      LETTRE(12545, NumeroNIC, Texte, 21),
      LETTRE(12543, NumeroSIRET, Texte, 21),
      LETTRE(12375, ImpressionImmeuble, Long, 0),
      LETTRE(12376, ImpressionGroupeImmeubles, Long, 0),
      // Rental-income contribution
      LETTRE(12322, RecetteSoumiseCRL, Reel, 0),
      LETTRE(12323, MontantCRL, Reel, 0),
      LETTRE(12324, AcompteCRL, Reel, 0),
      LETTRE(12325, SoldeCRL, Reel, 0),
      LETTRE(12326, ExcedentCRL, Reel, 0),
      LETTRE(12327, ModePaiementCRL, Reel, 0),
      LETTRE(12328, NombreVirementCRL, Reel, 0),
      // Value added and 2072-E
      LETTRE(12564, ProduitsFinanciers, Reel, 0),
      LETTRE(12565, ProduitsExceptionnels, Reel, 0),
      LETTRE(12570, CA, Reel, 0),
      LETTRE(12571, CVAEDispense, Court, 0),
      LETTRE(12818, DateCessation, Date, 0),
      LETTRE(12780, D2072ETotalA, Reel, 0),
      LETTRE(12814, D2072ETotalB, Reel, 0),
      // Manager
      LETTRE(12523, TypeGerant, Court, 0),
      LETTRE(12524, FormeJuridiqueOuTitreGerant, Court, 0),
      LETTRE(12525, DenominationGerant, Texte, 35),
      LETTRE(12526, ComplementDesignationGerant, Texte, 35),
      LETTRE(12527, DesignationGerant, Texte, 36),
      LETTRE(12024, NomGerant, Texte, 41),
      LETTRE(12025, PrenomGerant, Texte, 51),
      LETTRE(12029, TelephoneGerant, Texte, 31),
      LETTRE(12377, TelephoneMobileGerant, Texte, 31),
      LETTRE(12329, TelecopieGerant, Texte, 31),
      LETTRE(12330, EmailGerant, Texte, 61),
      // Accountant
      LETTRE(12528, TypeComptable, Court, 0),
      LETTRE(12529, FormeJuridiqueOuTitreComptable, Court, 0),
      LETTRE(12530, DenominationComptable, Texte, 35),
      LETTRE(12531, ComplementDesignationComptable, Texte, 35),
      LETTRE(12532, DesignationComptable, Texte, 36),
      LETTRE(12332, NomComptable, Texte, 41),
      LETTRE(12333, PrenomComptable, Texte, 51),
      LETTRE(12337, TelephoneComptable, Texte, 31),
      LETTRE(12338, TelecopieComptable, Texte, 31),
      LETTRE(12339, EmailComptable, Texte, 61),
      // Adviser
      LETTRE(12573, TypeConseil, Court, 0),
      LETTRE(12574, FormeJuridiqueOuTitreConseil, Court, 0),
      LETTRE(12575, DenominationConseil, Texte, 35),
      LETTRE(12576, ComplementDesignationConseil, Texte, 35),
      LETTRE(12577, DesignationConseil, Texte, 36),
      LETTRE(12578, NomConseil, Texte, 41),
      LETTRE(12579, PrenomConseil, Texte, 51),
      LETTRE(12590, TelephoneConseil, Texte, 31),
      LETTRE(12591, TelecopieConseil, Texte, 31),
      LETTRE(12592, EmailConseil, Texte, 61),
      // Administrator
      LETTRE(12533, TypeAdministrateur, Court, 0),
      LETTRE(12534, FormeJuridiqueOuTitreAdministrateur, Court, 0),
      LETTRE(12535, DenominationAdministrateur, Texte, 35),
      LETTRE(12536, ComplementDesignationAdministrateur, Texte, 35),
      LETTRE(12537, DesignationAdministrateur, Texte, 36),
      LETTRE(12341, NomAdministrateur, Texte, 41),
      LETTRE(12342, PrenomAdministrateur, Texte, 51),
      LETTRE(12346, TelephoneAdministrateur, Texte, 31),
      LETTRE(12347, TelecopieAdministrateur, Texte, 31),
      LETTRE(12348, EmailAdministrateur, Texte, 61),
      // Declarant and addressees
      LETTRE(12016, VilleSignature, Texte, 31),
      LETTRE(12518, DateSignature, Date, 0),
      LETTRE(12019, DestinataireDifferent, Court, 0),
      LETTRE(12349, TelephoneDeclarant, Texte, 31),
      LETTRE(12350, EmailDeclarant, Texte, 61),
      // Tax office
      LETTRE(12030, DenominationCDI, Texte, 101),
      LETTRE(12034, RecetteCDIR, Texte, 21),
      LETTRE(12036, NumeroDossier, Texte, 21),
      LETTRE(12038, Cle, Texte, 21),
      LETTRE(12040, Regime, Texte, 21),
      LETTRE(12042, InspIFU, Texte, 21),
      // General totals
      LETTRE(12209, TotalRecetteGeneral, Reel, 0),
      LETTRE(12210, TotalChargeGeneral, Reel, 0),
      LETTRE(12211, BaseCalculCRLGeneral, Reel, 0),
      LETTRE(12212, LocationStationnement, Court, 0),
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
