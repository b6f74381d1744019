#include "serveur.h"

#include <httplib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "api.h"
#include "arbre2072.h"
#include "catalogue.h"
#include "ecrans.h"
#include "espace.h"
#include "html.h"
#include "lettres.h"
#include "pages.h"
#include "presentation/resume.h"
#include "presentation/resumehtml.h"
#include "services/collections.h"
#include "services/controle.h"
#include "services/saisie.h"
#include "statiques.h"
#include "systeme/navigateur.h"

namespace serveur2072 {

using namespace zorfiscal2072;
using hote2072::Index;

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";

void Repond(httplib::Response& res, int statut, const std::string& html) {
  res.status = statut;
  res.set_content(html, kHtml);
}

void Redirige(httplib::Response& res, const std::string& adresse) {
  res.status = 303;
  res.set_header("Location", adresse);
}

std::size_t LongueurCorps(const httplib::Request& req) {
  const std::string texte = req.get_header_value("Content-Length");
  if (texte.empty()) return 0;
  if (texte.size() > 18 || texte.find_first_not_of("0123456789") != std::string::npos) return SIZE_MAX;
  return std::stoull(texte);
}

std::string Param(const httplib::Request& req, const char* nom) {
  return req.has_param(nom) ? req.get_param_value(nom) : "";
}

std::string Base(const std::string& nom) { return "/d/" + EncodeUrl(nom) + "/"; }

// A version number sent back by a page; 0 for anything else.
std::uint64_t LitVersion(const std::string& texte) {
  if (texte.empty() || texte.size() > 18 || texte.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoull(texte);
}

constexpr const char* kConflit =
    "Cette déclaration a été modifiée depuis l'affichage de cette page (dans un autre onglet ou par un programme) : "
    "votre dernière saisie n'a pas été appliquée. La page montre maintenant la déclaration à jour ; refaites la saisie "
    "si elle est toujours utile.";

// Refuses a change made from a page older than the declaration.
void VerifieVersion(const httplib::Request& req, const DeclarationOuverte& d) {
  if (LitVersion(Param(req, "version")) != d.version) throw Refus{409, kConflit};
}

// The screen a request names, or the general information.
Ecran EcranOuGeneral(const std::string& chemin, const TDonnee2072& racine) {
  if (auto e = LitChemin(chemin, racine)) return *e;
  return Ecran{&Definition(Genre::General), {}};
}

// A number typed in a French way: spaces between thousands and around it dropped.
std::string SansEspaces(const std::string& texte) {
  std::string sortie;
  for (std::size_t k = 0; k < texte.size(); ++k) {
    const auto c = static_cast<unsigned char>(texte[k]);
    if (c == ' ' || c == '\t') continue;
    if (c == 0xC2 && k + 1 < texte.size() && static_cast<unsigned char>(texte[k + 1]) == 0xA0) {  // no-break space
      ++k;
      continue;
    }
    if (c == 0xE2 && k + 2 < texte.size() && static_cast<unsigned char>(texte[k + 1]) == 0x80 &&
        static_cast<unsigned char>(texte[k + 2]) == 0xAF) {  // narrow no-break space
      k += 2;
      continue;
    }
    sortie += texte[k];
  }
  return sortie;
}

// The value posted stands for the value held: nothing to enter (a page posts every field).
bool Inchange(const Champ& c, const std::string& poste, const std::string& actuel) {
  if (poste == actuel) return true;
  switch (c.entree->lettre.type()) {
    case 'D':
    case 'L': {
      double a = 0, b = 0;
      if (poste.empty() || actuel.empty()) return poste.empty() && (actuel.empty() || actuel == "0");
      return lettres::LitReel(poste.c_str(), a) && lettres::LitReel(actuel.c_str(), b) && a == b;
    }
    case 'd': {
      long a = 0, b = 0;
      return lettres::LitDate(poste.c_str(), a) && lettres::LitDate(actuel.c_str(), b) && a == b;
    }
    default: return false;
  }
}

}  // namespace

struct Serveur::Etat {
  explicit Etat(const OptionsServeur& o) : options(o), espace(o.chemin) {}

  OptionsServeur options;
  EspaceTravail espace;
  httplib::Server http;
  std::unique_ptr<Garde> garde;
  int port = 0;

  // ---- Screens --------------------------------------------------------------------------------

