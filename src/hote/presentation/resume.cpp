#include "presentation/resume.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "codes2072.h"
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

Tableau::Ligne Montant(std::string libelle, double montant) { return {std::move(libelle), {FormateMontant(montant)}}; }
Tableau::Ligne Texte(std::string libelle, std::string valeur) { return {std::move(libelle), {std::move(valeur)}, true}; }

Tableau Identification(const TDonnee2072& racine) {
  const TInfogene2072& g = racine.getInfogene2072();
  Tableau t{"Identification de la société", {}, {}};
  t.lignes = {Texte("Dénomination", g.getSocieteNom()),
              Texte("SIREN", g.getNumeroSIREN()),
              Texte("Année", std::to_string(racine.getAnnee())),
              Texte("Exercice", (g.getDateDebutExercice() == 0 ? "clos" : "du " + Date(g.getDateDebutExercice())) + " au " +
                                   Date(g.getDateClotureExercice())),
              Montant("Capital", g.getCapital()),
              {"Nombre de parts", {FormateNombre(g.getNombrePartsTotal(), 5)}},
              {"Nombre d'associés", {std::to_string(racine.NbAssocie())}},
              {"Nombre d'immeubles", {std::to_string(racine.NbPropriete())}}};
  return t;
}

// The result to distribute of each property, the figures the partners share.
struct FigurePropriete {
  const char* libelle;
  double (zorfiscal2072::TResultatARepartir2072::*valeur)() const;
};
constexpr FigurePropriete kFiguresPropriete[] = {
    {"Revenus bruts", &zorfiscal2072::TResultatARepartir2072::getRevenuBrut},
    {"Frais et charges", &zorfiscal2072::TResultatARepartir2072::getCharge},
    {"Intérêts d'emprunts", &zorfiscal2072::TResultatARepartir2072::getInteretEmprunt},
    {"Déduction spécifique", &zorfiscal2072::TResultatARepartir2072::getDeductionSpecifique},
    {"Amortissement", &zorfiscal2072::TResultatARepartir2072::getAmortissement},
    {"Revenu net ou déficit à répartir", &zorfiscal2072::TResultatARepartir2072::getRevenuOuDeficit},
};

void Proprietes(const TDonnee2072& racine, std::vector<Tableau>& tableaux, std::vector<Resume::Barres>& barres) {
  auto* tables = TTables_2072::getInstance();
  int numero = 0;
  for (const TPropriete2072& p : racine.getPropriete2072()) {
    ++numero;
    Tableau t{"Immeuble " + std::to_string(numero) + " : " + p.getNom() + " (code " + p.getCodePropriete() + ")",
              {}, {}};
    t.lignes.push_back(Texte("Catégorie", Libelle(tables->ListeCategoriesBienAbregees, p.getCategorie())));
    t.lignes.push_back(Texte("Régime fiscal", Libelle(tables->ListeOptionsAbregees, p.getOptionFiscale())));
    const auto& r = p.getResultatARepartir();
    barres.push_back({p.getNom(), r.getRevenuBrut(), r.getCharge() + r.getInteretEmprunt(), r.getRevenuOuDeficit()});
    for (const FigurePropriete& f : kFiguresPropriete)
      t.lignes.push_back(Montant(f.libelle, (p.getResultatARepartir().*f.valeur)()));
    tableaux.push_back(std::move(t));
  }
}

Tableau Totaux(const TDonnee2072& racine) {
  const auto& r = racine.getResultatGlobalARepartir();
  Tableau t{"Totaux de la société", {}, {}};
  t.lignes = {Montant("Revenus bruts", r.getRevenuBrut()), Montant("Frais et charges", r.getCharge()),
              Montant("Intérêts d'emprunts", r.getInteretsEmprunts()),
              Montant("Revenu net ou déficit", r.getRevenuNetOuDeficit())};
  return t;
}

