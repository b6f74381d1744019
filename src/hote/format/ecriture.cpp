#include "format/ecriture.h"

#include <cstdlib>
#include <type_traits>

#include "arbre2072.h"
#include "dictionnaire2072.h"
#include "format/fichierjson.h"
#include "systeme/fichiers.h"

namespace hote2072 {

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
    const GroupeLettres& groupe = GroupeLettres::De<R>();
    if (!groupe.entrees.empty()) {
      arbre::ChampsSousArbre<R>::Instance().Objets(r, m_lettres.objets());
      m_lettres.Prend(groupe);
      m_visiteur(m_lettres, index, doitApparaitre);
    }
    for (const Niveau& n : Niveaux()) {
      if (n.parent != niveau) continue;
      arbre::AtteintNiveau(r, n.cle, TIndex{}, [&](auto& proprietaire, const auto& enfant) {
        auto& vecteur = proprietaire.*enfant.champ;
        const bool creeParLettre = n.parPositionDe == 0 && vecteur.size() > NombreInitial(n.cle);
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