  // What entering a property gives, for the property a change concerns: the receipts subject
  // to the contribution and the deduction option follow what is entered unless given.
  static void SaisieDePropriete(DeclarationOuverte& d, const Index& index) {
    if (index.empty() || index.front().first != kNiveauPropriete) return;
    TPropriete2072* p = d.racine->GetDetailPropriete(index.front().second);
    if (p == nullptr) return;
    if (d.recetteCRLDonnee.count(p->getCodePropriete()) == 0) p->CalculRecetteCRL();
    if (d.optionTauxDonnee.count(p->getCodePropriete()) == 0) p->DonneTauxCoherent();
  }

  static void Change(DeclarationOuverte& d) {
    hote2072::MetAJour(*d.racine);
    ++d.version;
    d.modifiee = true;
  }

  // The fields a page posted, each entered unless unchanged; the refused ones with why.
  static Affichage Saisit(DeclarationOuverte& d, const Ecran& ecran, const httplib::Request& req) {
    static const int kRecette = TDonneeProprieteFoncierPropriete::Lettres().CodeDuChamp("RecetteCRL");
    static const int kOption = TDonneeProprieteFoncierPropriete::Lettres().CodeDuChamp("OptionTauxDeduction");
    static const int kCodePropriete = TPropriete2072::Lettres().CodeDuChamp("CodePropriete");
    std::map<std::string, std::string> postes;  // a switch posts its "off" value, then its "on" value
    for (const auto& [nom, valeur] : req.params) postes[nom] = valeur;
    Affichage a;
    std::set<int> proprietes;
    for (const auto& [nom, brut] : postes) {
      const auto p = LitNomChamp(nom, ecran);
      if (!p) continue;
      const Champ& c = *ChampDe(p->code);
      if (c.nature == Nature::Calculee || c.nature == Nature::LieCalcule) continue;  // the engine's
      std::string valeur = c.saisie == Saisie::Texte ? brut : SansEspaces(brut);
      if (p->position1) {
        long long n = 0;
        valeur = lettres::LitEntier(valeur.c_str(), n) ? std::to_string(n - 1) : valeur;
      }
      const std::string actuel = hote2072::LitValeur(*d.racine, p->code, p->index);
      if (Inchange(c, valeur, actuel)) continue;
      if (std::string erreur = hote2072::SaisitValeur(*d.racine, p->code, p->index, valeur); !erreur.empty()) {
        a.erreurs[nom] = erreur;
        a.saisis[nom] = brut;
        continue;
      }
      if (p->code == kRecette) d.recetteCRLDonnee.insert(hote2072::LitValeur(*d.racine, kCodePropriete, p->index));
      if (p->code == kOption) d.optionTauxDonnee.insert(hote2072::LitValeur(*d.racine, kCodePropriete, p->index));
      if (c.entree != nullptr && c.entree->lettre.role == lettres::Role::Cle) d.codesDonnes.insert(valeur);
      if (p->code == kCodePropriete) {
        for (auto* donnees : {&d.recetteCRLDonnee, &d.optionTauxDonnee})
          if (donnees->erase(actuel) != 0) donnees->insert(valeur);
      }
      if (!p->index.empty() && p->index.front().first == kNiveauPropriete) proprietes.insert(p->index.front().second);
      a.notice = "modifie";
    }
    if (!a.notice.empty()) {
      for (int k : proprietes) SaisieDePropriete(d, {{kNiveauPropriete, k}});
      Change(d);
      a.notice.clear();
    }
    return a;
  }

