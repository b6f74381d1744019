#include "format/fichierjson.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>

#include "dictionnaire2072.h"
#include "format/lecturerapide.h"
#include "format/nomschamps.h"
#include "systeme/fichiers.h"

namespace hote2072 {

using json = nlohmann::json;

namespace {

// "\"300\" to \"310\"": the level keys, as an index's members name them.
std::string Cles() { return "\"" + std::to_string(kPremiereCle) + "\" to \"" + std::to_string(kDerniereCle) + "\""; }

// A member's value as the reader meets it: a scalar, or the start of an array or an object
// (whose content is never needed to describe it).
struct Valeur {
  enum Sorte { Nul, Booleen, Entier, Reel, Texte, Tableau, Objet } sorte = Nul;
  bool entierValide = false;  // an integer that fits a long long
  long long entier = 0;
  std::string texte;  // a string's text, a number's own text

  bool Compose() const { return sorte == Tableau || sorte == Objet; }
  // What a message shows of it: never more than a short line.
  std::string Decrit() const {
    switch (sorte) {
      case Nul: return "null";
      case Tableau: return "an array";
      case Objet: return "an object";
      case Texte: return CiteValeur(texte);
      default: return texte.size() > 80 ? texte.substr(0, 80) + "…" : texte;
    }
  }
};

// Members the reader knows, by object.
enum Membre {
  kInconnu = -1,
  kMFormat,
  kMVersion,
  kMAnnee,
  kMLettres,
  kMCode,
  kMIndex,
  kMValeur,
  kMChamp,
  kMEnregistrement
};
constexpr const char* kNomsMembres[] = {"format", "version", "year",  "letters", "code",
                                        "index",  "value",   "field", "record"};

Membre TrouveMembre(const std::string& nom, int premier, int dernier) {
  for (int m = premier; m <= dernier; ++m)
    if (nom == kNomsMembres[m]) return static_cast<Membre>(m);
  return kInconnu;
}

// "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error ...; last
// read: '...'" becomes "malformed JSON at line 3, column 5: syntax error ...; last read: "..."",
// the text last read cut and escaped like any value.
std::string MessageSyntaxe(const std::string& quoi, const std::string& dernier) {
  std::string texte = quoi;
  if (const auto crochet = texte.find("] "); crochet != std::string::npos) texte.erase(0, crochet + 2);
  if (texte.rfind("parse error", 0) == 0) texte.replace(0, 11, "malformed JSON");
  if (const auto lu = texte.find("; last read: "); lu != std::string::npos)
    texte = texte.substr(0, lu) + "; last read: " + CiteValeur(dernier);
  return texte;
}

// Line and column (from 1) of the byte after `position` bytes of `texte`.
std::string Position(std::string_view texte, std::size_t position) {
  position = std::min(position, texte.size());
  const std::string_view avant = texte.substr(0, position);
  const auto ligne = std::count(avant.begin(), avant.end(), '\n') + 1;
  const auto debut = avant.rfind('\n');
  const std::size_t colonne = debut == std::string_view::npos ? position : position - debut - 1;
  return "line " + std::to_string(ligne) + ", column " + std::to_string(colonne);
}

// Reads a declaration file event by event, straight into its letters: no tree of the whole
// document is ever built, nesting of any depth costs no stack, and each check happens as its
// value goes by. Problems of the file come first, then those of its letters, in file order.
class Lecteur : public nlohmann::json_sax<json> {
 public:
  explicit Lecteur(std::string_view texte) : m_texte(texte) {
    m_fichier.lettres.reserve(texte.size() / 64);  // a letter takes some 60 to 120 bytes
  }

  // The file, or the problems that make it unreadable.
  std::optional<FichierDeclaration> Resultat(Rapport& rapport) {
    if (!m_syntaxe.empty()) {
      rapport.Ajoute(m_syntaxe);
      return std::nullopt;
    }
    if (m_pasObjet) {
      rapport.Ajoute("a declaration file is a JSON object with \"format\", \"version\", \"year\" and \"letters\"");
      return std::nullopt;
    }
    if (m_format != kFormat) {
      rapport.Ajoute(std::string("not a declaration file: \"format\" must be \"") + kFormat + "\"");
      return std::nullopt;
    }
    if (!m_versionVue) m_problemes.push_back(MessageVersion(""));
    if (!m_lettresVues) m_problemes.push_back("\"letters\" must be an array of letters");
    for (std::string& p : m_problemes) rapport.Ajoute(std::move(p));
    for (std::string& p : m_problemesLettres) rapport.Ajoute(std::move(p));
    if (!rapport.vide()) return std::nullopt;
    return std::move(m_fichier);
  }

