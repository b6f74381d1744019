#include "api.h"

#include <set>

#include "dictionnaire2072.h"
#include "format/declaration.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "presentation/listedictionnaire.h"
#include "presentation/resume.h"
#include "presentation/resumejson.h"
#include "services/controle.h"
#include "services/selection.h"

namespace serveur2072 {

using hote2072::AjouteTexteJson;

namespace {

constexpr const char* kJson = "application/json; charset=utf-8";

std::string Param(const httplib::Request& req, const char* nom) {
  return req.has_param(nom) ? req.get_param_value(nom) : "";
}
bool Oui(const httplib::Request& req, const char* nom) {
  const std::string v = Param(req, nom);
  return v == "true" || v == "1";
}

// The declaration written as the command line writes it.
std::string Declaration(zorfiscal2072::TDonnee2072& racine, bool toutes, bool annote) {
  std::string texte;
  hote2072::EcrivainJson ecrivain([&](std::string_view morceau) { texte += morceau; }, racine.getAnnee(), annote);
  hote2072::Ecrit(racine, toutes, [&](const hote2072::LettreFichier& l) { ecrivain.Ajoute(l); });
  ecrivain.Termine();
  return texte;
}

hote2072::Index Index(const httplib::Request& req) {
  std::string erreur;
  const auto index = hote2072::LitIndexTexte(Param(req, "index"), erreur);
  if (!index) throw Refus{400, "index : " + erreur};
  return *index;
}

std::set<int> Codes(const std::string& texte) {
  std::set<int> codes;
  std::size_t debut = 0;
  while (!texte.empty() && debut <= texte.size()) {
    std::size_t fin = texte.find(',', debut);
    if (fin == std::string::npos) fin = texte.size();
    const std::string morceau = texte.substr(debut, fin - debut);
    if (morceau.empty() || morceau.size() > 5 || morceau.find_first_not_of("0123456789") != std::string::npos)
      throw Refus{400, "codes : nombres séparés par des virgules attendus"};
    const auto* e = zorfiscal2072::EntreeDictionnaire2072(std::stoi(morceau));
    if (e == nullptr || !e->parLaRacine)
      throw Refus{400, "codes : " + morceau + " n'est pas une lettre d'une déclaration"};
    codes.insert(std::stoi(morceau));
    debut = fin + 1;
  }
  return codes;
}

std::string Ligne(const LigneEspace& l) {
  std::string json = "{\"name\": ";
  AjouteTexteJson(json, l.nom);
  if (!l.probleme.empty()) {
    json += ", \"problem\": ";
    AjouteTexteJson(json, l.probleme);
    return json + "}";
  }
  json += ", \"company\": ";
  AjouteTexteJson(json, l.societe);
  json += ", \"siren\": ";
  AjouteTexteJson(json, l.siren);
  json += ", \"year\": " + std::to_string(l.annee) + ", \"resultToDistribute\": " + hote2072::NombreJson(l.resultat) +
          ", \"messages\": " + std::to_string(l.messages) + ", \"unsavedChanges\": " + (l.modifiee ? "true" : "false") +
          "}";
  return json;
}

}  // namespace

void RepondApi(httplib::Response& res, const Refus& refus) {
  std::string json = "{\"error\": ";
  const std::size_t ligne = refus.message.find('\n');
  AjouteTexteJson(json, refus.message.substr(0, ligne));
  json += ", \"problems\": [";
  for (std::size_t debut = ligne; debut != std::string::npos && debut < refus.message.size();) {
    const std::size_t fin = refus.message.find('\n', debut + 1);
    if (json.back() != '[') json += ", ";
    AjouteTexteJson(json,
                    refus.message.substr(debut + 1, fin == std::string::npos ? std::string::npos : fin - debut - 1));
    debut = fin;
  }
  res.status = refus.statut;
  res.set_content(json + "]}\n", kJson);
}

void InstalleApi(httplib::Server& http, EspaceTravail& espace, const Protection& protege) {
  // Computations on a declaration in the request's body, as the command line's.
  const auto calcul = [&http, protege](const char* chemin,
                                       std::function<std::string(DeclarationOuverte&, const httplib::Request&)> f) {
    http.Post(chemin, [protege, f](const httplib::Request& req, httplib::Response& res) {
      protege(req, res, [&] {
        DeclarationOuverte d = ChargeTexte(req.body);
        res.set_content(f(d, req), kJson);
      });
    });
  };
  calcul("/api/compute", [](DeclarationOuverte& d, const httplib::Request& req) {
    return Declaration(*d.racine, Oui(req, "all"), !Oui(req, "compact"));
  });
  calcul("/api/check", [](DeclarationOuverte& d, const httplib::Request& req) {
    const auto messages = req.has_param("index") ? hote2072::ControleEcran(*d.racine, Index(req), Oui(req, "stop"))
                                                 : hote2072::ControleDeclaration(*d.racine);
    return hote2072::MessagesJson(messages);
  });
  calcul("/api/select", [](DeclarationOuverte& d, const httplib::Request& req) {
    const std::optional<hote2072::Index> seul = req.has_param("index") ? std::optional(Index(req)) : std::nullopt;
    const auto lettres = hote2072::Selectionne(*d.racine, seul, Codes(Param(req, "codes")));
    if (!lettres) throw Refus{400, "index : aucun enregistrement de la déclaration à cet index"};
    return hote2072::SelectionJson(*lettres);
  });
  calcul("/api/summary", [](DeclarationOuverte& d, const httplib::Request& req) {
    return hote2072::ResumeJson(
        hote2072::ConstruitResume(*d.racine, {.tousAssocies = Oui(req, "allPartners"), .codesDonnes = d.codesDonnes}));
  });
  http.Get("/api/dictionary", [protege](const httplib::Request& req, httplib::Response& res) {
    protege(req, res, [&] { res.set_content(hote2072::DictionnaireJson(), kJson); });
  });

  // The workspace's declarations by name.
  http.Get("/api/declarations", [&espace, protege](const httplib::Request& req, httplib::Response& res) {
    protege(req, res, [&] {
      std::string json = "[";
      for (const LigneEspace& l : espace.Liste()) json += (json.size() > 1 ? ",\n " : "\n ") + Ligne(l);
      res.set_content(json + "\n]\n", kJson);
    });
  });
  http.Get("/api/declarations/(.+)", [&espace, protege](const httplib::Request& req, httplib::Response& res) {
    protege(req, res, [&] { res.set_content(espace.Accede(req.matches[1].str()).TexteEnregistre(), kJson); });
  });
  http.Put("/api/declarations/(.+)", [&espace, protege](const httplib::Request& req, httplib::Response& res) {
    protege(req, res, [&] {
      auto acces = espace.Accede(req.matches[1].str());
      const bool existait = acces.Existe();
      acces.Remplace(req.body);
      res.status = existait ? 200 : 201;
      std::string json = "{\"name\": ";
      AjouteTexteJson(json, acces.Nom());
      res.set_content(json + "}\n", kJson);
    });
  });
  http.Delete("/api/declarations/(.+)", [&espace, protege](const httplib::Request& req, httplib::Response& res) {
    protege(req, res, [&] {
      espace.Accede(req.matches[1].str()).Supprime();
      res.status = 204;
    });
  });
}

}  // namespace serveur2072