  void PageDEcran(const httplib::Request& req, httplib::Response& res, const std::string& nom,
                  const std::string& chemin) {
    auto acces = espace.Accede(nom);
    DeclarationOuverte& d = acces.Ouverte();
    TDonnee2072& racine = *d.racine;
    // Leaving a screen runs its checks: the person sees its messages and may correct or go on.
    const std::string depuis = Param(req, "depuis");
    if (!depuis.empty() && depuis != chemin) {
      if (const auto quitte = LitChemin(depuis, racine)) {
        auto messages = MessagesDeLEcran(hote2072::ControleEcran(racine, quitte->index, false), *quitte);
        if (!messages.empty()) {
          Affichage a;
          a.messages = std::move(messages);
          a.suite = Base(nom) + chemin;
          return Repond(res, 200, PageEcran(nom, d, *quitte, a));
        }
      }
    }
    constexpr std::pair<const char*, Genre> kListesDeGenre[] = {{"immeubles", Genre::Propriete},
                                                                {"associes", Genre::Associe},
                                                                {"cessions-parts", Genre::CessionParts},
                                                                {"cessions", Genre::Cession}};
    for (const auto& [mot, genre] : kListesDeGenre)
      if (chemin == mot) {
        const std::string page = Param(req, "page");
        return Repond(res, 200, PageListe(nom, d, genre, LitVersion(page.substr(0, 9)), Param(req, "q")));
      }
    if (chemin == "declaration") return Repond(res, 200, PageDeclaration(nom, d, Param(req, "tous") == "1"));
    if (chemin == "declaration.pdf") {
      std::string erreur;
      const auto pdf = hote2072::ImprimePdf(hote2072::ResumeHtml(hote2072::ConstruitResume(
                                                racine, {.tousAssocies = false, .codesDonnes = d.codesDonnes})),
                                            hote2072::kDelaiImpressionDefaut, erreur);
      if (!pdf)
        throw Refus{
            501, "PDF impossible : " + erreur + ". La page « Déclaration calculée » s'imprime depuis le navigateur."};
      res.set_header("Content-Disposition", "inline; filename=\"" + nom.substr(0, nom.size() - 5) + ".pdf\"");
      res.set_content(*pdf, "application/pdf");
      return;
    }
    const auto ecran = LitChemin(chemin, racine);
    if (!ecran) throw Refus{404, "Aucun enregistrement à cette adresse : " + chemin};
    Affichage a;
    if (req.has_param("enregistre")) {
      a.notice = "Déclaration enregistrée.";
      a.messages = MessagesDeLEcran(hote2072::ControleEcran(racine, ecran->index, false), *ecran);
    }
    Repond(res, 200, PageEcran(nom, d, *ecran, a));
  }

  void PosteSaisie(const httplib::Request& req, httplib::Response& res, const std::string& nom) {
    auto acces = espace.Accede(nom);
    DeclarationOuverte& d = acces.Ouverte();
    const bool script = req.get_header_value("X-Sci2072") == "1";
    const auto ecran = LitChemin(Param(req, "ecran"), *d.racine);
    if (!ecran) throw Refus{404, "Cet enregistrement n'existe plus : rechargez la page"};
    if (LitVersion(Param(req, "version")) != d.version) {
      Affichage a;
      a.alerte = kConflit;
      return Repond(res, 409, PageEcran(nom, d, *ecran, a));
    }
    Affichage a = Saisit(d, *ecran, req);
    if (a.erreurs.empty() && !script) return Redirige(res, Base(nom) + ecran->Chemin());
    Repond(res, a.erreurs.empty() ? 200 : 422, PageEcran(nom, d, *ecran, a));
  }

  void PosteCollection(const httplib::Request& req, httplib::Response& res, const std::string& nom,
                       const std::string& action) {
    auto acces = espace.Accede(nom);
    DeclarationOuverte& d = acces.Ouverte();
    TDonnee2072& racine = *d.racine;
    VerifieVersion(req, d);
    const Ecran ecran = EcranOuGeneral(Param(req, "ecran"), racine);
    std::string suite = Base(nom) + ecran.Chemin();
    if (action == "ajoute") {
      const int niveau = static_cast<int>(LitVersion(Param(req, "niveau")));
      const Niveau2072* n = TrouveNiveau2072(niveau);
      if (n == nullptr) throw Refus{400, "Niveau inconnu"};
      Index proprietaire;
      for (const auto& [cle, position] : ecran.index)
        if (cle == n->parent) proprietaire.emplace_back(cle, position);
      const int position = hote2072::AjouteEnregistrement(racine, niveau, proprietaire);
      if (position < 0) throw Refus{400, "Impossible d'ajouter un enregistrement ici"};
      Index index = proprietaire;
      index.emplace_back(niveau, position);
      if (const auto e = EcranDe(index); e && e->index == index) suite = Base(nom) + e->Chemin();
      if (niveau == kNiveauPropriete) SaisieDePropriete(d, index);
    } else if (action == "supprime") {
      Index index = ecran.index;
      const std::string ligne = Param(req, "ligne");
      if (!ligne.empty()) {
        const std::size_t tiret = ligne.find('-');
        if (tiret == std::string::npos) throw Refus{400, "Ligne illisible"};
        index.emplace_back(static_cast<int>(LitVersion(ligne.substr(0, tiret))),
                           static_cast<int>(LitVersion(ligne.substr(tiret + 1))));
      } else if (index.empty()) {
        throw Refus{400, "Rien à supprimer ici"};
      } else {
        // Back to the owner's screen, or to the list of the level.
        const Index parent(index.begin(), index.end() - 1);
        if (!parent.empty()) {
          suite = Base(nom) + Ecran{DefinitionDesNiveaux({parent.front().first}), parent}.Chemin();
        } else {
          constexpr std::pair<int, const char*> kMots[] = {{kNiveauPropriete, "immeubles"},
                                                           {kNiveauAssocie, "associes"},
                                                           {kNiveauCessionParts, "cessions-parts"},
                                                           {kNiveauCession, "cessions"}};
          for (const auto& [cle, mot] : kMots)
            if (cle == index.back().first) suite = Base(nom) + mot;
        }
      }
      if (!hote2072::SupprimeEnregistrement(racine, index))
        throw Refus{400, "Cet enregistrement ne se supprime pas ici"};
    } else if (action == "duplique" || action == "deplace") {
      if (ecran.definition->genre != Genre::Associe)
        throw Refus{400, "Seuls les associés se dupliquent et se déplacent"};
      const int k = ecran.index.front().second;
      const int sens = Param(req, "sens") == "-1" ? -1 : 1;
      const bool fait =
          action == "duplique" ? hote2072::DupliqueAssocie(racine, k) : hote2072::DeplaceAssocie(racine, k, sens);
      if (!fait) throw Refus{400, "Opération impossible sur cet associé"};
      const int nouvelle = action == "duplique" ? racine.NbAssocie() - 1 : k + sens;
      suite = Base(nom) + Ecran{&Definition(Genre::Associe), {{kNiveauAssocie, nouvelle}}}.Chemin();
    }
    Change(d);
    Redirige(res, suite);
  }

