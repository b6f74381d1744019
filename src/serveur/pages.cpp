#include "pages.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "arbre2072.h"
#include "catalogue.h"
#include "donneeis2072.h"
#include "html.h"
#include "lettres.h"
#include "managers.h"
#include "presentation/resume.h"
#include "presentation/resumehtml.h"
#include "services/curseur.h"
#include "services/explications.h"
#include "services/saisie.h"
#include "services/selection.h"

namespace serveur2072 {

using namespace zorfiscal2072;
using hote2072::EchappeHtml;
using hote2072::EchappeHtmlTexte;
using hote2072::Index;
using hote2072::LettreSelectionnee;
using hote2072::MessageTrouve;

namespace {

// ---- Values -------------------------------------------------------------------------------

// A letter's text as a French screen writes it: decimal comma, no trailing zeros.
std::string Affiche(const Champ& c, const std::string& texte) {
  if (c.saisie != Saisie::Montant && c.saisie != Saisie::Nombre) return texte;
  std::string t = texte;
  if (const std::size_t point = t.find('.'); point != std::string::npos) {
    while (t.back() == '0') t.pop_back();
    if (t.back() == '.') t.pop_back();
    if (t.size() > point) t[point] = ',';
  }
  if (c.saisie != Saisie::Montant) return t;
  // Amounts read as the summary writes them, "12 345,6" (narrow no-break spaces, which the
  // entry reads back).
  const std::size_t debut = t.empty() || t[0] != '-' ? 0 : 1;
  std::size_t fin = t.find(',');
  if (fin == std::string::npos) fin = t.size();
  if (t.find_first_not_of("0123456789", debut) < fin) return t;
  for (std::size_t k = fin; k > debut + 3; k -= 3) t.insert(k - 3, "\u202F");
  return t;
}

bool MemeNombre(const std::string& a, const std::string& b) {
  double x = 0, y = 0;
  return a == b || (lettres::LitReel(a.c_str(), x) && lettres::LitReel(b.c_str(), y) && x == y);
}

std::string Euros(double montant) { return hote2072::FormateMontant(montant) + " €"; }

std::string Base(const std::string& nom) { return "/d/" + EncodeUrl(nom) + "/"; }

// ---- Names of records ---------------------------------------------------------------------

std::string Ou(const std::string& texte, const std::string& defaut) {
  return texte.find_first_not_of(' ') == std::string::npos ? defaut : texte;
}

std::string NomAssocie(const TAssocie2072& a) {
  std::string nom = a.getDesignation();
  if (nom.find_first_not_of(' ') == std::string::npos) nom = a.getType() == 2 ? a.getDenomination() : a.getNom();
  return Ou(nom, "(sans nom)");
}

std::string NomCessionParts(const TDonnee2072& racine, std::size_t k) {
  const auto& t = racine.getCessionsPartsSociete().getCessionParts()[k];
  return Ou(t.getNomCedant(), "?") + " → " + Ou(t.getNomCessionnaire(), "?");
}

// The name of the record of the last level of `index`.
std::string NomEnregistrement(const TDonnee2072& racine, const Index& index) {
  if (index.empty()) return {};
  const auto [cle, p] = index.back();
  const auto k = static_cast<std::size_t>(p);
  const int parent = index.size() > 1 ? index.front().second : 0;
  switch (cle) {
    case kNiveauPropriete: return Ou(racine.getPropriete2072()[k].getNom(), "(sans désignation)");
    case kNiveauAssocie: return NomAssocie(racine.getAssocie2072()[k]);
    case kNiveauCession: return Ou(racine.getOperationSociete().getCession()[k].getLibelle(), "(sans libellé)");
    case kNiveauCessionParts: return NomCessionParts(racine, k);
    case kNiveauLocataire: {
      const auto& l = racine.getPropriete2072()[static_cast<std::size_t>(parent)].getLocataire()[k];
      return Ou(l.getNom() + (l.getPrenom().empty() ? "" : " " + l.getPrenom()), "(sans nom)");
    }
    case kNiveauBeneficiaire:
      return Ou(
          racine.getPropriete2072()[static_cast<std::size_t>(parent)].getBeneficiaire()[k].getIdentiteBeneficiaire(),
          "(sans identité)");
    case kNiveauComposant:
      return Ou(racine.getPropriete2072()[static_cast<std::size_t>(parent)]
                    .getAmortissementComposant()
                    .getComposant()[k]
                    .getNomSaisi(),
                "(sans libellé)");
    default: return std::to_string(p + 1);
  }
}

// ---- The page around a screen ---------------------------------------------------------------

struct Liste {
  Genre genre;
  int niveau;
  const char* mot;    // address of the list page
  const char* titre;  // "Immeubles"
  const char* ajout;  // "Ajouter un immeuble"
};
constexpr Liste kListes[] = {
    {Genre::Propriete, kNiveauPropriete, "immeubles", "Immeubles", "Ajouter un immeuble"},
    {Genre::Associe, kNiveauAssocie, "associes", "Associés", "Ajouter un associé"},
    {Genre::CessionParts, kNiveauCessionParts, "cessions-parts", "Cessions de parts", "Ajouter une cession de parts"},
    {Genre::Cession, kNiveauCession, "cessions", "Cessions d'éléments d'actif",
     "Ajouter une cession d'élément d'actif"},
};

const Liste* ListeDe(Genre genre) {
  for (const Liste& l : kListes)
    if (l.genre == genre) return &l;
  return nullptr;
}

constexpr struct {
  Genre genre;
  const char* titre;
  const char* ajout;
} kSousEcrans[] = {
    {Genre::Locataire, "Locataires", "Ajouter un locataire"},
    {Genre::Beneficiaire, "Bénéficiaires", "Ajouter un bénéficiaire"},
    {Genre::Composant, "Composants amortis", "Ajouter un composant"},
};

std::size_t Nombre(const TDonnee2072& racine, int niveau, const Index& proprietaire) {
  return NombreAuNiveau(racine, niveau, hote2072::VersTIndex(proprietaire));
}

// The tokens the engine hands the host's titles.
TStaticsManager Jetons(TDonnee2072& racine) {
  TStaticsManager statics;
  racine.UpdateStaticsManager(&statics);
  return statics;
}

std::string Jeton(const TStaticsManager& statics, const char* nom) {
  const std::string* valeur = statics.TrouveToken(nom);
  return valeur != nullptr ? *valeur : "";
}

std::string Entete(const std::string& nom, DeclarationOuverte& d, const TStaticsManager& statics,
                   const std::string& ecran) {
  std::string h = "<header class=\"entete\"><a class=\"marque\" href=\"/\">sci2072</a>";
  h += "<span class=\"titre-declaration\">" + EchappeHtmlTexte(Ou(Jeton(statics, "#SocieteNom#"), "Société sans nom")) +
       " · " + std::to_string(d.racine->getAnnee()) + " <small>(" + EchappeHtmlTexte(nom) + ")</small></span>";
  h += std::string("<span id=\"etat\" class=\"etat") +
       (d.modifiee ? " modifiee\">Modifications non enregistrées" : "\">Enregistrée") + "</span>";
  h += "<form method=\"post\" action=\"" + Base(nom) + "enregistrer\" class=\"enregistrer\">";
  h += "<input type=\"hidden\" name=\"ecran\" value=\"" + EchappeHtml(ecran) + "\">";
  h += "<button type=\"submit\">Enregistrer</button></form></header>\n";
  return h;
}

std::string Document(const std::string& titre, const std::string& corps) {
  return "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\">"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
         "<title>" +
         EchappeHtmlTexte(titre) +
         " — sci2072</title><link rel=\"stylesheet\" href=\"/statique/style.css\">"
         "<script src=\"/statique/app.js\" defer></script></head>\n<body>\n" +
         corps + "</body></html>\n";
}

// The navigation tree: the declaration's screens, the first records of each list (and the one
// shown), the records below the property shown.
std::string Arbre(const std::string& nom, const TDonnee2072& racine, const std::optional<Ecran>& courant,
                  const std::string& pageCourante) {
  const std::string base = Base(nom);
  const std::string depuis = courant ? "?depuis=" + EncodeUrl(courant->Chemin()) : "";
  const auto lien = [&](const std::string& chemin, const std::string& texte, bool actuel) {
    return "<a href=\"" + base + chemin + depuis + "\"" + (actuel ? " aria-current=\"page\"" : "") + ">" +
           EchappeHtmlTexte(texte) + "</a>";
  };
  const std::string actuel = courant ? courant->Chemin() : pageCourante;
  std::string h = "<nav class=\"arbre\" id=\"arbre\" aria-label=\"Écrans de la déclaration\"><ul>";
  h += "<li>" + lien("general", "Informations générales", actuel == "general") + "</li>";
  h += "<li>" + lien("is", "Impôt sur les sociétés", actuel == "is") + "</li>";
  for (const Liste& l : kListes) {
    const std::size_t n = Nombre(racine, l.niveau, {});
    h += "<li>" + lien(l.mot, std::string(l.titre) + " (" + std::to_string(n) + ")", actuel == l.mot);
    std::vector<std::size_t> montres;
    for (std::size_t k = 0; k < n && k < kDansArbre; ++k) montres.push_back(k);
    const int position = courant && !courant->index.empty() && courant->index.front().first == l.niveau
                             ? courant->index.front().second
                             : -1;
    if (position >= static_cast<int>(kDansArbre)) montres.push_back(static_cast<std::size_t>(position));
    if (!montres.empty()) {
      h += "<ul>";
      for (std::size_t k : montres) {
        const Index index{{l.niveau, static_cast<int>(k)}};
        const Ecran e{&Definition(l.genre), index};
        h += "<li>" +
             lien(e.Chemin(), std::to_string(k + 1) + ". " + NomEnregistrement(racine, index), actuel == e.Chemin());
        if (static_cast<int>(k) == position && l.genre == Genre::Propriete) {
          std::string sous;
          for (const auto& s : kSousEcrans) {
            const DefinitionEcran& def = Definition(s.genre);
            const std::size_t m = Nombre(racine, def.niveaux.back(), index);
            for (std::size_t j = 0; j < m && j < kDansArbre; ++j) {
              Index si = index;
              si.emplace_back(def.niveaux.back(), static_cast<int>(j));
              const Ecran se{&def, si};
              sous += "<li>" +
                      lien(se.Chemin(), def.titre + " " + std::to_string(j + 1) + " : " + NomEnregistrement(racine, si),
                           actuel == se.Chemin()) +
                      "</li>";
            }
          }
          if (!sous.empty()) h += "<ul>" + sous + "</ul>";
        }
        h += "</li>";
      }
      if (n > kDansArbre) h += "<li class=\"suite\">" + lien(l.mot, "… voir les " + std::to_string(n), false) + "</li>";
      h += "</ul>";
    }
    h += "</li>";
  }
  h += "<li>" + lien("declaration", "Déclaration calculée", actuel == "declaration") + "</li>";
  h += "</ul></nav>\n";
  return h;
}

// ---- Fields ---------------------------------------------------------------------------------

const char* TexteUnite(Unite u) {
  switch (u) {
    case Unite::Euros: return "€";
    case Unite::Pourcent: return "%";
    case Unite::Parts: return "parts";
    case Unite::Annees: return "ans";
    default: return "";
  }
}

struct EtatLettre {
  short decision = hote2072::kGardee;
  std::string valeur;
};

// What one screen's rendering needs.
struct Rendu {
  TDonnee2072& racine;
  const Ecran& ecran;
  const Affichage& affichage;
  std::string focus;              // form field the cursor goes to
  std::set<std::string> fautifs;  // form fields a message or a refusal names
  std::string h;
};

// Letters of one record read and selected with its index.
std::map<int, EtatLettre> Etats(TDonnee2072& racine, const Index& index, const std::vector<int>& codes) {
  std::vector<int> tous;
  for (int code : codes) {
    tous.push_back(code);
    if (const Champ* lie = ElementLie(code); lie != nullptr && code == lie->lieRetenu) {
      tous.push_back(lie->lieMode);
      tous.push_back(lie->lieCalcule);
    }
  }
  std::map<int, EtatLettre> etats;
  for (LettreSelectionnee& l : hote2072::SelectionneLettres(racine, index, tous))
    etats[l.code] = {l.decision, hote2072::LitValeur(racine, l.code, index)};
  return etats;
}

// The extra levels of a row's index beyond the screen's.
Index Ligne(const Ecran& ecran, const Index& index) {
  return Index(index.begin() + static_cast<long>(ecran.index.size()), index.end());
}

std::string Controle(Rendu& r, const Champ& c, const Index& index, const EtatLettre& etat, bool lecture) {
  const std::string nom = NomChamp(c.code, Ligne(r.ecran, index));
  const auto saisi = r.affichage.saisis.find(nom);
  const std::string valeur = saisi != r.affichage.saisis.end() ? saisi->second : Affiche(c, etat.valeur);
  std::string attributs = " id=\"" + nom + "\"";
  if (!lecture) attributs += " name=\"" + nom + "\"";
  if (r.fautifs.count(nom) != 0) {
    attributs += " aria-invalid=\"true\"";
    if (r.affichage.erreurs.count(nom) != 0) attributs += " aria-describedby=\"m-" + nom + "\"";
  }
  if (r.focus == nom) attributs += " autofocus";
  std::vector<Choix> choix = ChoixDe(r.racine, c, index);
  const bool position = c.entree->lettre.role == lettres::Role::Position;
  if (position && choix.size() > kChoixMax) {
    // A fund: the partner's number (from 1) typed, the list page finding it.
    long long p = 0;
    lettres::LitEntier(etat.valeur.c_str(), p);
    std::string a = attributs;
    if (!lecture) a.replace(a.find(" name=\"c"), 8, " name=\"p");
    return "<input type=\"number\" min=\"1\" max=\"" + std::to_string(choix.size()) + "\" value=\"" +
           std::to_string(p + 1) + "\"" + a + (lecture ? " readonly" : "") +
           "><span class=\"aide\">numéro de l'associé ; " + std::to_string(choix.size()) +
           " : une autre personne</span>";
  }
  if (!choix.empty()) {
    std::string h = "<select" + attributs + (lecture ? " disabled" : "") + ">";
    bool trouve = false;
    const bool texte = c.entree->lettre.type() == 'S';
    for (const Choix& ch : choix) {
      const bool choisi = !trouve && (texte ? ch.valeur == etat.valeur : MemeNombre(ch.valeur, etat.valeur));
      trouve = trouve || choisi;
      h += "<option value=\"" + EchappeHtml(ch.valeur) + "\"" + (choisi ? " selected" : "") + ">" +
           EchappeHtmlTexte(ch.libelle) + "</option>";
    }
    if (!trouve)
      h += "<option value=\"" + EchappeHtml(etat.valeur) + "\" selected>(" + EchappeHtmlTexte(etat.valeur) +
           ")</option>";
    return h + "</select>";
  }
  std::string type = " type=\"text\"";
  switch (c.saisie) {
    case Saisie::Texte: type += " maxlength=\"" + std::to_string(std::max(c.longueur, 1)) + "\""; break;
    case Saisie::Montant:
    case Saisie::Nombre: type += " inputmode=\"decimal\""; break;
    case Saisie::Entier:
    case Saisie::OuiNon:
    case Saisie::Liste: type += " inputmode=\"numeric\""; break;
    case Saisie::Date: type += " inputmode=\"numeric\" placeholder=\"jj/mm/aaaa\""; break;
  }
  return "<input" + type + " value=\"" + EchappeHtml(valeur) + "\"" + attributs +
         (lecture ? " readonly tabindex=\"-1\"" : "") + ">";
}

std::string Unite(const Champ& c) {
  const char* u = TexteUnite(c.unite);
  return *u != '\0' ? std::string("<span class=\"unite\">") + u + "</span>" : "";
}

std::string MessageChamp(const Rendu& r, const std::string& nom) {
  const auto it = r.affichage.erreurs.find(nom);
  return it == r.affichage.erreurs.end()
             ? ""
             : "<span class=\"message-champ\" id=\"m-" + nom + "\">" + EchappeHtmlTexte(it->second) + "</span>";
}

// A label read by screen readers only: in a table, the column's label and the row's name.
std::string EtiquetteCachee(const std::string& nom, const std::string& texte) {
  return "<label class=\"visuellement-cache\" for=\"" + nom + "\">" + EchappeHtmlTexte(texte) + "</label>";
}

// A linked element: the amount computed, the amount used and the switch that lets the person
// replace the one by the other.
std::string ElementLieHtml(Rendu& r, const Champ& c, const Index& index, const std::map<int, EtatLettre>& etats,
                           const std::string& ligne) {
  const Champ& mode = *ChampDe(c.lieMode);
  const Champ& calcule = *ChampDe(c.lieCalcule);
  const EtatLettre& e = etats.at(c.code);
  const bool remplace = etats.at(c.lieMode).valeur == "2" || MemeNombre(etats.at(c.lieMode).valeur, "2");
  const std::string nomMode = NomChamp(mode.code, Ligne(r.ecran, index));
  const std::string nomCalcule = NomChamp(calcule.code, Ligne(r.ecran, index));
  const std::string suffixe = ligne.empty() ? "" : " — " + ligne;
  std::string h = ligne.empty() ? "" : EtiquetteCachee(NomChamp(c.code, Ligne(r.ecran, index)), c.libelle + suffixe);
  h += "<span class=\"saisie\">" + Controle(r, c, index, e, !remplace) + Unite(c) + "</span>";
  h += "<span class=\"calcul\"><label for=\"" + nomCalcule + "\">" + EchappeHtmlTexte(calcule.libelle + suffixe) +
       "</label> <input type=\"text\" id=\"" + nomCalcule + "\" value=\"" +
       EchappeHtml(Affiche(calcule, etats.at(calcule.code).valeur)) + "\" readonly tabindex=\"-1\">" + Unite(calcule) +
       "</span>";
  // The switch reads as its label says, "amount used equal to the computation": on while the
  // computed amount is used (1), off when the person enters another (2).
  h += "<span class=\"bascule\"><input type=\"hidden\" name=\"" + nomMode +
       "\" value=\"2\"><input type=\"checkbox\" role=\"switch\" id=\"" + nomMode + "\" name=\"" + nomMode +
       "\" value=\"1\" data-sinon=\"2\"" + (remplace ? "" : " checked") + "><label for=\"" + nomMode + "\">" +
       EchappeHtmlTexte(mode.libelle + suffixe) + "</label></span>";
  return h;
}

const char* ClasseDecision(short decision) { return decision == hote2072::kMarquee ? " marque" : ""; }

void ChampBloc(Rendu& r, int code, const std::map<int, EtatLettre>& etats) {
  const Champ* c = ChampDe(code);
  if (c == nullptr) return;
  if (c->nature == Nature::LieMode || c->nature == Nature::LieCalcule) return;  // shown with the amount used
  const EtatLettre& e = etats.at(code);
  const std::string nom = NomChamp(code, {});
  const bool lie = c->nature == Nature::LieRetenu;
  const bool calcule = c->nature == Nature::Calculee;
  std::string classes = "champ";
  if (lie) classes += " lie";
  if (calcule) classes += " calcule";
  classes += ClasseDecision(e.decision);
  if (r.fautifs.count(nom) != 0) classes += " fautif";
  r.h += "<div class=\"" + classes + "\" id=\"l-" + nom + "\" data-ligne" +
         (e.decision == hote2072::kEcartee ? " hidden" : "") + ">";
  // The shading says "computed"; so does the label itself sometimes ("… (calculées)").
  const bool ditCalcule = c->libelle.find("(calcul") != std::string::npos;
  r.h += "<label for=\"" + nom + "\"" + (ditCalcule ? " class=\"dit-calcule\"" : "") + ">" +
         EchappeHtmlTexte(c->libelle) + "</label>";
  if (e.decision == hote2072::kEcartee) {
    // Not offered: hidden, and its input disabled, so that nothing is posted for it.
    r.h += "<span class=\"saisie\"><input type=\"text\" id=\"" + nom + "\" value=\"\" disabled></span></div>\n";
    return;
  }
  if (lie) {
    r.h += ElementLieHtml(r, *c, r.ecran.index, etats, "");
  } else {
    const bool lecture = calcule || e.decision == hote2072::kMarquee;
    r.h += "<span class=\"saisie\">" + Controle(r, *c, r.ecran.index, e, lecture) + Unite(*c) + "</span>";
    if (e.decision == hote2072::kMarquee) r.h += "<span class=\"note\">repris ou sans objet ici</span>";
  }
  r.h += MessageChamp(r, nom) + "</div>\n";
}

void Blocs(Rendu& r) {
  const DefinitionEcran& def = *r.ecran.definition;
  std::vector<int> codes;
  for (const Bloc& b : def.blocs) codes.insert(codes.end(), b.codes.begin(), b.codes.end());
  const auto etats = Etats(r.racine, r.ecran.index, codes);
  for (std::size_t k = 0; k < def.blocs.size(); ++k) {
    const Bloc& b = def.blocs[k];
    const std::string id = " id=\"bloc-" + std::to_string(k) + "\" data-bloc";
    const bool visible = std::any_of(b.codes.begin(), b.codes.end(),
                                     [&](int code) { return etats.at(code).decision != hote2072::kEcartee; });
    if (b.replie) {
      const bool ouvert = std::any_of(b.codes.begin(), b.codes.end(),
                                      [&](int code) { return r.fautifs.count(NomChamp(code, {})) != 0; });
      r.h += std::string("<details class=\"bloc\"") + id + (ouvert ? " open" : "") + (visible ? "" : " hidden") +
             "><summary>" + EchappeHtmlTexte(b.titre) + "</summary><fieldset><legend class=\"visuellement-cache\">" +
             EchappeHtmlTexte(b.titre) + "</legend>\n";
    } else {
      r.h += std::string("<fieldset class=\"bloc\"") + id + (visible ? "" : " hidden") + "><legend>" +
             EchappeHtmlTexte(b.titre) + "</legend>\n";
    }
    for (int code : b.codes) ChampBloc(r, code, etats);
    r.h += b.replie ? "</fieldset></details>\n" : "</fieldset>\n";
  }
}

// A row's name in a table: the property of a share, the sale of a distribution.
std::string NomLigne(const TDonnee2072& racine, int niveau, std::size_t k) {
  switch (niveau) {
    case kNiveauQuotePart: return Ou(racine.getPropriete2072()[k].getNom(), "Immeuble " + std::to_string(k + 1));
    case kNiveauRepartition:
      return Ou(racine.getOperationSociete().getCession()[k].getLibelle(), "Cession " + std::to_string(k + 1));
    default: return std::to_string(k + 1);
  }
}

void Tableaux(Rendu& r, const std::string& nom, std::uint64_t version) {
  for (const Tableau& t : r.ecran.definition->tableaux) {
    const std::size_t n = Nombre(r.racine, t.niveau, r.ecran.index);
    if (n == 0 && !t.modifiable) continue;
    r.h += std::string(t.replie ? "<details class=\"bloc tableau\"><summary>" + EchappeHtmlTexte(t.titre) + "</summary>"
                                : "<section class=\"bloc tableau\"><h2>" + EchappeHtmlTexte(t.titre) + "</h2>") +
           "<div class=\"defile\"><table><thead><tr><th scope=\"col\">" +
           (t.niveau == kNiveauQuotePart     ? "Immeuble"
            : t.niveau == kNiveauRepartition ? "Cession"
                                             : "N°") +
           "</th>";
    std::vector<int> colonnes;
    for (int code : t.colonnes) {
      const Champ* c = ChampDe(code);
      if (c == nullptr || c->nature == Nature::LieMode || c->nature == Nature::LieCalcule) continue;
      colonnes.push_back(code);
      r.h += "<th scope=\"col\">" + EchappeHtmlTexte(c->libelle) + "</th>";
    }
    if (t.modifiable) r.h += "<th scope=\"col\"><span class=\"visuellement-cache\">Actions</span></th>";
    r.h += "</tr></thead><tbody>\n";
    for (std::size_t k = 0; k < n; ++k) {
      Index index = r.ecran.index;
      index.emplace_back(t.niveau, static_cast<int>(k));
      const auto etats = Etats(r.racine, index, colonnes);
      const std::string ligne = NomLigne(r.racine, t.niveau, k);
      r.h += "<tr><th scope=\"row\">" + EchappeHtmlTexte(ligne) + "</th>";
      for (int code : colonnes) {
        const Champ& c = *ChampDe(code);
        const EtatLettre& e = etats.at(code);
        const std::string nomChamp = NomChamp(code, Ligne(r.ecran, index));
        r.h += "<td class=\"champ" + std::string(c.nature == Nature::Calculee ? " calcule" : "") +
               ClasseDecision(e.decision) + "\" id=\"l-" + nomChamp + "\" data-ligne>";
        if (e.decision == hote2072::kEcartee) {
          r.h += "</td>";
          continue;
        }
        if (c.nature == Nature::LieRetenu)
          r.h += ElementLieHtml(r, c, index, etats, ligne);
        else
          r.h += EtiquetteCachee(nomChamp, c.libelle + " — " + ligne) +
                 Controle(r, c, index, e, c.nature == Nature::Calculee || e.decision == hote2072::kMarquee);
        r.h += MessageChamp(r, nomChamp) + "</td>";
      }
      if (t.modifiable)
        r.h += "<td><button type=\"submit\" form=\"actions\" formaction=\"" + Base(nom) +
               "supprime?ligne=" + std::to_string(t.niveau) + "-" + std::to_string(k) +
               "\" class=\"secondaire\">Retirer</button></td>";
      r.h += "</tr>\n";
    }
    r.h += "</tbody></table></div>";
    if (t.modifiable)
      r.h += "<button type=\"submit\" form=\"actions\" formaction=\"" + Base(nom) +
             "ajoute?niveau=" + std::to_string(t.niveau) + "\" class=\"secondaire\">Ajouter une ligne</button>";
    r.h += t.replie ? "</details>\n" : "</section>\n";
  }
  (void)version;
}

// The corporate-tax statement: each line's two columns side by side.
void DeuxColonnes(Rendu& r) {
  const auto& lignes = r.ecran.definition->lignes;
  std::vector<int> codes;
  for (const auto& l : lignes) codes.insert(codes.end(), {l.gauche, l.droite});
  const auto etats = Etats(r.racine, r.ecran.index, codes);
  bool aSaisir = false;
  for (int code : codes)
    aSaisir = aSaisir || (ChampDe(code)->nature != Nature::Calculee && etats.at(code).decision != hote2072::kEcartee);
  r.h += "<section class=\"bloc tableau\"><h2>Compte de résultat</h2>";
  // Without a partner subject to it, every line to enter is dropped: say why the table is empty.
  r.h += std::string("<p class=\"aide\" id=\"l-sans-saisie\" data-ligne") + (aSaisir ? " hidden" : "") +
         ">Rien à saisir ici : ces lignes ne concernent que les sociétés dont des associés relèvent de l'IS, des BIC "
         "ou des BA.</p>";
  using zorfiscal2072::TDonneeIS2072;
  r.h += std::string("<div class=\"defile\"><table><thead><tr><th scope=\"col\">Ligne</th><th scope=\"col\">") +
         TDonneeIS2072::kLibellesColonnes[TDonneeIS2072::kColonneBICIS] + "</th><th scope=\"col\">" +
         TDonneeIS2072::kLibellesColonnes[TDonneeIS2072::kColonneBA] + "</th></tr></thead><tbody>\n";
  for (const auto& ligne : lignes) {
    const Champ& c = *ChampDe(ligne.gauche);
    r.h += std::string("<tr") + (c.nature == Nature::Calculee ? " class=\"total\"" : "") + "><th scope=\"row\">" +
           EchappeHtmlTexte(ligne.libelle) + "</th>";
    for (int code : {ligne.gauche, ligne.droite}) {
      const Champ& col = *ChampDe(code);
      const EtatLettre& e = etats.at(code);
      const std::string nom = NomChamp(code, {});
      r.h += "<td class=\"champ" + std::string(col.nature == Nature::Calculee ? " calcule" : "") +
             ClasseDecision(e.decision) + "\" id=\"l-" + nom + "\" data-ligne>";
      if (e.decision != hote2072::kEcartee)
        r.h += EtiquetteCachee(nom, col.libelle) +
               Controle(r, col, r.ecran.index, e, col.nature == Nature::Calculee || e.decision == hote2072::kMarquee) +
               MessageChamp(r, nom);
      r.h += "</td>";
    }
    r.h += "</tr>\n";
  }
  r.h += "</tbody></table></div></section>\n";
}

void Alertes(Rendu& r) {
  r.h += "<div id=\"alertes\" role=\"alert\" aria-live=\"assertive\">";
  const Affichage& a = r.affichage;
  if (!a.alerte.empty()) r.h += "<p class=\"alerte\">" + EchappeHtmlTexte(a.alerte) + "</p>";
  if (!a.erreurs.empty()) {
    r.h += "<div class=\"alerte\"><p>Valeurs refusées, la déclaration est inchangée pour ces champs :</p><ul>";
    for (const auto& [nom, texte] : a.erreurs) {
      const Champ* c = ChampDe(LitNomChamp(nom, r.ecran).value_or(ChampPoste{0, {}}).code);
      r.h += "<li><a href=\"#" + nom + "\">" + EchappeHtmlTexte(c != nullptr ? c->libelle : nom) +
             "</a> : " + EchappeHtmlTexte(texte) + "</li>";
    }
    r.h += "</ul></div>";
  }
  if (!a.messages.empty()) {
    r.h += "<div class=\"alerte controle\"><p>Contrôle de l'écran : " + std::to_string(a.messages.size()) +
           (a.messages.size() == 1 ? " message" : " messages") + ". Vous pouvez corriger ou continuer.</p><ul>";
    for (const MessageTrouve& m : a.messages) {
      const short champ = hote2072::ChampDuMessage(m.numero, m.curseur);
      const std::string texte = std::to_string(m.numero) + " — " + hote2072::ExplicationMessage(m.numero);
      r.h += "<li>" +
             (champ != 0 ? "<a href=\"#" + NomChamp(champ, {}) + "\">" + EchappeHtmlTexte(texte) + "</a>"
                         : EchappeHtmlTexte(texte)) +
             "</li>";
    }
    r.h += "</ul>";
    if (a.suite) r.h += "<p><a class=\"bouton\" href=\"" + EchappeHtml(*a.suite) + "\">Continuer sans corriger</a></p>";
    r.h += "</div>";
  }
  r.h += "</div>\n";
  if (!a.notice.empty()) r.h += "<p class=\"notice\" role=\"status\">" + EchappeHtmlTexte(a.notice) + "</p>\n";
}

// What the file gave that loaded but should be looked at, folded under its count.
void AvertissementsDuFichier(Rendu& r, const std::vector<std::string>& avertissements) {
  if (avertissements.empty()) return;
  r.h += "<details id=\"avertissements\" class=\"alerte avertissement\"><summary>Le fichier donne " +
         std::to_string(avertissements.size()) +
         (avertissements.size() == 1 ? " valeur à vérifier" : " valeurs à vérifier") +
         " (chargée telle quelle)</summary><ul>";
  for (const std::string& a : avertissements) r.h += "<li>" + EchappeHtmlTexte(a) + "</li>";
  r.h += "</ul></details>\n";
}

void Bandeau(Rendu& r, const TStaticsManager& statics) {
  const auto& g = r.racine.getResultatGlobalARepartir();
  r.h += "<dl id=\"bandeau\" class=\"bandeau\" aria-label=\"Totaux de la société\">";
  const auto figure = [&](const char* id, const char* titre, const std::string& valeur) {
    r.h += std::string("<div id=\"") + id + "\"><dt>" + titre + "</dt><dd>" + EchappeHtmlTexte(valeur) + "</dd></div>";
  };
  figure("b-recettes", "Revenus bruts", Euros(g.getRevenuBrut()));
  figure("b-charges", "Frais et charges", Euros(g.getCharge()));
  figure("b-interets", "Intérêts d'emprunts", Euros(g.getInteretsEmprunts()));
  figure("b-resultat", "Revenu net à répartir", Euros(g.getRevenuNetOuDeficit()));
  figure("b-parts", "Parts (saisies / des associés)",
         Jeton(statics, "#NB_TOTAL_PARTS#") + " / " + Jeton(statics, "#NB_TOTAL_PARTS_CALCUL#"));
  figure("b-quotes", "Quotes-parts de résultats", Jeton(statics, "#QUOTE_PART_RESULTATS#") + " %");
  r.h += "</dl>\n";
}

void SousEcrans(Rendu& r, const std::string& nom) {
  for (Genre g : r.ecran.definition->sousEcrans) {
    const DefinitionEcran& def = Definition(g);
    const char* titre = "";
    const char* ajout = "";
    for (const auto& s : kSousEcrans)
      if (s.genre == g) {
        titre = s.titre;
        ajout = s.ajout;
      }
    const std::size_t n = Nombre(r.racine, def.niveaux.back(), r.ecran.index);
    r.h += "<section class=\"bloc sous\"><h2>" + std::string(titre) + " (" + std::to_string(n) + ")</h2><ul>";
    for (std::size_t k = 0; k < n; ++k) {
      Index index = r.ecran.index;
      index.emplace_back(def.niveaux.back(), static_cast<int>(k));
      const Ecran e{&def, index};
      r.h += "<li><a href=\"" + Base(nom) + e.Chemin() + "?depuis=" + EncodeUrl(r.ecran.Chemin()) + "\">" +
             EchappeHtmlTexte(def.titre + " " + std::to_string(k + 1) + " : " + NomEnregistrement(r.racine, index)) +
             "</a></li>";
    }
    r.h += "</ul><button type=\"submit\" form=\"actions\" formaction=\"" + Base(nom) +
           "ajoute?niveau=" + std::to_string(def.niveaux.back()) + "\" class=\"secondaire\">" + ajout +
           "</button></section>\n";
  }
}

// The record's own operations: remove it; a partner also duplicated and moved.
void Actions(Rendu& r, const std::string& nom, std::uint64_t version) {
  r.h += "<form id=\"actions\" method=\"post\" action=\"" + Base(nom) +
         "saisie\" class=\"actions\">"
         "<input type=\"hidden\" name=\"ecran\" value=\"" +
         EchappeHtml(r.ecran.Chemin()) + "\"><input type=\"hidden\" name=\"version\" value=\"" +
         std::to_string(version) + "\">";
  if (!r.ecran.index.empty()) {
    const std::string mot = Ou(r.ecran.definition->titre, "enregistrement");
    std::string minuscule = mot;
    if (!minuscule.empty() && minuscule[0] >= 'A' && minuscule[0] <= 'Z')
      minuscule[0] = static_cast<char>(minuscule[0] - 'A' + 'a');
    if (r.ecran.definition->genre == Genre::Associe) {
      const int k = r.ecran.index.front().second;
      r.h += "<button type=\"submit\" formaction=\"" + Base(nom) + "duplique\">Dupliquer l'associé</button>";
      if (k > 0) r.h += "<button type=\"submit\" formaction=\"" + Base(nom) + "deplace?sens=-1\">Monter</button>";
      if (k + 1 < r.racine.NbAssocie())
        r.h += "<button type=\"submit\" formaction=\"" + Base(nom) + "deplace?sens=1\">Descendre</button>";
    }
    r.h += "<button type=\"submit\" formaction=\"" + Base(nom) +
           "supprime\" class=\"danger\" data-confirme=\"Supprimer cet enregistrement ?\">Supprimer : " +
           EchappeHtmlTexte(minuscule) + "</button>";
  }
  r.h += "</form>\n";
}

}  // namespace

// ---- Form fields ----------------------------------------------------------------------------

std::string NomChamp(int code, const Index& ligne) {
  std::string nom = "c" + std::to_string(code);
  for (const auto& [cle, position] : ligne) nom += "-" + std::to_string(cle) + "-" + std::to_string(position);
  return nom;
}

std::optional<ChampPoste> LitNomChamp(const std::string& nom, const Ecran& ecran) {
  if (nom.size() < 6 || (nom[0] != 'c' && nom[0] != 'p')) return std::nullopt;
  ChampPoste p{0, ecran.index, nom[0] == 'p'};
  std::vector<long> nombres;
  std::size_t debut = 1;
  while (true) {
    const std::size_t fin = std::min(nom.find('-', debut), nom.size());
    const std::string morceau = nom.substr(debut, fin - debut);
    if (morceau.empty() || morceau.size() > 6 || morceau.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    nombres.push_back(std::stol(morceau));
    if (fin == nom.size()) break;
    debut = fin + 1;
  }
  if (nombres.size() != 1 && nombres.size() != 3) return std::nullopt;
  p.code = static_cast<int>(nombres[0]);
  if (nombres.size() == 3) {
    const bool tableau = std::any_of(ecran.definition->tableaux.begin(), ecran.definition->tableaux.end(),
                                     [&](const Tableau& t) { return t.niveau == nombres[1]; });
    if (!tableau) return std::nullopt;
    p.index.emplace_back(static_cast<int>(nombres[1]), static_cast<int>(nombres[2]));
  }
  const Champ* c = ChampDe(p.code);
  if (c == nullptr) return std::nullopt;
  std::vector<int> niveaux;
  for (const auto& [cle, position] : p.index) niveaux.push_back(cle);
  if (c->entree->niveaux != niveaux) return std::nullopt;
  return p;
}

std::vector<MessageTrouve> MessagesDeLEcran(const std::vector<MessageTrouve>& messages, const Ecran& ecran) {
  std::vector<MessageTrouve> propres;
  for (const MessageTrouve& m : messages)
    if (m.index == ecran.index) propres.push_back(m);
  return propres;
}

// ---- Pages ----------------------------------------------------------------------------------

std::string PageEcran(const std::string& nom, DeclarationOuverte& d, const Ecran& ecran, const Affichage& affichage) {
  TDonnee2072& racine = *d.racine;
  const TStaticsManager statics = Jetons(racine);
  Rendu r{racine, ecran, affichage, {}, {}, {}};
  for (const auto& [champ, texte] : affichage.erreurs) r.fautifs.insert(champ);
  for (const MessageTrouve& m : affichage.messages)
    if (const short champ = hote2072::ChampDuMessage(m.numero, m.curseur); champ != 0) {
      r.fautifs.insert(NomChamp(champ, {}));
      if (r.focus.empty()) r.focus = NomChamp(champ, {});
    }
  if (r.focus.empty() && !affichage.erreurs.empty()) r.focus = affichage.erreurs.begin()->first;

  const DefinitionEcran& def = *ecran.definition;
  std::string titre = def.titre;
  if (!ecran.index.empty())
    titre += " " + std::to_string(ecran.index.back().second + 1) + " : " + NomEnregistrement(racine, ecran.index);
  std::string h = Entete(nom, d, statics, ecran.Chemin());
  h += "<div class=\"corps\">" + Arbre(nom, racine, ecran, "") + "<main id=\"principal\">";
  if (ecran.index.size() > 1) {
    const Index parent(ecran.index.begin(), ecran.index.end() - 1);
    const Ecran e{DefinitionDesNiveaux({parent.front().first}), parent};
    h += "<p class=\"fil\"><a href=\"" + Base(nom) + e.Chemin() + "?depuis=" + EncodeUrl(ecran.Chemin()) + "\">" +
         EchappeHtmlTexte(e.definition->titre + " " + std::to_string(parent.back().second + 1) + " : " +
                          NomEnregistrement(racine, parent)) +
         "</a></p>";
  }
  r.h += "<h1 id=\"titre\">" + EchappeHtmlTexte(titre) + "</h1>\n";
  Alertes(r);
  AvertissementsDuFichier(r, d.avertissements);
  Bandeau(r, statics);
  r.h += "<form id=\"ecran\" method=\"post\" action=\"" + Base(nom) +
         "saisie\" novalidate>"
         "<input type=\"hidden\" name=\"ecran\" value=\"" +
         EchappeHtml(ecran.Chemin()) +
         "\">"
         "<input type=\"hidden\" name=\"version\" value=\"" +
         std::to_string(d.version) + "\">\n";
  Blocs(r);
  if (def.deuxColonnes) DeuxColonnes(r);
  Tableaux(r, nom, d.version);
  r.h += "<p class=\"appliquer\"><button type=\"submit\">Appliquer les modifications</button></p></form>\n";
  SousEcrans(r, nom);
  Actions(r, nom, d.version);
  h += r.h + "</main></div>\n";
  return Document(titre + " — " + Ou(Jeton(statics, "#SocieteNom#"), nom), h);
}

std::string PageListe(const std::string& nom, DeclarationOuverte& d, Genre genre, std::size_t page,
                      const std::string& recherche) {
  TDonnee2072& racine = *d.racine;
  const Liste& l = *ListeDe(genre);
  const TStaticsManager statics = Jetons(racine);
  const std::size_t n = Nombre(racine, l.niveau, {});
  std::string cherche = recherche;
  std::transform(cherche.begin(), cherche.end(), cherche.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const auto contient = [&](std::string texte) {
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return texte.find(cherche) != std::string::npos;
  };
  std::vector<std::size_t> trouves;
  for (std::size_t k = 0; k < n; ++k) {
    if (cherche.empty()) {
      trouves.push_back(k);
      continue;
    }
    const Index index{{l.niveau, static_cast<int>(k)}};
    std::string code;
    if (genre == Genre::Associe) code = racine.getAssocie2072()[k].getCodeAssocie();
    if (genre == Genre::Propriete) code = racine.getPropriete2072()[k].getCodePropriete();
    if (contient(NomEnregistrement(racine, index)) || contient(code) || std::to_string(k + 1) == cherche)
      trouves.push_back(k);
  }
  const std::size_t pages = std::max<std::size_t>(1, (trouves.size() + kParPage - 1) / kParPage);
  page = std::min(std::max<std::size_t>(page, 1), pages);
  std::string h = Entete(nom, d, statics, l.mot);
  h += "<div class=\"corps\">" + Arbre(nom, racine, std::nullopt, l.mot) + "<main id=\"principal\"><h1>" + l.titre +
       " (" + std::to_string(n) + ")</h1>\n";
  h += "<form method=\"get\" class=\"recherche\" role=\"search\"><label for=\"q\">Rechercher par nom, code ou "
       "numéro</label>"
       "<input type=\"search\" id=\"q\" name=\"q\" value=\"" +
       EchappeHtml(recherche) + "\"><button type=\"submit\">Rechercher</button></form>\n";
  h += "<table class=\"liste\"><thead><tr><th scope=\"col\">N°</th><th scope=\"col\">Nom</th>";
  if (genre == Genre::Associe)
    h += "<th scope=\"col\">Code</th><th scope=\"col\">Parts</th><th scope=\"col\">Revenu net</th>";
  if (genre == Genre::Propriete) h += "<th scope=\"col\">Code</th><th scope=\"col\">Résultat à répartir</th>";
  h += "</tr></thead><tbody>\n";
  for (std::size_t i = (page - 1) * kParPage; i < trouves.size() && i < page * kParPage; ++i) {
    const std::size_t k = trouves[i];
    const Index index{{l.niveau, static_cast<int>(k)}};
    const Ecran e{&Definition(genre), index};
    h += "<tr><td>" + std::to_string(k + 1) + "</td><td><a href=\"" + Base(nom) + e.Chemin() + "\">" +
         EchappeHtmlTexte(NomEnregistrement(racine, index)) + "</a></td>";
    if (genre == Genre::Associe) {
      const auto& a = racine.getAssocie2072()[k];
      h += "<td>" + EchappeHtmlTexte(a.getCodeAssocie()) + "</td><td class=\"nombre\">" +
           hote2072::FormateNombre(a.getNombreParts(), 5) + "</td><td class=\"nombre\">" +
           Euros(a.getBulletin2072().getTotalRevenuOuDeficit()) + "</td>";
    }
    if (genre == Genre::Propriete) {
      const auto& p = racine.getPropriete2072()[k];
      h += "<td>" + EchappeHtmlTexte(p.getCodePropriete()) + "</td><td class=\"nombre\">" +
           Euros(p.getResultatARepartir().getRevenuOuDeficit()) + "</td>";
    }
    h += "</tr>\n";
  }
  h += "</tbody></table>\n";
  if (pages > 1) {
    h += "<nav class=\"pages\" aria-label=\"Pages\">";
    const std::string q = recherche.empty() ? "" : "&amp;q=" + EncodeUrl(recherche);
    if (page > 1) h += "<a href=\"?page=" + std::to_string(page - 1) + q + "\" rel=\"prev\">Page précédente</a> ";
    h += "<span>Page " + std::to_string(page) + " sur " + std::to_string(pages) + " (" +
         std::to_string(trouves.size()) + ")</span>";
    if (page < pages) h += " <a href=\"?page=" + std::to_string(page + 1) + q + "\" rel=\"next\">Page suivante</a>";
    h += "</nav>\n";
  }
  h += "<form method=\"post\" action=\"" + Base(nom) + "ajoute?niveau=" + std::to_string(l.niveau) +
       "\"><input type=\"hidden\" name=\"version\" value=\"" + std::to_string(d.version) +
       "\"><button type=\"submit\">" + l.ajout + "</button></form>\n";
  h += "</main></div>\n";
  return Document(std::string(l.titre) + " — " + Ou(Jeton(statics, "#SocieteNom#"), nom), h);
}

std::string PageEspace(const EspaceTravail& espace, const std::vector<LigneEspace>& lignes, const std::string& notice) {
  std::string h =
      "<header class=\"entete\"><a class=\"marque\" href=\"/\">sci2072</a><span class=\"titre-declaration\">" +
      EchappeHtmlTexte(espace.Dossier().string()) + "</span></header><main id=\"principal\" class=\"espace\">";
  h += "<h1>Déclarations du dossier</h1>\n";
  if (!notice.empty()) h += "<p class=\"notice\" role=\"status\">" + EchappeHtmlTexte(notice) + "</p>\n";
  h += "<table class=\"liste\"><thead><tr><th scope=\"col\">Fichier</th><th scope=\"col\">Société</th><th "
       "scope=\"col\">SIREN</th>"
       "<th scope=\"col\">Année</th><th scope=\"col\">Résultat à répartir</th><th scope=\"col\">Messages</th><th "
       "scope=\"col\">Actions</th></tr></thead><tbody>\n";
  for (const LigneEspace& l : lignes) {
    h += "<tr><td><a href=\"" + Base(l.nom) + "general\">" + EchappeHtmlTexte(l.nom) + "</a>" +
         (l.modifiee ? " <span class=\"etat modifiee\">non enregistrée</span>" : "") + "</td>";
    if (!l.probleme.empty()) {
      h += "<td colspan=\"5\" class=\"probleme\">" + EchappeHtmlTexte(l.probleme) + "</td>";
    } else {
      h += "<td>" + EchappeHtmlTexte(Ou(l.societe, "(sans nom)")) + "</td><td>" + EchappeHtmlTexte(l.siren) +
           "</td><td>" + std::to_string(l.annee) + "</td><td class=\"nombre\">" + Euros(l.resultat) +
           "</td><td class=\"nombre\">" + std::to_string(l.messages) + "</td>";
    }
    h += "<td class=\"actions\">";
    if (!espace.FichierUnique()) {
      const std::string base = l.nom.substr(0, l.nom.size() - 5);
      h += "<form method=\"post\" action=\"/espace/duplique\"><input type=\"hidden\" name=\"source\" value=\"" +
           EchappeHtml(l.nom) + "\"><label>Copie : <input name=\"nom\" value=\"" + EchappeHtml(base) +
           "-copie\" size=\"14\"></label><button type=\"submit\">Dupliquer</button></form>";
      h += "<form method=\"post\" action=\"/espace/suivante\"><input type=\"hidden\" name=\"source\" value=\"" +
           EchappeHtml(l.nom) + "\"><label>Année suivante : <input name=\"nom\" value=\"" + EchappeHtml(base) + "-" +
           std::to_string(l.annee + 1) + "\" size=\"14\"></label><button type=\"submit\">Créer</button></form>";
      h += "<form method=\"post\" action=\"/espace/supprime\"><input type=\"hidden\" name=\"nom\" value=\"" +
           EchappeHtml(l.nom) + "\"><button type=\"submit\" class=\"danger\" data-confirme=\"Mettre " +
           EchappeHtmlTexte(l.nom) + " à la corbeille ?\">Supprimer</button></form>";
    }
    h += "</td></tr>\n";
  }
  if (lignes.empty()) h += "<tr><td colspan=\"7\">Aucune déclaration dans ce dossier.</td></tr>\n";
  h += "</tbody></table>\n";
  if (!espace.FichierUnique())
    h += "<form method=\"post\" action=\"/espace/nouvelle\" class=\"nouvelle\"><label for=\"nouvelle\">Nom de la "
         "nouvelle déclaration</label>"
         "<input id=\"nouvelle\" name=\"nom\" required pattern=\"[A-Za-z0-9._\\-]+\"><button type=\"submit\">Nouvelle "
         "déclaration</button></form>\n"
         "<p class=\"aide\">Une déclaration supprimée va dans le dossier <code>.corbeille</code> : rien n'est "
         "perdu.</p>\n";
  h += "</main>\n";
  return Document("Déclarations", h);
}

std::string PageDeclaration(const std::string& nom, DeclarationOuverte& d, bool tousAssocies) {
  std::string page = hote2072::ResumeHtml(
      hote2072::ConstruitResume(*d.racine, {.tousAssocies = tousAssocies, .codesDonnes = d.codesDonnes}));
  const std::string retour =
      "<style>@media print{.retour-saisie{display:none}}.retour-saisie{font:14px sans-serif;margin:0 0 1em}</style>"
      "<p class=\"retour-saisie\"><a href=\"" +
      Base(nom) + "general\">← Retour à la saisie</a> · <a href=\"" + Base(nom) + "declaration.pdf\">PDF</a>" +
      (tousAssocies ? "" : " · <a href=\"?tous=1\">Tous les associés</a>") +
      " · imprimez cette page depuis le navigateur</p>";
  const std::size_t corps = page.find("<body");
  if (corps != std::string::npos) page.insert(page.find('>', corps) + 1, retour);
  return page;
}

std::string PageRefus(const Refus& refus) {
  std::string lignes;
  std::size_t debut = 0;
  while (debut <= refus.message.size()) {
    std::size_t fin = refus.message.find('\n', debut);
    if (fin == std::string::npos) fin = refus.message.size();
    lignes += "<p>" + EchappeHtmlTexte(refus.message.substr(debut, fin - debut)) + "</p>";
    debut = fin + 1;
  }
  return Document("Erreur " + std::to_string(refus.statut),
                  "<main id=\"principal\" class=\"refus\"><h1>Erreur " + std::to_string(refus.statut) +
                      "</h1><div role=\"alert\">" + lignes + "</div><p><a href=\"/\">Retour au dossier</a></p></main>");
}

}  // namespace serveur2072
