#include "chargement/modification.h"

#include <algorithm>

#include "chargement/codes.h"
#include "chargement/lettre.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"
#include "format/nomschamps.h"
#include "services/collections.h"

namespace hote2072 {

using zorfiscal2072::EntreeDictionnaire;

namespace {

Issue Refuse(Refus refus, std::string message) { return {refus, std::move(message)}; }

// The entry of `code`, the index checked against it, and whether the record the index names
// exists: `nouveau` is set when it is the next record of its level, which only a change may
// create.
Issue Atteint(const TDonnee2072& racine, int code, Index& index, bool creation, const EntreeDictionnaire*& e,
              bool& nouveau) {
  std::sort(index.begin(), index.end());
  const LettreFichier lettre{0, code, index, {}};
  e = zorfiscal2072::EntreeDictionnaire2072(code);
  if (e == nullptr) return Refuse(Refus::Usage, DecritLettre(lettre) + ": unknown code: no letter of the form has it");
  if (!e->parLaRacine)
    return Refuse(Refus::Usage, DecritLettre(lettre) + ": this letter belongs to " + e->enregistrement +
                                    ", a cumulative record that no declaration holds");
  for (std::size_t k = 1; k < index.size(); ++k)
    if (index[k].first == index[k - 1].first)
      return Refuse(Refus::Usage, DecritLettre(lettre) + ": level " + std::to_string(index[k].first) + " given twice");
  if (const auto problemes = ProblemesIndex(*e, index); !problemes.empty())
    return Refuse(Refus::Usage, DecritLettre(lettre) + ": " + problemes.front());
  nouveau = false;
  for (std::size_t k = 0; k < e->niveaux.size(); ++k) {
    const Niveau& n = *TrouveNiveau(e->niveaux[k]);
    const int position = PositionDans(index, n.cle);
    const int parent = n.parent == 0 ? 0 : PositionDans(index, n.parent);
    const auto nombre = static_cast<long long>(Nombre(racine, n.cle, parent));
    if (position >= 0 && position < nombre) continue;
    const bool dernier = k + 1 == e->niveaux.size();
    if (creation && dernier && position == nombre && n.parPositionDe == 0) {
      nouveau = true;
      continue;
    }
    return Refuse(Refus::Usage,
                  DecritLettre(lettre) + ": there is no " + n.nom + " " + std::to_string(position) + " (" +
                      std::to_string(nombre) + " " + (nombre == 1 ? n.nom : n.pluriel) +
                      (creation && dernier && n.parPositionDe == 0 ? "; the next position adds one)" : ")"));
  }
  return {};
}

// A record's code: not empty, and no other record of its level has it.
std::string ProblemeCle(const Codes& codes, const Niveau& niveau, int position, const std::string& valeur) {
  if (valeur.empty()) return std::string("a ") + niveau.nom + "'s code cannot be empty";
  const auto it = codes.find(niveau.cle);
  if (it == codes.end()) return {};
  for (std::size_t k = 0; k < it->second.size(); ++k)
    if (static_cast<int>(k) != position && it->second[k] == valeur)
      return std::string("duplicate code: ") + niveau.nom + " " + std::to_string(k) + " already has code " +
             TexteJson(valeur);
  return {};
}

}  // namespace

Issue CodeDuChamp(std::string_view champ, const Index& index, int& code) {
  std::string probleme;
  const long long trouve = CodeNomme({false, 0, champ, {}}, index, probleme);
  if (trouve < 0) return Refuse(Refus::Usage, probleme);
  code = static_cast<int>(trouve);
  return {};
}

Issue LitLettre(TDonnee2072& racine, int code, Index index, std::string& valeur) {
  const EntreeDictionnaire* e = nullptr;
  bool nouveau = false;
  if (Issue issue = Atteint(racine, code, index, false, e, nouveau); !issue.reussie()) return issue;
  LettreTemporaire lettre;
  racine.TransfertUneLettre(lettre.Prend(code, {}), VersTIndex(index), 1);
  valeur = lettre.valeur();
  return {};
}

Issue ChangeLettre(TDonnee2072& racine, int code, Index index, const std::string& valeur) {
  const EntreeDictionnaire* e = nullptr;
  bool nouveau = false;
  if (Issue issue = Atteint(racine, code, index, true, e, nouveau); !issue.reussie()) return issue;
  const LettreFichier lettre{0, code, index, valeur};
  if (std::string probleme = ProblemeValeur(e->lettre, valeur); !probleme.empty())
    return Refuse(Refus::Valeur, DecritLettre(lettre) + ": " + probleme);

  // What the letter says of other records, checked before anything changes.
  const References references(racine);
  const Niveau* cle = e->lettre.role == lettres::Role::Cle ? NiveauDeLaCle(code) : nullptr;
  const int position = cle ? PositionDans(index, cle->cle) : 0;
  std::string probleme =
      cle ? ProblemeCle(references.codes(), *cle, position, valeur) : references.Probleme(lettre, nullptr);
  if (!probleme.empty()) return Refuse(Refus::Valeur, DecritLettre(lettre) + ": " + probleme);

  if (nouveau) {
    const Niveau& n = *TrouveNiveau(e->niveaux.back());
    Complete(racine, n.cle, n.parent == 0 ? 0 : PositionDans(index, n.parent),
             static_cast<std::size_t>(PositionDans(index, n.cle)) + 1);
  }
  const TIndex tindex = VersTIndex(index);
  LettreTemporaire ancienne, donnee, relue;
  racine.TransfertUneLettre(ancienne.Prend(code, {}), tindex, 1);
  const std::string avant = ancienne.valeur();
  racine.TransfertUneLettre(donnee.Prend(code, valeur), tindex, 0);
  racine.TransfertUneLettre(relue.Prend(code, {}), tindex, 1);
  if (!MemeValeur(e->lettre.type(), valeur, relue.valeur())) {
    if (nouveau)
      SupprimeEnregistrement(racine, index);  // the record the change created
    else
      racine.TransfertUneLettre(donnee.Prend(code, avant), tindex, 0);
    return Refuse(Refus::Valeur, DecritLettre(lettre) + ": the field cannot hold this value exactly: it would keep " +
                                     TexteJson(relue.valeur()));
  }
  if (cle && avant != valeur) RepointeCodes(racine, {{avant, valeur}}, cle->cle);
  return {};
}

}  // namespace hote2072
