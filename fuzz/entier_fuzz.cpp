// The integer reader, the bounded integer transfers and the command line's readers of
// indexes, codes and versions, each given the same text. A whole number the integer reader
// accepts reads back from its own text; the narrow transfers keep their type's range; an
// index, a list of codes or a version an option accepts is well formed and reads back the same
// from its own writing, and what an option refuses comes with a reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "chargement/niveauxhote.h"
#include "dictionnaire2072.h"
#include "lettres.h"
#include "moulinette.h"
#include "services/selection.h"

namespace {

using namespace hote2072;

void Entier(const std::string& texte) {
  long long v = 0, relu = 0;
  if (lettres::LitEntier(texte.c_str(), v) && (!lettres::LitEntier(std::to_string(v).c_str(), relu) || relu != v))
    __builtin_trap();
  char* valeur = static_cast<char*>(std::malloc(texte.size() + 1));
  std::memcpy(valeur, texte.c_str(), texte.size() + 1);
  short court = 0;
  long jour = 0, annee = 0, entier = 0;
  TransfertShortIntReference(&court, &valeur, 0);
  TransfertLongMoisJourReference(&jour, &valeur, 0);
  TransfertLongSiecleAnneeReference(&annee, &valeur, 0);
  TransfertLongReference(&entier, &valeur, 0);
  TransfertLongSiecleAnneeReference(&annee, &valeur, 1);
  std::free(valeur);
}

// Keys 300 to 310, each once, in order.
bool Rangee(const Index& index) {
  for (std::size_t k = 0; k < index.size(); ++k)
    if (index[k].first < 300 || index[k].first > 310 || (k > 0 && index[k - 1].first >= index[k].first)) return false;
  return true;
}

void Options(const std::string& texte) {
  // --index of check and select
  std::string erreur, relue;
  const auto index = LitIndexTexte(texte, erreur);
  if (index.has_value() != erreur.empty()) __builtin_trap();  // a reason exactly when refused
  if (index && (!Rangee(*index) || LitIndexTexte(EcritIndexTexte(*index), relue) != index)) __builtin_trap();
  // select --codes
  std::set<int> codes;
  if (LitCodesTexte(texte, codes).empty())
    for (const int code : codes) {
      const auto* entree = zorfiscal2072::EntreeDictionnaire2072(code);
      if (entree == nullptr || !entree->parLaRacine) __builtin_trap();
    }
  // migrate --from
  const auto version = LitVersionMoulinette(texte);
  if (version &&
      LitVersionMoulinette(std::to_string(version->annee) + "." + std::to_string(version->edition)) != version)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string texte(reinterpret_cast<const char*>(donnees), taille);
  Entier(texte);
  Options(texte);
  return 0;
}