  void PosteEnregistre(const httplib::Request& req, httplib::Response& res, const std::string& nom) {
    auto acces = espace.Accede(nom);
    acces.Enregistre();
    const std::string ecran = Param(req, "ecran");
    const bool connu = LitChemin(ecran, *acces.Ouverte().racine).has_value();
    Redirige(res, Base(nom) + (connu ? ecran + "?enregistre=1" : std::string("general?enregistre=1")));
  }

  // ---- Folder -------------------------------------------------------------------------------

  void PosteEspace(const httplib::Request& req, httplib::Response& res, const std::string& action) {
    const std::string nom = EspaceTravail::NomDeFichier(Param(req, "nom"));
    if (nom.empty()) throw Refus{400, "Nom invalide : lettres, chiffres, - _ et . seulement (sans accent ni espace)"};
    if (action == "nouvelle") {
      espace.Cree(nom);
      return Redirige(res, Base(nom) + "general");
    }
    if (action == "supprime") {
      espace.Accede(nom).Supprime();
    } else if (action == "duplique") {
      espace.Duplique(Param(req, "source"), nom);
    } else if (action == "suivante") {
      espace.AnneeSuivante(Param(req, "source"), nom);
    }
    Redirige(res, "/");
  }

  // ---- Routes -------------------------------------------------------------------------------

  // Runs a handler; a refusal is answered with its status and message, anything else with 500,
  // never taking the server down.
  template <class F>
  static void Protege(const httplib::Request& req, httplib::Response& res, F&& traite) {
    const bool api = req.path.rfind("/api/", 0) == 0;
    const auto refuse = [&](const Refus& r) {
      if (api) return RepondApi(res, r);
      Repond(res, r.statut, PageRefus(r));
    };
    try {
      traite();
    } catch (const Refus& r) {
      refuse(r);
    } catch (const std::exception& e) {
      refuse({500, std::string("Erreur interne : ") + e.what()});
    }
  }

