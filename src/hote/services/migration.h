// Converting a declaration file saved by an earlier engine into a declaration of today.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "format/declaration.h"

namespace hote2072 {

// What can be said of an old file's letters, whose codes today's dictionary does not know:
// each code is a whole number from 12000 to 12999, no letter (code and index) is given
// twice, no value holds a zero byte. The envelope, the indexes and the values' JSON types
// are LitJson's.
void VerifieFormeAncienne(const FichierDeclaration& ancien, Rapport& rapport);

struct Migration {
  std::unique_ptr<TDonnee2072> racine;  // null when the report has a problem
  // What a person should know, one line each: old letters left out, texts cut to a bound,
  // values a step forced.
  std::vector<std::string> notes;
};

// Groups the old letters by record (one list per index), runs the root's steps on each
// group, keeps of each group the letters that belong to that record, loads them, then runs
// each property's steps on the loaded property. `version` must read as YEAR.RELEASE.
// Problems (of shape, or of converted values today's fields cannot hold) go to the report,
// named at the old letter each converted letter comes from.
Migration Migre(const FichierDeclaration& ancien, const std::string& version, Rapport& rapport);

}  // namespace hote2072
