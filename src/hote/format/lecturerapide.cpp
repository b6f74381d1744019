#include "format/lecturerapide.h"

#include <simdjson.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "format/nomschamps.h"

namespace hote2072 {

namespace {

using namespace simdjson;

// A string's text. A lone surrogate escape (\ud800) decodes to bytes that are not UTF-8, which
// the event reader refuses; such a text leaves the fast path.
bool Texte(ondemand::value valeur, std::string_view& texte) {
  if (valeur.get_string().get(texte)) return false;
  return std::memchr(texte.data(), 0xED, texte.size()) == nullptr || validate_utf8(texte.data(), texte.size());
}

bool Entier(ondemand::value valeur, long long min, long long max, long long& n) {
  int64_t v = 0;
  if (valeur.get_int64().get(v) || v < min || v > max) return false;
  n = v;
  return true;
}

// The member `cle` names among `noms`, -1 for another or an escaped one; each may come once.
int Membre(ondemand::field& champ, std::initializer_list<std::string_view> noms, unsigned& vus) {
  const ondemand::raw_json_string cle = champ.key();
  int m = 0;
  for (const std::string_view nom : noms) {
    if (cle.unsafe_is_equal(nom)) {
      if ((vus & (1u << m)) != 0) return -1;
      vus |= 1u << m;
      return m;
    }
    ++m;
  }
  return -1;
}

// "300" to "310", a level the host knows; 0 otherwise.
int CleNiveau(ondemand::field& champ) {
  const char* c = champ.key().raw();
  for (int k = 0; k < 3; ++k)
    if (c[k] < '0' || c[k] > '9') return 0;
  if (c[3] != '"') return 0;
  const int cle = (c[0] - '0') * 100 + (c[1] - '0') * 10 + (c[2] - '0');
  return TrouveNiveau(cle) != nullptr ? cle : 0;
}

bool LitIndex(ondemand::value valeur, Index& index) {
  ondemand::object objet;
  if (valeur.get_object().get(objet)) return false;
  unsigned vus = 0;
  for (auto element : objet) {
    ondemand::field champ;
    if (std::move(element).get(champ)) return false;
    const int cle = CleNiveau(champ);
    if (cle == 0 || (vus & (1u << (cle - kPremiereCle))) != 0) return false;
    vus |= 1u << (cle - kPremiereCle);
    long long position = 0;
    if (!Entier(champ.value(), 0, kPositionMax, position)) return false;
    index.emplace_back(cle, static_cast<int>(position));
  }
  std::sort(index.begin(), index.end());
  return true;
}

// One letter; `index` holds its index, reused from letter to letter.
bool LitLettre(ondemand::value valeur, LettreRapide& lettre, Index& index) {
  ondemand::object objet;
  if (valeur.get_object().get(objet)) return false;
  enum { kCode, kIndex, kValeur, kChamp, kEnregistrement };
  unsigned vus = 0;
  index.clear();
  LettreNommee nommee;
  for (auto element : objet) {
    ondemand::field champ;
    if (std::move(element).get(champ)) return false;
    switch (Membre(champ, {"code", "index", "value", "field", "record"}, vus)) {
      case kCode:
        if (!Entier(champ.value(), INT64_MIN, INT64_MAX, nommee.code)) return false;
        nommee.codeDonne = true;
        break;
      case kIndex:
        if (!LitIndex(champ.value(), index)) return false;
        break;
      case kValeur:
        if (!Texte(champ.value(), lettre.valeur)) return false;
        break;
      case kChamp:
        if (!Texte(champ.value(), nommee.champ) || nommee.champ.empty()) return false;
        break;
      case kEnregistrement:
        if (!Texte(champ.value(), nommee.enregistrement) || nommee.enregistrement.empty()) return false;
        break;
      default: return false;
    }
  }
  if ((vus & (1u << kValeur)) == 0) return false;
  lettre.index = std::span<const std::pair<int, int>>(index.data(), index.size());
  // A letter named by its field, or whose field and record do not agree with its code, is
  // left to the event reader when something is wrong: it names the problem.
  std::string probleme;
  lettre.code = CodeNomme(nommee, index, probleme);
  return probleme.empty();
}

using Recepteur = std::function<bool(const LettreRapide&)>;

bool LitLettres(ondemand::array tableau, const Recepteur& recoit, std::size_t& nombre) {
  LettreRapide lettre;
  Index index;
  for (auto element : tableau) {
    ondemand::value v;
    if (std::move(element).get(v) || !LitLettre(v, lettre, index) || !recoit(lettre)) return false;
    ++nombre;
  }
  return true;
}

// The fast reader works on copies of its own, padded as simdjson asks.
class Tampon {
 public:
  padded_string_view Vue() const { return padded_string_view(m_texte.data(), m_texte.size(), m_texte.capacity()); }
  void Prend(std::string_view debut, std::string_view milieu, std::string_view fin) {
    const std::size_t taille = debut.size() + milieu.size() + fin.size();
    m_texte.reserve(taille + SIMDJSON_PADDING);
    m_texte.resize(taille);
    char* p = m_texte.data();
    for (const std::string_view partie : {debut, milieu, fin}) p = std::copy(partie.begin(), partie.end(), p);
  }

