#include "espace.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <optional>
#include <tuple>

#include "chargement/chargement.h"
#include "chargement/verification.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "services/controle.h"
#include "services/saisie.h"
#include "services/saisieproprietes.h"
#include "systeme/fichiers.h"

namespace serveur2072 {

namespace fs = std::filesystem;
using namespace hote2072;

namespace {

constexpr const char* kCorbeille = ".corbeille";
constexpr std::size_t kProblemesMontres = 100;

bool Dans(const fs::path& chemin, const fs::path& dossier) {
  const auto d = dossier.lexically_normal().string(), c = chemin.lexically_normal().string();
  return c.size() > d.size() && c.compare(0, d.size(), d) == 0 && (d.back() == '/' || c[d.size()] == '/');
}

// The properties whose file gives the receipts subject to the contribution, or the deduction
// option.
void NoteDonnees(const FichierDeclaration& fichier, DeclarationOuverte& d) {
  using zorfiscal2072::TDonneeProprieteFoncierPropriete;
  static const int kRecette = TDonneeProprieteFoncierPropriete::Lettres().CodeDuChamp("RecetteCRL");
  static const int kOption = TDonneeProprieteFoncierPropriete::Lettres().CodeDuChamp("OptionTauxDeduction");
  const auto& proprietes = d.racine->getPropriete2072();
  for (const LettreFichier& l : fichier.lettres) {
    if (l.code != kRecette && l.code != kOption) continue;
    const int position = PositionDans(l.index, zorfiscal2072::kNiveauPropriete);
    if (position < 0 || static_cast<std::size_t>(position) >= proprietes.size()) continue;
    (l.code == kRecette ? d.recetteCRLDonnee : d.optionTauxDonnee)
        .insert(proprietes[static_cast<std::size_t>(position)].getCodePropriete());
  }
}

// A file's time and size, or nothing when it is not there.
std::optional<std::pair<fs::file_time_type, std::uintmax_t>> Etat(const fs::path& chemin) {
  std::error_code erreur;
  const auto date = fs::last_write_time(chemin, erreur);
  if (erreur) return std::nullopt;
  const auto taille = fs::file_size(chemin, erreur);
  if (erreur) return std::nullopt;
  return std::pair{date, taille};
}

void NoteEtat(DeclarationOuverte& d, const fs::path& chemin) {
  if (const auto etat = Etat(chemin)) std::tie(d.dateFichier, d.tailleFichier) = *etat;
}

// Another program changed (or replaced) the file since it was read or written here.
bool ChangeAilleurs(const DeclarationOuverte& d, const fs::path& chemin) {
  const auto etat = Etat(chemin);
  return etat && (etat->first != d.dateFichier || etat->second != d.tailleFichier);
}

// A new declaration's file, written whole or not at all.
void EcritNouvelle(const fs::path& chemin, TDonnee2072& racine) {
  try {
    EcritDeclaration(chemin.string(), racine, false, true);
  } catch (const ErreurFichier& e) {
    throw Refus{500, std::string("Création impossible : ") + e.what()};
  }
}

std::string Horodatage() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char texte[32];
  std::strftime(texte, sizeof texte, "%Y%m%d-%H%M%S", &tm);
  return texte;
}

}  // namespace

DeclarationOuverte ChargeTexte(const std::string& texte) {
  Rapport rapport;
  DeclarationOuverte d;
  if (auto fichier = LitJson(texte, rapport)) {
    d.racine = Charge(*fichier, rapport);
    if (d.racine) {
      CompleteSaisieProprietes(*fichier, *d.racine);
      NoteDonnees(*fichier, d);
      d.codesDonnes = CodesDonnes(*fichier);
      d.avertissements = rapport.avertissements();
    }
  }
  if (!d.racine) {
    std::string message = "Cette déclaration ne peut pas être lue :";
    const auto problemes = rapport.problemes();
    for (std::size_t k = 0; k < problemes.size() && k < kProblemesMontres; ++k) message += "\n" + problemes[k];
    if (problemes.size() > kProblemesMontres)
      message += "\n… et " + std::to_string(problemes.size() - kProblemesMontres) + " autres problèmes";
    throw Refus{422, message};
  }
  MetAJour(*d.racine);
  return d;
}

