#include "services/controle.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <unordered_set>

#include "dictionnaire2072.h"
#include "format/declaration.h"
#include "lettres.h"
#include "services/explications.h"

namespace hote2072 {

namespace {

using zorfiscal2072::DonneMessage;
using enum EnregistrementMessage;

// The level of the record each kind of message concerns (0 for the declaration's own), and
// the words of the two kinds that are no level.
struct Genre {
  EnregistrementMessage enregistrement;
  int niveau;
  const char* nom = nullptr;
  const char* nomFrancais = nullptr;  // the summary's wording
};
constexpr Genre kGenres[] = {
    {Aucun, 0, "declaration", "déclaration"},           {General, 0, "general information", "informations générales"},
    {Cession, zorfiscal2072::kNiveauCession},           {Associe, zorfiscal2072::kNiveauAssocie},
    {Propriete, zorfiscal2072::kNiveauPropriete},       {Locataire, zorfiscal2072::kNiveauLocataire},
    {Beneficiaire, zorfiscal2072::kNiveauBeneficiaire}, {Composant, zorfiscal2072::kNiveauComposant},
    {CessionParts, zorfiscal2072::kNiveauCessionParts},
};
const Genre& GenreDe(EnregistrementMessage e) {
  return *std::find_if(std::begin(kGenres), std::end(kGenres), [e](const Genre& g) { return g.enregistrement == e; });
}

// The levels that name a record of the kind, outermost first.
std::vector<int> Cles(const Genre& genre) {
  std::vector<int> cles;
  for (const Niveau* n = TrouveNiveau(genre.niveau); n != nullptr; n = TrouveNiveau(n->parent))
    cles.insert(cles.begin(), n->cle);
  return cles;
}

const char* Nom(const Genre& genre, bool francais) {
  if (genre.niveau == 0) return francais ? genre.nomFrancais : genre.nom;
  const Niveau& n = *TrouveNiveau(genre.niveau);
  return francais ? n.nomFrancais : n.nom;
}

// The record at `position` of a list, or null.
template <class T>
const T* A(const std::vector<T>& liste, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < liste.size() ? &liste[static_cast<std::size_t>(position)]
                                                                            : nullptr;
}

// ` "name" (code X)`, each part only when not empty; no character of the file acts on the
// terminal that shows it. `codes`, when given, holds the only codes to show.
std::string Nomme(const std::string& nom, const std::string& code, const std::unordered_set<std::string>* codes) {
  std::string s;
  if (!nom.empty()) s.append(" ").append(lettres::Lisible(TexteJson(nom)));
  if (!code.empty() && (codes == nullptr || codes->count(code) != 0))
    s.append(" (code ").append(lettres::Lisible(TexteJson(code))).append(")");
  return s;
}

}  // namespace

std::vector<MessageTrouve> ControleEcran(TDonnee2072& racine, const Index& index, bool arret) {
  TJournalMessages journal(arret ? 1 : 0);
  struTEcranLettre ecran{0};
  racine.Controle(&journal, &ecran, VersTIndex(index));
  std::vector<MessageTrouve> messages;
  for (const TJournalMessages::Entree& e : journal.Messages()) {
    const auto* m = DonneMessage(e.numero);
    MessageTrouve t{m ? m->enregistrement : Aucun, {}, e.numero, e.curseur};
    for (int cle : Cles(GenreDe(t.enregistrement))) t.index.emplace_back(cle, PositionDans(index, cle));
    messages.push_back(std::move(t));
  }
  return messages;
}

std::vector<MessageTrouve> ControleDeclaration(TDonnee2072& racine) {
  std::vector<MessageTrouve> tous;
  const auto controle = [&](EnregistrementMessage genre, const Index& index) {
    for (MessageTrouve& m : ControleEcran(racine, index, false))
      if (m.enregistrement == genre) tous.push_back(std::move(m));
  };
  // Each record of a kind under its owner, then what it holds.
  const std::function<void(EnregistrementMessage, const Index&, const std::function<void(const Index&)>&)> chacun =
      [&](EnregistrementMessage genre, const Index& proprietaire, const std::function<void(const Index&)>& ensuite) {
        const Niveau& n = *TrouveNiveau(GenreDe(genre).niveau);
        const auto nombre = Nombre(racine, n.cle, n.parent == 0 ? 0 : PositionDans(proprietaire, n.parent));
        for (std::size_t k = 0; k < nombre; ++k) {
          Index index = proprietaire;
          index.emplace_back(n.cle, static_cast<int>(k));
          std::sort(index.begin(), index.end());
          controle(genre, index);
          if (ensuite) ensuite(index);
        }
      };
  controle(General, {});
  chacun(Cession, {}, nullptr);
  chacun(Associe, {}, nullptr);
  chacun(Propriete, {}, [&](const Index& propriete) {
    for (EnregistrementMessage genre : {Locataire, Beneficiaire, Composant}) chacun(genre, propriete, nullptr);
  });
  chacun(CessionParts, {}, nullptr);
  return tous;
}

namespace {

// The file's wording counts positions from 0, as indexes do; the French one from 1, as the
// summary numbers properties and partners.
std::string Decrit(const TDonnee2072& racine, const MessageTrouve& message, bool francais,
                   const std::unordered_set<std::string>* codes) {
  const Genre& genre = GenreDe(message.enregistrement);
  const char* nom = Nom(genre, francais);
  if (genre.niveau == 0) return nom;
  const int premier = francais ? 1 : 0;
  const int position = PositionDans(message.index, genre.niveau);
  std::string s = std::string(nom) + " " + std::to_string(position + premier);
  switch (message.enregistrement) {
    case Cession:
      if (const auto* c = A(racine.getOperationSociete().getCession(), position))
        s += Nomme(c->getLibelle(), c->getCodeCession(), codes);
      break;
    case Associe:
      if (const auto* a = A(racine.getAssocie2072(), position))
        s += Nomme(a->DonneDesignation(), a->getCodeAssocie(), codes);
      break;
    case Locataire:
    case Beneficiaire:
    case Composant: s += francais ? " de l'" : " of "; [[fallthrough]];
    case Propriete: {
      const int p = PositionDans(message.index, zorfiscal2072::kNiveauPropriete);
      if (message.enregistrement != Propriete) {
        s.append(Nom(GenreDe(Propriete), francais));
        s.append(" ").append(std::to_string(p + premier));
      }
      if (const auto* propriete = A(racine.getPropriete2072(), p))
        s += Nomme(propriete->getNom(), propriete->getCodePropriete(), codes);
      break;
    }
    default: break;
  }
  return s;
}

}  // namespace

std::string DecritEnregistrement(const TDonnee2072& racine, const MessageTrouve& message) {
  return Decrit(racine, message, false, nullptr);
}

std::string DecritEnregistrementFrancais(const TDonnee2072& racine, const MessageTrouve& message,
                                         const std::unordered_set<std::string>* codes) {
  return Decrit(racine, message, true, codes);
}

std::string MessagesTexte(const TDonnee2072& racine, const std::vector<MessageTrouve>& messages) {
  std::string texte;
  for (const MessageTrouve& m : messages) {
    const auto* message = DonneMessage(m.numero);
    texte += DecritEnregistrement(racine, m) + ": " + std::to_string(m.numero) + " " +
             (message ? message->identifiant : "?");
    if (m.curseur != 0) {
      texte += ", cursor on " + std::to_string(m.curseur);
      if (const auto* e = zorfiscal2072::EntreeDictionnaire2072(m.curseur)) texte += std::string(" ") + e->lettre.champ;
    }
    texte += std::string(": ") + ExplicationMessage(m.numero) + "\n";
  }
  return texte;
}

std::string MessagesJson(const std::vector<MessageTrouve>& messages) {
  std::string json = "[";
  for (std::size_t k = 0; k < messages.size(); ++k) {
    const MessageTrouve& m = messages[k];
    const auto* message = DonneMessage(m.numero);
    json += k == 0 ? "\n  {\"index\": {" : ",\n  {\"index\": {";
    for (std::size_t i = 0; i < m.index.size(); ++i)
      json += (i ? ", \"" : "\"") + std::to_string(m.index[i].first) + "\": " + std::to_string(m.index[i].second);
    json += "}, \"number\": " + std::to_string(m.numero) +
            ", \"identifier\": " + TexteJson(message ? message->identifiant : "");
    if (m.curseur != 0) {
      json += ", \"cursor\": " + std::to_string(m.curseur);
      if (const auto* e = zorfiscal2072::EntreeDictionnaire2072(m.curseur))
        json += ", \"field\": " + TexteJson(e->lettre.champ);
    }
    json += ", \"text\": " + TexteJson(ExplicationMessage(m.numero)) + "}";
  }
  return json + (messages.empty() ? "]\n" : "\n]\n");
}

}  // namespace hote2072
