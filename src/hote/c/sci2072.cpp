// The C interface: each call checks its arguments, runs the library's own service for it and
// turns every failure (a refusal, a file that cannot be read, memory exhausted) into a status
// and a message on the handle. No exception and no C++ type crosses it.
#include "sci2072/sci2072.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <unordered_set>

#include "arbre2072.h"
#include "chargement/modification.h"
#include "dictionnaire2072.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "presentation/listedictionnaire.h"
#include "presentation/resume.h"
#include "presentation/resumejson.h"
#include "services/controle.h"
#include "services/ouverture.h"
#include "services/selection.h"
#include "systeme/fichiers.h"

using namespace hote2072;

struct sci2072_declaration {
  std::unique_ptr<TDonnee2072> racine;
  std::unordered_set<std::string> codesDonnes;  // the codes given to records, which the summary shows
  std::string message;
  std::string avertissements;  // of the last load, one per line
};

namespace {

constexpr std::size_t kProblemesDits = 100;

sci2072_statut Echec(sci2072_declaration* d, sci2072_statut statut, std::string message) {
  d->message = std::move(message);
  return statut;
}

sci2072_statut Echec(sci2072_declaration* d, const Issue& issue) {
  return Echec(d, issue.refus == Refus::Usage ? SCI2072_USAGE : SCI2072_INVALIDE, issue.message);
}

// Runs a call on a handle: the message cleared, every exception turned into a status.
template <class F>
sci2072_statut Appel(sci2072_declaration* d, F&& appel) {
  if (d == nullptr) return SCI2072_USAGE;
  try {
    d->message.clear();
    return appel();
  } catch (const ErreurFichier& e) {
    return Echec(d, SCI2072_INVALIDE, e.what());
  } catch (const std::bad_alloc&) {
    return Echec(d, SCI2072_INTERNE, "memory exhausted");
  } catch (const std::exception& e) {
    return Echec(d, SCI2072_INTERNE, std::string("internal error: ") + e.what());
  }
}

// A text for the caller, freed by sci2072_libere.
sci2072_statut Rend(sci2072_declaration* d, const std::string& texte, char** sortie) {
  char* copie = static_cast<char*>(std::malloc(texte.size() + 1));
  if (copie == nullptr) return Echec(d, SCI2072_INTERNE, "memory exhausted");
  std::memcpy(copie, texte.c_str(), texte.size() + 1);
  *sortie = copie;
  return SCI2072_OK;
}

// The caller's index, or nothing (the message set) when it is no index.
std::optional<Index> LitIndex(sci2072_declaration* d, const sci2072_niveau* index, std::size_t niveaux) {
  if (index == nullptr && niveaux > 0) {
    Echec(d, SCI2072_USAGE, "index is null but holds " + std::to_string(niveaux) + " levels");
    return std::nullopt;
  }
  Index lu;
  for (std::size_t k = 0; k < niveaux; ++k) {
    if (TrouveNiveau(index[k].cle) == nullptr ||
        std::any_of(lu.begin(), lu.end(), [&](const auto& p) { return p.first == index[k].cle; })) {
      Echec(d, SCI2072_USAGE,
            "index level " + std::to_string(index[k].cle) +
                (TrouveNiveau(index[k].cle) ? " given twice" : " is not a level key"));
      return std::nullopt;
    }
    lu.emplace_back(index[k].cle, index[k].position);
  }
  std::sort(lu.begin(), lu.end());
  return lu;
}

// Problems of a file, one per line, as the program lists them.
std::string Problemes(const Rapport& rapport) {
  const auto problemes = rapport.problemes();
  std::string texte;
  for (std::size_t k = 0; k < problemes.size() && k < kProblemesDits; ++k) texte += problemes[k] + "\n";
  if (problemes.size() > kProblemesDits)
    texte += "... and " + std::to_string(problemes.size() - kProblemesDits) + " more problems\n";
  return texte + std::to_string(problemes.size()) + (problemes.size() == 1 ? " problem" : " problems");
}

sci2072_statut Charge(sci2072_declaration* d, std::unique_ptr<TDonnee2072> racine, const Rapport& rapport,
                      std::unordered_set<std::string> codesDonnes) {
  if (!racine) return Echec(d, SCI2072_INVALIDE, Problemes(rapport));
  racine->Update();
  d->racine = std::move(racine);
  d->codesDonnes = std::move(codesDonnes);
  d->avertissements.clear();
  for (const std::string& a : rapport.avertissements()) d->avertissements += a + "\n";
  return SCI2072_OK;
}

sci2072_statut Position(sci2072_declaration* d, int position, std::size_t nombre, const char* quoi) {
  if (position >= 0 && static_cast<std::size_t>(position) < nombre) return SCI2072_OK;
  return Echec(
      d, SCI2072_USAGE,
      "there is no " + std::string(quoi) + " " + std::to_string(position) + " (" + std::to_string(nombre) + ")");
}

// Runs an action on the partner or the property at a position: refused when there is none.
template <class F>
sci2072_statut AppelPosition(sci2072_declaration* d, int position, int (TDonnee2072::*nombre)() const, const char* quoi,
                             F&& action) {
  return Appel(d, [&] {
    TDonnee2072& r = *d->racine;
    if (const auto s = Position(d, position, static_cast<std::size_t>((r.*nombre)()), quoi); s != SCI2072_OK) return s;
    action(r);
    return SCI2072_OK;
  });
}

sci2072_statut Lit(sci2072_declaration* d, int code, const sci2072_niveau* index, std::size_t niveaux, char** valeur) {
  if (valeur == nullptr) return Echec(d, SCI2072_USAGE, "no place for the value");
  const auto lu = LitIndex(d, index, niveaux);
  if (!lu) return SCI2072_USAGE;
  std::string texte;
  if (Issue issue = LitLettre(*d->racine, code, *lu, texte); !issue.reussie()) return Echec(d, issue);
  return Rend(d, texte, valeur);
}

sci2072_statut Modifie(sci2072_declaration* d, int code, const sci2072_niveau* index, std::size_t niveaux,
                       const char* valeur) {
  if (valeur == nullptr) return Echec(d, SCI2072_USAGE, "the value is null");
  const auto lu = LitIndex(d, index, niveaux);
  if (!lu) return SCI2072_USAGE;
  if (Issue issue = ChangeLettre(*d->racine, code, *lu, valeur); !issue.reussie()) return Echec(d, issue);
  if (zorfiscal2072::EntreeDictionnaire2072(code)->lettre.role == lettres::Role::Cle) d->codesDonnes.insert(valeur);
  return SCI2072_OK;
}

sci2072_statut Code(sci2072_declaration* d, const char* champ, const sci2072_niveau* index, std::size_t niveaux,
                    int& code) {
  if (champ == nullptr) return Echec(d, SCI2072_USAGE, "the field's name is null");
  const auto lu = LitIndex(d, index, niveaux);
  if (!lu) return SCI2072_USAGE;
  if (Issue issue = CodeDuChamp(champ, *lu, code); !issue.reussie()) return Echec(d, issue);
  return SCI2072_OK;
}

}  // namespace