struct EspaceTravail::Acces::Entree {
  std::mutex verrou;
  std::unique_ptr<DeclarationOuverte> ouverte;
  // The last version shown of a copy since dropped: a copy read again counts on from it, so
  // that no page of the former one can change it.
  std::uint64_t derniere = 0;

  void Abandonne() {
    if (ouverte) derniere = ouverte->version;
    ouverte.reset();
  }
};

EspaceTravail::EspaceTravail(const fs::path& chemin) {
  std::error_code erreur;
  if (fs::is_directory(chemin, erreur) || !fs::exists(chemin, erreur)) {
    if (!fs::exists(chemin, erreur) && (chemin.extension() == ".json" || !fs::create_directories(chemin, erreur)))
      throw Refus{404, "Dossier ou déclaration introuvable, et qui ne peut pas être créé : " + chemin.string()};
    m_dossier = fs::canonical(chemin);
    return;
  }
  const fs::path fichier = fs::canonical(chemin, erreur);
  if (erreur || !fs::is_regular_file(fichier))
    throw Refus{404, "Ni un dossier ni une déclaration : " + chemin.string()};
  m_dossier = fichier.parent_path();
  m_seul = chemin.filename().string();
  if (NomDeFichier(m_seul) != m_seul)
    throw Refus{400, "Nom de déclaration hors des règles (lettres, chiffres, - _ . et .json) : " + m_seul};
}

std::string EspaceTravail::NomDeFichier(const std::string& saisi) {
  std::string nom = saisi;
  if (nom.size() < 5 || nom.compare(nom.size() - 5, 5, ".json") != 0) nom += ".json";
  if (nom.size() > 100 || nom.size() <= 5 || nom[0] == '.') return {};
  for (char c : nom)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.')) return {};
  return nom;
}

fs::path EspaceTravail::Chemin(const std::string& nom) const {
  if (NomDeFichier(nom) != nom) throw Refus{400, "Nom de déclaration invalide : lettres, chiffres, - _ . et .json"};
  if (FichierUnique() && nom != m_seul) throw Refus{404, "Ce serveur ne sert que " + m_seul};
  const fs::path chemin = m_dossier / nom;
  std::error_code erreur;
  if (fs::is_symlink(chemin, erreur)) {
    const fs::path cible = fs::weakly_canonical(chemin, erreur);
    if (erreur || !Dans(cible, m_dossier)) throw Refus{403, "Lien symbolique vers un fichier hors du dossier : refusé"};
  }
  return chemin;
}

std::shared_ptr<EspaceTravail::Acces::Entree> EspaceTravail::Entree(const std::string& nom) {
  std::lock_guard verrou(m_verrouEntrees);
  auto& entree = m_entrees[nom];
  if (!entree) entree = std::make_shared<Acces::Entree>();
  return entree;
}

EspaceTravail::Acces EspaceTravail::Accede(const std::string& nom) {
  Chemin(nom);
  return Acces(*this, nom, Entree(nom));
}

EspaceTravail::Acces::Acces(EspaceTravail& espace, std::string nom, std::shared_ptr<Entree> entree)
    : m_espace(espace), m_nom(std::move(nom)), m_entree(std::move(entree)), m_verrou(m_entree->verrou) {}

bool EspaceTravail::Acces::Existe() const {
  std::error_code erreur;
  return fs::is_regular_file(m_espace.Chemin(m_nom), erreur);
}

DeclarationOuverte& EspaceTravail::Acces::Ouverte() {
  const fs::path chemin = m_espace.Chemin(m_nom);
  auto& ouverte = m_entree->ouverte;
  if (ouverte && !ouverte->modifiee && ChangeAilleurs(*ouverte, chemin)) m_entree->Abandonne();
  if (!ouverte) {
    if (!Existe()) throw Refus{404, "Déclaration introuvable : " + m_nom};
    DeclarationOuverte d;
    const auto etat = Etat(chemin);  // before reading: a change while reading is seen next time
    try {
      d = ChargeTexte(LitFichier(chemin.string()));
    } catch (const ErreurFichier& e) {
      throw Refus{422, std::string("Cette déclaration ne peut pas être lue : ") + e.what()};
    }
    if (etat) std::tie(d.dateFichier, d.tailleFichier) = *etat;
    d.version = m_entree->derniere + 1;
    ouverte = std::make_unique<DeclarationOuverte>(std::move(d));
  }
  return *ouverte;
}

