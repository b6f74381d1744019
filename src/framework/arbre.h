// The tree of records. A record that holds others declares its children once, in routing
// order, next to its letter table:
//
//   static constexpr auto Enfants() {
//     using R = TPropriete2072;
//     return std::tuple{arbre::Membre(&R::Adresse), arbre::Indexe(&R::Locataire, kNiveauLocataire)};
//   }
//
// `Membre` is a sub-record held by value or through a Detenu<T> (skipped while empty);
// `Indexe` is a vector of records reached by an index level; `.UnPar(niveau)` marks a vector
// that holds one record per record of another level, kept so by the root.
// Everything else about the tree is derived from these declarations:
//   TransfertUneLettre(r, ...)  routing of one letter: the record's own letters, then each
//                               child in order, the first taker wins
//   CodesSousArbre<R>()         every code the record and the records below it hold
//   Parcourt(r, index, f)       f(record, index) on r and every record below it
//   ParcourtTypes<R>(f)         the same walk over the record types, with their index levels
//   AtteintNiveau(r, cle, ...)  the vector of one level below r, reached through an index
//   ChampsSousArbre<R>          the fields an index naming an R reaches, each reached directly
//   NomType<T>()                the class name of a record ("TLocataire")
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "detenu.h"
#include "tablelettres.h"
#include "tindex.h"

