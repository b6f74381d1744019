#include "format/ecriture.h"

#include <cstdlib>
#include <map>

#include "arbre2072.h"
#include "dictionnaire2072.h"
#include "format/fichierjson.h"
#include "lettres.h"
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

std::string LitLettre(TDonnee2072& racine, int code, const TIndex& index) {
  structLettre lettre{1, static_cast<std::int16_t>(code), nullptr, 0, nullptr};
  racine.TransfertUneLettre(&lettre, index, 1);
  std::string texte = lettre.valeur != nullptr ? lettre.valeur : "";
  std::free(lettre.valeur);
  return texte;
}

// What loading makes of each kind of record: the texts of its letters, and how many records
// of each level a new owner already holds (a partner starts with 16 carried-forward results).
// Built on a default root given one record at each level the way loading adds them, read at
// position 0.
struct Modele {
  std::map<std::vector<int>, std::vector<std::string>> textes;
  std::map<int, std::size_t> nombreInitial;
};

const Modele& ModeleCharge() {
  static const Modele modele = [] {
    Modele m;
    TDonnee2072 racine;
    for (const Niveau& n : Niveaux()) {
      m.nombreInitial[n.cle] = Nombre(racine, n.cle, 0);
      Complete(racine, n.cle, 0, 1);
    }
    for (const auto& [niveaux, entrees] : EntreesParNiveaux()) {
      TIndex index;
      for (int cle : niveaux) index.setValeurIndex(cle, 0);
      auto& textes = m.textes[niveaux];
      for (const EntreeDictionnaire* e : entrees) textes.push_back(LitLettre(racine, e->lettre.code, index));
    }
    return m;
  }();
  return modele;
}

// The letters of the records reached with the same index levels, and their texts in a
// record loading would create.
struct Groupe {
  const std::vector<const EntreeDictionnaire*>* entrees = nullptr;
  const std::vector<std::string>* defauts = nullptr;
};

Groupe GroupeDe(const std::vector<int>& niveaux) {
  const auto it = EntreesParNiveaux().find(niveaux);
  if (it == EntreesParNiveaux().end()) return {};
  return {&it->second, &ModeleCharge().textes.at(niveaux)};
}

class Ecrivain {
 public:
  Ecrivain(TDonnee2072& racine, bool toutes, const std::function<void(const LettreFichier&)>& recoit)
      : m_racine(racine), m_toutes(toutes), m_recoit(recoit) {}

  // The record reached by `index` (levels `niveaux`, owners first, so the index is sorted
  // by key), then the records of the levels it owns. `doitApparaitre`: the record is the
  // last of its level and loading would not create it without a letter.
  void Parcourt(int niveau, int position, const Groupe& groupe, bool doitApparaitre, Index& index,
                std::vector<int>& niveaux) {
    EcritEnregistrement(groupe, index, doitApparaitre);
    for (const Niveau& n : Niveaux()) {
      if (n.parent != niveau) continue;
      const std::size_t nombre = Nombre(m_racine, n.cle, position);
      const bool creeParLettre = n.parPositionDe == 0 && nombre > ModeleCharge().nombreInitial.at(n.cle);
      niveaux.push_back(n.cle);
      const Groupe sous = GroupeDe(niveaux);
      for (std::size_t k = 0; k < nombre; ++k) {
        index.emplace_back(n.cle, static_cast<int>(k));
        Parcourt(n.cle, static_cast<int>(k), sous, creeParLettre && k + 1 == nombre, index, niveaux);
        index.pop_back();
      }
      niveaux.pop_back();
    }
  }

  std::size_t nombre = 0;  // letters given so far

 private:
  void EcritEnregistrement(const Groupe& groupe, const Index& index, bool doitApparaitre) {
    if (groupe.entrees == nullptr) return;
    const TIndex t = VersTIndex(index);
    // A record's letters are read from the record itself, reached once: the letters of a
    // group are the ones the root gives to that record or to its own sub-records.
    const auto lisDans = [&](auto& enregistrement) { EcritLettres(groupe, index, doitApparaitre, enregistrement, t); };
    if (index.empty() || !zorfiscal2072::PourEnregistrementAuNiveau(m_racine, index.back().first, t, lisDans))
      lisDans(m_racine);
  }

  template <class R>
  void EcritLettres(const Groupe& groupe, const Index& index, bool doitApparaitre, R& enregistrement, const TIndex& t) {
    const auto& entrees = *groupe.entrees;
    const std::size_t avant = nombre;
    for (std::size_t k = 0; k < entrees.size(); ++k) {
      const int code = entrees[k]->lettre.code;
      const std::string_view valeur = m_lu.Lit(enregistrement, code, t);
      if (k == 0 && doitApparaitre) m_premier = valeur;
      if (m_toutes || std::string_view((*groupe.defauts)[k]) != valeur) Ajoute(code, index, valeur);
    }
    if (doitApparaitre && nombre == avant && !entrees.empty()) Ajoute(entrees.front()->lettre.code, index, m_premier);
  }

  // The letter given is reused from one to the next, its index and value keeping their blocks.
  void Ajoute(int code, const Index& index, std::string_view valeur) {
    m_lettre.rang = ++nombre;
    m_lettre.code = code;
    m_lettre.index = index;
    m_lettre.valeur.assign(valeur);
    m_recoit(m_lettre);
  }

  // One letter read again and again: its value's block is reused, not allocated per letter.
  class Lecture {
   public:
    Lecture() = default;
    Lecture(const Lecture&) = delete;
    Lecture& operator=(const Lecture&) = delete;
    ~Lecture() { std::free(m_lettre.valeur); }
    template <class R>
    std::string_view Lit(R& enregistrement, int code, const TIndex& index) {
      m_lettre.code = static_cast<std::int16_t>(code);
      if (m_lettre.valeur != nullptr) m_lettre.valeur[0] = '\0';
      enregistrement.TransfertUneLettre(&m_lettre, index, 1);
      return m_lettre.valeur != nullptr ? m_lettre.valeur : "";
    }

   private:
    structLettre m_lettre{1, 0, nullptr, 0, nullptr};
  };

  TDonnee2072& m_racine;
  bool m_toutes;
  Lecture m_lu;
  std::string m_premier;
  LettreFichier m_lettre;
  const std::function<void(const LettreFichier&)>& m_recoit;
};

}  // namespace

void Ecrit(TDonnee2072& racine, bool toutes, const std::function<void(const LettreFichier&)>& recoit) {
  Ecrivain ecrivain(racine, toutes, recoit);
  Index index;
  std::vector<int> niveaux;
  ecrivain.Parcourt(0, 0, GroupeDe(niveaux), false, index, niveaux);
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
    Ecrit(racine, toutes, [&](const LettreFichier& l) { json.Ajoute(l); });
    json.Termine();
  });
}

}  // namespace hote2072
