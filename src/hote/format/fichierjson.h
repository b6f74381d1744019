// Declaration files in JSON:
//   { "format": "sci2072-declaration", "version": 1, "year": 2011,
//     "letters": [ { "code": 12140, "index": { "300": 0 }, "value": "60000" }, ... ] }
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "format/declaration.h"

namespace hote2072 {

// Reads a file's shape: malformed JSON (with its line and column), missing, mistyped or
// repeated members, index keys outside 300 to 310, positions outside 0 to kPositionMax. Letters are
// not yet checked against the dictionary. Empty when the report has a problem.
// A file in the plain shape this program writes is read at full speed; any other goes event
// by event, which names every problem.
std::optional<FichierDeclaration> LitJson(std::string_view texte, Rapport& rapport);
// The event reader alone (any nesting depth, every problem named).
std::optional<FichierDeclaration> LitJsonEvenements(std::string_view texte, Rapport& rapport);

// Writes a declaration file letter by letter, one per line, each with the field and record
// names of its code for people to read unless `annote` is false; gives the text to `ecrit`
// in pieces of some 64 KB.
class EcrivainJson {
 public:
  EcrivainJson(std::function<void(std::string_view)> ecrit, long annee, bool annote);
  void Ajoute(const LettreFichier& lettre) { Ajoute(lettre.code, lettre.index, lettre.valeur); }
  void Ajoute(long long code, const Index& index, std::string_view valeur);
  void Termine();

 private:
  std::function<void(std::string_view)> m_ecrit;
  bool m_annote;
  bool m_premiere = true;
  std::string m_texte;
};

std::string EcritJson(const FichierDeclaration& fichier, bool annote = true);

}  // namespace hote2072
