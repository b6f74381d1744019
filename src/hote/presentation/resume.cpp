#include "presentation/resume.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "codes2072.h"
#include "figuresresultat2072.h"
#include "lettres.h"
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

Tableau Identification(const TDonnee2072& racine) {
  const TInfogene2072& g = racine.getInfogene2072();
  Tableau t{Tableau::Genre::Identification, "Identification de la société", {}, {}};
  t.lignes = {Texte("Dénomination", g.getSocieteNom()), Texte("SIREN", g.getNumeroSIREN())};
  AjouteAdresse("Adresse du siège", AdresseSiege(g), t);
  t.lignes.insert(t.lignes.end(), {Texte("Année", std::to_string(racine.getAnnee())),
              Texte("Exercice", (g.getDateDebutExercice() == 0 ? "clos" : "du " + Date(g.getDateDebutExercice())) + " au " +
                                    Date(g.getDateClotureExercice())),
              Montant("Capital", g.getCapital()),
              Parts("Nombre de parts", g.getNombrePartsTotal()),
              {"Nombre d'associés", {std::to_string(racine.NbAssocie())}},
              {"Nombre d'immeubles", {std::to_string(racine.NbPropriete())}}});
  return t;
}

// The lines of a property's annex, in its order: receipts, charges, then what comes off the
// receipts besides the charges, then what goes back into the result. A line shows when it
// is not 0; a total always.
using zorfiscal2072::TDonneeProprieteFoncierPropriete;
struct LigneAnnexe {
  int code;
  double (*valeur)(const TDonneeProprieteFoncierPropriete&);
  Tableau::Style style;
  const char* libelle;
};
using F = TDonneeProprieteFoncierPropriete;
constexpr auto kTotal = Tableau::Style::Total;
const LigneAnnexe kLignesAnnexe[] = {
    {12140, [](const F& f) { return f.getLoyerBrut(); }, {}, "Loyers bruts encaissés"},
    {12143, [](const F& f) { return f.getChargeLocataire(); }, {}, "Dépenses du propriétaire mises à la charge des locataires"},
    {12144, [](const F& f) { return f.getRecetteDiverse(); }, {}, "Recettes diverses"},
    {12142, [](const F& f) { return f.getRecettePossible(); }, {}, "Autres recettes"},
    {12145, [](const F& f) { return f.getTotalRecette(); }, kTotal, "Total des recettes"},
    {12153, [](const F& f) { return f.getFraisGerance(); }, {}, "Frais d'administration et de gestion"},
    {12396, [](const F& f) { return f.getForfaitGestion().getMontant(); }, {}, "Frais de gestion forfaitaires"},
    {12154, [](const F& f) { return f.getAssurance(); }, {}, "Primes d'assurance"},
    {12155, [](const F& f) { return f.getTravauxReparation(); }, {}, "Dépenses de réparation et d'entretien"},
    {12620, [](const F& f) { return f.getTravauxProprieteRurale(); }, {}, "Travaux des propriétés rurales"},
    {12428, [](const F& f) { return f.getChargesEspacesNaturels(); }, {}, "Charges des espaces naturels"},
    {12159, [](const F& f) { return f.getTravauxGrosseReparation(); }, {}, "Grosses réparations (nue-propriété)"},
    {12360, [](const F& f) { return f.getChargesRecuperable(); }, {}, "Charges récupérables non récupérées au départ du locataire"},
    {12147, [](const F& f) { return f.getIndemniteEtFrais(); }, {}, "Indemnités d'éviction et frais de relogement"},
    {12161, [](const F& f) { return f.getImpotEtTaxe(); }, {}, "Impositions"},
    {12162, [](const F& f) { return f.getProvision(); }, {}, "Provisions pour charges de copropriété"},
    {12366, [](const F& f) { return -f.getRegularisation(); }, {}, "Régularisation des provisions de l'année précédente"},
    {12163, [](const F& f) { return f.getTotalCharge(); }, kTotal, "Total des frais et charges"},
    {12158, [](const F& f) { return f.getTravauxTransformation(); }, {}, "Travaux de transformation (secteurs sauvegardés)"},
    {12160, [](const F& f) { return f.getAssuranceFraisZR(); }, {}, "Frais et assurances (monuments historiques)"},
    {12164, [](const F& f) { return f.getInteretEmprunt(); }, {}, "Intérêts d'emprunts"},
    {12151, [](const F& f) { return f.getDeductionFraisDivers(); }, {}, "Déduction spécifique"},
    {12152, [](const F& f) { return f.getDeductionAmortissement(); }, {}, "Déduction au titre de l'amortissement"},
    {12165, [](const F& f) { return f.getRevenuOuDeficit(); }, kTotal, "Revenu ou déficit net"},
    {12166, [](const F& f) { return f.getReintegrationDeduction(); }, {}, "Déductions à réintégrer"},
    {12169, [](const F& f) { return f.getRevenuAutreSI(); }, {}, "Autres revenus"},
    {12168, [](const F& f) { return -f.getRemunerationNetteAssocie(); }, {}, "Rémunérations nettes des associés"},
    {12170, [](const F& f) { return f.getResultat(); }, kTotal, "Résultat de l'immeuble"},
};