void EspaceTravail::Acces::Enregistre() {
  DeclarationOuverte& d = Ouverte();
  const fs::path chemin = m_espace.Chemin(m_nom);
  if (ChangeAilleurs(d, chemin)) {
    // Neither copy is lost: this one goes beside the file, under a name of its own.
    const std::string base = m_nom.substr(0, std::min<std::size_t>(m_nom.size() - 5, 60)) + ".conflit-" + Horodatage();
    std::string copie = base + ".json";
    std::error_code erreur;
    for (int k = 2; fs::exists(fs::symlink_status(m_espace.m_dossier / copie, erreur)); ++k)
      copie = base + "-" + std::to_string(k) + ".json";
    try {
      EcritDeclaration((m_espace.m_dossier / copie).string(), *d.racine, false, true);
    } catch (const ErreurFichier& e) {
      throw Refus{500, "Le fichier " + m_nom +
                           " a été modifié par un autre programme depuis son ouverture, et vos modifications "
                           "n'ont pas pu être enregistrées à côté : " +
                           e.what()};
    }
    m_entree->Abandonne();
    throw Refus{409, "Le fichier " + m_nom +
                         " a été modifié par un autre programme depuis son ouverture : il n'a pas été "
                         "remplacé. Vos modifications sont enregistrées dans " +
                         copie + ", dans le même dossier ; " + m_nom + " montre désormais son nouveau contenu."};
  }
  try {
    EcritDeclaration(chemin.string(), *d.racine, false, true);
  } catch (const ErreurFichier& e) {
    throw Refus{500, std::string("Enregistrement impossible, le fichier est inchangé : ") + e.what()};
  }
  NoteEtat(d, chemin);
  d.modifiee = false;
}

void EspaceTravail::Acces::Remplace(const std::string& texte) {
  if (m_entree->ouverte && m_entree->ouverte->modifiee)
    throw Refus{409,
                "Cette déclaration a des modifications non enregistrées dans le navigateur : enregistrez-les d'abord"};
  auto nouvelle = std::make_unique<DeclarationOuverte>(ChargeTexte(texte));
  try {
    EcritDeclaration(m_espace.Chemin(m_nom).string(), *nouvelle->racine, false, true);
  } catch (const ErreurFichier& e) {
    throw Refus{500, std::string("Écriture impossible, le fichier est inchangé : ") + e.what()};
  }
  NoteEtat(*nouvelle, m_espace.Chemin(m_nom));
  m_entree->Abandonne();
  nouvelle->version = m_entree->derniere + 1;
  m_entree->ouverte = std::move(nouvelle);
}

std::string EspaceTravail::Acces::TexteEnregistre() const {
  if (!Existe()) throw Refus{404, "Déclaration introuvable : " + m_nom};
  try {
    return LitFichier(m_espace.Chemin(m_nom).string());
  } catch (const ErreurFichier& e) {
    throw Refus{422, std::string("Lecture impossible : ") + e.what()};
  }
}

void EspaceTravail::Acces::Supprime() {
  if (m_espace.FichierUnique()) throw Refus{403, "Ce serveur ne sert qu'une déclaration : elle ne se supprime pas ici"};
  if (!Existe()) throw Refus{404, "Déclaration introuvable : " + m_nom};
  const fs::path corbeille = m_espace.m_dossier / kCorbeille;
  std::error_code erreur;
  fs::create_directories(corbeille, erreur);
  const std::string base = m_nom.substr(0, m_nom.size() - 5) + "." + Horodatage();
  fs::path cible = corbeille / (base + ".json");
  for (int k = 2; fs::exists(fs::symlink_status(cible, erreur)); ++k)
    cible = corbeille / (base + "-" + std::to_string(k) + ".json");
  fs::rename(m_espace.Chemin(m_nom), cible, erreur);
  if (erreur) throw Refus{500, "Déplacement vers la corbeille impossible : " + erreur.message()};
  m_entree->Abandonne();
}

