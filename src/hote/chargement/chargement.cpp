#include "chargement/chargement.h"

#include <map>
#include <unordered_map>

#include "arbre2072.h"
#include "chargement/codes.h"
#include "chargement/lettre.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"
#include "format/bornes.h"

namespace hote2072 {

using namespace zorfiscal2072;

namespace {

void CreeEnregistrements(TDonnee2072& racine, const Effectifs& effectifs) {
  for (const Niveau& n : Niveaux())
    for (auto it = effectifs.lower_bound({n.cle, 0}); it != effectifs.end() && it->first.first == n.cle; ++it)
      Complete(racine, n.cle, it->first.second, it->second);
}

// The codes of one kind after loading: the map from each generated code the file replaced,
// and the problems of empty and duplicate codes, reported at the letters that give them.
void ControleCodes(const std::vector<std::string>& generes, const std::vector<std::string>& finals,
                   const std::unordered_map<int, const LettreFichier*>& lettreDuCode, const char* nom,
                   std::unordered_map<std::string, std::string>& nouveau, Rapport& rapport) {
  std::unordered_map<std::string, std::size_t> vus;
  for (std::size_t i = 0; i < finals.size(); ++i) {
    if (finals[i] == generes[i]) {
      vus.emplace(finals[i], i);
      continue;
    }
    nouveau.emplace(generes[i], finals[i]);
    const LettreFichier& l = *lettreDuCode.at(static_cast<int>(i));
    if (finals[i].empty()) {
      rapport.Ajoute(l, std::string("a ") + nom + "'s code cannot be empty");
    } else if (const auto [it, seul] = vus.emplace(finals[i], i); !seul) {
      rapport.Ajoute(l, std::string("duplicate code: ") + nom + " " + std::to_string(it->second) +
                            " already has code " + TexteJson(finals[i]));
    }
  }
}

}  // namespace

std::unique_ptr<TDonnee2072> Charge(const FichierDeclaration& fichier, Rapport& rapport, const Controles& controles) {
  Verifie(fichier, rapport, controles);
  VerifieBornes(fichier, rapport);
  if (!rapport.vide()) return nullptr;

  auto racine = std::make_unique<TDonnee2072>();
  racine->setAnnee(fichier.annee);
  CreeEnregistrements(*racine, CompteEffectifs(fichier));
  const Codes generes = LitCodes(*racine);

  // The letter that gave each record its code, by level and position.
  std::map<int, std::unordered_map<int, const LettreFichier*>> lettreDuCode;
  LettreTemporaire donnee, relue;
  const auto charge = [&](auto& enregistrement, const LettreFichier& l, const TIndex& index) {
    if (!enregistrement.TransfertUneLettre(donnee.Prend(l.code, l.valeur), index, 0) ||
        !enregistrement.TransfertUneLettre(relue.Prend(l.code, {}), index, 1))
      rapport.Ajoute(l, "no record of the declaration took this letter");
    else if (const char type = EntreeDictionnaire2072(static_cast<int>(l.code))->lettre.type();
             !MemeValeur(type, l.valeur, relue.valeur()))
      rapport.Ajoute(l, std::string("the field cannot hold this value exactly: it keeps ") + TexteJson(relue.valeur()));
    if (const Niveau* n = NiveauDeLaCle(l.code)) lettreDuCode[n->cle][PositionDans(l.index, n->cle)] = &l;
  };
  // Every letter has passed the checks, so its index holds exactly its record's levels: the
  // record is reached directly, once for a run of letters with the same index (a record's
  // letters usually follow each other), rather than routing each letter from the root.
  const std::vector<LettreFichier>& lettres = fichier.lettres;
  for (std::size_t debut = 0, fin = 0; debut < lettres.size(); debut = fin) {
    for (fin = debut + 1; fin < lettres.size() && lettres[fin].index == lettres[debut].index;) ++fin;
    const TIndex index = VersTIndex(lettres[debut].index);
    const auto chargeSuite = [&](auto& enregistrement) {
      for (std::size_t k = debut; k < fin; ++k) charge(enregistrement, lettres[k], index);
    };
    const std::vector<int>& niveaux = EntreeDictionnaire2072(static_cast<int>(lettres[debut].code))->niveaux;
    if (niveaux.empty())
      chargeSuite(*racine);
    else if (!PourEnregistrementAuNiveau(*racine, niveaux.back(), index, chargeSuite))
      for (std::size_t k = debut; k < fin; ++k)
        rapport.Ajoute(lettres[k], "no record of the declaration took this letter");
  }

  const Codes finals = LitCodes(*racine);
  std::unordered_map<std::string, std::string> nouveau;
  for (const auto& [niveau, codes] : finals)
    ControleCodes(generes.at(niveau), codes, lettreDuCode[niveau], TrouveNiveau(niveau)->nom, nouveau, rapport);
  RepointeCodes(*racine, nouveau);
  ControleReferences(fichier.lettres, *racine, generes, rapport);
  if (!rapport.vide()) return nullptr;
  // The choice lists of the transfers carry the partners' codes and names.
  racine->MajListeAssocieCessionnaire();
  racine->MajListeAssocieCedant();
  return racine;
}

std::unordered_set<std::string> CodesDonnes(const FichierDeclaration& fichier) {
  std::unordered_set<std::string> codes;
  for (const LettreFichier& l : fichier.lettres)
    if (const auto* e = EntreeDictionnaire2072(static_cast<int>(l.code));
        e != nullptr && e->lettre.role == lettres::Role::Cle)
      codes.insert(l.valeur);
  return codes;
}

}  // namespace hote2072
