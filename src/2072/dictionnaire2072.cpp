#include "dictionnaire2072.h"

#include <algorithm>
#include <array>

#include "arbre.h"
#include "tdonnee2072.h"

namespace zorfiscal2072 {
namespace {

struct Source {
  const char* enregistrement;
  std::vector<int> niveaux;
  const std::vector<lettres::DescriptionLettre>* lettres;
  bool parLaRacine = true;
};

template <class T>
Source SourceDe(const std::vector<int>& niveaux, bool parLaRacine) {
  return {arbre::NomType<T>(), niveaux, &T::Lettres().Descriptions(), parLaRacine};
}

short PremierCode(const Source& s) {
  short premier = 0;
  for (const lettres::DescriptionLettre& d : *s.lettres)
    if (premier == 0 || d.code < premier) premier = d.code;
  return premier;
}

// Every record of the declaration that answers for letters, with the levels on its way from
// the root, then the cumulative records that no declaration holds; in the order of their
// lowest code.
std::vector<Source> Sources() {
  std::vector<Source> sources;
  std::vector<int> niveaux;
  arbre::ParcourtTypes<TDonnee2072>(
      [&](auto type, const std::vector<int>& n) {
        using T = typename decltype(type)::type;
        if constexpr (arbre::kALettres<T>) sources.push_back(SourceDe<T>(n, true));
      },
      niveaux);
  sources.push_back(SourceDe<TDonneeProprieteFoncierCumul>({}, false));
  sources.push_back(SourceDe<TResultatARepartirCumul>({}, false));
  std::stable_sort(sources.begin(), sources.end(),
                   [](const Source& a, const Source& b) { return PremierCode(a) < PremierCode(b); });
  return sources;
}

// Moves the entries of `codes` to the front (or the back), in the order of `codes`.
template <std::size_t N>
void Place(std::vector<EntreeDictionnaire>& entrees, const std::array<short, N>& codes, bool enTete) {
  const auto rang = [&](const EntreeDictionnaire& e) {
    return static_cast<std::size_t>(std::find(codes.begin(), codes.end(), e.lettre.code) - codes.begin());
  };
  const auto milieu = std::stable_partition(entrees.begin(), entrees.end(),
                                            [&](const EntreeDictionnaire& e) { return (rang(e) < N) == enTete; });
  const auto debut = enTete ? entrees.begin() : milieu, fin = enTete ? milieu : entrees.end();
  std::stable_sort(debut, fin, [&](const auto& a, const auto& b) { return rang(a) < rang(b); });
}

std::vector<EntreeDictionnaire> Construit() {
  std::vector<EntreeDictionnaire> entrees;
  for (const Source& s : Sources())
    for (const lettres::DescriptionLettre& d : *s.lettres)
      entrees.push_back({d, s.enregistrement, s.niveaux, s.parLaRacine});
  // Hosts expect the list to open on the company's name and its seat's street, and to close
  // on the company's result to distribute.
  Place(entrees, std::array<short, 6>{12003, 12005, 12438, 12439, 12440, 12550}, true);
  Place(entrees, std::array<short, 5>{12702, 12703, 12704, 12705, 12706}, false);
  return entrees;
}

}  // namespace

const std::vector<EntreeDictionnaire>& Dictionnaire2072() {
  static const std::vector<EntreeDictionnaire> dictionnaire = Construit();
  return dictionnaire;
}

const char* NomNature(lettres::Nature nature) {
  switch (nature) {
    case lettres::Nature::Saisie: return "entered";
    case lettres::Nature::Calculee: return "computed";
    case lettres::Nature::LieRetenu: return "linked-used";
    case lettres::Nature::LieCalcule: return "linked-computed";
    case lettres::Nature::LieMode: return "linked-mode";
  }
  return "";
}

const char* NomUnite(lettres::Unite unite) {
  switch (unite) {
    case lettres::Unite::Aucune: return "";
    case lettres::Unite::Euros: return "euros";
    case lettres::Unite::Pourcent: return "percent";
    case lettres::Unite::Fraction: return "fraction";
    case lettres::Unite::Parts: return "parts";
    case lettres::Unite::Annees: return "years";
  }
  return "";
}

const EntreeDictionnaire* EntreeDictionnaire2072(int code) {
  static const auto index = [] {
    std::array<int, lettres::kEtendueCodes> position;
    position.fill(-1);
    const auto& d = Dictionnaire2072();
    for (std::size_t i = d.size(); i-- > 0;)  // the first entry of a code wins
      position[static_cast<std::size_t>(d[i].lettre.code - lettres::kPremierCode)] = static_cast<int>(i);
    return position;
  }();
  const int i = code - lettres::kPremierCode;
  if (i < 0 || i >= lettres::kEtendueCodes || index[static_cast<std::size_t>(i)] < 0) return nullptr;
  return &Dictionnaire2072()[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])];
}

}  // namespace zorfiscal2072