extern "C" {

const char* sci2072_version(void) { return SCI2072_VERSION; }

sci2072_declaration* sci2072_nouvelle(void) {
  try {
    auto d = std::make_unique<sci2072_declaration>();
    d->racine = std::make_unique<TDonnee2072>();
    return d.release();
  } catch (const std::exception&) {
    return nullptr;
  }
}

void sci2072_ferme(sci2072_declaration* declaration) { delete declaration; }

const char* sci2072_message(const sci2072_declaration* declaration) {
  return declaration == nullptr ? "the declaration handle is null" : declaration->message.c_str();
}

const char* sci2072_avertissements(const sci2072_declaration* declaration) {
  return declaration == nullptr ? "" : declaration->avertissements.c_str();
}

void sci2072_libere(char* texte) { std::free(texte); }

sci2072_statut sci2072_charge_fichier(sci2072_declaration* d, const char* chemin) {
  return Appel(d, [&] {
    if (chemin == nullptr) return Echec(d, SCI2072_USAGE, "the file's path is null");
    Rapport rapport;
    std::unordered_set<std::string> codes;
    auto racine = OuvreFichier(chemin, rapport, &codes);
    return Charge(d, std::move(racine), rapport, std::move(codes));
  });
}

sci2072_statut sci2072_charge_texte(sci2072_declaration* d, const char* texte, size_t taille) {
  return Appel(d, [&] {
    if (texte == nullptr && taille > 0) return Echec(d, SCI2072_USAGE, "the text is null");
    Rapport rapport;
    std::unordered_set<std::string> codes;
    auto racine = OuvreTexte(std::string_view(texte == nullptr ? "" : texte, taille), rapport, &codes);
    return Charge(d, std::move(racine), rapport, std::move(codes));
  });
}

sci2072_statut sci2072_ecrit_fichier(sci2072_declaration* d, const char* chemin, int options) {
  return Appel(d, [&] {
    if (chemin == nullptr) return Echec(d, SCI2072_USAGE, "the file's path is null");
    EcritDeclaration(chemin, *d->racine, (options & SCI2072_TOUTES) != 0, (options & SCI2072_ANNOTE) != 0);
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_ecrit_texte(sci2072_declaration* d, int options, char** texte) {
  return Appel(d, [&] {
    if (texte == nullptr) return Echec(d, SCI2072_USAGE, "no place for the text");
    return Rend(d, EcritJson(Ecrit(*d->racine, (options & SCI2072_TOUTES) != 0), (options & SCI2072_ANNOTE) != 0),
                texte);
  });
}

sci2072_statut sci2072_lit_lettre(sci2072_declaration* d, int code, const sci2072_niveau* index, size_t niveaux,
                                  char** valeur) {
  return Appel(d, [&] { return Lit(d, code, index, niveaux, valeur); });
}

sci2072_statut sci2072_modifie_lettre(sci2072_declaration* d, int code, const sci2072_niveau* index, size_t niveaux,
                                      const char* valeur) {
  return Appel(d, [&] { return Modifie(d, code, index, niveaux, valeur); });
}

sci2072_statut sci2072_lit_champ(sci2072_declaration* d, const char* champ, const sci2072_niveau* index, size_t niveaux,
                                 char** valeur) {
  return Appel(d, [&] {
    int code = 0;
    if (const auto s = Code(d, champ, index, niveaux, code); s != SCI2072_OK) return s;
    return Lit(d, code, index, niveaux, valeur);
  });
}

sci2072_statut sci2072_modifie_champ(sci2072_declaration* d, const char* champ, const sci2072_niveau* index,
                                     size_t niveaux, const char* valeur) {
  return Appel(d, [&] {
    int code = 0;
    if (const auto s = Code(d, champ, index, niveaux, code); s != SCI2072_OK) return s;
    return Modifie(d, code, index, niveaux, valeur);
  });
}

sci2072_statut sci2072_nombre(sci2072_declaration* d, int cle, const sci2072_niveau* index, size_t niveaux,
                              size_t* nombre) {
  return Appel(d, [&] {
    if (nombre == nullptr) return Echec(d, SCI2072_USAGE, "no place for the number");
    const Niveau* niveau = TrouveNiveau(cle);
    if (niveau == nullptr) return Echec(d, SCI2072_USAGE, std::to_string(cle) + " is not a level key");
    const auto lu = LitIndex(d, index, niveaux);
    if (!lu) return SCI2072_USAGE;
    // The owner's levels, each naming a record that is there.
    std::size_t attendus = 0;
    for (const Niveau* n = TrouveNiveau(niveau->parent); n != nullptr; n = TrouveNiveau(n->parent), ++attendus) {
      const int position = PositionDans(*lu, n->cle);
      const int parent = n->parent == 0 ? 0 : PositionDans(*lu, n->parent);
      if (position < 0)
        return Echec(d, SCI2072_USAGE, "the index lacks level " + std::to_string(n->cle) + " (" + n->nom + ")");
      if (const auto s = Position(d, position, Nombre(*d->racine, n->cle, parent), n->nom); s != SCI2072_OK) return s;
    }
    if (lu->size() != attendus)
      return Echec(d, SCI2072_USAGE,
                   "the index holds levels other than those of the " + std::string(niveau->pluriel) + "' owner");
    const int parent = niveau->parent == 0 ? 0 : PositionDans(*lu, niveau->parent);
    *nombre = Nombre(*d->racine, cle, parent);
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_annee(sci2072_declaration* d, long* annee) {
  return Appel(d, [&] {
    if (annee == nullptr) return Echec(d, SCI2072_USAGE, "no place for the year");
    *annee = d->racine->getAnnee();
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_modifie_annee(sci2072_declaration* d, long annee) {
  return Appel(d, [&] {
    if (annee < kAnneeMin || annee > kAnneeMax)
      return Echec(d, SCI2072_INVALIDE,
                   "the year must be from " + std::to_string(kAnneeMin) + " to " + std::to_string(kAnneeMax) +
                       " (found " + std::to_string(annee) + ")");
    d->racine->setAnnee(annee);
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_calcule(sci2072_declaration* d) {
  return Appel(d, [&] {
    // The choice lists of the transfers carry the partners' codes and names, which calls may
    // have changed.
    d->racine->MajListeAssocieCessionnaire();
    d->racine->MajListeAssocieCedant();
    d->racine->Update();
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_controle_declaration(sci2072_declaration* d, char** json) {
  return Appel(d, [&] {
    if (json == nullptr) return Echec(d, SCI2072_USAGE, "no place for the JSON");
    return Rend(d, MessagesJson(ControleDeclaration(*d->racine)), json);
  });
}

sci2072_statut sci2072_controle_ecran(sci2072_declaration* d, const sci2072_niveau* index, size_t niveaux, int arret,
                                      char** json) {
  return Appel(d, [&] {
    if (json == nullptr) return Echec(d, SCI2072_USAGE, "no place for the JSON");
    const auto lu = LitIndex(d, index, niveaux);
    if (!lu) return SCI2072_USAGE;
    return Rend(d, MessagesJson(ControleEcran(*d->racine, *lu, arret != 0)), json);
  });
}

sci2072_statut sci2072_selection(sci2072_declaration* d, char** json) {
  return Appel(d, [&] {
    if (json == nullptr) return Echec(d, SCI2072_USAGE, "no place for the JSON");
    return Rend(d, SelectionJson(*Selectionne(*d->racine, std::nullopt, {})), json);
  });
}

sci2072_statut sci2072_selection_enregistrement(sci2072_declaration* d, const sci2072_niveau* index, size_t niveaux,
                                                char** json) {
  return Appel(d, [&] {
    if (json == nullptr) return Echec(d, SCI2072_USAGE, "no place for the JSON");
    const auto lu = LitIndex(d, index, niveaux);
    if (!lu) return SCI2072_USAGE;
    const auto lettres = Selectionne(*d->racine, lu, {});
    if (!lettres) return Echec(d, SCI2072_USAGE, "index " + DecritIndex(*lu) + " names no record of the declaration");
    return Rend(d, SelectionJson(*lettres), json);
  });
}

sci2072_statut sci2072_resume(sci2072_declaration* d, int tous_associes, char** json) {
  return Appel(d, [&] {
    if (json == nullptr) return Echec(d, SCI2072_USAGE, "no place for the JSON");
    return Rend(
        d, ResumeJson(ConstruitResume(*d->racine, {.tousAssocies = tous_associes != 0, .codesDonnes = d->codesDonnes})),
        json);
  });
}

sci2072_statut sci2072_dictionnaire(sci2072_declaration* d, char** json) {
  return Appel(d, [&] {
    if (json == nullptr) return Echec(d, SCI2072_USAGE, "no place for the JSON");
    return Rend(d, DictionnaireJson(), json);
  });
}

sci2072_statut sci2072_ajoute_associe(sci2072_declaration* d, int* position) {
  return Appel(d, [&] {
    const int p = d->racine->AjouteAssocie();
    if (position != nullptr) *position = p;
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_duplique_associe(sci2072_declaration* d, int position, int* copie) {
  return AppelPosition(d, position, &TDonnee2072::NbAssocie, "partner", [&](TDonnee2072& r) {
    r.DupliqueAssocie(position);
    if (copie != nullptr) *copie = r.NbAssocie() - 1;
  });
}

sci2072_statut sci2072_deplace_associe(sci2072_declaration* d, int depuis, int vers) {
  return Appel(d, [&] {
    TDonnee2072& r = *d->racine;
    const auto n = static_cast<std::size_t>(r.NbAssocie());
    if (const auto s = Position(d, depuis, n, "partner"); s != SCI2072_OK) return s;
    if (const auto s = Position(d, vers, n, "partner"); s != SCI2072_OK) return s;
    r.DeplaceAssocie(depuis, vers);
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_supprime_associe(sci2072_declaration* d, int position) {
  return AppelPosition(d, position, &TDonnee2072::NbAssocie, "partner",
                       [&](TDonnee2072& r) { r.SupprimeAssocie(position); });
}

sci2072_statut sci2072_ajoute_propriete(sci2072_declaration* d, int* position) {
  return Appel(d, [&] {
    const int p = d->racine->AjoutePropriete();
    if (position != nullptr) *position = p;
    return SCI2072_OK;
  });
}

sci2072_statut sci2072_supprime_propriete(sci2072_declaration* d, int position) {
  return AppelPosition(d, position, &TDonnee2072::NbPropriete, "property",
                       [&](TDonnee2072& r) { r.SupprimePropriete(position); });
}

sci2072_statut sci2072_nouvelle_annee(sci2072_declaration* d) {
  return Appel(d, [&] {
    d->racine->InitPersonnalise();
    return SCI2072_OK;
  });
}

}  // extern "C"