void Proprietes(const TDonnee2072& racine, const OptionsResume& options, std::vector<Tableau>& tableaux,
                std::vector<Resume::Barres>& barres) {
  auto* tables = TTables_2072::getInstance();
  int numero = 0;
  for (const TPropriete2072& p : racine.getPropriete2072()) {
    ++numero;
    Tableau t{Tableau::Genre::Immeuble, "Immeuble " + std::to_string(numero) + " : " + p.getNom(), {}, {}};
    if (const std::string code = Code(p.getCodePropriete(), options, ""); !code.empty())
      t.lignes.push_back(Texte("Code", p.getCodePropriete()));
    AjouteAdresse("Adresse", p.getAdresse(), t);
    t.lignes.push_back(Texte("Catégorie", Libelle(tables->ListeCategoriesBienAbregees, p.getCategorie())));
    t.lignes.push_back(Texte("Régime fiscal", Libelle(tables->ListeOptionsAbregees, p.getOptionFiscale())));
    const TDonneeProprieteFoncierPropriete& f = p.getDonneeProprieteFoncier();
    for (const LigneAnnexe& l : kLignesAnnexe) {
      const double v = l.valeur(f);
      if (v == 0 && l.style != kTotal) continue;
      std::string libelle = l.libelle;
      if (l.code == 12151 && f.getTauxDeduction() > 0) libelle += " (" + Pourcentage(100 * f.getTauxDeduction()) + ")";
      if (l.code == 12396)
        libelle += " (" + std::to_string(p.getTotalNombreLocaux()) + (p.getTotalNombreLocaux() > 1 ? " locaux)" : " local)");
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

Tableau CRL(const TInfogene2072& g) {
  Tableau t{Tableau::Genre::CRL, "Contribution sur les revenus locatifs (CRL)", {}, {}};
  t.lignes = {Montant("Recettes soumises à la CRL", g.getRecetteSoumiseCRL()),
              Montant("Montant de la contribution (2,5 %)", g.getMontantCRL()),
              Montant("Acompte versé", g.getAcompteCRL()), Montant("Solde à payer", g.getSoldeCRL(), kTotal),
              Montant("Excédent versé", g.getExcedentCRL())};
  return t;
}

Tableau Lignes2072E(const TInfogene2072& g) {
  Tableau t{Tableau::Genre::Lignes2072E, "2072-E : détermination de la valeur ajoutée", {}, {}};
  t.lignes = {Montant("Loyers bruts", g.getD2072ELoyersBruts().getMontant()),
              Montant("Charges locatives supportées par les locataires", g.getD2072EChargeLocataires().getMontant()),
              Montant("Recettes diverses", g.getD2072ERecettesDiverses().getMontant()),
              Montant("Rentrées sur créances", g.getD2072ERentreesCreances().getMontant()),
              Montant("Total A", g.getD2072ETotalA(), kTotal),
              Montant("Frais de gestion", g.getD2072EFraisGerance().getMontant()),
              Montant("Primes d'assurance", g.getD2072EAssurance().getMontant()),
              Montant("Travaux de réparation et d'entretien", g.getD2072ETravauxReparation().getMontant()),
              Montant("Charges des espaces naturels", g.getD2072EChargesEspacesNaturels().getMontant()),
              Montant("Nue-propriété : grosses réparations", g.getD2072ENP().getMontant()),
              Montant("Assurances et frais, régime spécial", g.getD2072EAssuranceFraisZR().getMontant()),
              Montant("Charges récupérables non récupérées", g.getD2072EChargesRecuperables().getMontant()),
              Montant("Indemnités et frais", g.getD2072EIndemnitesEtFrais().getMontant()),
              Montant("Déduction spécifique", g.getD2072EDeductionSpecifique().getMontant()),
              Montant("Déduction au titre de l'amortissement", g.getD2072EDeductionAmortissement().getMontant()),
              Montant("Provisions pour charges", g.getD2072EProvisionCharges().getMontant()),
              Montant("Total B", g.getD2072ETotalB(), kTotal),
              Montant("Valeur ajoutée (A - B)", g.getVA().getMontant(), kTotal)};
  return t;
}

struct LigneIS {
  const char* libelle;
  TDonneeIS2072::Ligne ligne;
};
constexpr LigneIS kLignesIS[] = {
    {"Total des produits d'exploitation", TDonneeIS2072::TotalProduitExploitation},
    {"Total des charges d'exploitation", TDonneeIS2072::TotalChargeExploitation},
    {"Résultat d'exploitation", TDonneeIS2072::ResultatExploitation},
    {"Résultat financier", TDonneeIS2072::ResultatFinancier},
    {"Résultat exceptionnel", TDonneeIS2072::ResultatExceptionnel},
    {"Bénéfice ou perte", TDonneeIS2072::BeneficeOuPerte},
    {"Total des réintégrations", TDonneeIS2072::TotalReintegration},
    {"Total des déductions", TDonneeIS2072::TotalDeduction},
    {"Bénéfice ou déficit fiscal", TDonneeIS2072::BeneficeOuDeficitFiscal},
};

Tableau ColonnesIS(const TDonneeIS2072& is) {
  Tableau t{Tableau::Genre::ColonnesIS, "Résultat selon les règles BIC / IS et BA", {"BIC / IS", "BA"}, {}};
  for (const LigneIS& l : kLignesIS)
    t.lignes.push_back({l.libelle,
                        {FormateMontant(is.getMontant(l.ligne, TDonneeIS2072::kColonneBICIS)),
                         FormateMontant(is.getMontant(l.ligne, TDonneeIS2072::kColonneBA))}});
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
  t.lignes.push_back(Parts("Parts au 1er janvier", a.getNombreParts1erJanvier()));
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
      t.lignes.push_back(Parts("Parts cédées" + date + " à " +
                                   Contrepartie(racine, c.getAssocieCessionnaire(), c.getNomCessionnaire(),
                                                c.getPrenomCessionnaire()),
                               -c.getNombreParts(), Tableau::Style::Detail));
    }
  }
  t.lignes.push_back(Parts("Parts au 31 décembre", a.getNombreParts()));
  t.lignes.back().style = kTotal;
  // Parts travel with five decimals: a difference below the last one is no difference.
  const double attendu = a.getNombreParts1erJanvier() + acquises - cedees;
  if (std::fabs(attendu - a.getNombreParts()) >= 0.000005)
    t.lignes.push_back({"Attention : parts au 1er janvier + acquises - cédées = " +
                            FormateNombre(a.getNombreParts1erJanvier(), 5) + " + " + FormateNombre(acquises, 5) +
                            " - " + FormateNombre(cedees, 5) + " = " + FormateNombre(attendu, 5) +
                            ", et non les " + FormateNombre(a.getNombreParts(), 5) + " parts au 31 décembre",
                        {},
                        Tableau::Style::Avertissement});
  t.lignes.push_back({"Pourcentage de détention", {Pourcentage(a.getPourcentageDetention())}});
  t.lignes.push_back({a.getQuotePartDifferente() == zorfiscal2072::OuiNon::Oui
                          ? "Quote-part des résultats (différente de la détention)"
                          : "Quote-part des résultats",
                      {Pourcentage(a.getQuotePartResultats())}});
}

// The land-income figures: the statement's totals, and the share of each property.
void RevenusFonciers(const Recherches& recherches, const TAssocie2072& a, const OptionsResume& options, Tableau& t) {
  const auto& b = a.getBulletin2072();
  t.lignes.push_back(Intertitre("Revenus fonciers"));
  for (const zorfiscal2072::FigureResultat& f : zorfiscal2072::kFiguresResultat) {
    const bool revenu = f.total == &zorfiscal2072::TBulletin2072::getTotalRevenuOuDeficit;
    if (revenu && b.getTotalDeductionMobilite() != 0)  // it comes off before the net income
      t.lignes.push_back(Montant("Déduction pour mobilité", b.getTotalDeductionMobilite()));
    t.lignes.push_back(Montant(f.libelle, (b.*f.total)(), revenu ? kTotal : Tableau::Style::Nombre));
  }
  for (const auto& q : b.getQuotePartPropriete()) {
    const TPropriete2072* p = Recherches::Cherche(recherches.proprietes, q.getCodePropriete());
    if (!p) continue;
    t.lignes.push_back(Montant("dont " + p->getNom() + Code(q.getCodePropriete(), options, " ("), q.getRevenuOuDeficit(),
                               Tableau::Style::Detail));
  }
}

Tableau Bulletin(const TDonnee2072& racine, const Recherches& recherches, std::size_t position,
                 const OptionsResume& options) {
  namespace RegimeFiscal = zorfiscal2072::RegimeFiscal;
  const TInfogene2072& g = racine.getInfogene2072();
  const TAssocie2072& a = racine.getAssocie2072()[position];
  const auto& b = a.getBulletin2072();
  Tableau t{Tableau::Genre::Bulletin, "Déclaration individuelle : " + a.DonneDesignation(), {}, {}};
  t.lignes = {Intertitre("Société"), Texte("Dénomination", g.getSocieteNom())};
  if (!g.getNumeroSIREN().empty()) t.lignes.push_back(Texte("SIREN", g.getNumeroSIREN()));
  AjouteAdresse("Adresse du siège", AdresseSiege(g), t);
  t.lignes.insert(t.lignes.end(),
                  {Texte("Année", std::to_string(racine.getAnnee())), Intertitre("Associé"),
                   Texte(a.getType() == zorfiscal2072::TypePersonne::Morale ? "Dénomination" : "Nom", a.DonneDesignation())});
  if (!Code(a.getCodeAssocie(), options).empty()) t.lignes.push_back(Texte("Code", a.getCodeAssocie()));
  if (!a.getNumeroSIREN().empty()) t.lignes.push_back(Texte("SIREN", a.getNumeroSIREN()));
  AjouteAdresse("Adresse", a.getAdresse(), t);
  t.lignes.push_back(
      Texte("Régime fiscal", Libelle(TTables_2072::getInstance()->ListeRegimeFiscal, a.getRegimeFiscal())));
  PartsDeLAnnee(racine, recherches, position, t);
  // Only the figures of the partner's own regime: the engine says which share applies.
  switch (a.getRegimeFiscal()) {
    case RegimeFiscal::BIC:
    case RegimeFiscal::IS:
      t.lignes.push_back(Intertitre(a.getRegimeFiscal() == RegimeFiscal::IS ? "Impôt sur les sociétés"
                                                                             : "Bénéfices industriels et commerciaux"));
      t.lignes.push_back(Montant("Quote-part du résultat BIC / IS", b.getRevenuTNSouIS(), kTotal));
      break;
    case RegimeFiscal::BA:
      t.lignes.push_back(Intertitre("Bénéfices agricoles"));
      t.lignes.push_back(Montant("Quote-part du résultat BA", b.getRevenuTNSouIS(), kTotal));
      break;
    default: RevenusFonciers(recherches, a, options, t);
  }
  // What else the company distributes, when there is some.
  std::vector<Tableau::Ligne> autres;
  if (const double financiers = b.getQuotePartProduitsFinanciers().getMontant(); financiers != 0)
    autres.push_back(Montant("Quote-part des produits financiers", financiers));
  for (const auto& r : b.getRepartitionOperationsSociete()) {
    const auto* cession = Recherches::Cherche(recherches.cessions, r.getCodeCession());
    const std::string sur = cession != nullptr && !cession->getLibelle().empty() ? " sur " + cession->getLibelle() : "";
    if (r.getQuotePartPV().getMontant() != 0) autres.push_back(Montant("Quote-part de plus-value" + sur, r.getQuotePartPV().getMontant()));
    if (r.getQuotePartMV().getMontant() != 0) autres.push_back(Montant("Quote-part de moins-value" + sur, r.getQuotePartMV().getMontant()));
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
  if (!std::isfinite(arrondi) || std::fabs(arrondi) >= 1e18) return lettres::EcritReel(montant);
  const long long entier = static_cast<long long>(arrondi);
  const std::string chiffres = std::to_string(entier < 0 ? -entier : entier);
  std::string texte(entier < 0 ? 1 : 0, '-');
  return texte.append(GroupeMilliers(chiffres));
}

std::string FormateNombre(double nombre, int decimales) {
  if (!std::isfinite(nombre) || std::fabs(nombre) >= 1e15) return lettres::EcritReel(nombre);
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
  if (g.getPresenceAssociesBICIS() == zorfiscal2072::OuiNon::Oui || g.getPresenceAssociesBA() == zorfiscal2072::OuiNon::Oui)
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

std::string ResumeTexte(const Resume& resume) {
  using Style = Tableau::Style;
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
             std::to_string(kAssociesListes) + " plus fortes détentions sont listées ; --all-partners les liste tous)\n\n";
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
