// Writes a generated fund declaration to standard output, letters without annotations:
//   genere_declaration PARTNERS PROPERTIES > fund.json
#include <cstdio>
#include <cstdlib>
#include <string>

#include "grande_declaration.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: genere_declaration PARTNERS PROPERTIES\n");
    return 2;
  }
  const auto f = bench2072::GrandeDeclaration(std::atoi(argv[1]), std::atoi(argv[2]));
  std::string texte = "{\"format\": \"sci2072-declaration\", \"version\": 1, \"year\": 2011, \"letters\": [";
  for (std::size_t k = 0; k < f.lettres.size(); ++k) {
    const auto& l = f.lettres[k];
    texte += (k ? ",\n" : "\n") + std::string("{\"code\": ") + std::to_string(l.code);
    if (!l.index.empty()) {
      texte += ", \"index\": {";
      for (std::size_t i = 0; i < l.index.size(); ++i)
        texte += (i ? ", \"" : "\"") + std::to_string(l.index[i].first) + "\": " + std::to_string(l.index[i].second);
      texte += "}";
    }
    texte += ", \"value\": \"" + l.valeur + "\"}";
  }
  texte += "\n]}\n";
  std::fwrite(texte.data(), 1, texte.size(), stdout);
  return 0;
}
