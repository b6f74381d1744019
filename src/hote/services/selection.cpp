#include "services/selection.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>

#include "dictionnaire2072.h"
#include "format/ecriture.h"
#include "lettres.h"
#include "services/saisie.h"

namespace hote2072 {

namespace {

struct LibereListe {
  void operator()(structListeLettres* liste) const { LibereListeLettres(&liste); }
};
using Liste = std::unique_ptr<structListeLettres, LibereListe>;

const char* Champ(int code) {
  const auto* entree = zorfiscal2072::EntreeDictionnaire2072(code);
  return entree != nullptr ? entree->lettre.champ : "";
}

// The letters of one kind of record that the selection shows, as a list of the letter
// library: built once, each record's values then written over the last one's.
struct ListeDuGroupe {
  Liste liste;
  std::vector<std::size_t> lettres;  // their rank among the record's letters
};

// One record's letters, in order, through Select with the record's index.
void SelectionneEnregistrement(TDonnee2072& racine, std::vector<LettreSelectionnee>& lettres) {
  if (lettres.empty()) return;
  structListeLettres* brute = nullptr;
  Liste liste;
  for (const LettreSelectionnee& l : lettres) {
    AjouteLettre(&brute, static_cast<short>(l.code), l.valeur.c_str(), 0, 0, 1, 0);
    if (!liste) liste.reset(brute);  // owns the list from its first letter on
    const auto* entree = zorfiscal2072::EntreeDictionnaire2072(l.code);
    brute->courante->type = entree != nullptr ? entree->lettre.type() : 0;
  }
  TIndex index;
  for (const auto& [cle, position] : lettres.front().index) index.setValeurIndex(cle, position);
  racine.Select(liste.get(), index);
  auto it = lettres.begin();
  for (structLettre* l = VaPremiereLettre(liste.get()); !FinListeLettre(l) && it != lettres.end();
       l = VaLettreSuivante(l), ++it) {
    it->decision = l->flag;
    it->valeur = l->valeur != nullptr ? l->valeur : "";
  }
}

// A whole number of digits only, within int.
bool LitNombre(std::string_view texte, int& valeur) {
  if (texte.empty() || !std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const auto [p, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  return ec == std::errc() && p == texte.data() + texte.size();
}

std::vector<std::string_view> Morceaux(std::string_view texte) {
  std::vector<std::string_view> morceaux;
  for (std::size_t debut = 0;;) {
    const std::size_t virgule = texte.find(',', debut);
    morceaux.push_back(texte.substr(debut, virgule - debut));
    if (virgule == std::string_view::npos) return morceaux;
    debut = virgule + 1;
  }
}

}  // namespace

bool Selectionne(TDonnee2072& racine, const std::optional<Index>& seul, const std::set<int>& codes,
                 const std::function<void(const LettreSelectionnee&)>& recoit) {
  bool nomme = !seul;
  std::map<const GroupeLettres*, ListeDuGroupe> listes;
  LettreSelectionnee lettre;
  ParcourtEnregistrements(racine, [&](const LettresEnregistrement& lettres, const Index& index, bool) {
    if (seul && index != *seul) return;
    nomme = true;
    auto [it, nouvelle] = listes.try_emplace(&lettres.groupe());
    ListeDuGroupe& g = it->second;
    if (nouvelle) {
      structListeLettres* brute = nullptr;
      for (std::size_t k = 0; k < lettres.size(); ++k) {
        if (!codes.empty() && codes.count(lettres.code(k)) == 0) continue;
        AjouteLettre(&brute, static_cast<short>(lettres.code(k)), "", 0, 0, 1, 0);
        if (!g.liste) g.liste.reset(brute);  // owns the list from its first letter on
        const auto* entree = zorfiscal2072::EntreeDictionnaire2072(lettres.code(k));
        brute->courante->type = entree != nullptr ? entree->lettre.type() : 0;
        g.lettres.push_back(k);
      }
    }
    if (g.lettres.empty()) return;
    structLettre* l = VaPremiereLettre(g.liste.get());
    for (std::size_t k : g.lettres) {
      ModifieLettre(l, lettres.Texte(k).data());
      l = VaLettreSuivante(l);
    }
    TIndex t;
    for (const auto& [cle, position] : index) t.setValeurIndex(cle, position);
    racine.Select(g.liste.get(), t);
    lettre.index = index;
    for (l = VaPremiereLettre(g.liste.get()); !FinListeLettre(l); l = VaLettreSuivante(l)) {
      lettre.code = l->code;
      lettre.decision = l->flag;
      lettre.valeur.assign(l->valeur != nullptr ? l->valeur : "");
      recoit(lettre);
    }
  });
  return nomme;
}

std::string LitCodesTexte(std::string_view texte, std::set<int>& codes) {
  codes.clear();
  for (std::string_view morceau : Morceaux(texte)) {
    int code = 0;
    if (!LitNombre(morceau, code)) return "expected codes C1,C2,..., got \"" + std::string(morceau) + "\"";
    const auto* entree = zorfiscal2072::EntreeDictionnaire2072(code);
    if (entree == nullptr) return "unknown letter code " + std::to_string(code) + " (see sci2072 dictionary)";
    if (!entree->parLaRacine)
      return "letter " + std::to_string(code) + " belongs to the cumulative records, which no declaration holds";
    codes.insert(code);
  }
  return "";
}

std::optional<std::vector<LettreSelectionnee>> Selectionne(TDonnee2072& racine, const std::optional<Index>& seul,
                                                           const std::set<int>& codes) {
  std::vector<LettreSelectionnee> lettres;
  if (!Selectionne(racine, seul, codes, [&](const LettreSelectionnee& l) { lettres.push_back(l); }))
    return std::nullopt;
  return lettres;
}

std::set<int> CodesTenus(TDonnee2072& racine) {
  std::set<int> codes;
  std::set<const GroupeLettres*> vus;
  ParcourtEnregistrements(racine, [&](const LettresEnregistrement& lettres, const Index&, bool) {
    if (vus.insert(&lettres.groupe()).second)
      for (std::size_t k = 0; k < lettres.size(); ++k) codes.insert(lettres.code(k));
  });
  return codes;
}

std::vector<LettreSelectionnee> SelectionneLettres(TDonnee2072& racine, const Index& index,
                                                   const std::vector<int>& codes) {
  std::vector<LettreSelectionnee> lettres;
  lettres.reserve(codes.size());
  for (int code : codes) lettres.push_back({code, index, kGardee, LitValeur(racine, code, index)});
  SelectionneEnregistrement(racine, lettres);
  return lettres;
}

void EcritSelection(TDonnee2072& racine, const std::function<void(const LettreFichier&)>& recoit) {
  LettreFichier lettre;
  Selectionne(racine, std::nullopt, {}, [&](const LettreSelectionnee& l) {
    if (l.decision == kEcartee) return;
    ++lettre.rang;
    lettre.code = l.code;
    lettre.index = l.index;
    lettre.valeur = l.valeur;
    recoit(lettre);
  });
}

FichierDeclaration EcritSelection(TDonnee2072& racine) {
  FichierDeclaration fichier;
  fichier.annee = racine.getAnnee();
  EcritSelection(racine, [&](const LettreFichier& l) { fichier.lettres.push_back(l); });
  return fichier;
}

const char* NomDecision(short decision) {
  switch (decision) {
    case kEcartee: return "dropped";
    case kGardee: return "kept";
    case kMarquee: return "marked";
    default: return "unknown";
  }
}

EcrivainSelection::EcrivainSelection(std::function<void(std::string_view)> ecrit, bool json)
    : m_ecrit(std::move(ecrit)), m_json(json) {
  m_texte.reserve((1 << 16) + 4096);
  m_texte = json ? "[" : "code   index              field                                    decision value\n";
}

void EcrivainSelection::Ajoute(const LettreSelectionnee& l) {
  using namespace std::string_view_literals;
  const auto nombre = [&](long long n) {
    char chiffres[24];
    const auto fin = std::to_chars(chiffres, chiffres + sizeof chiffres, n).ptr;
    m_texte.append(chiffres, static_cast<std::size_t>(fin - chiffres));
  };
  // Left-justified in `largeur` characters, as printf's %-Ns.
  const auto colonne = [&](std::size_t debut, std::size_t largeur) {
    const std::size_t ecrit = m_texte.size() - debut;
    if (ecrit < largeur) m_texte.append(largeur - ecrit, ' ');
    m_texte += ' ';
  };
  if (m_json) {
    m_texte.append(m_premiere ? "\n "sv : ",\n "sv);
    m_texte.append("{\"code\": "sv);
    nombre(l.code);
    m_texte.append(", \"index\": {"sv);
    for (std::size_t k = 0; k < l.index.size(); ++k) {
      m_texte.append(k ? ", \""sv : "\""sv);
      nombre(l.index[k].first);
      m_texte.append("\": "sv);
      nombre(l.index[k].second);
    }
    m_texte.append("}, \"field\": \""sv);
    m_texte.append(Champ(l.code));
    m_texte.append("\", \"decision\": \""sv);
    m_texte.append(NomDecision(l.decision));
    m_texte.append("\", \"value\": "sv);
    AjouteTexteJson(m_texte, l.valeur);
    m_texte += '}';
  } else {
    std::size_t debut = m_texte.size();
    nombre(l.code);
    colonne(debut, 6);
    debut = m_texte.size();
    m_texte.append(DecritIndex(l.index));
    colonne(debut, 18);
    debut = m_texte.size();
    m_texte.append(Champ(l.code));
    colonne(debut, 40);
    debut = m_texte.size();
    m_texte.append(NomDecision(l.decision));
    colonne(debut, 8);
    m_texte += lettres::Lisible(TexteJson(l.valeur));  // nothing acts on the terminal
    m_texte += '\n';
  }
  m_premiere = false;
  if (m_texte.size() >= (1 << 16)) {
    m_ecrit(m_texte);
    m_texte.clear();
  }
}

void EcrivainSelection::Termine() {
  if (m_json) m_texte.append("\n]\n");
  m_ecrit(m_texte);
  m_texte.clear();
}

namespace {

std::string Ecrit(const std::vector<LettreSelectionnee>& lettres, bool json) {
  std::string texte;
  EcrivainSelection ecrivain([&](std::string_view piece) { texte.append(piece); }, json);
  for (const LettreSelectionnee& l : lettres) ecrivain.Ajoute(l);
  ecrivain.Termine();
  return texte;
}

}  // namespace

std::string SelectionTexte(const std::vector<LettreSelectionnee>& lettres) { return Ecrit(lettres, false); }
std::string SelectionJson(const std::vector<LettreSelectionnee>& lettres) { return Ecrit(lettres, true); }

}  // namespace hote2072
