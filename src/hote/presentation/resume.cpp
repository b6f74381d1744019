#include "presentation/resume.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <span>
#include <string_view>
#include <unordered_map>

#include "codes2072.h"
#include "dictionnaire2072.h"
#include "figuresresultat2072.h"
#include "lettres.h"
#include "parametres2072.h"
#include "services/controle.h"
#include "services/explications.h"
#include "tables2072.h"

namespace hote2072 {

namespace {

using zorfiscal2072::TAssocie2072;
using zorfiscal2072::TDonneeIS2072;
using zorfiscal2072::TInfogene2072;
using zorfiscal2072::TPropriete2072;

const std::string kEspaceFine = "\u202F";
// What a figure that is not finite shows, never a number (the writer's letters would say 0).
const std::string kNonCalculable = "non calculable";

// "1234567" -> "1 234 567" with narrow no-break spaces.
std::string GroupeMilliers(const std::string& chiffres) {
  std::string texte;
  for (std::size_t k = 0; k < chiffres.size(); ++k) {
    if (k > 0 && (chiffres.size() - k) % 3 == 0) texte += kEspaceFine;
    texte += chiffres[k];
  }
  return texte;
}

std::string Pourcentage(double p) { return FormateNombre(p, 2) + " %"; }

std::string Date(long aaaammjj) { return aaaammjj == 0 ? "" : lettres::EcritDate(aaaammjj); }

std::string Libelle(const std::vector<TElement>& liste, long code) {
  for (const TElement& e : liste)
    if (e.get_enum() == code) return e.get_libelle();
  return std::to_string(code);
}

Tableau::Ligne Montant(std::string libelle, double montant, Tableau::Style style = Tableau::Style::Nombre) {
  return {std::move(libelle), {FormateMontant(montant)}, style};
}
Tableau::Ligne Parts(std::string libelle, double parts, Tableau::Style style = Tableau::Style::Nombre) {
  return {std::move(libelle), {FormateNombre(parts, 5)}, style};
}
Tableau::Ligne Texte(std::string libelle, std::string valeur) {
  return {std::move(libelle), {std::move(valeur)}, Tableau::Style::Texte};
}
Tableau::Ligne Intertitre(std::string libelle) { return {std::move(libelle), {}, Tableau::Style::Intertitre}; }

// An address on one line: street, complement, locality, postal code and town.
std::string AdresseEnLigne(const TAdresse2072& a) {
  std::string ligne;
  const auto ajoute = [&ligne](const std::string& morceau, const char* separateur) {
    if (morceau.empty()) return;
    if (!ligne.empty()) ligne += separateur;
    ligne += morceau;
  };
  ajoute(a.getNumeroTypeEtNomVoie(), ", ");
  ajoute(a.getComplementDistribution(), ", ");
  ajoute(a.getLieuDitHameau(), ", ");
  ajoute(a.getCodePostal(), ", ");
  ajoute(a.getVille(), a.getCodePostal().empty() ? ", " : " ");
  return ligne;
}

// " (code X)" when the file gave the code; nothing for one the engine made up.
std::string Code(const std::string& code, const OptionsResume& options, const char* avant = " (code ") {
  return options.codesDonnes.count(code) != 0 ? avant + code + ")" : "";
}

void AjouteAdresse(const char* libelle, const TAdresse2072& adresse, Tableau& t) {
  if (std::string ligne = AdresseEnLigne(adresse); !ligne.empty()) t.lignes.push_back(Texte(libelle, std::move(ligne)));
}

const TAdresse2072& AdresseSiege(const TInfogene2072& g) {
  static const TAdresse2072 vide;
  return g.getSocieteAdresseSiege().empty() ? vide : g.getSocieteAdresseSiege().front();
}

// The French label the letter tables give the field of `code`.
std::string LibelleDuChamp(int code) { return zorfiscal2072::EntreeDictionnaire2072(code)->lettre.libelle; }

Tableau Identification(const TDonnee2072& racine) {
  const TInfogene2072& g = racine.getInfogene2072();
  Tableau t{Tableau::Genre::Identification, "Identification de la société", {}, {}};
  t.lignes = {Texte(LibelleDuChamp(12003), g.getSocieteNom()), Texte(LibelleDuChamp(12544), g.getNumeroSIREN())};
  AjouteAdresse("Adresse du siège", AdresseSiege(g), t);
  t.lignes.insert(t.lignes.end(),
                  {Texte("Année", std::to_string(racine.getAnnee())),
                   Texte("Exercice", (g.getDateDebutExercice() == 0 ? "clos" : "du " + Date(g.getDateDebutExercice())) +
                                         " au " + Date(g.getDateClotureExercice())),
                   Montant(LibelleDuChamp(12043), g.getCapital()),
                   Parts(LibelleDuChamp(12044), g.getNombrePartsTotal()),
                   {"Nombre d'associés", {std::to_string(racine.NbAssocie())}},
                   {"Nombre d'immeubles", {std::to_string(racine.NbPropriete())}}});
  return t;
}

// The lines of a property's annex, in its order: receipts, charges, then what comes off the
// receipts besides the charges, then what goes back into the result. A line shows when it
// is not 0; a total always.
using zorfiscal2072::TDonneeProprieteFoncierPropriete;
struct LigneAnnexe {
  int code;  // the field shown, whose label the letter table gives
  double (*valeur)(const TDonneeProprieteFoncierPropriete&);
  Tableau::Style style;
};
using F = TDonneeProprieteFoncierPropriete;
constexpr auto kTotal = Tableau::Style::Total;
const LigneAnnexe kLignesAnnexe[] = {
    {12140, [](const F& f) { return f.getLoyerBrut(); }, {}},
    {12143, [](const F& f) { return f.getChargeLocataire(); }, {}},
    {12144, [](const F& f) { return f.getRecetteDiverse(); }, {}},
    {12142, [](const F& f) { return f.getRecettePossible(); }, {}},
    {12145, [](const F& f) { return f.getTotalRecette(); }, kTotal},
    {12153, [](const F& f) { return f.getFraisGerance(); }, {}},
    {12396, [](const F& f) { return f.getForfaitGestion().getMontant(); }, {}},
    {12154, [](const F& f) { return f.getAssurance(); }, {}},
    {12155, [](const F& f) { return f.getTravauxReparation(); }, {}},
    {12620, [](const F& f) { return f.getTravauxProprieteRurale(); }, {}},
    {12428, [](const F& f) { return f.getChargesEspacesNaturels(); }, {}},
    {12159, [](const F& f) { return f.getTravauxGrosseReparation(); }, {}},
    {12360, [](const F& f) { return f.getChargesRecuperable(); }, {}},
    {12147, [](const F& f) { return f.getIndemniteEtFrais(); }, {}},
    {12161, [](const F& f) { return f.getImpotEtTaxe(); }, {}},
    {12162, [](const F& f) { return f.getProvision(); }, {}},
    {12366, [](const F& f) { return -f.getRegularisation(); }, {}},
    {12163, [](const F& f) { return f.getTotalCharge(); }, kTotal},
    {12158, [](const F& f) { return f.getTravauxTransformation(); }, {}},
    {12160, [](const F& f) { return f.getAssuranceFraisZR(); }, {}},
    {12164, [](const F& f) { return f.getInteretEmprunt(); }, {}},
    {12151, [](const F& f) { return f.getDeductionFraisDivers(); }, {}},
    {12152, [](const F& f) { return f.getDeductionAmortissement(); }, {}},
    {12165, [](const F& f) { return f.getRevenuOuDeficit(); }, kTotal},
    {12166, [](const F& f) { return f.getReintegrationDeduction(); }, {}},
    {12169, [](const F& f) { return f.getRevenuAutreSI(); }, {}},
    {12168, [](const F& f) { return -f.getRemunerationNetteAssocie(); }, {}},
    {12170, [](const F& f) { return f.getResultat(); }, kTotal},
};

void Proprietes(const TDonnee2072& racine, const OptionsResume& options, std::vector<Tableau>& tableaux,
                std::vector<Resume::Barres>& barres) {
  auto* tables = TTables_2072::getInstance();
  int numero = 0;
  for (const TPropriete2072& p : racine.getPropriete2072()) {
    ++numero;
    Tableau t{Tableau::Genre::Immeuble, "Immeuble " + std::to_string(numero) + " : " + p.getNom(), {}, {}};
    if (const std::string code = Code(p.getCodePropriete(), options, ""); !code.empty())
      t.lignes.push_back(Texte(LibelleDuChamp(12655), p.getCodePropriete()));
    AjouteAdresse("Adresse", p.getAdresse(), t);
    t.lignes.push_back(Texte(LibelleDuChamp(12103), Libelle(tables->ListeCategoriesBienAbregees, p.getCategorie())));
    t.lignes.push_back(Texte(LibelleDuChamp(12392), Libelle(tables->ListeOptionsAbregees, p.getOptionFiscale())));
    const TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
    for (const LigneAnnexe& l : kLignesAnnexe) {
      const double v = l.valeur(f);
      if (v == 0 && l.style != kTotal) continue;
      std::string libelle = LibelleDuChamp(l.code);
      if (l.code == 12151 && f.getTauxDeduction() > 0) libelle += " (" + Pourcentage(100 * f.getTauxDeduction()) + ")";
      if (l.code == 12396)
        libelle +=
            " (" + std::to_string(p.getTotalNombreLocaux()) + (p.getTotalNombreLocaux() > 1 ? " locaux)" : " local)");
      t.lignes.push_back(Montant(std::move(libelle), v, l.style));
    }
    const auto& r = p.getResultatARepartir();
    barres.push_back({p.getNom(), r.getRevenuBrut(), r.getCharge() + r.getInteretEmprunt(), r.getRevenuOuDeficit()});
    tableaux.push_back(std::move(t));
  }
}

Tableau Totaux(const TDonnee2072& racine) {
  const auto& r = racine.getResultatGlobalARepartir();
  Tableau t{Tableau::Genre::Totaux, "Totaux de la société", {}, {}};
  for (const zorfiscal2072::FigureResultat& f : zorfiscal2072::kFiguresResultat)
    if (f.societe != nullptr) t.lignes.push_back(Montant(f.libelle, (r.*f.societe)()));
  t.lignes.back().style = kTotal;
  return t;
}

// A line of a table that shows the company's fields, by the code whose label it takes.
struct LigneInfogene {
  int code;
  double (*valeur)(const TInfogene2072&);
  Tableau::Style style;
};
using G = TInfogene2072;

// The field's label without the prefix its table's title already says ("2072-E : loyers
// bruts" under the 2072-E title reads "Loyers bruts").
std::string LibelleSous(int code, std::string_view prefixe) {
  std::string libelle = LibelleDuChamp(code);
  if (libelle.starts_with(prefixe)) libelle.erase(0, prefixe.size());
  if (!libelle.empty() && libelle[0] >= 'a' && libelle[0] <= 'z')
    libelle[0] = static_cast<char>(libelle[0] - 'a' + 'A');
  return libelle;
}

Tableau Lignes(Tableau::Genre genre, std::string titre, const TInfogene2072& g, std::span<const LigneInfogene> lignes,
               std::string_view prefixe = {}) {
  Tableau t{genre, std::move(titre), {}, {}};
  for (const LigneInfogene& l : lignes) t.lignes.push_back(Montant(LibelleSous(l.code, prefixe), l.valeur(g), l.style));
  return t;
}

constexpr LigneInfogene kLignesCRL[] = {
    {12322, [](const G& g) { return g.getRecetteSoumiseCRL(); }, {}},
    {12323, [](const G& g) { return g.getMontantCRL(); }, {}},
    {12324, [](const G& g) { return g.getAcompteCRL(); }, {}},
    {12325, [](const G& g) { return g.getSoldeCRL(); }, kTotal},
    {12326, [](const G& g) { return g.getExcedentCRL(); }, {}},
};

Tableau CRL(const TInfogene2072& g) {
  Tableau t = Lignes(Tableau::Genre::CRL, "Contribution sur les revenus locatifs (CRL)", g, kLignesCRL);
  t.lignes[1].libelle += " (" + Pourcentage(zorfiscal2072::parametres::kTauxCRLPourcent) + ")";
  return t;
}

// The 2072-E lines: the amount used in each box (what the user overrode, or the computation).
constexpr LigneInfogene kLignes2072E[] = {
    {12771, [](const G& g) { return g.getD2072ELoyersBruts().getMontant(); }, {}},
    {12774, [](const G& g) { return g.getD2072EChargeLocataires().getMontant(); }, {}},
    {12777, [](const G& g) { return g.getD2072ERecettesDiverses().getMontant(); }, {}},
    {12819, [](const G& g) { return g.getD2072ERentreesCreances().getMontant(); }, {}},
    {12780, [](const G& g) { return g.getD2072ETotalA(); }, kTotal},
    {12781, [](const G& g) { return g.getD2072EFraisGerance().getMontant(); }, {}},
    {12784, [](const G& g) { return g.getD2072EAssurance().getMontant(); }, {}},
    {12787, [](const G& g) { return g.getD2072ETravauxReparation().getMontant(); }, {}},
    {12790, [](const G& g) { return g.getD2072EChargesEspacesNaturels().getMontant(); }, {}},
    {12793, [](const G& g) { return g.getD2072ENP().getMontant(); }, {}},
    {12796, [](const G& g) { return g.getD2072EAssuranceFraisZR().getMontant(); }, {}},
    {12799, [](const G& g) { return g.getD2072EChargesRecuperables().getMontant(); }, {}},
    {12802, [](const G& g) { return g.getD2072EIndemnitesEtFrais().getMontant(); }, {}},
    {12805, [](const G& g) { return g.getD2072EDeductionSpecifique().getMontant(); }, {}},
    {12808, [](const G& g) { return g.getD2072EDeductionAmortissement().getMontant(); }, {}},
    {12811, [](const G& g) { return g.getD2072EProvisionCharges().getMontant(); }, {}},
    {12814, [](const G& g) { return g.getD2072ETotalB(); }, kTotal},
    {12569, [](const G& g) { return g.getVA().getMontant(); }, kTotal},
};

Tableau Lignes2072E(const TInfogene2072& g) {
  return Lignes(Tableau::Genre::Lignes2072E, "2072-E : détermination de la valeur ajoutée", g, kLignes2072E,
                "2072-E : ");
}

// The statement's results under both rules, the lines that sum up the others.
constexpr TDonneeIS2072::Ligne kLignesIS[] = {
    TDonneeIS2072::TotalProduitExploitation, TDonneeIS2072::TotalChargeExploitation,
    TDonneeIS2072::ResultatExploitation,     TDonneeIS2072::ResultatFinancier,
    TDonneeIS2072::ResultatExceptionnel,     TDonneeIS2072::BeneficeOuPerte,
    TDonneeIS2072::TotalReintegration,       TDonneeIS2072::TotalDeduction,
    TDonneeIS2072::BeneficeOuDeficitFiscal,
};

Tableau ColonnesIS(const TDonneeIS2072& is) {
  const auto& colonnes = TDonneeIS2072::kLibellesColonnes;
  Tableau t{Tableau::Genre::ColonnesIS,
            std::string("Résultat selon les règles ") + colonnes[TDonneeIS2072::kColonneBICIS] + " et " +
                colonnes[TDonneeIS2072::kColonneBA],
            {colonnes[TDonneeIS2072::kColonneBICIS], colonnes[TDonneeIS2072::kColonneBA]},
            {}};
  for (TDonneeIS2072::Ligne l : kLignesIS)
    t.lignes.push_back({TDonneeIS2072::Lignes()[l].libelle,
                        {FormateMontant(is.getMontant(l, TDonneeIS2072::kColonneBICIS)),
                         FormateMontant(is.getMontant(l, TDonneeIS2072::kColonneBA))}});
  t.lignes.back().style = kTotal;
  return t;
}

// Positions of the partners to list: every one in file order, or the largest holdings.
std::vector<std::size_t> AssociesListes(const TDonnee2072& racine, bool tous) {
  const auto& associes = racine.getAssocie2072();
  std::vector<std::size_t> positions(associes.size());
  std::iota(positions.begin(), positions.end(), std::size_t{0});
  if (tous || positions.size() <= kAssociesListes) return positions;
  std::stable_sort(positions.begin(), positions.end(), [&](std::size_t a, std::size_t b) {
    return associes[a].getNombreParts() > associes[b].getNombreParts();
  });
  positions.resize(kAssociesListes);
  return positions;
}

// The other side of a transfer: a partner, by its position, or the person outside them named
// on the transfer.
// What the statements look up, found once for all of them: each property and sale by its code
// (the first of a code, as the engine's own lookups find it), each partner's transfers of the
// year by its position.
struct Recherches {
  std::unordered_map<std::string_view, const TPropriete2072*> proprietes;
  std::unordered_map<std::string_view, const zorfiscal2072::TCession*> cessions;
  std::unordered_map<long, std::vector<const zorfiscal2072::TCessionParts*>> transferts;

