// The floor of loading a declaration file: a simdjson walk of every letter (code, index,
// value) with nothing done with them but a checksum. `sci2072 compute` is measured against it:
//   /usr/bin/time ./build/bench/bench/plancher_simdjson fund.json
#include <simdjson.h>

#include <cstdint>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
  using namespace simdjson;
  if (argc != 2) {
    std::fprintf(stderr, "usage: plancher_simdjson FILE\n");
    return 2;
  }
  padded_string texte;
  if (padded_string::load(argv[1]).get(texte)) {
    std::fprintf(stderr, "plancher_simdjson: cannot read %s\n", argv[1]);
    return 1;
  }
  ondemand::parser parser;
  ondemand::document document;
  ondemand::array lettres;
  if (parser.iterate(texte).get(document) || document["letters"].get_array().get(lettres)) {
    std::fprintf(stderr, "plancher_simdjson: %s is not a declaration file\n", argv[1]);
    return 1;
  }
  std::uint64_t nombre = 0, somme = 0;
  for (auto element : lettres) {
    ondemand::object lettre;
    if (element.get_object().get(lettre)) return 1;
    for (auto champ : lettre) {
      const std::string_view cle = champ.unescaped_key().value_unsafe();
      if (cle == "code") {
        somme += static_cast<std::uint64_t>(champ.value().get_int64().value_unsafe());
      } else if (cle == "index") {
        for (auto niveau : champ.value().get_object().value_unsafe())
          somme += static_cast<std::uint64_t>(niveau.value().get_int64().value_unsafe());
      } else {
        somme += champ.value().get_string().value_unsafe().size();
      }
    }
    ++nombre;
  }
  std::printf("%llu letters, checksum %llu\n", static_cast<unsigned long long>(nombre),
              static_cast<unsigned long long>(somme));
  return 0;
}