  bool null() override { return Scalaire({}); }
  bool boolean(bool b) override {
    Valeur v;
    v.sorte = Valeur::Booleen;
    v.texte = b ? "true" : "false";
    return Scalaire(std::move(v));
  }
  bool number_integer(number_integer_t n) override {
    Valeur v;
    v.sorte = Valeur::Entier;
    v.entierValide = true;
    v.entier = n;
    v.texte = std::to_string(n);
    return Scalaire(std::move(v));
  }
  bool number_unsigned(number_unsigned_t n) override {
    Valeur v;
    v.sorte = Valeur::Entier;
    v.entierValide = n <= static_cast<number_unsigned_t>(std::numeric_limits<long long>::max());
    v.entier = v.entierValide ? static_cast<long long>(n) : 0;
    v.texte = std::to_string(n);
    return Scalaire(std::move(v));
  }
  bool number_float(number_float_t, const string_t& brut) override {
    Valeur v;
    v.sorte = Valeur::Reel;
    v.texte = brut;
    return Scalaire(std::move(v));
  }
  bool string(string_t& s) override {
    Valeur v;
    v.sorte = Valeur::Texte;
    v.texte = std::move(s);
    return Scalaire(std::move(v));
  }
  bool binary(binary_t&) override { return Scalaire({}); }  // never produced by the JSON parser

  bool start_object(std::size_t) override {
    if (m_saut > 0) return Entre(true);
    Valeur v;
    v.sorte = Valeur::Objet;
    return Compose(v);
  }
  bool start_array(std::size_t) override {
    if (m_saut > 0) return Entre(false);
    Valeur v;
    v.sorte = Valeur::Tableau;
    return Compose(v);
  }
  bool end_object() override {
    if (m_saut > 0) return Sort();
    if (m_ou == Ou::Lettre)
      FinLettre();
    else if (m_ou == Ou::Index)
      FinIndex();
    else if (m_ou == Ou::Racine)
      m_ou = Ou::Fin;
    return true;
  }
  bool end_array() override {
    if (m_saut > 0) return Sort();
    if (m_ou == Ou::Lettres) m_ou = Ou::Racine;
    return true;
  }

  bool key(string_t& nom) override {
    if (m_saut > 0) {
      if (!m_clesSautees.back().insert(nom).second) Double(nom);
      return true;
    }
    if (m_ou == Ou::Racine) {
      m_membre = Nouveau(TrouveMembre(nom, kMFormat, kMLettres), nom, m_vusRacine, m_inconnusRacine);
      if (m_membre == kInconnu) m_problemes.push_back("unknown member " + CiteValeur(nom));
    } else if (m_ou == Ou::Lettre) {
      m_membre = Nouveau(TrouveMembre(nom, kMCode, kMEnregistrement), nom, m_vusLettre, m_inconnusLettre);
      if (m_membre == kInconnu) m_lettreProblemes.push_back(Prefixe() + "unknown member " + CiteValeur(nom));
    } else if (m_ou == Ou::Index) {
      const bool chiffres =
          nom.size() == 3 && std::all_of(nom.begin(), nom.end(), [](char c) { return c >= '0' && c <= '9'; });
      m_cle = chiffres && TrouveNiveau(std::stoi(nom)) != nullptr ? std::stoi(nom) : 0;
      m_nomCle = nom;
      const unsigned bit = m_cle == 0 ? 0 : 1u << (m_cle - kPremiereCle);
      if ((m_clesIndex & bit) != 0 || (m_cle == 0 && !m_clesInvalides.insert(nom).second)) {
        m_indexProblemes.push_back(Prefixe() + "duplicate member " + CiteValeur(nom) +
                                   ": an object gives each member once");
        m_cle = -1;  // its value is not read
      } else if (m_cle == 0) {
        m_indexProblemes.push_back(Prefixe() + "index key " + CiteValeur(nom) + " is not a level key; levels are " +
                                   Cles());
      }
      m_clesIndex |= bit;
    }
    return true;
  }

