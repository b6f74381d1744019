#include "services/controle.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>
#include <unordered_set>

#include "dictionnaire2072.h"
#include "format/declaration.h"
#include "services/explications.h"

namespace hote2072 {

namespace {

using zorfiscal2072::DonneMessage;
using enum EnregistrementMessage;

// The levels that name a record of each kind, outermost first.
struct Genre {
  EnregistrementMessage enregistrement;
  std::vector<int> cles;
  const char* nom;
  const char* nomFrancais;  // the summary's wording
};
const std::vector<Genre>& Genres() {
  static const std::vector<Genre> kGenres{
      {Aucun, {}, "declaration", "déclaration"},
      {General, {}, "general information", "informations générales"},
      {Cession, {305}, "sale", "cession"},
      {Associe, {301}, "partner", "associé"},
      {Propriete, {300}, "property", "immeuble"},
      {Locataire, {300, 303}, "tenant", "locataire"},
      {Beneficiaire, {300, 304}, "beneficiary", "bénéficiaire"},
      {Composant, {300, 308}, "component", "composant"},
      {CessionParts, {309}, "transfer of shares", "cession de parts"},
  };
  return kGenres;
}
const Genre& GenreDe(EnregistrementMessage e) {
  return *std::find_if(Genres().begin(), Genres().end(), [e](const Genre& g) { return g.enregistrement == e; });
}

int Position(const Index& index, int cle) {
  for (const auto& [c, p] : index)
    if (c == cle) return p;
  return -1;
}

// The record at `position` of a list, or null.
template <class T>
const T* A(const std::vector<T>& liste, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < liste.size() ? &liste[static_cast<std::size_t>(position)]
                                                                           : nullptr;
}

// ` "name" (code X)`, each part only when not empty.
// `codes`, when given, holds the only codes to show.
std::string Nomme(const std::string& nom, const std::string& code, const std::unordered_set<std::string>* codes) {
  std::string s;
  if (!nom.empty()) s.append(" ").append(TexteJson(nom));
  if (!code.empty() && (codes == nullptr || codes->count(code) != 0)) s.append(" (code ").append(TexteJson(code)).append(")");
  return s;
}

}  // namespace

std::optional<Index> LitIndexControle(const std::string& texte, std::string& erreur) {
  const auto chiffres = [](std::string_view t) {
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
  };
  Index index;
  std::string_view reste = texte;
  while (!texte.empty()) {
    const std::string_view paire = reste.substr(0, reste.find(','));
    const auto egal = paire.find('=');
    const std::string_view cle = paire.substr(0, egal);
    const std::string_view position = egal == std::string_view::npos ? "" : paire.substr(egal + 1);
    const std::string_view entier = position.substr(position.starts_with('-') ? 1 : 0);
    if (!chiffres(cle) || cle.size() != 3 || cle < "300" || cle > "310" || !chiffres(entier)) {
      erreur = TexteJson(std::string(paire)) + " is not KEY=POS with a key 300 to 310 and a whole position";
      return std::nullopt;
    }
    const int k = (cle[1] - '0') * 10 + (cle[2] - '0') + 300;
    if (std::any_of(index.begin(), index.end(), [k](const auto& p) { return p.first == k; })) {
      erreur = std::string("key ").append(cle).append(" given twice");
      return std::nullopt;
    }
    // Beyond an int, a position names nothing either way.
    long long p = 0;
    if (std::from_chars(position.data(), position.data() + position.size(), p).ec != std::errc{})
      p = position.starts_with('-') ? LLONG_MIN : LLONG_MAX;
    index.emplace_back(k, static_cast<int>(std::clamp<long long>(p, INT_MIN, INT_MAX)));
    if (paire.size() == reste.size()) break;
    reste.remove_prefix(paire.size() + 1);
  }
  std::sort(index.begin(), index.end());
  return index;
}

std::vector<MessageTrouve> ControleEcran(TDonnee2072& racine, const Index& index, bool arret) {
  TIndex tindex;
  for (const auto& [cle, position] : index) tindex.setValeurIndex(cle, position);
  TJournalMessages journal(arret ? 1 : 0);
  struTEcranLettre ecran{0};
  racine.Controle(&journal, &ecran, tindex);
  std::vector<MessageTrouve> messages;
  for (const TJournalMessages::Entree& e : journal.Messages()) {
    const auto* m = DonneMessage(e.numero);
    MessageTrouve t{m ? m->enregistrement : Aucun, {}, e.numero, e.curseur};
    for (int cle : GenreDe(t.enregistrement).cles) t.index.emplace_back(cle, Position(index, cle));
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
  const auto n = [](std::size_t taille) { return static_cast<int>(taille); };
  controle(General, {});
  for (int s = 0; s < n(racine.getOperationSociete().getCession().size()); ++s) controle(Cession, {{305, s}});
  for (int a = 0; a < racine.NbAssocie(); ++a) controle(Associe, {{301, a}});
  for (int p = 0; p < racine.NbPropriete(); ++p) {
    const auto& propriete = racine.getPropriete2072()[static_cast<std::size_t>(p)];
    controle(Propriete, {{300, p}});
    for (int k = 0; k < n(propriete.getLocataire().size()); ++k) controle(Locataire, {{300, p}, {303, k}});
    for (int k = 0; k < n(propriete.getBeneficiaire().size()); ++k) controle(Beneficiaire, {{300, p}, {304, k}});
    for (int k = 0; k < n(propriete.getAmortissementComposant().getComposant().size()); ++k)
      controle(Composant, {{300, p}, {308, k}});
  }
  for (int t = 0; t < n(racine.getCessionsPartsSociete().getCessionParts().size()); ++t)
    controle(CessionParts, {{309, t}});
  return tous;
}

namespace {

// The file's wording counts positions from 0, as indexes do; the French one from 1, as the
// summary numbers properties and partners.
std::string Decrit(const TDonnee2072& racine, const MessageTrouve& message, bool francais,
                   const std::unordered_set<std::string>* codes) {
  const Genre& genre = GenreDe(message.enregistrement);
  const char* nom = francais ? genre.nomFrancais : genre.nom;
  if (genre.cles.empty()) return nom;
  const int premier = francais ? 1 : 0;
  const int position = Position(message.index, genre.cles.back());
  std::string s = std::string(nom) + " " + std::to_string(position + premier);
  switch (message.enregistrement) {
    case Cession:
      if (const auto* c = A(racine.getOperationSociete().getCession(), position))
        s += Nomme(c->getLibelle(), c->getCodeCession(), codes);
      break;
    case Associe:
      if (const auto* a = A(racine.getAssocie2072(), position)) s += Nomme(a->DonneDesignation(), a->getCodeAssocie(), codes);
      break;
    case Locataire: case Beneficiaire: case Composant: s += francais ? " de l'" : " of "; [[fallthrough]];
    case Propriete: {
      const int p = Position(message.index, 300);
      if (message.enregistrement != Propriete) {
        s.append(francais ? GenreDe(Propriete).nomFrancais : GenreDe(Propriete).nom);
        s.append(" ").append(std::to_string(p + premier));
      }
      if (const auto* propriete = A(racine.getPropriete2072(), p))
        s += Nomme(propriete->getNom(), propriete->getCodePropriete(), codes);
      break;
    }
    default:
      break;
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
