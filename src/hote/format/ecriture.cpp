#include "format/ecriture.h"

#include <cstdlib>
#include <map>
#include <stdexcept>
#include <type_traits>

#include "arbre2072.h"
#include "dictionnaire2072.h"
#include "format/fichierjson.h"
#include "systeme/fichiers.h"

namespace hote2072 {

using zorfiscal2072::EntreeDictionnaire;

namespace {

// The dictionary entries of one kind of record, all reached with the same index levels.
// Codes held by two records appear once, under the record the root asks first.
const std::map<std::vector<int>, std::vector<const EntreeDictionnaire*>>& EntreesParNiveaux() {
  static const auto entrees = [] {
    std::map<std::vector<int>, std::vector<const EntreeDictionnaire*>> m;
    for (const EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072())
      if (e.parLaRacine && zorfiscal2072::EntreeDictionnaire2072(e.lettre.code) == &e) m[e.niveaux].push_back(&e);
    return m;
  }();
  return entrees;
}

// What loading makes of each kind of record, and how many records of each level a new owner
// already holds (a partner starts with 16 carried-forward results): a default root given one
// record at each level the way loading adds them, read at position 0.
struct Modele {
  TDonnee2072 racine;
  std::map<int, std::size_t> nombreInitial;
  Modele() {
    for (const Niveau& n : Niveaux()) {
      nombreInitial[n.cle] = Nombre(racine, n.cle, 0);
      Complete(racine, n.cle, 0, 1);
    }
  }
};

Modele& ModeleCharge() {
  static Modele modele;
  return modele;
}

// The index levels that reach a record of class R, outermost first.
template <class R>
const std::vector<int>& NiveauxDe() {
  static const std::vector<int> niveaux = [] {
    std::vector<int> trouves, chemin;
    bool vu = false;
    arbre::ParcourtTypes<TDonnee2072>(
        [&](auto type, const std::vector<int>& n) {
          if constexpr (std::is_same_v<typename decltype(type)::type, R>)
            if (!vu) trouves = n, vu = true;
        },
        chemin);
    return trouves;
  }();
  return niveaux;
}

}  // namespace

// One kind of record: its letters in dictionary order, each with its field, and the record
// loading creates, whose fields and texts tell what need not be written.
struct LettresEnregistrement::Groupe {
  std::vector<const EntreeDictionnaire*> entrees;
  std::vector<arbre::Champ> champs;  // the field of each entry
  std::vector<void*> objetsModele;
  std::vector<std::string> textesModele;

  template <class R>
  static const Groupe& De() {
    static const Groupe groupe = Construit<R>();
    return groupe;
  }

 private:
  template <class R>
  static Groupe Construit() {
    Groupe g;
    const std::vector<int>& niveaux = NiveauxDe<R>();
    if (const auto it = EntreesParNiveaux().find(niveaux); it != EntreesParNiveaux().end()) g.entrees = it->second;
    const auto& sousArbre = arbre::ChampsSousArbre<R>::Instance();
    for (const EntreeDictionnaire* e : g.entrees) {
      const arbre::Champ* trouve = nullptr;
      for (const arbre::Champ& c : sousArbre.champs())
        if (c.description->code == e->lettre.code) trouve = &c;
      if (trouve == nullptr)
        throw std::logic_error("letter " + std::to_string(e->lettre.code) + " is no field of its record");
      g.champs.push_back(*trouve);
    }
    // The model: the record at position 0 of every level on the way.
    TDonnee2072& racine = ModeleCharge().racine;
    R* modele = nullptr;
    if constexpr (std::is_same_v<R, TDonnee2072>) {
      modele = &racine;
    } else {
      TIndex index;
      for (int cle : niveaux) index.setValeurIndex(cle, 0);
      zorfiscal2072::PourEnregistrementAuNiveau(racine, niveaux.back(), index, [&](auto& r) {
        if constexpr (std::is_same_v<std::decay_t<decltype(r)>, R>) modele = &r;
      });
    }
    if (modele == nullptr) throw std::logic_error("a level has no record in the model declaration");
    sousArbre.Objets(*modele, g.objetsModele);
    LettresEnregistrement lecture;
    lecture.Prend(g);
    lecture.objets() = g.objetsModele;
    for (std::size_t k = 0; k < g.entrees.size(); ++k) g.textesModele.emplace_back(lecture.Texte(k));
    return g;
  }
};

LettresEnregistrement::LettresEnregistrement() = default;
LettresEnregistrement::~LettresEnregistrement() { std::free(m_lettre.valeur); }

std::size_t LettresEnregistrement::size() const { return m_groupe->entrees.size(); }
int LettresEnregistrement::code(std::size_t k) const { return m_groupe->entrees[k]->lettre.code; }
const std::string& LettresEnregistrement::TexteParDefaut(std::size_t k) const { return m_groupe->textesModele[k]; }

bool LettresEnregistrement::ParDefaut(std::size_t k) const {
  const arbre::Champ& c = m_groupe->champs[k];
  const auto champ = c.dans(m_objets), modele = c.dans(m_groupe->objetsModele);
  if (champ && modele) return lettres::MemeContenu(*champ, *modele);
  return Texte(k) == TexteParDefaut(k);
}

std::string_view LettresEnregistrement::Texte(std::size_t k) const {
  const arbre::Champ& c = m_groupe->champs[k];
  const auto champ = c.dans(m_objets);
  if (!champ) return {};  // an empty holder takes no letter
  // A text within its bound is its own letter: no copy. The letter's text would end at a
  // zero byte.
  if (auto* const* texte = std::get_if<std::string*>(&*champ);
      texte != nullptr && c.description->primitive == lettres::Primitive::Texte) {
    const std::string_view t((*texte)->c_str());
    if (c.description->taille < 1 || lettres::NombreCaracteres(t) < static_cast<std::size_t>(c.description->taille))
      return t;
  }
  m_lettre.code = static_cast<std::int16_t>(c.description->code);
  lettres::TransfertChamp(*champ, *c.description, &m_lettre, 1);
  return m_lettre.valeur != nullptr ? m_lettre.valeur : "";
}

namespace {

class Parcours {
 public:
  Parcours(const VisiteurEnregistrement& visiteur) : m_visiteur(visiteur) {}

