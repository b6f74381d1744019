#include "services/saisie.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "arbre2072.h"
#include "chargement/verification.h"
#include "dictionnaire2072.h"
#include "lettres.h"

namespace hote2072 {

using namespace zorfiscal2072;
using lettres::DescriptionLettre;
using lettres::Primitive;
using lettres::Role;

namespace {

// Moves `valeur` into the field (direction 0) and gives back the text the field now reads as.
std::string Ecrit(TDonnee2072& racine, int code, const Index& index, const std::string& valeur) {
  structLettre lettre{1, static_cast<std::int16_t>(code), nullptr, 0, nullptr};
  ModifieLettre(&lettre, valeur.c_str());
  racine.TransfertUneLettre(&lettre, VersTIndex(index), 0);
  std::free(lettre.valeur);
  return LitValeur(racine, code, index);
}

// The text read back stands for the value typed: a field narrower than its letter's type (a
// mode held as an integer behind an amount letter) must not change a value silently.
bool MemeValeur(char type, const std::string& donne, const std::string& relu) {
  if (donne == relu) return true;
  switch (type) {
    case 'D': {
      double a = 0, b = 0;
      return lettres::LitReel(donne.c_str(), a) && lettres::LitReel(relu.c_str(), b) && a == b;
    }
    case 'L': {
      long long a = 0, b = 0;
      return (donne.empty() || lettres::LitEntier(donne.c_str(), a)) &&
             (relu.empty() || lettres::LitEntier(relu.c_str(), b)) && a == b;
    }
    case 'd': {
      long a = 0, b = 0;
      return lettres::LitDate(donne.c_str(), a) && lettres::LitDate(relu.c_str(), b) && a == b;
    }
    default: return false;
  }
}

// Why a text does not read as the field's value, in French, by the field's kind.
std::string ProblemeFrancais(const DescriptionLettre& d, const std::string& valeur) {
  if (double v = 0; (d.primitive == Primitive::Reel || d.primitive == Primitive::ReelFormat) &&
                    lettres::LitReel(valeur.c_str(), v) && !(std::fabs(v) <= kMontantMax))
    return "Montant hors des bornes : au plus 10 000 000 000 000 en valeur absolue";
  switch (d.primitive) {
    case Primitive::Texte:
      return "Texte de " + std::to_string(lettres::NombreCaracteres(valeur)) +
             " caractères : ce champ en contient au plus " + std::to_string(d.taille - 1);
    case Primitive::Court:
    case Primitive::Long:
    case Primitive::MoisJour:
    case Primitive::SiecleAnnee: return "Nombre entier attendu, sans décimales";
    case Primitive::Reel: return "Montant attendu, par exemple 1234,56";
    case Primitive::ReelFormat: {
      double v = 0;
      if (!lettres::LitReel(valeur.c_str(), v)) return "Nombre attendu, par exemple 1234,56";
      return "Ce champ garde au plus " + std::to_string(d.taille == 5 ? 5 : 2) + " décimales";
    }
    case Primitive::Date: return "Date attendue au format jj/mm/aaaa (une date du calendrier)";
  }
  return "Valeur illisible";
}

// The index names an existing record at each of the levels the field's record is reached by.
bool EnregistrementExiste(const TDonnee2072& racine, const EntreeDictionnaire& e, const Index& index) {
  if (index.size() != e.niveaux.size()) return false;
  int parent = 0;
  for (std::size_t k = 0; k < index.size(); ++k) {
    const auto [cle, position] = index[k];
    if (cle != e.niveaux[k] || position < 0) return false;
    const Niveau* n = TrouveNiveau(cle);
    if (n == nullptr) return false;
    if (static_cast<std::size_t>(position) >= Nombre(racine, cle, n->parent == 0 ? 0 : parent)) return false;
    parent = position;
  }
  return true;
}

// Codes of every record of a level the root owns (properties, partners, sales).
std::vector<std::string> CodesDuNiveau(TDonnee2072& racine, const Niveau& n) {
  std::vector<std::string> codes;
  if (n.parent != 0 || n.lettreCle == 0) return codes;
  const std::size_t nombre = Nombre(racine, n.cle, 0);
  for (std::size_t i = 0; i < nombre; ++i)
    codes.push_back(LitValeur(racine, n.lettreCle, {{n.cle, static_cast<int>(i)}}));
  return codes;
}

// A reference whose record is fixed by the field's own way: a tenant's property, a share's
// property and partner. Loading fills them; a person does not choose them.
bool RepriseDuChemin(const EntreeDictionnaire& e) {
  if (std::find(e.niveaux.begin(), e.niveaux.end(), e.lettre.niveau) != e.niveaux.end()) return true;
  const Niveau* propre = e.niveaux.empty() ? nullptr : TrouveNiveau(e.niveaux.back());
  return propre != nullptr && propre->parPositionDe == e.lettre.niveau;
}

std::string VerifieRole(TDonnee2072& racine, const EntreeDictionnaire& e, const Index& index,
                        const std::string& valeur) {
  const DescriptionLettre& d = e.lettre;
  switch (d.role) {
    case Role::Valeur: return {};
    case Role::Cle: {
      if (valeur.find_first_not_of(' ') == std::string::npos) return "Le code ne peut pas être vide";
      const Niveau* n = TrouveNiveau(e.niveaux.back());
      const std::vector<std::string> codes = CodesDuNiveau(racine, *n);
      for (std::size_t i = 0; i < codes.size(); ++i)
        if (static_cast<int>(i) != index.back().second && codes[i] == valeur)
          return "Code déjà donné à un autre enregistrement (" + std::to_string(i + 1) + ")";
      return {};
    }
    case Role::Reference: {
      if (RepriseDuChemin(e)) return "Ce champ est repris de l'enregistrement auquel il appartient";
      const Niveau* n = TrouveNiveau(d.niveau);
      if (n == nullptr || valeur.empty()) return {};
      const std::vector<std::string> codes = CodesDuNiveau(racine, *n);
      if (std::find(codes.begin(), codes.end(), valeur) == codes.end()) return "Aucun enregistrement ne porte ce code";
      return {};
    }
    case Role::Position: {
      long long position = 0;
      lettres::LitEntier(valeur.c_str(), position);
      const auto nombre = static_cast<long long>(Nombre(racine, d.niveau, 0));
      if (position < 0 || position > nombre)
        return "Numéro attendu de 0 à " + std::to_string(nombre) + " (" + std::to_string(nombre) +
               " : une autre personne)";
      return {};
    }
  }
  return {};
}

}  // namespace

std::string LitValeur(TDonnee2072& racine, int code, const Index& index) {
  structLettre lettre{1, static_cast<std::int16_t>(code), nullptr, 0, nullptr};
  racine.TransfertUneLettre(&lettre, VersTIndex(index), 1);
  std::string texte = lettre.valeur != nullptr ? lettre.valeur : "";
  std::free(lettre.valeur);
  return texte;
}

std::string SaisitValeur(TDonnee2072& racine, int code, const Index& index, const std::string& valeur) {
  const EntreeDictionnaire* e = EntreeDictionnaire2072(code);
  if (e == nullptr || !e->parLaRacine) return "Champ inconnu du formulaire";
  if (!EnregistrementExiste(racine, *e, index)) return "Enregistrement inexistant";
  if (!ProblemeValeur(e->lettre, valeur).empty()) return ProblemeFrancais(e->lettre, valeur);
  if (std::string p = VerifieRole(racine, *e, index, valeur); !p.empty()) return p;
  const std::string avant = LitValeur(racine, code, index);
  if (!MemeValeur(e->lettre.type(), valeur, Ecrit(racine, code, index, valeur))) {
    Ecrit(racine, code, index, avant);
    return "Valeur que ce champ ne peut pas contenir";
  }
  if (e->lettre.role == Role::Cle && avant != valeur) {
    // Every field that names the record by its code follows it.
    const int niveau = e->niveaux.back();
    PourChaqueChampCode(racine, [&](std::string& champ, const DescriptionLettre& d, const TIndex&) {
      if (d.role == Role::Reference && d.niveau == niveau && champ == avant) champ = valeur;
    });
  }
  return {};
}

void MetAJour(TDonnee2072& racine) {
  racine.Update();
  racine.MajListeAssocieCessionnaire();
  racine.MajListeAssocieCedant();
}

}  // namespace hote2072
