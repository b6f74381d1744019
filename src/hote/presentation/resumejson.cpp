#include "presentation/resumejson.h"

#include <nlohmann/json.hpp>

namespace hote2072 {

std::string ResumeJson(const Resume& resume) {
  using Json = nlohmann::ordered_json;
  Json tableaux = Json::array();
  for (const Tableau& t : resume.tableaux) {
    Json lignes = Json::object();
    for (const Tableau::Ligne& l : t.lignes) {
      Json valeur;
      if (l.nombres.empty())
        valeur = l.valeurs.size() == 1 ? Json(l.valeurs.front()) : Json(l.valeurs);
      else
        valeur = l.nombres.size() == 1 ? Json(l.nombres.front()) : Json(l.nombres);
      lignes[l.libelle] = std::move(valeur);
    }
    Json tableau{{"title", t.titre}};
    if (!t.colonnes.empty()) tableau["columns"] = t.colonnes;
    tableau["rows"] = std::move(lignes);
    tableaux.push_back(std::move(tableau));
  }
  const Json resultat{{"tables", std::move(tableaux)},
                      {"omittedPartners", resume.associesOmis},
                      {"messages", resume.messages}};
  return resultat.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace hote2072
