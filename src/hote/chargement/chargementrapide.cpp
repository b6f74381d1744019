#include "chargement/chargementrapide.h"

#include <array>
#include <cstring>
#include <limits>
#include <map>
#include <type_traits>
#include <unordered_map>

#include "chargement/codes.h"
#include "chargement/lettre.h"
#include "chargement/verification.h"
#include "format/bornes.h"
#include "format/ecriture.h"
#include "format/groupes.h"

namespace hote2072 {

using zorfiscal2072::EntreeDictionnaire;

namespace {

// An integer read into a field of any numeric type, exactly or not at all.
bool StockeEntier(const lettres::RefChamp& champ, long long v) {
  return std::visit(
      [v](auto* p) {
        using T = std::remove_pointer_t<decltype(p)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return false;
        } else if constexpr (std::is_floating_point_v<T>) {
          *p = static_cast<T>(v);
          return true;
        } else {
          if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) return false;
          *p = static_cast<T>(v);
          return true;
        }
      },
      champ);
}

// A plain decimal ("-1234.56") of at most 15 significant digits: the letter library writes the
// number it reads as a text that reads back to the same number (15 digits are what a double
// always keeps).
bool DecimalCourt(std::string_view v) {
  std::size_t i = v.size() > 0 && v[0] == '-' ? 1 : 0, entiers = 0, decimales = 0, premier = 0, dernier = 0,
              chiffres = 0;
  bool point = false;
  for (; i < v.size(); ++i) {
    const char c = v[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return false;
    ++(point ? decimales : entiers);
    ++chiffres;
    if (c != '0') {
      if (premier == 0) premier = chiffres;
      dernier = chiffres;
    }
  }
  if (entiers == 0 || (point && decimales == 0)) return false;
  return premier == 0 || dernier - premier + 1 <= 15;
}

// Stores a letter's text into its field as direction 0 does, and tells whether loading takes
// it: the text reads as a value of the letter within the field's bounds (ProblemeValeur finds
// nothing) and the field holds it exactly (it reads back as the same value, MemeValeur). Most
// letters are decided from the text read once; the others go the letter library's way.
class Stockage {
 public:
  bool Stocke(const lettres::DescriptionLettre& d, const lettres::RefChamp& champ, std::string_view valeur) {
    if (std::memchr(valeur.data(), '\0', valeur.size()) != nullptr) return false;  // the full path reads it so
    const ValeurLue lue = LitValeur(d, valeur);
    if (lue.probleme != ValeurLue::kAucun) return false;
    using lettres::Primitive;
    switch (d.primitive) {
      case Primitive::Texte:
        if (auto* const* texte = std::get_if<std::string*>(&champ)) {
          (*texte)->assign(valeur);
          return true;
        }
        return false;
      case Primitive::Court:
      case Primitive::Long:
      case Primitive::MoisJour:
      case Primitive::SiecleAnnee: return StockeEntier(champ, lue.entier);
      case Primitive::Date: return StockeEntier(champ, lue.date);
      case Primitive::Reel:
        if (auto* const* reel = std::get_if<double*>(&champ); reel != nullptr && DecimalCourt(valeur)) {
          **reel = lue.reel;
          return true;
        }
        break;
      case Primitive::ReelFormat: break;
    }
    // Through the letter library, both ways, as the full path does.
    m_texte.assign(valeur);
    structLettre* donnee = m_donnee.Prend(d.code, m_texte);
    lettres::TransfertChamp(champ, d, donnee, 0);
    structLettre* relue = m_relue.Prend(d.code, {});
    lettres::TransfertChamp(champ, d, relue, 1);
    return MemeValeur(d.type(), m_texte, m_relue.valeur());
  }

 private:
  std::string m_texte;
  LettreTemporaire m_donnee, m_relue;
};

// The letters the file has given each record so far, a bit per letter of its kind (its rank
// in its group), and one more for the record being named by some letter at all.
class Marques {
 public:
  // The words of the record at `position` of level `niveau` (0 for the root) under the owner
  // at `proprietaire`; made (all zero) as they are first asked for.
  std::uint64_t* Mots(int niveau, int proprietaire, int position) {
    std::vector<std::uint64_t>& v = niveau == 0 ? m_racine : Vecteur(niveau, proprietaire);
    const std::size_t n = Nombre(niveau), fin = (static_cast<std::size_t>(position) + 1) * n;
    if (v.size() < fin) v.resize(std::max(fin, v.size() * 3 / 2));
    return v.data() + static_cast<std::size_t>(position) * n;
  }
  // The same, null when nothing was marked there.
  const std::uint64_t* Trouve(int niveau, int proprietaire, int position) const {
    const std::vector<std::uint64_t>* v = &m_racine;
    if (niveau != 0) {
      const auto& parProprietaire = m_niveaux[static_cast<std::size_t>(niveau - kPremiereCle)];
      if (static_cast<std::size_t>(proprietaire) >= parProprietaire.size()) return nullptr;
      v = &parProprietaire[static_cast<std::size_t>(proprietaire)];
    }
    const std::size_t n = Nombre(niveau), debut = static_cast<std::size_t>(position) * n;
    return debut + n <= v->size() ? v->data() + debut : nullptr;
  }
  // The bit that says the record is named: after those of its letters.
  static std::size_t BitNomme(int niveau) { return Lettres(niveau); }
  static bool Marque(const std::uint64_t* mots, std::size_t bit) { return (mots[bit / 64] >> (bit % 64) & 1) != 0; }
  // Some letter of its own was given to the record of level `niveau` whose words are `mots`.
  static bool UneLettre(int niveau, const std::uint64_t* mots) {
    if (mots == nullptr) return false;
    for (std::size_t bit = 0; bit < Lettres(niveau); ++bit)
      if (Marque(mots, bit)) return true;
    return false;
  }

 private:
  static constexpr int kPremiereCle = 300, kNombreCles = 11;

  // Letters of a record of the level: those the dictionary reaches with its levels.
  static std::size_t Lettres(int niveau) {
    static const auto lettres = [] {
      std::array<std::size_t, kNombreCles + 1> n{};
      n[kNombreCles] = EntreesDesNiveaux({}).size();
      for (const Niveau& niv : Niveaux()) {
        std::vector<int> niveaux{niv.cle};
        if (niv.parent != 0) niveaux.insert(niveaux.begin(), niv.parent);
        n[static_cast<std::size_t>(niv.cle - kPremiereCle)] = EntreesDesNiveaux(niveaux).size();
      }
      return n;
    }();
    return lettres[niveau == 0 ? kNombreCles : static_cast<std::size_t>(niveau - kPremiereCle)];
  }
  static std::size_t Nombre(int niveau) { return Lettres(niveau) / 64 + 1; }

  std::vector<std::uint64_t>& Vecteur(int niveau, int proprietaire) {
    auto& parProprietaire = m_niveaux[static_cast<std::size_t>(niveau - kPremiereCle)];
    if (parProprietaire.size() <= static_cast<std::size_t>(proprietaire))
      parProprietaire.resize(static_cast<std::size_t>(proprietaire) + 1);
    return parProprietaire[static_cast<std::size_t>(proprietaire)];
  }

  std::vector<std::uint64_t> m_racine;
  std::array<std::vector<std::vector<std::uint64_t>>, kNombreCles> m_niveaux;
};

// The vector of records of one level under one owner, reached once and kept until records are
// added anywhere (vectors may then move).
struct Vecteur {
  void* vecteur = nullptr;  // a std::vector of the level's records
  int proprietaire = -1;
  std::size_t (*taille)(const void* vecteur) = nullptr;
  const GroupeLettres* groupe = nullptr;
  // The holders of every field of the record at `position` (arbre::ChampsSousArbre::Objets).
  void (*objets)(void* vecteur, std::size_t position, std::vector<void*>& objets) = nullptr;
  // Its code, for the levels whose records have one.
  const std::string* (*code)(void* vecteur, std::size_t position) = nullptr;
};

class Chargeur {
 public:
  Chargeur() : m_racine(std::make_unique<TDonnee2072>()) {}

  bool Prend(const LettreRapide& l) {
    ++m_lettres;
    const EntreeDictionnaire* e =
        l.code >= lettres::kPremierCode && l.code < lettres::kPremierCode + lettres::kEtendueCodes
            ? zorfiscal2072::EntreeDictionnaire2072(static_cast<int>(l.code))
            : nullptr;
    if (e == nullptr || !e->parLaRacine || l.index.size() != e->niveaux.size()) return false;
    for (std::size_t k = 0; k < l.index.size(); ++k)
      if (l.index[k].first != e->niveaux[k]) return false;
    if (m_groupe == nullptr || !std::equal(l.index.begin(), l.index.end(), m_index.begin(), m_index.end())) {
      m_index.assign(l.index.begin(), l.index.end());
      if (!Enregistrement()) return false;
    }
    const int k = m_groupe->Rang(l.code);
    if (k < 0) return false;
    std::uint64_t& mot = m_mots[static_cast<std::size_t>(k) / 64];
    const std::uint64_t bit = std::uint64_t{1} << (static_cast<std::size_t>(k) % 64);
    if ((mot & bit) != 0) return false;  // given twice
    mot |= bit;
    const auto champ = m_groupe->champs[static_cast<std::size_t>(k)].dans(m_objets);
    if (!champ || !m_stockage.Stocke(e->lettre, *champ, l.valeur)) return false;
    m_references |= e->lettre.role == lettres::Role::Reference || e->lettre.role == lettres::Role::Position;
    if (ValeurAControler(e->lettre, l.valeur))
      m_aControler.push_back({m_lettres, l.code, Index(l.index.begin(), l.index.end()), std::string(l.valeur)});
    return true;
  }

  // What loading does once every letter is in: the file's codes in place of those made up,
  // every field naming a record following, the references checked.
  bool Termine(long annee) {
    Rapport rapport;  // the full path names what this one finds
    VerifieValeurs(m_aControler, annee, rapport);
    if (!rapport.vide() || !rapport.avertissements().empty()) return false;
    m_aControler = {};
    for (const auto& [cle, position] : m_nommesParUnPar)
      if (!Marques::UneLettre(cle, m_marques.Trouve(cle, 0, position))) return false;
    std::unordered_map<std::string, std::string> nouveau;
    for (const Niveau& n : Niveaux())
      if (n.lettreCle != 0 && !ControleCodes(n.cle, nouveau)) return false;
    if (m_references && !ControleReferences()) return false;
    RepointeCodes(*m_racine, nouveau);
    m_racine->setAnnee(annee);
    // The choice lists of the transfers carry the partners' codes and names.
    m_racine->MajListeAssocieCessionnaire();
    m_racine->MajListeAssocieCedant();
    return true;
  }

  std::unique_ptr<TDonnee2072> racine() { return std::move(m_racine); }
  TDonnee2072& declaration() { return *m_racine; }

  // The codes the file gives its records, read from the records whose code letter it gives.
  std::unordered_set<std::string> CodesDonnes(const TDonnee2072& racine) const {
    std::unordered_set<std::string> codes;
    for (const Niveau& n : Niveaux()) {
      if (n.lettreCle == 0) continue;
      const int rang = GroupeDe(n.cle).Rang(n.lettreCle);
      arbre::AtteintNiveau(racine, n.cle, TIndex{}, [&](const auto& p, const auto& enfant) {
        const auto& vecteur = p.*enfant.champ;
        for (std::size_t k = 0; k < vecteur.size(); ++k)
          if (const std::uint64_t* mots = m_marques.Trouve(n.cle, 0, static_cast<int>(k));
              mots != nullptr && Marques::Marque(mots, static_cast<std::size_t>(rang)))
            if (const std::string* code = arbre::ChampCle(vecteur[k])) codes.insert(*code);
      });
    }
    return codes;
  }
  // The file gives letter `code` of the property at `position`.
  bool Donne(long long code, std::size_t position) const {
    const int rang = GroupeDe(zorfiscal2072::kNiveauPropriete).Rang(code);
    const std::uint64_t* mots = m_marques.Trouve(zorfiscal2072::kNiveauPropriete, 0, static_cast<int>(position));
    return rang >= 0 && mots != nullptr && Marques::Marque(mots, static_cast<std::size_t>(rang));
  }

 private:
  // The record of the current index, created with the records on its way when needed; its
  // fields and marks.
  bool Enregistrement() {
    if (m_index.empty()) {
      m_groupe = &GroupeLettres::De<TDonnee2072>();
      arbre::ChampsSousArbre<TDonnee2072>::Instance().Objets(*m_racine, m_objets);
      m_mots = m_marques.Mots(0, 0, 0);
      return true;
    }
    if (m_index.size() > 2) return false;
    const auto [cle, position] = m_index[0];
    if (!Assure(cle, 0, position)) return false;
    if (m_index.size() == 1) return Atteint(cle, 0, position);
    const auto [sousCle, sousPosition] = m_index[1];
    if (TrouveNiveau(sousCle)->parent != cle || !Assure(sousCle, position, sousPosition)) return false;
    return Atteint(sousCle, position, sousPosition);
  }

  // The record at `position` of the level under the owner: its group, fields and marks.
  bool Atteint(int cle, int proprietaire, int position) {
    const Vecteur* v = Atteint(cle, proprietaire);
    if (v == nullptr) return false;
    m_groupe = v->groupe;
    v->objets(v->vecteur, static_cast<std::size_t>(position), m_objets);
    m_mots = m_marques.Mots(cle, proprietaire, position);
    return true;
  }

  // The record at `position` of level `cle` under the owner at `proprietaire` is named: it
  // exists once the bounds allow it, created the way loading creates records.
  bool Assure(int cle, int proprietaire, int position) {
    std::uint64_t* mots = m_marques.Mots(cle, proprietaire, position);
    const std::size_t bit = Marques::BitNomme(cle);
    if (!Marques::Marque(mots, bit)) {
      mots[bit / 64] |= std::uint64_t{1} << (bit % 64);
      if (!m_bornes.Nomme(cle, proprietaire, position, m_lettres)) return false;
    }
    const Vecteur* v = Atteint(cle, proprietaire);
    if (v == nullptr) return false;
    const std::size_t avant = v->taille(v->vecteur);
    if (static_cast<std::size_t>(position) < avant) return true;
    const Niveau& n = *TrouveNiveau(cle);
    if (n.parPositionDe != 0) {
      // A share or distribution named before its property or sale (a partner's statement
      // comes before the sales): that record is made now, with one of these in every
      // partner; the file must name it by letters of its own (checked at the end).
      if (!Assure(n.parPositionDe, 0, position)) return false;
      m_nommesParUnPar.emplace_back(n.parPositionDe, position);
      const Vecteur* apres = Atteint(cle, proprietaire);
      return apres != nullptr && static_cast<std::size_t>(position) < apres->taille(apres->vecteur);
    }
    // "Autre" moves with the count of partners: once transfers of shares exist, partners
    // added now would change them.
    if (n.lettreCle != 0 && n.parent != 0) return false;
    if (cle == zorfiscal2072::kNiveauAssocie) {
      const Vecteur* transferts = Atteint(zorfiscal2072::kNiveauCessionParts, 0);
      if (transferts == nullptr || transferts->taille(transferts->vecteur) > 0) return false;
    }
    const std::size_t nombre = static_cast<std::size_t>(position) + 1;
    const TIndex index = IndexDuProprietaire(cle, proprietaire);
    // Records come one at a time: room for twice as many each time the vector is full, not
    // one more.
    arbre::AtteintNiveau(*m_racine, cle, index, [&](auto& p, const auto& enfant) {
      auto& vecteur = p.*enfant.champ;
      if (vecteur.capacity() < nombre) vecteur.reserve(std::max(nombre, vecteur.capacity() * 2));
    });
    if (cle == zorfiscal2072::kNiveauAssocie)  // the transfers' lists of partners are made once, at the end
      m_racine->AjouteAssociesSansListes(static_cast<int>(nombre - avant));
    else
      Complete(*m_racine, cle, proprietaire, nombre);
    for (Vecteur& atteint : m_vecteurs) atteint.vecteur = nullptr;  // they may have moved
    if (n.lettreCle != 0) {
      const Vecteur* cree = Atteint(cle, proprietaire);
      if (cree == nullptr) return false;
      for (std::size_t k = avant; k < nombre; ++k) m_generes[cle].push_back(*cree->code(cree->vecteur, k));
    }
    return true;
  }

  static TIndex IndexDuProprietaire(int cle, int proprietaire) {
    TIndex index;
    if (const int parent = TrouveNiveau(cle)->parent; parent != 0) index.setValeurIndex(parent, proprietaire);
    return index;
  }

  const Vecteur* Atteint(int cle, int proprietaire) {
    Vecteur& v = m_vecteurs[static_cast<std::size_t>(cle - 300)];
    if (v.vecteur != nullptr && v.proprietaire == proprietaire) return &v;
    v.vecteur = nullptr;
    arbre::AtteintNiveau(*m_racine, cle, IndexDuProprietaire(cle, proprietaire), [&](auto& p, const auto& enfant) {
      using T = typename std::decay_t<decltype(enfant)>::Enregistrement;
      v.vecteur = &(p.*enfant.champ);
      v.proprietaire = proprietaire;
      v.taille = [](const void* vecteur) { return static_cast<const std::vector<T>*>(vecteur)->size(); };
      v.groupe = &GroupeLettres::De<T>();
      v.objets = [](void* vecteur, std::size_t position, std::vector<void*>& objets) {
        arbre::ChampsSousArbre<T>::Instance().Objets((*static_cast<std::vector<T>*>(vecteur))[position], objets);
      };
      v.code = [](void* vecteur, std::size_t position) {
        return arbre::ChampCle((*static_cast<std::vector<T>*>(vecteur))[position]);
      };
    });
    return v.vecteur != nullptr ? &v : nullptr;
  }

  static const GroupeLettres& GroupeDe(int cle) {
    const GroupeLettres* groupe = nullptr;
    arbre::AtteintNiveau(RacineModele(), cle, IndexDuProprietaire(cle, 0), [&](auto&, const auto& enfant) {
      groupe = &GroupeLettres::De<typename std::decay_t<decltype(enfant)>::Enregistrement>();
    });
    return *groupe;
  }

  // The codes of one level: made up at creation, given by the file since. As loading checks
  // them: a code the file gives is not empty nor another record's.
  bool ControleCodes(int cle, std::unordered_map<std::string, std::string>& nouveau) {
    const Vecteur* v = Atteint(cle, 0);
    if (v == nullptr) return true;
    const std::vector<std::string>& generes = m_generes[cle];
    const std::size_t nombre = v->taille(v->vecteur);
    if (generes.size() != nombre) return false;
    std::unordered_map<std::string, std::size_t> vus;
    for (std::size_t i = 0; i < nombre; ++i) {
      const std::string* final = v->code(v->vecteur, i);
      if (final == nullptr) return false;
      if (*final == generes[i]) {
        vus.emplace(*final, i);
        continue;
      }
      nouveau.emplace(generes[i], *final);
      if (final->empty() || !vus.emplace(*final, i).second) return false;
    }
    return true;
  }

  // The letters that name records, as loading checks them (References), with the values they
  // gave, still in their fields.
  bool ControleReferences() {
    Codes generes;
    for (const auto& [cle, codes] : m_generes) generes[cle] = codes;
    for (const Niveau& n : Niveaux())
      if (n.lettreCle != 0) generes[n.cle];
    const References references(*m_racine);
    bool bon = true;
    LettreFichier lettre;
    ParcourtEnregistrements(*m_racine, [&](const LettresEnregistrement& enregistrement, const Index& index, bool) {
      if (!bon) return;
      const std::uint64_t* mots = index.empty() ? m_marques.Trouve(0, 0, 0)
                                  : index.size() == 1
                                      ? m_marques.Trouve(index[0].first, 0, index[0].second)
                                      : m_marques.Trouve(index[1].first, index[0].second, index[1].second);
      if (mots == nullptr) return;
      for (std::size_t k = 0; k < enregistrement.size(); ++k) {
        const lettres::Role role = enregistrement.groupe().entrees[k]->lettre.role;
        if ((role != lettres::Role::Reference && role != lettres::Role::Position) || !Marques::Marque(mots, k))
          continue;
        lettre.code = enregistrement.code(k);
        lettre.index = index;
        lettre.valeur.assign(enregistrement.Texte(k));
        if (!references.Probleme(lettre, &generes).empty()) bon = false;
      }
    });
    return bon;
  }

  std::unique_ptr<TDonnee2072> m_racine;
  Stockage m_stockage;
  Marques m_marques;
  BornesEnCours m_bornes;
  std::array<Vecteur, 11> m_vecteurs;
  std::map<int, std::vector<std::string>> m_generes;  // codes made up at creation, by level
  bool m_references = false;                          // some letter names a record
  std::size_t m_lettres = 0;                          // read so far
  std::vector<LettreFichier> m_aControler;            // the letters whose values lists and shapes check
  std::vector<std::pair<int, int>> m_nommesParUnPar;  // properties and sales a share or distribution named
  // The record the last letters went to.
  Index m_index;
  const GroupeLettres* m_groupe = nullptr;
  std::vector<void*> m_objets;
  std::uint64_t* m_mots = nullptr;
};

}  // namespace

DeclarationChargee ChargeRapide(const SourceTexte& source) {
  auto chargeur = std::make_shared<Chargeur>();
  const auto annee = LitLettresRapide(source, [&](const LettreRapide& l) { return chargeur->Prend(l); });
  if (!annee || !chargeur->Termine(*annee)) return {};
  DeclarationChargee d;
  const TDonnee2072& racine = chargeur->declaration();
  d.racine = chargeur->racine();
  d.donne = [chargeur](long long code, std::size_t propriete) { return chargeur->Donne(code, propriete); };
  d.codesDonnes = [chargeur, &racine] { return chargeur->CodesDonnes(racine); };
  return d;
}

}  // namespace hote2072
