// A firm's declarations in one folder (or one declaration file): listed, opened, saved through
// the library's atomic writer, created, duplicated, started for next year and put in a trash
// folder. Requests on one declaration are serialized by its lock; different declarations are
// served in parallel.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "securite.h"
#include "tdonnee2072.h"

namespace serveur2072 {

using zorfiscal2072::TDonnee2072;

// A declaration being entered: its root in memory, always computed, and what it takes to
// refuse a change made from an older page.
struct DeclarationOuverte {
  std::unique_ptr<TDonnee2072> racine;
  // Counts the changes: every page carries the version it shows, and a change based on an
  // older one is refused (two tabs never overwrite each other's changes silently).
  std::uint64_t version = 1;
  bool modifiee = false;  // changes not yet saved to the file
  // The file as last read or written, by its time and size: another program's change to it is
  // read again when nothing is pending here, and never overwritten by a save.
  std::filesystem::file_time_type dateFichier{};
  std::uintmax_t tailleFichier = 0;
  // Properties (by code) whose receipts subject to the contribution, or whose deduction option,
  // the file or the person gave: the others follow what is entered, as on entering a property.
  std::set<std::string> recetteCRLDonnee, optionTauxDonnee;
  // Codes of properties, partners and sales that the file or the person gave: the summary
  // shows only those, not the ones made up for new records.
  std::unordered_set<std::string> codesDonnes;
  // What the file gave that loads but should be looked at (a SIREN's check digit, an older
  // code), one line each, as the program prints them; every screen shows them.
  std::vector<std::string> avertissements;
};

// One line of the folder's list.
struct LigneEspace {
  std::string nom;
  std::string societe, siren;
  long annee = 0;
  double resultat = 0;       // result to distribute
  std::size_t messages = 0;  // messages of the screen checks
  std::string probleme;      // why the file cannot be opened; empty when it can
  bool modifiee = false;     // open with changes not saved
};

class EspaceTravail {
 public:
  // A folder (created when missing) or one declaration file (which must exist).
  explicit EspaceTravail(const std::filesystem::path& chemin);

  bool FichierUnique() const { return !m_seul.empty(); }
  const std::string& NomUnique() const { return m_seul; }
  const std::filesystem::path& Dossier() const { return m_dossier; }

  // Access to one declaration, its lock held for as long as the object lives. Throws Refus:
  // 400 for a name outside the rules, 404 for a file that is not there.
  class Acces {
   public:
    // Loads the file on first use, and again when another program changed it and nothing is
    // pending here; Refus 422 when it cannot be read.
    DeclarationOuverte& Ouverte();
    // Writes the declaration to its file. When another program changed the file since it was
    // read, the file is left as it is, the declaration goes to a new file beside it, and Refus
    // 409 names that file (the file's own contents are shown from then on).
    void Enregistre();
    // The file is replaced (a program put a new declaration): the copy in memory goes, unless
    // it has changes not saved (Refus 409).
    void Remplace(const std::string& texte);
    void Supprime();                      // to the trash folder
    std::string TexteEnregistre() const;  // the file as saved; Refus 404 when missing
    const std::string& Nom() const { return m_nom; }
    bool Existe() const;

   private:
    friend class EspaceTravail;
    struct Entree;
    Acces(EspaceTravail& espace, std::string nom, std::shared_ptr<Entree> entree);
    EspaceTravail& m_espace;
    std::string m_nom;
    std::shared_ptr<Entree> m_entree;
    std::unique_lock<std::mutex> m_verrou;
  };
  Acces Accede(const std::string& nom);

  std::vector<LigneEspace> Liste();

  // A new empty declaration; Refus 409 when the name is taken.
  void Cree(const std::string& nom);
  // A copy of the saved file of `source`.
  void Duplique(const std::string& source, const std::string& nom);
  // Next year's declaration of the same company: identities kept, the year's figures cleared
  // (the engine's InitPersonnalise), the year one more.
  void AnneeSuivante(const std::string& source, const std::string& nom);

  // "sci-du-parc.json" from "sci-du-parc" or "sci-du-parc.json"; empty when the name breaks
  // the rules: letters, digits, '-', '_' and '.', not starting with '.', at most 100
  // characters, no folder.
  static std::string NomDeFichier(const std::string& saisi);

 private:
  std::filesystem::path Chemin(const std::string& nom) const;  // Refus 400 / 404 when outside
  std::shared_ptr<Acces::Entree> Entree(const std::string& nom);
  // Access to a name for a new declaration, held while it is written; Refus 409 when a file
  // (or a link) already bears it.
  Acces AccedeNouveau(const std::string& nom);

  std::filesystem::path m_dossier;
  std::string m_seul;  // the one file served, when given a file
  std::mutex m_verrouEntrees;
  std::map<std::string, std::shared_ptr<Acces::Entree>> m_entrees;
  struct Resume {
    std::filesystem::file_time_type date;
    std::uintmax_t taille;
    LigneEspace ligne;
  };
  std::mutex m_verrouResumes;
  std::map<std::string, Resume> m_resumes;  // the list's figures, by name, while the file is unchanged
};

// Loads a declaration file's text as the command line does (its checks, then what entering
// the properties gives) and computes it; Refus 422 with the problems, one a line.
DeclarationOuverte ChargeTexte(const std::string& texte);

}  // namespace serveur2072