  bool parse_error(std::size_t position, const std::string& dernier, const nlohmann::detail::exception& e) override {
    if (dynamic_cast<const json::parse_error*>(&e) != nullptr)
      m_syntaxe = MessageSyntaxe(e.what(), dernier);
    else  // a number too large for a double
      m_syntaxe =
          "malformed JSON at " + Position(m_texte, position) + ": number " + CiteValeur(dernier) + " is out of range";
    return false;
  }

 private:
  enum class Ou { Document, Racine, Lettres, Lettre, Index, Fin };
  static constexpr Membre kDouble = static_cast<Membre>(-2);

  // The member named `nom` the first time, kDouble once it was seen.
  Membre Nouveau(Membre m, const std::string& nom, unsigned& vus, std::set<std::string>& inconnus) {
    if (m == kInconnu) {
      if (inconnus.insert(nom).second) return kInconnu;
    } else if ((vus & (1u << m)) == 0) {
      vus |= 1u << m;
      return m;
    }
    Double(nom);
    return kDouble;
  }

  void Double(const std::string& nom) {
    auto& ou = m_ou == Ou::Lettre || m_ou == Ou::Index ? m_lettreProblemes : m_problemes;
    ou.push_back((m_ou == Ou::Lettre || m_ou == Ou::Index ? Prefixe() : std::string()) + "duplicate member " +
                 CiteValeur(nom) + ": an object gives each member once");
  }

  std::string Prefixe() const { return "letter " + std::to_string(m_rang) + ": "; }

  // Skipping a value whose content does not matter: only its depth is kept.
  bool Entre(bool) {
    ++m_saut;
    m_clesSautees.emplace_back();
    return true;
  }
  bool Sort() {
    --m_saut;
    m_clesSautees.pop_back();
    return true;
  }

  bool Compose(Valeur v) {
    if (m_ou == Ou::Document) {
      if (v.sorte == Valeur::Objet) {
        m_ou = Ou::Racine;
        return true;
      }
      m_pasObjet = true;
    } else if (m_ou == Ou::Racine && m_membre == kMLettres && v.sorte == Valeur::Tableau) {
      m_lettresVues = true;
      m_ou = Ou::Lettres;
      return true;
    } else if (m_ou == Ou::Lettres && v.sorte == Valeur::Objet) {
      DebutLettre();
      return true;
    } else if (m_ou == Ou::Lettre && m_membre == kMIndex && v.sorte == Valeur::Objet) {
      m_ou = Ou::Index;
      m_clesIndex = 0;
      m_clesInvalides.clear();
      m_lettre.index.reserve(2);
      return true;
    } else {
      const bool objet = v.sorte == Valeur::Objet;
      Scalaire(std::move(v));
      return Entre(objet);
    }
    return Entre(v.sorte == Valeur::Objet);
  }

  bool Scalaire(Valeur&& v) {
    if (m_saut > 0) return true;
    switch (m_ou) {
      case Ou::Document: m_pasObjet = true; break;
      case Ou::Racine: MembreRacine(v); break;
      case Ou::Lettres:
        ++m_rang;
        m_problemesLettres.push_back(Prefixe() +
                                     "must be an object with \"code\", \"value\" and, below the root, \"index\"");
        break;
      case Ou::Lettre: MembreLettre(v); break;
      case Ou::Index: PositionIndex(v); break;
      case Ou::Fin: break;
    }
    return true;
  }

  std::string MessageVersion(const std::string& trouve) const {
    return "\"version\" must be " + std::to_string(kVersion) + ", the only version this program reads" +
           (trouve.empty() ? "" : " (found " + trouve + ")");
  }

  void MembreRacine(const Valeur& v) {
    switch (m_membre) {
      case kMFormat:
        if (v.sorte == Valeur::Texte) m_format = v.texte;
        break;
      case kMVersion:
        m_versionVue = true;
        if (!(v.sorte == Valeur::Entier && v.entierValide && v.entier == kVersion))
          m_problemes.push_back(MessageVersion(v.Decrit()));
        break;
      case kMAnnee:
        if (v.sorte != Valeur::Entier || !v.entierValide || v.entier < kAnneeMin || v.entier > kAnneeMax)
          m_problemes.push_back("\"year\" must be a year from " + std::to_string(kAnneeMin) + " to " +
                                std::to_string(kAnneeMax) + " (found " + v.Decrit() + ")");
        else
          m_fichier.annee = static_cast<long>(v.entier);
        break;
      case kMLettres:
        m_lettresVues = true;
        m_problemes.push_back("\"letters\" must be an array of letters");
        break;
      default: break;
    }
  }