Tableau CRL(const TInfogene2072& g) {
  Tableau t{"Contribution sur les revenus locatifs (CRL)", {}, {}};
  t.lignes = {Montant("Recettes soumises à la CRL", g.getRecetteSoumiseCRL()),
              Montant("Montant de la contribution (2,5 %)", g.getMontantCRL()),
              Montant("Acompte versé", g.getAcompteCRL()), Montant("Solde à payer", g.getSoldeCRL()),
              Montant("Excédent versé", g.getExcedentCRL())};
  return t;
}

Tableau Lignes2072E(const TInfogene2072& g) {
  Tableau t{"2072-E : détermination de la valeur ajoutée", {}, {}};
  t.lignes = {Montant("Loyers bruts", g.getD2072ELoyersBruts().getMontant()),
              Montant("Charges locatives supportées par les locataires", g.getD2072EChargeLocataires().getMontant()),
              Montant("Recettes diverses", g.getD2072ERecettesDiverses().getMontant()),
              Montant("Rentrées sur créances", g.getD2072ERentreesCreances().getMontant()),
              Montant("Total A", g.getD2072ETotalA()),
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
              Montant("Total B", g.getD2072ETotalB()),
              Montant("Valeur ajoutée (A - B)", g.getVA().getMontant())};
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
  Tableau t{"Résultat selon les règles BIC / IS et BA", {"BIC / IS", "BA"}, {}};
  for (const LigneIS& l : kLignesIS)
    t.lignes.push_back({l.libelle,
                        {FormateMontant(is.getMontant(l.ligne, TDonneeIS2072::kColonneBICIS)),
                         FormateMontant(is.getMontant(l.ligne, TDonneeIS2072::kColonneBA))}});
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

Tableau Bulletin(const TDonnee2072& racine, std::size_t position, bool colonnesIS) {
  const TAssocie2072& a = racine.getAssocie2072()[position];
  const auto& b = a.getBulletin2072();
  Tableau t{"Déclaration individuelle : " + a.DonneDesignation() + " (code " + a.getCodeAssocie() + ")", {}, {}};
  t.lignes = {Texte("Régime fiscal", Libelle(TTables_2072::getInstance()->ListeRegimeFiscal, a.getRegimeFiscal())),
              {"Nombre de parts", {FormateNombre(a.getNombreParts(), 5)}},
              {"Pourcentage de détention", {Pourcentage(a.getPourcentageDetention())}},
              {"Quote-part des résultats", {Pourcentage(a.getQuotePartResultats())}},
              Montant("Revenus bruts", b.getTotalRevenuBrut()),
              Montant("Frais et charges", b.getTotalCharge()),
              Montant("Intérêts d'emprunts", b.getTotalInteretEmprunt()),
              Montant("Déduction spécifique", b.getTotalDeductionSpecifique()),
              Montant("Amortissement", b.getTotalAmortissement()),
              Montant("Déduction mobilité", b.getTotalDeductionMobilite()),
              Montant("Revenu net ou déficit", b.getTotalRevenuOuDeficit())};
  for (const auto& q : b.getQuotePartPropriete()) {
    const TPropriete2072* p = const_cast<TDonnee2072&>(racine).GetDetailProprieteParCodePropriete(q.getCodePropriete());
    if (!p) continue;
    t.lignes.push_back(Montant("  dont " + p->getNom() + " (" + q.getCodePropriete() + ")", q.getRevenuOuDeficit()));
  }
  if (colonnesIS) {
    t.lignes.push_back(Montant("Quote-part BIC / IS", b.getRevenuBICIS()));
    t.lignes.push_back(Montant("Quote-part BA", b.getRevenuBA()));
  }
  t.lignes.push_back({"Parts acquises dans l'année", {FormateNombre(b.getNbpartsAcquises(), 5)}});
  t.lignes.push_back({"Parts cédées dans l'année", {FormateNombre(b.getNbpartsCedees(), 5)}});
  return t;
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

Resume ConstruitResume(TDonnee2072& racine, bool tousAssocies) {
  Resume r;
  const TInfogene2072& g = racine.getInfogene2072();
  r.tableaux.push_back(Identification(racine));
  Proprietes(racine, r.tableaux, r.proprietes);
  r.tableaux.push_back(Totaux(racine));
  r.tableaux.push_back(CRL(g));
  const auto& proprietes = racine.getPropriete2072();
  if (std::any_of(proprietes.begin(), proprietes.end(),
                  [](const TPropriete2072& p) { return p.getSoumisCVAE() == zorfiscal2072::OuiNon::Oui; }))
    r.tableaux.push_back(Lignes2072E(g));
  const bool colonnesIS = g.getPresenceAssociesBICIS() == zorfiscal2072::OuiNon::Oui ||
                          g.getPresenceAssociesBA() == zorfiscal2072::OuiNon::Oui;
  if (colonnesIS) r.tableaux.push_back(ColonnesIS(racine.getDonneeIS2072()));
  const auto positions = AssociesListes(racine, tousAssocies);
  r.associesOmis = racine.getAssocie2072().size() - positions.size();
  for (std::size_t p : positions) {
    r.tableaux.push_back(Bulletin(racine, p, colonnesIS));
    const TAssocie2072& a = racine.getAssocie2072()[p];
    r.parts.push_back({a.DonneDesignation(), a.getQuotePartResultats()});
  }
  for (const MessageTrouve& m : ControleDeclaration(racine))
    r.messages.push_back(DecritEnregistrementFrancais(racine, m) + " : message " + std::to_string(m.numero) + ", " +
                         ExplicationMessage(m.numero));
  return r;
}

std::string ResumeTexte(const Resume& brut) {
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
  for (std::string& m : resume.messages) m = lettres::Lisible(m);
  std::string texte;
  for (const Tableau& t : resume.tableaux) {
    // Width of the labels and of each value column, in characters.
    std::size_t largeurLibelle = 0;
    std::vector<std::size_t> largeurs(std::max<std::size_t>(t.colonnes.size(), 1), 0);
    for (std::size_t c = 0; c < t.colonnes.size(); ++c) largeurs[c] = lettres::NombreCaracteres(t.colonnes[c]);
    for (const Tableau::Ligne& l : t.lignes) {
      largeurLibelle = std::max(largeurLibelle, lettres::NombreCaracteres(l.libelle));
      for (std::size_t c = 0; !l.texte && c < l.valeurs.size() && c < largeurs.size(); ++c)
        largeurs[c] = std::max(largeurs[c], lettres::NombreCaracteres(l.valeurs[c]));
    }
    const auto cadre = [](const std::string& s, std::size_t largeur, bool aDroite) {
      std::string cadre(largeur - std::min(largeur, lettres::NombreCaracteres(s)), ' ');
      if (aDroite) return cadre.append(s);
      return s + cadre;
    };
    texte += t.titre + "\n" + std::string(lettres::NombreCaracteres(t.titre), '-') + "\n";
    if (!t.colonnes.empty()) {
      texte.append(largeurLibelle + 2, ' ');
      for (std::size_t c = 0; c < t.colonnes.size(); ++c) {
        texte.append(2, ' ');
        texte += cadre(t.colonnes[c], largeurs[c], true);
      }
      texte += "\n";
    }
    for (const Tableau::Ligne& l : t.lignes) {
      std::string ligne(2, ' ');
      ligne += cadre(l.libelle, largeurLibelle, false);
      for (std::size_t c = 0; c < l.valeurs.size() && c < largeurs.size(); ++c) {
        ligne.append(2, ' ');
        ligne += cadre(l.valeurs[c], largeurs[c], !l.texte);
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
    for (const std::string& m : resume.messages) texte += "  " + m + "\n";
  }
  return texte;
}

}  // namespace hote2072
