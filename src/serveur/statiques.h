// The screens' script and stylesheet, compiled into the program from src/serveur/statique/.
#pragma once

#include <string_view>
#include <vector>

namespace serveur2072 {

struct Statique {
  std::string_view nom;  // "app.js"
  std::string_view contenu;
};

const std::vector<Statique>& Statiques();

}  // namespace serveur2072