  void DebutLettre() {
    m_ou = Ou::Lettre;
    m_lettre = LettreFichier{};
    m_lettre.rang = ++m_rang;
    m_vusLettre = 0;
    m_inconnusLettre.clear();
    m_codeBon = m_valeurBonne = true;
    m_champ.clear();
    m_enregistrement.clear();
    m_lettreProblemes.clear();
    m_indexProblemes.clear();
  }

  void MembreLettre(Valeur& v) {
    if (m_membre == kMCode) {
      m_codeBon = v.sorte == Valeur::Entier && v.entierValide;
      m_lettre.code = v.entier;
    } else if (m_membre == kMValeur) {
      m_valeurBonne = v.sorte == Valeur::Texte || v.sorte == Valeur::Entier || v.sorte == Valeur::Reel;
      m_lettre.valeur = std::move(v.texte);  // a number stands for its own text
    } else if (m_membre == kMIndex) {
      m_indexProblemes.push_back(Prefixe() + "\"index\" must be an object mapping level keys " + Cles() +
                                 " to positions");
    } else if (m_membre == kMChamp || m_membre == kMEnregistrement) {
      if (v.sorte != Valeur::Texte || v.texte.empty())
        m_lettreProblemes.push_back(Prefixe() + (m_membre == kMChamp ? "\"field\" must be a field name"
                                                                     : "\"record\" must be the name of a record"));
      else
        (m_membre == kMChamp ? m_champ : m_enregistrement) = std::move(v.texte);
    }
  }

  void PositionIndex(const Valeur& v) {
    if (m_cle <= 0) return;  // a key already reported
    if (v.sorte != Valeur::Entier || !v.entierValide || v.entier < 0 || v.entier > kPositionMax) {
      m_indexProblemes.push_back(Prefixe() + "position " + v.Decrit() + " of level " + m_nomCle +
                                 " is not a whole number from 0 to " + std::to_string(kPositionMax));
      return;
    }
    m_lettre.index.emplace_back(m_cle, static_cast<int>(v.entier));
  }

  void FinIndex() {
    m_ou = Ou::Lettre;
    std::sort(m_lettre.index.begin(), m_lettre.index.end());
  }

  void FinLettre() {
    m_ou = Ou::Lettres;
    const bool codeDonne = (m_vusLettre & (1u << kMCode)) != 0;
    auto& sortie = m_problemesLettres;
    for (std::string& p : m_lettreProblemes) sortie.push_back(std::move(p));
    if (!m_codeBon) {
      sortie.push_back(Prefixe() + "\"code\" must be a whole number, the letter's code");
    } else if (m_indexProblemes.empty()) {  // the field's name needs the index's levels
      std::string probleme;
      m_lettre.code = CodeNomme({codeDonne, m_lettre.code, m_champ, m_enregistrement}, m_lettre.index, probleme);
      if (!probleme.empty()) sortie.push_back(Prefixe() + probleme);
    } else if (!codeDonne) {
      m_codeBon = false;
    }
    if ((m_vusLettre & (1u << kMValeur)) == 0)
      sortie.push_back(Prefixe() + "\"value\" is missing");
    else if (!m_valeurBonne)
      sortie.push_back(Prefixe() + "\"value\" must be a string, the letter's text");
    for (std::string& p : m_indexProblemes) sortie.push_back(std::move(p));
    if (sortie.empty()) m_fichier.lettres.push_back(std::move(m_lettre));
  }