  explicit Recherches(const TDonnee2072& racine) {
    for (const TPropriete2072& p : racine.getPropriete2072()) proprietes.emplace(p.getCodePropriete(), &p);
    for (const auto& c : racine.getOperationSociete().getCession()) cessions.emplace(c.getCodeCession(), &c);
    for (const auto& c : racine.getCessionsPartsSociete().getCessionParts()) {
      transferts[c.getAssocieCessionnaire()].push_back(&c);
      if (c.getAssocieCedant() != c.getAssocieCessionnaire()) transferts[c.getAssocieCedant()].push_back(&c);
    }
  }
  template <class T>
  static const T* Cherche(const std::unordered_map<std::string_view, const T*>& m, const std::string& code) {
    const auto it = m.find(code);
    return it == m.end() ? nullptr : it->second;
  }
};

std::string Contrepartie(const TDonnee2072& racine, long position, const std::string& nom, const std::string& prenom) {
  if (position >= 0 && static_cast<std::size_t>(position) < racine.getAssocie2072().size())
    return racine.getAssocie2072()[static_cast<std::size_t>(position)].DonneDesignation();
  std::string designation = nom;
  if (!prenom.empty()) designation += (designation.empty() ? "" : " ") + prenom;
  return designation.empty() ? "une personne extérieure à la société" : designation;
}

// A partner's shares through the year: 1 January, each transfer in and out with its date and
// counterparty, 31 December; a warning when they do not add up.
void PartsDeLAnnee(const TDonnee2072& racine, const Recherches& recherches, std::size_t position, Tableau& t) {
  const TAssocie2072& a = racine.getAssocie2072()[position];
  t.lignes.push_back(Intertitre("Parts de la société"));
  t.lignes.push_back(Parts(LibelleDuChamp(12742), a.getNombreParts1erJanvier()));
  double acquises = 0, cedees = 0;
  const long p = static_cast<long>(position);
  static const std::vector<const zorfiscal2072::TCessionParts*> aucun;
  const auto siens = recherches.transferts.find(p);
  for (const auto* transfert : siens == recherches.transferts.end() ? aucun : siens->second) {
    const auto& c = *transfert;
    const std::string date = c.getDateCession() == 0 ? "" : " le " + Date(c.getDateCession());
    if (c.getAssocieCessionnaire() == p) {
      acquises += c.getNombreParts();
      t.lignes.push_back(Parts("Parts acquises" + date + " de " +
                                   Contrepartie(racine, c.getAssocieCedant(), c.getNomCedant(), c.getPrenomCedant()),
                               c.getNombreParts(), Tableau::Style::Detail));
    }
    if (c.getAssocieCedant() == p) {
      cedees += c.getNombreParts();
      t.lignes.push_back(
          Parts("Parts cédées" + date + " à " +
                    Contrepartie(racine, c.getAssocieCessionnaire(), c.getNomCessionnaire(), c.getPrenomCessionnaire()),
                -c.getNombreParts(), Tableau::Style::Detail));
    }
  }
  t.lignes.push_back(Parts(LibelleDuChamp(12075), a.getNombreParts()));
  t.lignes.back().style = kTotal;
  // Parts travel with five decimals: a difference below the last one is no difference.
  const double attendu = a.getNombreParts1erJanvier() + acquises - cedees;
  if (std::fabs(attendu - a.getNombreParts()) >= 0.000005)
    t.lignes.push_back(
        {"Attention : parts au 1er janvier + acquises - cédées = " + FormateNombre(a.getNombreParts1erJanvier(), 5) +
             " + " + FormateNombre(acquises, 5) + " - " + FormateNombre(cedees, 5) + " = " + FormateNombre(attendu, 5) +
             ", et non les " + FormateNombre(a.getNombreParts(), 5) + " parts au 31 décembre",
         {},
         Tableau::Style::Avertissement});
  t.lignes.push_back({LibelleDuChamp(12076), {Pourcentage(a.getPourcentageDetention())}});
  t.lignes.push_back(
      {LibelleDuChamp(12363) +
           (a.getQuotePartDifferente() == zorfiscal2072::OuiNon::Oui ? " (différente de la détention)" : ""),
       {Pourcentage(a.getQuotePartResultats())}});
}

// The land-income figures: the statement's totals, and the share of each property.
void RevenusFonciers(const Recherches& recherches, const TAssocie2072& a, const OptionsResume& options, Tableau& t) {
  const auto& b = a.getBulletin2072();
  t.lignes.push_back(Intertitre("Revenus fonciers"));
  for (const zorfiscal2072::FigureResultat& f : zorfiscal2072::kFiguresResultat) {
    const bool revenu = f.total == &zorfiscal2072::TBulletin2072::getTotalRevenuOuDeficit;
    if (revenu && b.getTotalDeductionMobilite() != 0)  // it comes off before the net income
      t.lignes.push_back(Montant(LibelleDuChamp(12690), b.getTotalDeductionMobilite()));
    t.lignes.push_back(Montant(f.libelle, (b.*f.total)(), revenu ? kTotal : Tableau::Style::Nombre));
  }
  for (const auto& q : b.getQuotePartPropriete()) {
    const TPropriete2072* p = Recherches::Cherche(recherches.proprietes, q.getCodePropriete());
    if (!p) continue;
    t.lignes.push_back(Montant("dont " + p->getNom() + Code(q.getCodePropriete(), options, " ("),
                               q.getRevenuOuDeficit(), Tableau::Style::Detail));
  }
}

Tableau Bulletin(const TDonnee2072& racine, const Recherches& recherches, std::size_t position,
                 const OptionsResume& options) {
  namespace RegimeFiscal = zorfiscal2072::RegimeFiscal;
  const TInfogene2072& g = racine.getInfogene2072();
  const TAssocie2072& a = racine.getAssocie2072()[position];
  const auto& b = a.getBulletin2072();
  Tableau t{Tableau::Genre::Bulletin, "Déclaration individuelle : " + a.DonneDesignation(), {}, {}};
  t.lignes = {Intertitre("Société"), Texte(LibelleDuChamp(12003), g.getSocieteNom())};
  if (!g.getNumeroSIREN().empty()) t.lignes.push_back(Texte(LibelleDuChamp(12544), g.getNumeroSIREN()));
  AjouteAdresse("Adresse du siège", AdresseSiege(g), t);
  t.lignes.insert(t.lignes.end(), {Texte("Année", std::to_string(racine.getAnnee())), Intertitre("Associé"),
                                   Texte(LibelleDuChamp(12437), a.DonneDesignation())});
  if (!Code(a.getCodeAssocie(), options).empty()) t.lignes.push_back(Texte(LibelleDuChamp(12694), a.getCodeAssocie()));
  if (!a.getNumeroSIREN().empty()) t.lignes.push_back(Texte(LibelleDuChamp(12546), a.getNumeroSIREN()));
  AjouteAdresse("Adresse", a.getAdresse(), t);
  t.lignes.push_back(
      Texte(LibelleDuChamp(12078), Libelle(TTables_2072::getInstance()->ListeRegimeFiscal, a.getRegimeFiscal())));
  PartsDeLAnnee(racine, recherches, position, t);
  // Only the figures of the partner's own regime: the engine says which share applies.
  switch (a.getRegimeFiscal()) {
    case RegimeFiscal::BIC:
    case RegimeFiscal::IS:
      t.lignes.push_back(Intertitre(a.getRegimeFiscal() == RegimeFiscal::IS ? "Impôt sur les sociétés"
                                                                            : "Bénéfices industriels et commerciaux"));
      t.lignes.push_back(Montant(LibelleDuChamp(12092), b.getRevenuBICIS(), kTotal));
      break;
    case RegimeFiscal::BA:
      t.lignes.push_back(Intertitre("Bénéfices agricoles"));
      t.lignes.push_back(Montant(LibelleDuChamp(12093), b.getRevenuBA(), kTotal));
      break;
    default: RevenusFonciers(recherches, a, options, t);
  }
  // What else the company distributes, when there is some.
  std::vector<Tableau::Ligne> autres;
  if (const double financiers = b.getQuotePartProduitsFinanciers().getMontant(); financiers != 0)
    autres.push_back(Montant(LibelleDuChamp(12633), financiers));
  for (const auto& r : b.getRepartitionOperationsSociete()) {
    const auto* cession = Recherches::Cherche(recherches.cessions, r.getCodeCession());
    const std::string sur = cession != nullptr && !cession->getLibelle().empty() ? " sur " + cession->getLibelle() : "";
    if (r.getQuotePartPV().getMontant() != 0)
      autres.push_back(Montant(LibelleDuChamp(12681) + sur, r.getQuotePartPV().getMontant()));
    if (r.getQuotePartMV().getMontant() != 0)
      autres.push_back(Montant(LibelleDuChamp(12678) + sur, r.getQuotePartMV().getMontant()));
  }
  if (!autres.empty()) {
    t.lignes.push_back(Intertitre("Autres éléments"));
    t.lignes.insert(t.lignes.end(), autres.begin(), autres.end());
  }
  return t;
}

// The checks' messages, gathered under the record they concern (the checks give each
// record's messages together).
std::vector<Resume::Messages> Messages(TDonnee2072& racine, const OptionsResume& options) {
  std::vector<Resume::Messages> groupes;
  for (const MessageTrouve& m : ControleDeclaration(racine)) {
    std::string enregistrement = DecritEnregistrementFrancais(racine, m, &options.codesDonnes);
    if (groupes.empty() || groupes.back().enregistrement != enregistrement)
      groupes.push_back({std::move(enregistrement), {}});
    groupes.back().lignes.push_back("message " + std::to_string(m.numero) + ", " + ExplicationMessage(m.numero));
  }
  return groupes;
}

}  // namespace

std::string FormateMontant(double montant) {
  const double arrondi = TDonnee2072::Arrondi(montant);
  if (!std::isfinite(arrondi)) return kNonCalculable;
  if (std::fabs(arrondi) >= 1e18) return lettres::EcritReel(montant);
  const long long entier = static_cast<long long>(arrondi);
  const std::string chiffres = std::to_string(entier < 0 ? -entier : entier);
  std::string texte(entier < 0 ? 1 : 0, '-');
  return texte.append(GroupeMilliers(chiffres));
}

std::string FormateNombre(double nombre, int decimales) {
  if (!std::isfinite(nombre)) return kNonCalculable;
  if (std::fabs(nombre) >= 1e15) return lettres::EcritReel(nombre);
  char tampon[64];
  std::snprintf(tampon, sizeof tampon, "%.*f", decimales, std::fabs(nombre));
  std::string texte = tampon;
  const auto point = texte.find('.');
  std::string fraction = point == std::string::npos ? "" : texte.substr(point + 1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  const bool negatif = nombre < 0 && (texte.substr(0, point) != "0" || !fraction.empty());
  std::string resultat(negatif ? 1 : 0, '-');
  resultat.append(GroupeMilliers(texte.substr(0, point)));
  if (!fraction.empty()) resultat.append(1, ',').append(fraction);
  return resultat;
}

Resume ConstruitResume(TDonnee2072& racine, const OptionsResume& options) {
  Resume r;
  const TInfogene2072& g = racine.getInfogene2072();
  r.societe = g.getSocieteNom();
  r.annee = racine.getAnnee();
  r.tableaux.push_back(Identification(racine));
  Proprietes(racine, options, r.tableaux, r.proprietes);
  r.tableaux.push_back(Totaux(racine));
  r.tableaux.push_back(CRL(g));
  const auto& proprietes = racine.getPropriete2072();
  if (std::any_of(proprietes.begin(), proprietes.end(),
                  [](const TPropriete2072& p) { return p.getSoumisCVAE() == zorfiscal2072::OuiNon::Oui; }))
    r.tableaux.push_back(Lignes2072E(g));
  if (g.getPresenceAssociesBICIS() == zorfiscal2072::OuiNon::Oui ||
      g.getPresenceAssociesBA() == zorfiscal2072::OuiNon::Oui)
    r.tableaux.push_back(ColonnesIS(racine.getDonneeIS2072()));
  const auto positions = AssociesListes(racine, options.tousAssocies);
  r.associesOmis = racine.getAssocie2072().size() - positions.size();
  const Recherches recherches(racine);
  for (std::size_t p : positions) {
    r.tableaux.push_back(Bulletin(racine, recherches, p, options));
    const TAssocie2072& a = racine.getAssocie2072()[p];
    r.parts.push_back({a.DonneDesignation(), a.getQuotePartResultats()});
  }
  r.messages = Messages(racine, options);
  return r;
}

std::string ResumeTexte(const Resume& brut) {
  using Style = Tableau::Style;
  // Texts from the file may hold characters a terminal acts upon (retitling it, moving the
  // cursor, reversing a line): they are written as escapes, before the columns are measured.
  Resume resume = brut;
  for (Tableau& t : resume.tableaux) {
    t.titre = lettres::Lisible(t.titre);
    for (std::string& c : t.colonnes) c = lettres::Lisible(c);
    for (Tableau::Ligne& l : t.lignes) {
      l.libelle = lettres::Lisible(l.libelle);
      for (std::string& v : l.valeurs) v = lettres::Lisible(v);
    }
  }
  for (Resume::Messages& m : resume.messages) {
    m.enregistrement = lettres::Lisible(m.enregistrement);
    for (std::string& ligne : m.lignes) ligne = lettres::Lisible(ligne);
  }
  std::string texte;
  for (const Tableau& t : resume.tableaux) {
    // Lines under a heading of the table are set in by two more characters.
    std::vector<std::size_t> retraits;
    std::size_t retrait = 2;
    for (const Tableau::Ligne& l : t.lignes) {
      retraits.push_back(l.style == Style::Intertitre ? 2 : l.style == Style::Detail ? retrait + 2 : retrait);
      if (l.style == Style::Intertitre) retrait = 4;
    }
    // Width of the labels (with their indent) and of each value column, in characters;
    // headings and warnings stand alone and widen nothing.
    std::size_t largeurLibelle = 0;
    std::vector<std::size_t> largeurs(std::max<std::size_t>(t.colonnes.size(), 1), 0);
    for (std::size_t c = 0; c < t.colonnes.size(); ++c) largeurs[c] = lettres::NombreCaracteres(t.colonnes[c]);
    for (std::size_t k = 0; k < t.lignes.size(); ++k) {
      const Tableau::Ligne& l = t.lignes[k];
      if (l.style == Style::Intertitre || l.style == Style::Avertissement) continue;
      largeurLibelle = std::max(largeurLibelle, retraits[k] + lettres::NombreCaracteres(l.libelle));
      for (std::size_t c = 0; l.style != Style::Texte && c < l.valeurs.size() && c < largeurs.size(); ++c)
        largeurs[c] = std::max(largeurs[c], lettres::NombreCaracteres(l.valeurs[c]));
    }
    const auto cadre = [](const std::string& s, std::size_t largeur, bool aDroite) {
      std::string cadre(largeur - std::min(largeur, lettres::NombreCaracteres(s)), ' ');
      if (aDroite) return cadre.append(s);
      return s + cadre;
    };
    texte += t.titre + "\n" + std::string(lettres::NombreCaracteres(t.titre), '-') + "\n";
    if (!t.colonnes.empty()) {
      texte.append(largeurLibelle, ' ');
      for (std::size_t c = 0; c < t.colonnes.size(); ++c) {
        texte.append(2, ' ');
        texte += cadre(t.colonnes[c], largeurs[c], true);
      }
      texte += "\n";
    }
    for (std::size_t k = 0; k < t.lignes.size(); ++k) {
      const Tableau::Ligne& l = t.lignes[k];
      std::string ligne(retraits[k], ' ');
      if (l.style == Style::Intertitre || l.style == Style::Avertissement) {
        texte += ligne + l.libelle + "\n";
        continue;
      }
      ligne += cadre(l.libelle, largeurLibelle - retraits[k], false);
      for (std::size_t c = 0; c < l.valeurs.size() && c < largeurs.size(); ++c) {
        ligne.append(2, ' ');
        ligne += cadre(l.valeurs[c], largeurs[c], l.style != Style::Texte);
      }
      while (!ligne.empty() && ligne.back() == ' ') ligne.pop_back();
      texte += ligne + "\n";
    }
    texte += "\n";
  }
  if (resume.associesOmis > 0)
    texte += std::to_string(resume.associesOmis) + " autres associés non listés (les " +
             std::to_string(kAssociesListes) +
             " plus fortes détentions sont listées ; --all-partners les liste tous)\n\n";
  if (!resume.messages.empty()) {
    texte += "Messages des contrôles\n----------------------\n";
    for (const Resume::Messages& m : resume.messages) {
      texte += "  " + m.enregistrement + "\n";
      for (const std::string& ligne : m.lignes) texte += "    " + ligne + "\n";
    }
  }
  return texte;
}

}  // namespace hote2072
