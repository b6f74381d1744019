// Writes a generated fund declaration to standard output, letters without annotations:
//   genere_declaration PARTNERS PROPERTIES > fund.json
#include <cstdio>
#include <cstdlib>

#include "format/fichierjson.h"
#include "grande_declaration.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: genere_declaration PARTNERS PROPERTIES\n");
    return 2;
  }
  const auto f = bench2072::GrandeDeclaration(std::atoi(argv[1]), std::atoi(argv[2]));
  const std::string texte = hote2072::EcritJson(f, false);
  std::fwrite(texte.data(), 1, texte.size(), stdout);
  return 0;
}