namespace arbre {

namespace detail {

template <class M>
struct Objet {
  using type = M;
  static M* de(M& m) { return &m; }
  static const M* de(const M& m) { return &m; }
};
template <class T>
struct Objet<Detenu<T>> {
  using type = T;
  static T* de(Detenu<T>& d) { return d.get(); }
  static const T* de(const Detenu<T>& d) { return d.get(); }
};

}  // namespace detail

// A sub-record: a member `M` of `R`, the record itself or a Detenu holding it.
template <class R, class M>
struct EnfantMembre {
  using Enregistrement = typename detail::Objet<M>::type;
  static constexpr bool kIndexe = false;
  M R::*champ;
  Enregistrement* objet(R& r) const { return detail::Objet<M>::de(r.*champ); }
  const Enregistrement* objet(const R& r) const { return detail::Objet<M>::de(r.*champ); }
};

// A vector of records of `R`, reached by the index level `cle`.
template <class R, class T>
struct EnfantIndexe {
  using Enregistrement = T;
  static constexpr bool kIndexe = true;
  std::vector<T> R::*champ;
  int cle;
  int unPar = 0;  // level whose records this vector mirrors one to one; 0 when it stands alone
  constexpr EnfantIndexe UnPar(int niveau) const { return {champ, cle, niveau}; }
};

template <class R, class M>
constexpr EnfantMembre<R, M> Membre(M R::*champ) {
  return {champ};
}
template <class R, class T>
constexpr EnfantIndexe<R, T> Indexe(std::vector<T> R::*champ, int cle) {
  return {champ, cle};
}

template <class R>
inline constexpr bool kAEnfants = requires {
  R::Enfants();
};
template <class R>
inline constexpr bool kALettres = requires {
  R::Lettres();
};

// f(declaration) for each child R declares, in order.
template <class R, class F>
void PourChaqueEnfant(F&& f) {
  if constexpr (kAEnfants<R>) std::apply([&](const auto&... e) { (f(e), ...); }, R::Enfants());
}

// f(record) on each record one level below r, in declaration order: each member held, each
// record of each vector. The resets of a record cascade through it (InitPartielle,
// InitResultat): what a scope clears below a record is what its children's same scope clears.
template <class R, class F>
void PourChaqueSousEnregistrement(R& r, F&& f) {
  PourChaqueEnfant<std::remove_const_t<R>>([&](const auto& e) {
    if constexpr (std::decay_t<decltype(e)>::kIndexe) {
      for (auto& sous : r.*e.champ) f(sous);
    } else if (auto* objet = e.objet(r)) {
      f(*objet);
    }
  });
}

// The full reset of a record (its Init): every field back to its member initialiser, by
// assigning a default-constructed record, except the fields R::Gardes() names (the codes
// that name the record and what it belongs to), which keep their values. Sub-records held
// through a Detenu are assigned in place: they stay where they are.
template <class R>
void Reinitialise(R& r) {
  static const R defaut{};
  if constexpr (requires { R::Gardes(); }) {
    auto gardes = std::apply([&](auto... champ) { return std::tuple{std::move(r.*champ)...}; }, R::Gardes());
    r = defaut;
    std::apply(
        [&](auto... champ) { std::apply([&](auto&... valeur) { ((r.*champ = std::move(valeur)), ...); }, gardes); },
        R::Gardes());
  } else {
    r = defaut;
  }
}

namespace detail {

template <class R, class M>
bool Transfert(const EnfantMembre<R, M>& e, R& r, structLettre* l, const TIndex& index, long sens) {
  auto* objet = e.objet(r);
  return objet != nullptr && objet->TransfertUneLettre(l, index, sens);
}
template <class R, class T>
bool Transfert(const EnfantIndexe<R, T>& e, R& r, structLettre* l, const TIndex& index, long sens) {
  return lettres::TransfertIndexe(r.*e.champ, e.cle, l, index, sens);
}

}  // namespace detail

// The record's TransfertUneLettre: its own letters (when it has a TransfertLettreXX), then
// each child in declaration order; true as soon as one takes the letter. An indexed child
// runs only when the index holds its key and a position below the vector's size.
template <class R>
bool TransfertUneLettre(R& r, structLettre* lettre, const TIndex& index, long sens) {
  if constexpr (requires { r.TransfertLettreXX(lettre, sens); })
    if (r.TransfertLettreXX(lettre, sens)) return true;
  if constexpr (kAEnfants<R>)
    return std::apply([&](const auto&... e) { return (detail::Transfert(e, r, lettre, index, sens) || ...); },
                      R::Enfants());
  else
    return false;
}

template <class R>
void AjouteCodes(lettres::EnsembleCodes& codes) {
  if constexpr (kALettres<R>) codes.ajoute(R::Lettres().Descriptions());
  PourChaqueEnfant<R>([&](const auto& e) { AjouteCodes<typename std::decay_t<decltype(e)>::Enregistrement>(codes); });
}

// Every code that R and the records below it hold: a letter outside it is refused by the
// whole subtree, so a record with many children can refuse it at once.
template <class R>
const lettres::EnsembleCodes& CodesSousArbre() {
  static const lettres::EnsembleCodes codes = [] {
    lettres::EnsembleCodes c;
    AjouteCodes<R>(c);
    return c;
  }();
  return codes;
}

// visiteur(record, index) on r, then on every record below it, depth first in routing order:
// the index holds the level and position of every vector on the way. Empty holders are
// skipped. R may be const; the records are then const too.
template <class R, class F>
void Parcourt(R& r, const TIndex& index, F&& visiteur) {
  visiteur(r, index);
  PourChaqueEnfant<std::remove_const_t<R>>([&](const auto& e) {
    if constexpr (std::decay_t<decltype(e)>::kIndexe) {
      auto& vecteur = r.*e.champ;
      for (std::size_t k = 0; k < vecteur.size(); ++k) {
        TIndex sous = index;
        sous.setValeurIndex(e.cle, static_cast<int>(k));
        Parcourt(vecteur[k], sous, visiteur);
      }
    } else if (auto* objet = e.objet(r)) {
      Parcourt(*objet, index, visiteur);
    }
  });
}

template <class T>
struct Type {
  using type = T;
};

// visiteur(Type<T>{}, niveaux) for R and every record type below it, in the order of
// Parcourt; `niveaux` are the level keys an index needs to reach T, outermost first.
template <class R, class F>
void ParcourtTypes(F&& visiteur, std::vector<int>& niveaux) {
  visiteur(Type<R>{}, std::as_const(niveaux));
  PourChaqueEnfant<R>([&](const auto& e) {
    using E = std::decay_t<decltype(e)>;
    if constexpr (E::kIndexe) niveaux.push_back(e.cle);
    ParcourtTypes<typename E::Enregistrement>(visiteur, niveaux);
    if constexpr (E::kIndexe) niveaux.pop_back();
  });
}

// visiteur(Type<Proprietaire>{}, declaration, niveaux) for every indexed child below R,
// owners first; `niveaux` are the levels on the way to the owner.
template <class R, class F>
void ParcourtNiveaux(F&& visiteur, std::vector<int>& niveaux) {
  PourChaqueEnfant<R>([&](const auto& e) {
    using E = std::decay_t<decltype(e)>;
    if constexpr (E::kIndexe) {
      visiteur(Type<R>{}, e, std::as_const(niveaux));
      niveaux.push_back(e.cle);
    }
    ParcourtNiveaux<typename E::Enregistrement>(visiteur, niveaux);
    if constexpr (E::kIndexe) niveaux.pop_back();
  });
}

// True when a vector of level `cle` lies below R.
template <class R>
bool ContientNiveau(int cle) {
  static const std::vector<int> niveaux = [] {
    std::vector<int> n, chemin;
    ParcourtNiveaux<R>([&](auto, const auto& e, const std::vector<int>&) { n.push_back(e.cle); }, chemin);
    return n;
  }();
  for (int n : niveaux)
    if (n == cle) return true;
  return false;
}

// action(proprietaire, declaration) on the vector of level `cle` below r, its owner reached
// through the positions `index` gives the levels on the way. False, and nothing done, when
// the way is missing: a level absent from the index, a position outside its vector, an empty
// holder.
template <class R, class F>
bool AtteintNiveau(R& r, int cle, const TIndex& index, F&& action) {
  bool atteint = false;
  PourChaqueEnfant<std::remove_const_t<R>>([&](const auto& e) {
    using E = std::decay_t<decltype(e)>;
    if (atteint) return;
    if constexpr (E::kIndexe) {
      if (e.cle == cle) {
        action(r, e);
        atteint = true;
        return;
      }
      int position = 0;
      auto& vecteur = r.*e.champ;
      if (ContientNiveau<typename E::Enregistrement>(cle) && index.getValeurIndex(e.cle, position) &&
          static_cast<std::size_t>(static_cast<unsigned>(position)) < vecteur.size())
        atteint = AtteintNiveau(vecteur[static_cast<std::size_t>(position)], cle, index, action);
    } else if (ContientNiveau<typename E::Enregistrement>(cle)) {
      if (auto* objet = e.objet(r)) atteint = AtteintNiveau(*objet, cle, index, action);
    }
  });
  return atteint;
}

// A field of a record or of a record below it, reached from that record without routing a
// letter: `objet` numbers the record holding it (see ChampsSousArbre::Objets).
struct Champ {
  const lettres::DescriptionLettre* description;
  std::size_t objet;
  lettres::RefChamp (*acces)(const void* ligne, void* objet);
  const void* ligne;  // the row of its record's letter table