 private:
  std::string m_texte;
};

// The root object with an empty letters array: every member but the letters, checked.
bool LitRacine(ondemand::parser& parser, const Tampon& tampon, long& annee) {
  ondemand::document document;
  if (parser.iterate(tampon.Vue()).get(document)) return false;
  ondemand::object racine;
  if (document.get_object().get(racine)) return false;
  enum { kCleFormat, kCleVersion, kCleAnnee, kCleLettres };
  unsigned vus = 0;
  for (auto element : racine) {
    ondemand::field champ;
    if (std::move(element).get(champ)) return false;
    std::string_view format;
    ondemand::array lettres;
    long long n = 0;
    switch (Membre(champ, {"format", "version", "year", "letters"}, vus)) {
      case kCleFormat:
        if (!Texte(champ.value(), format) || format != kFormat) return false;
        break;
      case kCleVersion:
        if (!Entier(champ.value(), kVersion, kVersion, n)) return false;
        break;
      case kCleAnnee:
        if (!Entier(champ.value(), kAnneeMin, kAnneeMax, n)) return false;
        annee = static_cast<long>(n);
        break;
      case kCleLettres: {
        std::size_t aucune = 0;  // the array is empty: the letters are read apart
        if (champ.value().get_array().get(lettres) || !LitLettres(
                                                          lettres, [](const LettreRapide&) { return false; }, aucune))
          return false;
        break;
      }
      default: return false;
    }
  }
  // Every member the format requires, and nothing after the root object.
  const unsigned requis = 1u << kCleFormat | 1u << kCleVersion | 1u << kCleLettres;
  return (vus & requis) == requis && document.current_location().error() == OUT_OF_BOUNDS;
}

bool Blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Finds where a piece of letters ends: the comma that ends a line, before a line starting
// with "{", at least `taille` bytes into the piece. The text may still be arriving: each call
// goes on from where the last one stopped, so that the search stays linear however the text
// comes.
class Coupure {
 public:
  explicit Coupure(std::size_t taille) : m_q(std::max<std::size_t>(taille, 1)), m_taille(m_q) {}
  // The comma's position in `piece` (the piece's text so far); npos when there is none yet,
  // or none at all once `complet`.
  std::size_t Cherche(std::string_view piece, bool complet) {
    for (; m_q < piece.size(); ++m_q, m_suite = 0) {
      m_q = piece.find('\n', m_q);
      if (m_q == std::string_view::npos) break;
      std::size_t virgule = m_q;
      while (virgule > 0 && piece[virgule - 1] != '\n' && Blanc(piece[virgule - 1])) --virgule;
      if (virgule == 0 || piece[virgule - 1] != ',') continue;
      std::size_t suite = std::max(m_suite, m_q + 1);
      while (suite < piece.size() && Blanc(piece[suite])) ++suite;
      if (suite == piece.size() && !complet) {
        m_suite = suite;  // the next line's start has not come yet
        return std::string_view::npos;
      }
      if (suite < piece.size() && piece[suite] == '{') return virgule - 1;
    }
    m_q = std::max(m_q == std::string_view::npos ? piece.size() : m_q, m_taille);
    return std::string_view::npos;
  }
  // The next piece starts: the search starts again.
  void Recommence() { m_q = m_taille, m_suite = 0; }

 private:
  std::size_t m_q, m_taille;
  std::size_t m_suite = 0;
};

// The text still to read, as it arrives from the source.
class Fenetre {
 public:
  explicit Fenetre(const SourceTexte& source) : m_source(source) {}
  std::string_view texte() const { return std::string_view(m_texte).substr(m_debut); }
  bool complet() const { return m_complet; }
  // Reads more; false once everything has come.
  bool Lit() {
    if (m_complet) return false;
    if (m_debut > 0 && m_debut >= m_texte.size() / 2) {
      m_texte.erase(0, m_debut);
      m_debut = 0;
    }
    m_complet = !m_source(m_texte);
    return true;
  }
  void Consomme(std::size_t n) { m_debut += n; }

