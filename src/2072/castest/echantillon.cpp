#include "echantillon.h"

#include <cstring>

#include "kel.h"
#include "lettres.h"

namespace zorfiscal2072::exemple {

namespace {

void Signale(const char* champ, const char* message) { kel::Assert(false, champ, message, __FILE__, __LINE__); }

}  // namespace

const lettres::DescriptionLettre* TrouveChamp(const std::vector<lettres::DescriptionLettre>& descriptions,
                                              const char* champ) {
  for (const lettres::DescriptionLettre& d : descriptions)
    if (std::strcmp(d.champ, champ) == 0) return &d;
  Signale(champ, "sample field missing from the record's letter table");
  return nullptr;
}

void Stocke(const lettres::RefChamp& champ, const lettres::DescriptionLettre& description, const Valeur& valeur) {
  const auto* texte = std::get_if<const char*>(&valeur.get());
  const auto* nombre = std::get_if<double>(&valeur.get());
  std::visit(
      [&](auto* cible) {
        using Champ = std::remove_pointer_t<decltype(cible)>;
        if constexpr (std::is_same_v<Champ, std::string>) {
          // The field keeps one character less than its letter's bound.
          if (texte == nullptr || lettres::NombreCaracteres(*texte) + 1 > std::size_t(description.taille))
            return Signale(description.champ, "sample text missing or beyond the letter's bound");
          *cible = *texte;
        } else {
          if (nombre == nullptr) return Signale(description.champ, "sample value of a number field is a text");
          *cible = static_cast<Champ>(*nombre);
        }
      },
      champ);
}

}  // namespace zorfiscal2072::exemple