  // The record `r` at `index` (its levels sorted by key: owners come first), then the
  // records of the levels it owns, each vector reached once.
  template <class R>
  void Parcourt(R& r, int niveau, bool doitApparaitre, Index& index) {
    using G = LettresEnregistrement::Groupe;
    const G& groupe = G::De<R>();
    if (!groupe.entrees.empty()) {
      arbre::ChampsSousArbre<R>::Instance().Objets(r, m_lettres.objets());
      m_lettres.Prend(groupe);
      m_visiteur(m_lettres, index, doitApparaitre);
    }
    for (const Niveau& n : Niveaux()) {
      if (n.parent != niveau) continue;
      arbre::AtteintNiveau(r, n.cle, TIndex{}, [&](auto& proprietaire, const auto& enfant) {
        auto& vecteur = proprietaire.*enfant.champ;
        const bool creeParLettre = n.parPositionDe == 0 && vecteur.size() > ModeleCharge().nombreInitial.at(n.cle);
        for (std::size_t k = 0; k < vecteur.size(); ++k) {
          index.emplace_back(n.cle, static_cast<int>(k));
          Parcourt(vecteur[k], n.cle, creeParLettre && k + 1 == vecteur.size(), index);
          index.pop_back();
        }
      });
    }
  }

 private:
  const VisiteurEnregistrement& m_visiteur;
  LettresEnregistrement m_lettres;
};

}  // namespace

void ParcourtEnregistrements(TDonnee2072& racine, const VisiteurEnregistrement& visiteur) {
  Parcours parcours(visiteur);
  Index index;
  parcours.Parcourt(racine, 0, false, index);
}

namespace {

// ajoute(code, index, text) for every letter Ecrit gives.
template <class F>
void EcritLettres(TDonnee2072& racine, bool toutes, F&& ajoute) {
  ParcourtEnregistrements(racine, [&](const LettresEnregistrement& lettres, const Index& index, bool doitApparaitre) {
    bool aucune = true;
    for (std::size_t k = 0; k < lettres.size(); ++k) {
      if (!toutes && lettres.ParDefaut(k)) continue;
      const std::string_view texte = lettres.Texte(k);
      if (toutes || texte != lettres.TexteParDefaut(k)) {
        ajoute(lettres.code(k), index, texte);
        aucune = false;
      }
    }
    if (doitApparaitre && aucune && lettres.size() > 0) ajoute(lettres.code(0), index, lettres.Texte(0));
  });
}

}  // namespace

void Ecrit(TDonnee2072& racine, bool toutes, const std::function<void(const LettreFichier&)>& recoit) {
  // The letter given is reused from one to the next, its index and value keeping their blocks.
  LettreFichier lettre;
  EcritLettres(racine, toutes, [&](int code, const Index& index, std::string_view valeur) {
    ++lettre.rang;
    lettre.code = code;
    lettre.index = index;
    lettre.valeur.assign(valeur);
    recoit(lettre);
  });
}

FichierDeclaration Ecrit(TDonnee2072& racine, bool toutes) {
  FichierDeclaration fichier;
  fichier.annee = racine.getAnnee();
  Ecrit(racine, toutes, [&](const LettreFichier& l) { fichier.lettres.push_back(l); });
  return fichier;
}

void EcritDeclaration(const std::string& chemin, TDonnee2072& racine, bool toutes, bool annote) {
  EcritFichier(chemin, [&](const auto& ecrit) {
    EcrivainJson json(ecrit, racine.getAnnee(), annote);
    EcritLettres(racine, toutes,
                 [&](int code, const Index& index, std::string_view valeur) { json.Ajoute(code, index, valeur); });
    json.Termine();
  });
}

}  // namespace hote2072
