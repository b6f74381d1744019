#include "chargement/valeurscodees.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>

#include "arbre2072.h"
#include "dictionnaire2072.h"
#include "lettres.h"
#include "tables2072.h"

namespace hote2072 {

namespace {

// In the order of the lists (lettres::Liste, from 1).
constexpr std::array<const char*, zorfiscal2072::kNombreListes> kNomsDesCodes = {
    "yes/no answer (1 yes, 2 no)",
    "person type",
    "tax regime",
    "kind of property",
    "payment means",
    "civility",
    "department",
    "department code",
    "country",
    "street-number complement",
    "building component",
    "depreciation method",
    "term",
    "title",
    "legal form",
    "title",
    "legal form",
    "title",
    "legal form",
    "title",
    "legal form",
    "title",
    "legal form",
    "abbreviation",
    "tax scheme",
    "tax scheme",
    "tax scheme",
    "tax scheme",
    "tax scheme",
    "tax scheme",
    "specific-deduction option",
    "specific-deduction option",
    "property category",
    "property category",
    "rate",
    "rate",
};

// Lists longer than this are named rather than spelt out in a message.
constexpr std::size_t kEntreesCitees = 12;

bool Entier(const std::string& valeur, long long& code) {
  double reel = 0;
  if (!lettres::LitReel(valeur.c_str(), reel) || reel != std::trunc(reel) || std::fabs(reel) > 1e9) return false;
  code = static_cast<long long>(reel);
  return true;
}

// A declaration holding one record at every level, as loading creates them.
zorfiscal2072::TDonnee2072 DeclarationParDefaut() {
  zorfiscal2072::TDonnee2072 d;
  for (const zorfiscal2072::Niveau2072& n : zorfiscal2072::Niveaux2072()) {
    TIndex index;
    for (const zorfiscal2072::Niveau2072* p = &n; p->parent != 0;) {
      p = zorfiscal2072::TrouveNiveau2072(p->parent);
      index.setValeurIndex(p->cle, 0);
    }
    zorfiscal2072::CompleteNiveau(d, n.cle, index, 1);
  }
  return d;
}

}  // namespace

const char* NomDesCodes(lettres::Liste liste) {
  const auto rang = static_cast<std::size_t>(liste);
  return rang >= 1 && rang <= kNomsDesCodes.size() ? kNomsDesCodes[rang - 1] : "code";
}

const std::string& ValeurParDefaut(int code) {
  static const auto defauts = [] {
    std::map<int, std::string> v;
    zorfiscal2072::TDonnee2072 d = DeclarationParDefaut();
    for (const zorfiscal2072::EntreeDictionnaire& e : zorfiscal2072::Dictionnaire2072()) {
      if (!e.parLaRacine || v.count(e.lettre.code) != 0) continue;
      TIndex index;
      for (int niveau : e.niveaux) index.setValeurIndex(niveau, 0);
      structLettre lettre{1, e.lettre.code, nullptr, 0, nullptr};
      if (d.TransfertUneLettre(&lettre, index, 1) && lettre.valeur != nullptr) v[e.lettre.code] = lettre.valeur;
      std::free(lettre.valeur);
    }
    return v;
  }();
  static const std::string aucune;
  const auto it = defauts.find(code);
  return it == defauts.end() ? aucune : it->second;
}

std::string ProblemeCode(const lettres::DescriptionLettre& d, lettres::Liste liste, const std::string& valeur) {
  long long code = 0;
  if (!Entier(valeur, code)) return {};
  const std::vector<TElement>* entrees = TTables_2072::getInstance()->Liste(liste);
  if (entrees == nullptr) return {};
  const auto dans = [code](const TElement& e) { return e.get_enum() == code; };
  if (std::any_of(entrees->begin(), entrees->end(), dans)) return {};
  if (!AvertissementCodeAncien(liste, valeur).empty()) return {};
  long long defaut = 0;
  if (Entier(ValeurParDefaut(d.code), defaut) && defaut == code) return {};
  std::string texte = std::string("not a ") + NomDesCodes(liste) + "; expected ";
  if (entrees->size() > kEntreesCitees) {
    const auto [min, max] =
        std::minmax_element(entrees->begin(), entrees->end(),
                            [](const TElement& a, const TElement& b) { return a.get_enum() < b.get_enum(); });
    return texte + "a code of " + TTables_2072::NomListe(liste) + " (" + std::to_string(entrees->size()) +
           " codes from " + std::to_string(min->get_enum()) + " to " + std::to_string(max->get_enum()) +
           "; `sci2072 dictionary --lists` shows them)";
  }
  for (std::size_t k = 0; k < entrees->size(); ++k) {
    texte += (k ? ", " : "") + std::to_string((*entrees)[k].get_enum());
    if (!(*entrees)[k].get_libelle().empty()) texte += " " + (*entrees)[k].get_libelle();
  }
  return texte;
}

std::string ProblemeOffert(const lettres::DescriptionLettre& d, const std::string& choix, const std::string& valeur) {
  long long code = 0, choisi = 0, defaut = 0;
  if (!Entier(valeur, code) || (Entier(ValeurParDefaut(d.code), defaut) && defaut == code)) return {};
  Entier(choix, choisi);
  const TTables_2072& tables = *TTables_2072::getInstance();
  const std::vector<TElement>* offertes = nullptr;
  for (std::size_t k = 0; k < d.nbListesSelon; ++k)
    if (d.listesSelon[k].valeur == choisi) offertes = tables.Liste(d.listesSelon[k].liste);
  const auto dans = [code](const TElement& e) { return e.get_enum() == code; };
  if (offertes != nullptr && std::any_of(offertes->begin(), offertes->end(), dans)) return {};
  std::string texte = std::string("a ") + NomDesCodes(d.liste) + " " + d.champType + " " + std::to_string(choisi) +
                      " does not offer (it offers ";
  if (offertes == nullptr) {
    texte += "none";
  } else {
    for (std::size_t k = 0; k < offertes->size(); ++k)
      texte += (k ? ", " : "") + std::to_string((*offertes)[k].get_enum());
  }
  return texte + "); the computation takes it as given";
}

std::string AvertissementCodeAncien(lettres::Liste liste, const std::string& valeur) {
  long long code = 0;
  if (!Entier(valeur, code)) return {};
  for (const CodeAncien2072& ancien : kCodesAnciens2072) {
    if (ancien.liste != liste || ancien.code != code) continue;
    const std::vector<TElement>& entrees = *TTables_2072::getInstance()->Liste(liste);
    const auto pris = std::find_if(entrees.begin(), entrees.end(),
                                   [&](const TElement& e) { return e.get_enum() == ancien.prisPour; });
    const std::string libelle = pris != entrees.end() ? " " + pris->get_libelle() : "";
    return "an older " + std::string(NomDesCodes(liste)) + ", no longer offered: the computation takes it as " +
           std::to_string(ancien.prisPour) + libelle + "; enter " + std::to_string(ancien.prisPour) + " instead";
  }
  return {};
}

std::string ProblemeSiren(const std::string& valeur) {
  if (valeur.size() != 9 || !std::all_of(valeur.begin(), valeur.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return "a SIREN number has 9 digits";
  // The last digit makes the weighted sum a multiple of 10: every second digit from the
  // right doubled, the digits of each product added.
  int somme = 0;
  for (std::size_t k = 0; k < 9; ++k) {
    int chiffre = valeur[8 - k] - '0';
    if (k % 2 == 1) chiffre = chiffre * 2 > 9 ? chiffre * 2 - 9 : chiffre * 2;
    somme += chiffre;
  }
  return somme % 10 == 0 ? std::string() : "this SIREN number's check digit (its last) is wrong";
}

std::string ProblemeNic(const std::string& valeur) {
  const bool chiffres = std::all_of(valeur.begin(), valeur.end(), [](char c) { return c >= '0' && c <= '9'; });
  return valeur.size() == 5 && chiffres ? std::string() : "a NIC number has 5 digits";
}

std::string ProblemeCodePostal(const std::string& valeur) {
  const bool chiffres = std::all_of(valeur.begin(), valeur.end(), [](char c) { return c >= '0' && c <= '9'; });
  return valeur.size() == 5 && chiffres ? std::string() : "a French postal code has 5 digits";
}

}  // namespace hote2072