EspaceTravail::Acces EspaceTravail::AccedeNouveau(const std::string& nom) {
  Acces acces = Accede(nom);
  std::error_code erreur;
  if (fs::exists(fs::symlink_status(Chemin(nom), erreur)))
    throw Refus{409, "Une déclaration porte déjà ce nom : " + nom};
  return acces;
}

void EspaceTravail::Cree(const std::string& nom) {
  Acces acces = AccedeNouveau(nom);
  if (FichierUnique()) throw Refus{403, "Ce serveur ne sert qu'une déclaration"};
  TDonnee2072 racine;
  EcritNouvelle(Chemin(nom), racine);
}

void EspaceTravail::Duplique(const std::string& source, const std::string& nom) {
  const fs::path depuis = Chemin(source);
  Acces acces = AccedeNouveau(nom);
  try {
    EcritFichier(Chemin(nom).string(), LitFichier(depuis.string()));
  } catch (const ErreurFichier& e) {
    throw Refus{422, std::string("Copie impossible : ") + e.what()};
  }
}

void EspaceTravail::AnneeSuivante(const std::string& source, const std::string& nom) {
  const fs::path depuis = Chemin(source);
  Acces acces = AccedeNouveau(nom);
  std::string texte;
  try {
    texte = LitFichier(depuis.string());
  } catch (const ErreurFichier& e) {
    throw Refus{422, std::string("Lecture impossible : ") + e.what()};
  }
  DeclarationOuverte d = ChargeTexte(texte);
  const long annee = d.racine->getAnnee();
  d.racine->InitPersonnalise();  // puts the year back to the engine's default
  d.racine->setAnnee(annee + 1);
  MetAJour(*d.racine);
  EcritNouvelle(Chemin(nom), *d.racine);
}

std::vector<LigneEspace> EspaceTravail::Liste() {
  std::vector<std::string> noms;
  std::error_code erreur;
  if (FichierUnique()) {
    noms.push_back(m_seul);
  } else {
    for (const auto& e : fs::directory_iterator(m_dossier, erreur)) {
      const std::string nom = e.path().filename().string();
      if (NomDeFichier(nom) == nom) noms.push_back(nom);
    }
  }
  std::sort(noms.begin(), noms.end());
  std::vector<LigneEspace> lignes;
  for (const std::string& nom : noms) {
    fs::path chemin;
    try {
      chemin = Chemin(nom);
    } catch (const Refus&) {
      continue;  // a link out of the folder is not listed
    }
    if (!fs::is_regular_file(chemin, erreur)) continue;
    const auto date = fs::last_write_time(chemin, erreur);
    const auto taille = fs::file_size(chemin, erreur);
    LigneEspace ligne;
    {
      std::lock_guard verrou(m_verrouResumes);
      const auto it = m_resumes.find(nom);
      if (it != m_resumes.end() && it->second.date == date && it->second.taille == taille) ligne = it->second.ligne;
    }
    if (ligne.nom.empty()) {
      ligne.nom = nom;
      try {
        DeclarationOuverte d = ChargeTexte(LitFichier(chemin.string()));
        const auto& info = d.racine->getInfogene2072();
        ligne.societe = info.getSocieteNom();
        ligne.siren = info.getNumeroSIREN();
        ligne.annee = d.racine->getAnnee();
        ligne.resultat = d.racine->getResultatGlobalARepartir().getRevenuNetOuDeficit();
        ligne.messages = ControleDeclaration(*d.racine).size();
      } catch (const Refus& r) {
        ligne.probleme = r.message.substr(0, r.message.find('\n'));
      } catch (const ErreurFichier& e) {
        ligne.probleme = e.what();
      }
      std::lock_guard verrou(m_verrouResumes);
      m_resumes[nom] = {date, taille, ligne};
    }
    {
      const auto entree = Entree(nom);
      std::unique_lock verrou(entree->verrou, std::try_to_lock);
      ligne.modifiee = verrou.owns_lock() && entree->ouverte && entree->ouverte->modifiee;
    }
    lignes.push_back(std::move(ligne));
  }
  return lignes;
}

}  // namespace serveur2072
