#include "tablelettres.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <mutex>
#include <set>
#include <type_traits>

namespace lettres {
namespace {

// Numeric conversion between a field and the primitive's variable. A real truncates toward
// zero; a value outside the target's range becomes 0 rather than undefined behaviour.
template <class Vers, class De>
Vers Convertit(De valeur) {
  if constexpr (std::is_floating_point_v<Vers>) {
    return static_cast<Vers>(valeur);
  } else if constexpr (std::is_floating_point_v<De>) {
    const De t = std::trunc(valeur);
    if (!(t >= static_cast<De>(std::numeric_limits<Vers>::min()) &&
          t < -static_cast<De>(std::numeric_limits<Vers>::min())))
      return 0;
    return static_cast<Vers>(t);
  } else {
    if (valeur < std::numeric_limits<Vers>::min() || valeur > std::numeric_limits<Vers>::max()) return 0;
    return static_cast<Vers>(valeur);
  }
}

// Runs a primitive on a local of its own type, loaded from and stored into the field.
template <class V, class Primitive>
void ViaLocal(const RefChamp& champ, long sens, Primitive primitive) {
  std::visit(
      [&](auto* variable) {
        using T = std::remove_pointer_t<decltype(variable)>;
        if constexpr (std::is_same_v<T, std::string>) {
          KEL_ASSERT(false, "a numeric letter is declared on a text field");
        } else {
          V local = sens == 1 ? Convertit<V>(*variable) : V{};
          primitive(&local);
          if (sens == 0) *variable = Convertit<T>(local);
        }
      },
      champ);
}

}  // namespace

DescriptionLettre Decrit(short code, const char* champ, Primitive primitive, short taille, const char* libelle,
                         Role role, int niveau) {
  DescriptionLettre d{code, champ, primitive, taille, role, niveau, libelle};
  const bool montant = primitive == Primitive::Reel || (primitive == Primitive::ReelFormat && taille == 2);
  d.unite = montant ? Unite::Euros : Unite::Aucune;
  return d;
}

const char* TexteDurable(std::string texte) {
  static std::mutex garde;
  static std::set<std::string> textes;  // nodes never move: the pointers stay valid
  const std::lock_guard<std::mutex> verrou(garde);
  return textes.insert(std::move(texte)).first->c_str();
}

char TypeLettre(Primitive primitive) {
  switch (primitive) {
    case Primitive::Texte: return 'S';
    case Primitive::Reel:
    case Primitive::ReelFormat: return 'D';
    case Primitive::Date: return 'd';
    case Primitive::Court:
    case Primitive::Long:
    case Primitive::MoisJour:
    case Primitive::SiecleAnnee: return 'L';
  }
  return 'S';
}

void TransfertChamp(const RefChamp& champ, const DescriptionLettre& d, structLettre* lettre, long sens) {
  char** valeur = &lettre->valeur;
  switch (d.primitive) {
    case Primitive::Texte:
      if (auto* const* texte = std::get_if<std::string*>(&champ))
        TransfertString(*texte, valeur, sens, d.taille);
      else
        KEL_ASSERT(false, "a text letter is declared on a numeric field");
      return;
    case Primitive::Court:
      return ViaLocal<short>(champ, sens, [&](short* v) { TransfertShortIntReference(v, valeur, sens); });
    case Primitive::Long: return ViaLocal<long>(champ, sens, [&](long* v) { TransfertLongReference(v, valeur, sens); });
    case Primitive::Reel:
      return ViaLocal<double>(champ, sens, [&](double* v) { TransfertDoubleReference(v, valeur, sens); });
    case Primitive::ReelFormat:
      return ViaLocal<double>(champ, sens, [&](double* v) {
        TransfertDoubleReferenceFormat(v, valeur, d.taille == 5 ? "%0.5lf" : "%0.2lf", sens);
      });
    case Primitive::Date:
      return ViaLocal<long>(champ, sens, [&](long* v) { TransfertDateReferenceJJ_MM_SSAA(v, valeur, sens); });
    case Primitive::MoisJour:
      return ViaLocal<long>(champ, sens, [&](long* v) { TransfertLongMoisJourReference(v, valeur, sens); });
    case Primitive::SiecleAnnee:
      return ViaLocal<long>(champ, sens, [&](long* v) { TransfertLongSiecleAnneeReference(v, valeur, sens); });
  }
}

bool MemeContenu(const RefChamp& a, const RefChamp& b) {
  if (a.index() != b.index()) return false;
  return std::visit(
      [&](auto* x) {
        using T = std::remove_pointer_t<decltype(x)>;
        const T* y = *std::get_if<T*>(&b);
        if constexpr (std::is_same_v<T, double>)
          return std::bit_cast<std::uint64_t>(*x) == std::bit_cast<std::uint64_t>(*y);
        else
          return *x == *y;
      },
      a);
}

}  // namespace lettres
