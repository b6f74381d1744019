#include "fichierjson.h"

#include <algorithm>
#include <initializer_list>
#include <nlohmann/json.hpp>

#include "dictionnaire2072.h"

namespace hote2072 {

using json = nlohmann::json;

namespace {

// A member that neither this version of the format nor people's notes use is a typing slip.
bool MembresConnus(const json& objet, std::initializer_list<const char*> connus, const std::string& ou,
                   Rapport& rapport) {
  bool bon = true;
  for (const auto& [nom, valeur] : objet.items())
    if (std::none_of(connus.begin(), connus.end(), [&](const char* c) { return nom == c; })) {
      rapport.Ajoute(ou + "unknown member " + TexteJson(nom));
      bon = false;
    }
  return bon;
}

bool EstEntier(const json& v) { return v.is_number_integer(); }

// "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error ..."
// becomes "malformed JSON at line 3, column 5: syntax error ...".
std::string MessageSyntaxe(const json::parse_error& e) {
  std::string texte = e.what();
  if (const auto crochet = texte.find("] "); crochet != std::string::npos) texte.erase(0, crochet + 2);
  if (texte.rfind("parse error", 0) == 0) texte.replace(0, 11, "malformed JSON");
  return texte;
}

std::optional<Index> LitIndex(const json& objet, const std::string& ou, Rapport& rapport) {
  if (!objet.is_object()) {
    rapport.Ajoute(ou + "\"index\" must be an object mapping level keys \"300\" to \"310\" to positions");
    return std::nullopt;
  }
  Index index;
  bool bon = true;
  for (const auto& [nom, position] : objet.items()) {
    const bool cleValide = nom.size() == 3 &&
                           std::all_of(nom.begin(), nom.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
                           TrouveNiveau(std::stoi(nom)) != nullptr;
    if (!cleValide) {
      rapport.Ajoute(ou + "index key " + TexteJson(nom) + " is not a level key; levels are \"300\" to \"310\"");
      bon = false;
      continue;
    }
    if (!EstEntier(position) || position.get<long long>() < 0 || position.get<long long>() > kPositionMax) {
      rapport.Ajoute(ou + "position " + position.dump() + " of level " + nom + " is not a whole number from 0 to " +
                     std::to_string(kPositionMax));
      bon = false;
      continue;
    }
    index.emplace_back(std::stoi(nom), position.get<int>());
  }
  if (!bon) return std::nullopt;
  std::sort(index.begin(), index.end());
  return index;
}

std::optional<LettreFichier> LitLettre(const json& objet, std::size_t rang, Rapport& rapport) {
  const std::string ou = "letter " + std::to_string(rang) + ": ";
  if (!objet.is_object()) {
    rapport.Ajoute(ou + "must be an object with \"code\", \"value\" and, below the root, \"index\"");
    return std::nullopt;
  }
  bool bon = MembresConnus(objet, {"code", "index", "value", "field", "record"}, ou, rapport);
  LettreFichier lettre;
  lettre.rang = rang;
  if (const auto code = objet.find("code"); code == objet.end() || !EstEntier(*code)) {
    rapport.Ajoute(ou + "\"code\" must be a whole number, the letter's code");
    bon = false;
  } else {
    lettre.code = code->get<long long>();
  }
  if (const auto valeur = objet.find("value"); valeur == objet.end()) {
    rapport.Ajoute(ou + "\"value\" is missing");
    bon = false;
  } else if (valeur->is_string()) {
    lettre.valeur = valeur->get<std::string>();
  } else if (valeur->is_number()) {
    lettre.valeur = valeur->dump();  // a number stands for its own text
  } else {
    rapport.Ajoute(ou + "\"value\" must be a string, the letter's text");
    bon = false;
  }
  if (const auto index = objet.find("index"); index != objet.end()) {
    if (auto lu = LitIndex(*index, ou, rapport))
      lettre.index = std::move(*lu);
    else
      bon = false;
  }
  if (!bon) return std::nullopt;
  return lettre;
}

}  // namespace

std::optional<FichierDeclaration> LitJson(std::string_view texte, Rapport& rapport) {
  json document;
  try {
    document = json::parse(texte);
  } catch (const json::parse_error& e) {
    rapport.Ajoute(MessageSyntaxe(e));
    return std::nullopt;
  }
  if (!document.is_object()) {
    rapport.Ajoute("a declaration file is a JSON object with \"format\", \"version\", \"year\" and \"letters\"");
    return std::nullopt;
  }
  const auto format = document.find("format");
  if (format == document.end() || *format != kFormat) {
    rapport.Ajoute(std::string("not a declaration file: \"format\" must be \"") + kFormat + "\"");
    return std::nullopt;
  }
  bool bon = MembresConnus(document, {"format", "version", "year", "letters"}, "", rapport);
  if (const auto version = document.find("version"); version == document.end() || *version != kVersion) {
    rapport.Ajoute("\"version\" must be " + std::to_string(kVersion) + ", the only version this program reads" +
                   (version == document.end() ? "" : " (found " + version->dump() + ")"));
    bon = false;
  }
  FichierDeclaration fichier;
  if (const auto annee = document.find("year"); annee != document.end()) {
    if (!EstEntier(*annee) || annee->get<long long>() < 1 || annee->get<long long>() > 9999) {
      rapport.Ajoute("\"year\" must be a year from 1 to 9999 (found " + annee->dump() + ")");
      bon = false;
    } else {
      fichier.annee = annee->get<long>();
    }
  }
  const auto lettres = document.find("letters");
  if (lettres == document.end() || !lettres->is_array()) {
    rapport.Ajoute("\"letters\" must be an array of letters");
    return std::nullopt;
  }
  fichier.lettres.reserve(lettres->size());
  std::size_t rang = 0;
  for (const json& objet : *lettres) {
    if (auto lettre = LitLettre(objet, ++rang, rapport))
      fichier.lettres.push_back(std::move(*lettre));
    else
      bon = false;
  }
  if (!bon) return std::nullopt;
  return fichier;
}

namespace {

// ", "field": "LoyerBrut", "record": "TDonneeProprieteFoncierPropriete"" for each code.
const std::string& NomsPourLesGens(long long code) {
  static const auto noms = [] {
    std::vector<std::string> n(lettres::kEtendueCodes);
    for (int i = 0; i < lettres::kEtendueCodes; ++i)
      if (const auto* e = zorfiscal2072::EntreeDictionnaire2072(lettres::kPremierCode + i))
        n[static_cast<std::size_t>(i)] =
            ", \"field\": " + TexteJson(e->lettre.champ) + ", \"record\": " + TexteJson(e->enregistrement);
    return n;
  }();
  static const std::string aucun;
  const long long i = code - lettres::kPremierCode;
  return i >= 0 && i < lettres::kEtendueCodes ? noms[static_cast<std::size_t>(i)] : aucun;
}

}  // namespace

std::string EcritJson(const FichierDeclaration& fichier) {
  std::string texte = std::string("{\n  \"format\": \"") + kFormat + "\",\n  \"version\": " + std::to_string(kVersion) +
                      ",\n  \"year\": " + std::to_string(fichier.annee) + ",\n  \"letters\": [";
  bool premiere = true;
  for (const LettreFichier& l : fichier.lettres) {
    texte += premiere ? "\n    {" : ",\n    {";
    premiere = false;
    texte += "\"code\": " + std::to_string(l.code);
    if (!l.index.empty()) {
      texte += ", \"index\": {";
      for (std::size_t k = 0; k < l.index.size(); ++k)
        texte += (k ? ", \"" : "\"") + std::to_string(l.index[k].first) + "\": " + std::to_string(l.index[k].second);
      texte += "}";
    }
    texte += ", \"value\": ";
    texte += TexteJson(l.valeur);
    texte += NomsPourLesGens(l.code);
    texte += '}';
  }
  texte += premiere ? "]\n}\n" : "\n  ]\n}\n";
  return texte;
}

}  // namespace hote2072