  std::string_view m_texte;
  FichierDeclaration m_fichier;
  Ou m_ou = Ou::Document;
  Membre m_membre = kInconnu;
  long long m_saut = 0;                              // depth inside a value being skipped
  std::vector<std::set<std::string>> m_clesSautees;  // keys of each object being skipped
  std::string m_syntaxe, m_format;
  bool m_pasObjet = false, m_versionVue = false, m_lettresVues = false;
  std::vector<std::string> m_problemes, m_problemesLettres;
  unsigned m_vusRacine = 0;
  std::set<std::string> m_inconnusRacine;
  // The letter being read.
  std::size_t m_rang = 0;
  LettreFichier m_lettre;
  unsigned m_vusLettre = 0;
  std::set<std::string> m_inconnusLettre;
  bool m_codeBon = true, m_valeurBonne = true;
  std::string m_champ, m_enregistrement;  // "field" and "record", empty when not given
  std::vector<std::string> m_lettreProblemes, m_indexProblemes;
  int m_cle = 0;  // level of the index key being read; 0 not a level, -1 given twice
  std::string m_nomCle;
  unsigned m_clesIndex = 0;
  std::set<std::string> m_clesInvalides;
};

}  // namespace

std::string LitTexteDeclaration(const std::string& chemin) {
  return LitFichier(chemin, kTailleLectureMax, [](std::string_view bloc) {
    const std::size_t zero = bloc.find('\0');
    return zero == std::string_view::npos ? zero : zero + 1;  // the zero byte itself, for the reader to name
  });
}

std::optional<FichierDeclaration> LitJson(std::string_view texte, Rapport& rapport) {
  if (auto fichier = LitJsonRapide(texte)) return fichier;
  return LitJsonEvenements(texte, rapport);
}

std::optional<FichierDeclaration> LitJsonEvenements(std::string_view texte, Rapport& rapport) {
  Lecteur lecteur(texte);
  json::sax_parse(texte.begin(), texte.end(), &lecteur);
  return lecteur.Resultat(rapport);
}

namespace {

// ", "field": "LoyerBrut", "record": "TDonneeProprieteFoncierPropriete"" for each code.
const std::string& NomsPourLesGens(long long code) {
  static const auto noms = [] {
    std::vector<std::string> n(lettres::kEtendueCodes);
    for (int i = 0; i < lettres::kEtendueCodes; ++i)
      if (const auto* e = zorfiscal2072::EntreeDictionnaire2072(lettres::kPremierCode + i))
        n[static_cast<std::size_t>(i)] =
            ", \"field\": " + TexteJson(e->lettre.champ) + ", \"record\": " + TexteJson(e->enregistrement);
    return n;
  }();
  static const std::string aucun;
  const long long i = code - lettres::kPremierCode;
  return i >= 0 && i < lettres::kEtendueCodes ? noms[static_cast<std::size_t>(i)] : aucun;
}

}  // namespace

EcrivainJson::EcrivainJson(std::function<void(std::string_view)> ecrit, long annee, bool annote)
    : m_ecrit(std::move(ecrit)), m_annote(annote) {
  m_texte = std::string("{\n  \"format\": \"") + kFormat + "\",\n  \"version\": " + std::to_string(kVersion) +
            ",\n  \"year\": " + std::to_string(annee) + ",\n  \"letters\": [";
  m_texte.reserve((1 << 16) + 4096);
}

void EcrivainJson::Ajoute(long long code, const Index& index, std::string_view valeur) {
  // A million shares write millions of letters: numbers and values go straight into the
  // text, without a string of their own.
  using namespace std::string_view_literals;
  const auto nombre = [&](long long n) {
    char chiffres[24];
    const auto fin = std::to_chars(chiffres, chiffres + sizeof chiffres, n).ptr;
    m_texte.append(chiffres, static_cast<std::size_t>(fin - chiffres));
  };
  m_texte.append(m_premiere ? "\n    {\"code\": "sv : ",\n    {\"code\": "sv);
  m_premiere = false;
  nombre(code);
  if (!index.empty()) {
    m_texte.append(", \"index\": {"sv);
    for (std::size_t k = 0; k < index.size(); ++k) {
      m_texte.append(k ? ", \""sv : "\""sv);
      nombre(index[k].first);
      m_texte.append("\": "sv);
      nombre(index[k].second);
    }
    m_texte += '}';
  }
  m_texte.append(", \"value\": "sv);
  AjouteTexteJson(m_texte, valeur);
  if (m_annote) m_texte.append(NomsPourLesGens(code));
  m_texte += '}';
  if (m_texte.size() >= (1 << 16)) {
    m_ecrit(m_texte);
    m_texte.clear();
  }
}

void EcrivainJson::Termine() {
  m_texte += m_premiere ? "]\n}\n" : "\n  ]\n}\n";
  m_ecrit(m_texte);
  m_texte.clear();
}

std::string EcritJson(const FichierDeclaration& fichier, bool annote) {
  std::string texte;
  EcrivainJson ecrivain([&](std::string_view piece) { texte.append(piece); }, fichier.annee, annote);
  for (const LettreFichier& l : fichier.lettres) ecrivain.Ajoute(l);
  ecrivain.Termine();
  return texte;
}

}  // namespace hote2072
