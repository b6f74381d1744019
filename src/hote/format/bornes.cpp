#include "format/bornes.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "chargement/verification.h"
#include "niveaux2072.h"

namespace hote2072 {

namespace {

// A record named by a letter: its level, its owner's position (0 under the root), its own.
// Positions are below 2^20, so one integer holds all three and sorts by level, then owner.
using Cle = std::uint64_t;
constexpr int kBits = 20;
Cle Groupe(int niveau, int proprietaire) {
  return (static_cast<Cle>(niveau) << kBits | static_cast<Cle>(proprietaire)) << kBits;
}
Cle GroupeDe(Cle c) { return c >> kBits << kBits; }

std::string Nombre(std::size_t n) { return std::to_string(n); }

struct Effectif {
  std::size_t nommes = 0;  // distinct positions the letters name
  std::size_t crees = 0;   // records loading would create: highest position + 1
  bool compte = false;     // added to its level's total
};

// For each level and owner, the records the letters name and those loading would create.
std::unordered_map<Cle, Effectif> EffectifsNommes(const FichierDeclaration& fichier) {
  std::vector<Cle> cles;
  std::unordered_map<int, Cle> derniere;  // letters of one record usually follow each other
  for (const LettreFichier& l : fichier.lettres)
    for (const auto& [niveau, position] : l.index) {
      const Niveau* n = TrouveNiveau(niveau);
      const int proprietaire = n == nullptr || n->parent == 0 ? 0 : PositionDans(l.index, n->parent);
      if (n == nullptr || proprietaire < 0 || n->parPositionDe != 0) continue;  // reported elsewhere; never created
      const Cle c = Groupe(niveau, proprietaire) | static_cast<Cle>(position);
      if (auto [it, nouveau] = derniere.try_emplace(niveau, c); nouveau || it->second != c) {
        it->second = c;
        cles.push_back(c);
      }
    }
  if (!std::is_sorted(cles.begin(), cles.end())) std::sort(cles.begin(), cles.end());
  cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
  std::unordered_map<Cle, Effectif> effectifs;
  for (const Cle c : cles) {
    Effectif& e = effectifs[GroupeDe(c)];
    ++e.nommes;
    e.crees = static_cast<std::size_t>(c - GroupeDe(c)) + 1;  // keys ascend within a group
  }
  return effectifs;
}

std::string DeQui(const Niveau& n, int proprietaire) {
  const Niveau* parent = TrouveNiveau(n.parent);
  return parent == nullptr ? "" : std::string(" of ") + parent->nom + " " + std::to_string(proprietaire);
}

}  // namespace

std::size_t EnregistrementsPermis(std::size_t lettres) {
  return std::max(kEnregistrementsLibres, lettres * kEnregistrementsParLettre);
}

void VerifieBornes(const FichierDeclaration& fichier, Rapport& rapport) {
  std::unordered_map<Cle, Effectif> effectifs = EffectifsNommes(fichier);
  std::unordered_map<int, std::size_t> totaux;
  std::size_t associes = 0, proprietes = 0, cessions = 0;
  std::size_t enregistrements = 0;  // every record of every level asked for so far
  const std::size_t permis = EnregistrementsPermis(fichier.lettres.size());
  bool tropQuotes = false, tropRepartitions = false, tropEnregistrements = false;
  for (const LettreFichier& l : fichier.lettres) {
    for (const auto& [niveau, position] : l.index) {
      const Niveau* n = TrouveNiveau(niveau);
      const int proprietaire = n == nullptr || n->parent == 0 ? 0 : PositionDans(l.index, n->parent);
      const auto it = effectifs.find(Groupe(niveau, proprietaire));
      if (n == nullptr || proprietaire < 0 || it == effectifs.end()) continue;
      Effectif& e = it->second;
      if (e.crees > e.nommes + kEcartMax && static_cast<std::size_t>(position) + 1 == e.crees) {
        rapport.Ajoute(l, "position " + Nombre(e.crees - 1) + " would create " + Nombre(e.crees) + " " + n->pluriel +
                              DeQui(*n, proprietaire) + ", but the file's letters name " + Nombre(e.nommes) +
                              "; a position may lie at most " + Nombre(kEcartMax) + " beyond the records named");
        e.nommes = e.crees;  // reported once
      }
      if (!e.compte && static_cast<std::size_t>(position) + 1 == e.crees) {  // the letter that asks for them all
        e.compte = true;
        std::size_t& total = totaux[niveau];
        const bool avant = total > kEnregistrementsMax;
        total += e.crees;
        enregistrements += e.crees;
        if (!avant && total > kEnregistrementsMax)
          rapport.Ajoute(l, "the file's letters would create more than " + Nombre(kEnregistrementsMax) + " " +
                                n->pluriel + "; a declaration holds at most that many records of one level");
        if (n->parent == 0) {
          if (niveau == zorfiscal2072::kNiveauAssocie) associes = e.crees;
          if (niveau == zorfiscal2072::kNiveauPropriete) proprietes = e.crees;
          if (niveau == zorfiscal2072::kNiveauCession) cessions = e.crees;
        }
      }
    }
    const auto plafond = [&](std::size_t autres, const char* quoi, const char* pluriel, const char* quotes, bool& dit) {
      if (dit || associes * autres <= kQuotesMax) return;
      dit = true;
      rapport.Ajoute(l, "the file's letters would create " + Nombre(associes) + " partners and " + Nombre(autres) +
                            " " + pluriel + ", that is " + Nombre(associes * autres) + " " + quotes +
                            " (one per partner and " + quoi + "); a declaration holds at most " + Nombre(kQuotesMax));
    };
    plafond(proprietes, "property", "properties", "shares", tropQuotes);
    plafond(cessions, "sale", "sales", "distributions", tropRepartitions);
    const std::size_t tous = enregistrements + associes * (proprietes + cessions);
    if (!tropEnregistrements && !tropQuotes && !tropRepartitions && tous > permis) {
      tropEnregistrements = true;
      rapport.Ajoute(l, "the file's letters would create " + Nombre(tous) + " records (" + Nombre(associes) +
                            " partners, " + Nombre(proprietes) + " properties, " + Nombre(cessions) +
                            " sales, a share per partner and property, a distribution per partner and sale), but "
                            "the file holds " +
                            Nombre(fichier.lettres.size()) + " letters: beyond " + Nombre(kEnregistrementsLibres) +
                            " records, loading creates at most " + Nombre(kEnregistrementsParLettre) +
                            " per letter of the file");
    }
  }
}

bool BornesEnCours::Nomme(int niveau, int proprietaire, int position, std::size_t lettres) {
  const Niveau* n = TrouveNiveau(niveau);
  if (n == nullptr || n->parPositionDe != 0) return true;  // never created by letters
  Effectif& e = m_effectifs[Groupe(niveau, proprietaire)];
  ++e.nommes;
  const std::size_t crees = std::max(e.crees, static_cast<std::size_t>(position) + 1);
  if (crees > e.nommes + kEcartMax) return false;
  std::size_t& total = m_totaux[niveau];
  total += crees - e.crees;
  m_enregistrements += crees - e.crees;
  e.crees = crees;
  if (total > kEnregistrementsMax) return false;
  if (n->parent == 0) {
    if (niveau == zorfiscal2072::kNiveauAssocie) m_associes = crees;
    if (niveau == zorfiscal2072::kNiveauPropriete) m_proprietes = crees;
    if (niveau == zorfiscal2072::kNiveauCession) m_cessions = crees;
  }
  return m_associes * m_proprietes <= kQuotesMax && m_associes * m_cessions <= kQuotesMax &&
         m_enregistrements + m_associes * (m_proprietes + m_cessions) <= EnregistrementsPermis(lettres);
}

}  // namespace hote2072
