#include "arbre2072.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace zorfiscal2072 {
namespace {

template <class T>
short LettreCle() {
  if constexpr (arbre::kALettres<T>)
    for (const lettres::DescriptionLettre& d : T::Lettres().Descriptions())
      if (d.role == lettres::Role::Cle) return d.code;
  return 0;
}

// The code of the record at level `niveau` that `index` names, or null.
const std::string* CodeDe(TDonnee2072& racine, int niveau, const TIndex& index) {
  const std::string* code = nullptr;
  PourEnregistrementAuNiveau(racine, niveau, index, [&](auto& r) { code = arbre::ChampCle(r); });
  return code;
}

// Appends default records to `vecteur` until it holds n. Each reference of the record type
// to a level the index names (the record's own way) takes the code of that record.
template <class T>
void Allonge(TDonnee2072& racine, std::vector<T>& vecteur, const TIndex& index, std::size_t n) {
  if (vecteur.size() >= n) return;
  vecteur.reserve(n);
  std::vector<std::pair<std::size_t, std::string>> references;  // row of the table, code
  if constexpr (arbre::kALettres<T>) {
    const auto& lignes = T::Lettres().Lignes();
    for (std::size_t k = 0; k < lignes.size(); ++k)
      if (lignes[k].description.role == lettres::Role::Reference)
        if (const std::string* code = CodeDe(racine, lignes[k].description.niveau, index))
          references.emplace_back(k, *code);
  }
  while (vecteur.size() < n) {
    T& nouveau = vecteur.emplace_back();
    if constexpr (arbre::kALettres<T>)
      for (const auto& [k, code] : references) {
        const lettres::RefChamp champ = T::Lettres().Lignes()[k].acces(nouveau);
        if (auto* const* texte = std::get_if<std::string*>(&champ)) **texte = code;
      }
  }
}

// Adds through the root when the level is one it adds itself; false otherwise.
bool AjouteParLaRacine(TDonnee2072& racine, int cle, std::size_t n) {
  return std::apply(
      [&](const auto&... ajout) {
        const auto essaie = [&](const auto& a) {
          if (a.first != cle) return false;
          const std::size_t nombre = NombreAuNiveau(racine, cle, TIndex{});
          if (nombre >= n) return true;
          if constexpr (std::is_invocable_v<decltype(a.second), TDonnee2072&, int>)
            (racine.*a.second)(static_cast<int>(n - nombre));
          else
            for (std::size_t k = nombre; k < n; ++k) (racine.*a.second)();
          return true;
        };
        return (essaie(ajout) || ...);
      },
      TDonnee2072::Ajouts());
}

}  // namespace

const std::vector<Niveau2072>& Niveaux2072() {
  static const std::vector<Niveau2072> niveaux = [] {
    std::vector<Niveau2072> n;
    std::vector<int> chemin;
    arbre::ParcourtNiveaux<TDonnee2072>(
        [&](auto proprietaire, const auto& enfant, const std::vector<int>& avant) {
          using P = typename decltype(proprietaire)::type;
          using T = typename std::decay_t<decltype(enfant)>::Enregistrement;
          n.push_back({enfant.cle, avant.empty() ? 0 : avant.back(), arbre::NomType<T>(), arbre::NomType<P>(),
                       enfant.unPar, LettreCle<T>()});
        },
        chemin);
    return n;
  }();
  return niveaux;
}

const Niveau2072* TrouveNiveau2072(int cle) {
  const auto& n = Niveaux2072();
  const auto it = std::find_if(n.begin(), n.end(), [cle](const Niveau2072& x) { return x.cle == cle; });
  return it == n.end() ? nullptr : &*it;
}

std::size_t NombreAuNiveau(const TDonnee2072& racine, int cle, const TIndex& index) {
  std::size_t nombre = 0;
  arbre::AtteintNiveau(racine, cle, index, [&](const auto& proprietaire, const auto& enfant) {
    nombre = (proprietaire.*enfant.champ).size();
  });
  return nombre;
}

void CompleteNiveau(TDonnee2072& racine, int cle, const TIndex& index, std::size_t n) {
  if (AjouteParLaRacine(racine, cle, n)) return;
  arbre::AtteintNiveau(racine, cle, index, [&](auto& proprietaire, const auto& enfant) {
    if (enfant.unPar == 0) Allonge(racine, proprietaire.*enfant.champ, index, n);
  });
}

}  // namespace zorfiscal2072