  void Installe() {
    http.set_payload_max_length(kCorpsMaxApi);
    http.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
      Garde::Requete r{req.method,
                       req.path,
                       req.get_header_value("Host"),
                       req.get_header_value("Origin"),
                       req.get_header_value("Cookie"),
                       req.get_header_value("Authorization"),
                       Param(req, "jeton"),
                       LongueurCorps(req)};
      const auto decision = garde->Verifie(r);
      if (decision.refus) {
        const bool api = req.path.rfind("/api/", 0) == 0;
        if (api)
          RepondApi(res, *decision.refus);
        else
          Repond(res, decision.refus->statut, PageRefus(*decision.refus));
        return httplib::Server::HandlerResponse::Handled;
      }
      if (decision.introduction) {
        res.set_header("Set-Cookie", garde->EnteteCookie());
        Redirige(res, req.path);
        return httplib::Server::HandlerResponse::Handled;
      }
      res.set_header("X-Content-Type-Options", "nosniff");
      // Not "no-referrer": the browser would then send "Origin: null", and no change could be made.
      res.set_header("Referrer-Policy", "same-origin");
      res.set_header("Cache-Control", "no-store");
      res.set_header("X-Frame-Options", "DENY");
      res.set_header(
          "Content-Security-Policy",
          "default-src 'self'; style-src 'self' 'unsafe-inline'; img-src 'self' data:; frame-ancestors 'none'");
      return httplib::Server::HandlerResponse::Unhandled;
    });
    http.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
      Repond(res, 500, PageRefus({500, "Erreur interne"}));
    });
    http.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
      if (!res.body.empty()) return;
      const Refus r{res.status, res.status == 404   ? "Page introuvable"
                                : res.status == 413 ? "Requête trop volumineuse"
                                                    : "Requête refusée"};
      if (req.path.rfind("/api/", 0) == 0)
        RepondApi(res, r);
      else
        Repond(res, r.statut, PageRefus(r));
    });

    http.Get("/statique/([a-z.]+)", [](const httplib::Request& req, httplib::Response& res) {
      for (const Statique& s : Statiques())
        if (s.nom == req.matches[1].str()) {
          const bool js = s.nom.ends_with(".js");
          res.set_content(std::string(s.contenu), js ? "text/javascript; charset=utf-8" : "text/css; charset=utf-8");
          return;
        }
      res.status = 404;
    });
    http.Get("/", [this](const httplib::Request& req, httplib::Response& res) {
      Protege(req, res, [&] {
        if (espace.FichierUnique()) return Redirige(res, Base(espace.NomUnique()) + "general");
        Repond(res, 200, PageEspace(espace, espace.Liste(), ""));
      });
    });
    for (const char* action : {"nouvelle", "duplique", "supprime", "suivante"})
      http.Post(std::string("/espace/") + action, [this, action](const httplib::Request& req, httplib::Response& res) {
        Protege(req, res, [&] { PosteEspace(req, res, action); });
      });
    http.Get("/d/([^/]+)/?", [this](const httplib::Request& req, httplib::Response& res) {
      Protege(req, res, [&] {
        espace.Accede(req.matches[1].str());
        Redirige(res, Base(req.matches[1].str()) + "general");
      });
    });
    http.Get("/d/([^/]+)/(.+)", [this](const httplib::Request& req, httplib::Response& res) {
      Protege(req, res, [&] { PageDEcran(req, res, req.matches[1].str(), req.matches[2].str()); });
    });
    http.Post("/d/([^/]+)/saisie", [this](const httplib::Request& req, httplib::Response& res) {
      Protege(req, res, [&] { PosteSaisie(req, res, req.matches[1].str()); });
    });
    http.Post("/d/([^/]+)/enregistrer", [this](const httplib::Request& req, httplib::Response& res) {
      Protege(req, res, [&] { PosteEnregistre(req, res, req.matches[1].str()); });
    });
    http.Post("/d/([^/]+)/(ajoute|supprime|duplique|deplace)",
              [this](const httplib::Request& req, httplib::Response& res) {
                Protege(req, res, [&] { PosteCollection(req, res, req.matches[1].str(), req.matches[2].str()); });
              });
    InstalleApi(http, espace,
                [](const httplib::Request& req, httplib::Response& res, const std::function<void()>& traite) {
                  Protege(req, res, traite);
                });
  }
};

Serveur::Serveur(OptionsServeur options) : m(std::make_unique<Etat>(options)) {
  if (m->options.jeton.empty()) m->options.jeton = NouveauJeton();
  m->port = m->options.port == 0 ? m->http.bind_to_any_port(m->options.adresse)
                                 : (m->http.bind_to_port(m->options.adresse, m->options.port) ? m->options.port : -1);
  if (m->port <= 0)
    throw Refus{400, "Impossible d'écouter sur " + m->options.adresse + ":" + std::to_string(m->options.port) +
                         " (adresse invalide ou port déjà pris)"};
  m->garde = std::make_unique<Garde>(m->options.adresse, m->port, m->options.jeton);
  m->Installe();
}

Serveur::~Serveur() = default;

std::string Serveur::Adresse() const { return m->garde->Adresse(); }
int Serveur::Port() const { return m->port; }
void Serveur::Sert() { m->http.listen_after_bind(); }
void Serveur::Arrete() { m->http.stop(); }

}  // namespace serveur2072
