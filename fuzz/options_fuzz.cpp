// The command line's readers of indexes, codes and versions: the first byte picks the reader
// (check --index, select --index, select --codes, migrate --from), the rest is the option's
// text. What a reader accepts is well formed and reads back the same from its own writing;
// what it refuses comes with a reason.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "dictionnaire2072.h"
#include "moulinette.h"
#include "services/controle.h"
#include "services/selection.h"

namespace {

using namespace hote2072;

std::string Ecrit(const Index& index) {
  std::string texte;
  for (const auto& [cle, position] : index)
    texte += (texte.empty() ? "" : ",") + std::to_string(cle) + "=" + std::to_string(position);
  return texte;
}

bool Rangee(const Index& index) {
  for (std::size_t k = 0; k < index.size(); ++k)
    if (index[k].first < 300 || index[k].first > 310 || (k > 0 && index[k - 1].first >= index[k].first)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille == 0) return 0;
  const std::string texte(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
  switch (donnees[0] % 4) {
    case 0: {
      std::string erreur, relue;
      const auto index = LitIndexControle(texte, erreur);
      if (index.has_value() != erreur.empty()) __builtin_trap();  // a reason exactly when refused
      if (index) {
        Index trie = *index;
        std::sort(trie.begin(), trie.end());
        if (!Rangee(trie) || LitIndexControle(Ecrit(*index), relue) != index) __builtin_trap();
      }
      break;
    }
    case 1: {
      Index index, relu;
      if (!LitIndexSelection(texte, index).empty()) break;
      if (!Rangee(index) || !LitIndexSelection(Ecrit(index), relu).empty() || relu != index) __builtin_trap();
      for (const auto& [cle, position] : index)
        if (position < 0) __builtin_trap();
      break;
    }
    case 2: {
      std::set<int> codes;
      if (!LitCodesSelection(texte, codes).empty()) break;
      for (const int code : codes) {
        const auto* entree = zorfiscal2072::EntreeDictionnaire2072(code);
        if (entree == nullptr || !entree->parLaRacine) __builtin_trap();
      }
      break;
    }
    default: {
      const auto version = LitVersionMoulinette(texte);
      if (version && LitVersionMoulinette(std::to_string(version->annee) + "." + std::to_string(version->edition)) != version)
        __builtin_trap();
    }
  }
  return 0;
}