 private:
  const SourceTexte& m_source;
  std::string m_texte;
  std::size_t m_debut = 0;
  bool m_complet = false;
};

// One piece of letters, read as an array of its own: it must hold letters.
bool LitMorceau(ondemand::parser& parser, Tampon& tampon, std::string_view morceau, const Recepteur& recoit) {
  tampon.Prend("[", morceau, "]");
  ondemand::document document;
  ondemand::array tableau;
  std::size_t nombre = 0;
  return !parser.iterate(tampon.Vue()).get(document) && !document.get_array().get(tableau) &&
         LitLettres(tableau, recoit, nombre) && nombre > 0 && document.current_location().error() == OUT_OF_BOUNDS;
}

}  // namespace

SourceTexte SourceMemoire(std::string_view texte, std::size_t taille) {
  return [texte, taille = std::max<std::size_t>(taille, 1), lu = std::size_t{0}](std::string& tampon) mutable {
    const std::size_t n = std::min(taille, texte.size() - lu);
    tampon.append(texte.substr(lu, n));
    lu += n;
    return lu < texte.size();
  };
}

// The text is read as three parts: the root up to the first "[" and from the last "]",
// joined as a root whose letters array is empty, and the text between them, the letters,
// piece by piece, each read as an array of its own; the commas between pieces join them.
// Accepting all means the whole is the same root holding those letters: the first "[" can
// only open the letters (no member the root accepts holds one before it), and the letters
// are a list of values between the two. Pieces of a megabyte keep the index simdjson builds
// (some 90 bytes a letter) to the size of one, reused from piece to piece.
std::optional<long> LitLettresRapide(const SourceTexte& source, const Recepteur& recoit, std::size_t tailleMorceau) {
  ondemand::parser parser;
  Fenetre fenetre(source);
  // The root up to the first "[".
  std::size_t ouvre = 0;
  for (std::size_t vu = 0; (ouvre = fenetre.texte().find('[', vu)) == std::string_view::npos;) {
    vu = fenetre.texte().size();  // searched once, whatever the pieces
    if (!fenetre.Lit()) return std::nullopt;
  }
  const std::string tete(fenetre.texte().substr(0, ouvre + 1));
  fenetre.Consomme(ouvre + 1);
  // The letters, while the end of the text has not come.
  Tampon morceau;
  Coupure coupure(tailleMorceau);
  while (!fenetre.complet()) {
    const std::size_t fin = coupure.Cherche(fenetre.texte(), false);
    if (fin == std::string_view::npos) {
      fenetre.Lit();
      continue;
    }
    if (!LitMorceau(parser, morceau, fenetre.texte().substr(0, fin), recoit)) return std::nullopt;
    fenetre.Consomme(fin + 1);
    coupure.Recommence();
  }
  // The rest: the last letters up to the last "]", then the root's end.
  const std::string_view reste = fenetre.texte();
  const std::size_t ferme = reste.rfind(']');
  if (ferme == std::string_view::npos) return std::nullopt;
  const std::string_view corps = reste.substr(0, ferme);
  if (!std::all_of(corps.begin(), corps.end(), Blanc)) {
    for (std::size_t debut = 0;;) {
      coupure.Recommence();
      const std::size_t trouve = coupure.Cherche(corps.substr(debut), true);
      const std::size_t fin = trouve == std::string_view::npos ? corps.size() : debut + trouve;
      if (!LitMorceau(parser, morceau, corps.substr(debut, fin - debut), recoit)) return std::nullopt;
      if (fin == corps.size()) break;
      debut = fin + 1;
    }
  }
  Tampon racine;
  racine.Prend(tete, {}, reste.substr(ferme));
  long annee = kAnneeParDefaut;
  if (!LitRacine(parser, racine, annee)) return std::nullopt;
  return annee;
}

std::optional<FichierDeclaration> LitJsonRapide(std::string_view texte, std::size_t tailleMorceau) {
  FichierDeclaration fichier;
  fichier.lettres.reserve(texte.size() / 64);  // a letter takes some 60 to 120 bytes
  const auto annee = LitLettresRapide(
      SourceMemoire(texte, std::max<std::size_t>(tailleMorceau, 1)),
      [&](const LettreRapide& l) {
        fichier.lettres.push_back(
            {fichier.lettres.size() + 1, l.code, Index(l.index.begin(), l.index.end()), std::string(l.valeur)});
        return true;
      },
      tailleMorceau);
  if (!annee) return std::nullopt;
  fichier.annee = *annee;
  return fichier;
}

}  // namespace hote2072