  // The field in the records `objets` gave; nothing when its holder is empty.
  std::optional<lettres::RefChamp> dans(const std::vector<void*>& objets) const {
    void* o = objets[objet];
    if (o == nullptr) return std::nullopt;
    return acces(ligne, o);
  }
};

// The fields a letter reaches once an index has named a record of R: R's own letters, then
// those of the records below it that are not indexed (its addresses, linked elements...), in
// routing order; a code held twice stays with the first, as routing gives it. Each field is
// reached directly: a host reading or filling every field of a million records goes straight
// to them.
template <class R>
class ChampsSousArbre {
 public:
  static const ChampsSousArbre& Instance() {
    static const ChampsSousArbre champs;
    return champs;
  }

  const std::vector<Champ>& champs() const { return m_champs; }
  // The records holding the fields, from r (0 is r itself); null for an empty holder and
  // everything below it.
  void Objets(R& r, std::vector<void*>& objets) const {
    objets.resize(m_objets.size());
    objets[0] = &r;
    for (std::size_t k = 1; k < m_objets.size(); ++k) {
      void* parent = objets[m_objets[k].parent];
      objets[k] = parent == nullptr ? nullptr : m_objets[k].de(parent);
    }
  }

 private:
  struct Objet {
    std::size_t parent;
    std::function<void*(void*)> de;  // the record below its parent
  };

  template <class T, class Ligne>
  static lettres::RefChamp AccesLigne(const void* ligne, void* objet) {
    return static_cast<const Ligne*>(ligne)->acces(*static_cast<T*>(objet));
  }

  ChampsSousArbre() {
    m_objets.push_back({0, nullptr});
    Ajoute<R>(0);
  }

  template <class T>
  void Ajoute(std::size_t objet) {
    if constexpr (kALettres<T>) {
      for (const auto& ligne : T::Lettres().Lignes()) {
        using Ligne = std::remove_cvref_t<decltype(ligne)>;
        const short code = ligne.description.code;
        if (std::none_of(m_champs.begin(), m_champs.end(), [&](const Champ& c) { return c.description->code == code; }))
          m_champs.push_back({&ligne.description, objet, &AccesLigne<T, Ligne>, &ligne});
      }
    }
    PourChaqueEnfant<T>([&](const auto& e) {
      using E = std::decay_t<decltype(e)>;
      if constexpr (!E::kIndexe) {
        const std::size_t enfant = m_objets.size();
        m_objets.push_back({objet, [e](void* parent) -> void* { return e.objet(*static_cast<T*>(parent)); }});
        Ajoute<typename E::Enregistrement>(enfant);
      }
    });
  }

  std::vector<Objet> m_objets;
  std::vector<Champ> m_champs;
};

// The field that gives a record its code (its LETTRE_CLE row), or null.
template <class T>
const std::string* ChampCle(T& r) {
  if constexpr (kALettres<std::remove_const_t<T>>) {
    for (const auto& ligne : std::remove_const_t<T>::Lettres().Lignes()) {
      if (ligne.description.role != lettres::Role::Cle) continue;
      const lettres::RefChamp champ = ligne.acces(const_cast<std::remove_const_t<T>&>(r));
      if (auto* const* texte = std::get_if<std::string*>(&champ)) return *texte;
    }
  }
  return nullptr;
}

namespace detail {

// "TLocataire" out of "... [with T = zorfiscal2072::TLocataire]".
inline std::string NomDepuisSignature(std::string_view signature) {
  const std::size_t debut = signature.find("T = ") + 4;
  std::string_view nom = signature.substr(debut, signature.find_first_of(";]", debut) - debut);
  if (const std::size_t p = nom.rfind("::"); p != std::string_view::npos) nom.remove_prefix(p + 2);
  return std::string(nom);
}

}  // namespace detail

// The class name of T, without its namespace: "TLocataire".
template <class T>
const char* NomType() {
  static const std::string nom = detail::NomDepuisSignature(__PRETTY_FUNCTION__);
  return nom.c_str();
}

}  // namespace arbre
