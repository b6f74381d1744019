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

bool LitLettre(ondemand::value valeur, LettreFichier& lettre) {
  ondemand::object objet;
  if (valeur.get_object().get(objet)) return false;
  enum { kCode, kIndex, kValeur, kChamp, kEnregistrement };
  unsigned vus = 0;
  LettreNommee nommee;
  for (auto element : objet) {
    ondemand::field champ;
    if (std::move(element).get(champ)) return false;
    std::string_view texte;
    switch (Membre(champ, {"code", "index", "value", "field", "record"}, vus)) {
      case kCode:
        if (!Entier(champ.value(), INT64_MIN, INT64_MAX, lettre.code)) return false;
        nommee.codeDonne = true;
        break;
      case kIndex:
        if (!LitIndex(champ.value(), lettre.index)) return false;
        break;
      case kValeur:
        if (!Texte(champ.value(), texte)) return false;
        lettre.valeur.assign(texte);
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
  // A letter named by its field, or whose field and record do not agree with its code, is
  // left to the event reader when something is wrong: it names the problem.
  nommee.code = lettre.code;
  std::string probleme;
  lettre.code = CodeNomme(nommee, lettre.index, probleme);
  return probleme.empty();
}

bool LitLettres(ondemand::array tableau, std::vector<LettreFichier>& lettres) {
  for (auto element : tableau) {
    ondemand::value v;
    if (std::move(element).get(v)) return false;
    LettreFichier& l = lettres.emplace_back();
    l.rang = lettres.size();
    if (!LitLettre(v, l)) return false;
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
bool LitRacine(ondemand::parser& parser, const Tampon& tampon, FichierDeclaration& fichier) {
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
        fichier.annee = static_cast<long>(n);
        break;
      case kCleLettres:
        if (champ.value().get_array().get(lettres) || !LitLettres(lettres, fichier.lettres)) return false;
        break;
      default: return false;
    }
  }
  // Every member the format requires, and nothing after the root object.
  const unsigned requis = 1u << kCleFormat | 1u << kCleVersion | 1u << kCleLettres;
  return (vus & requis) == requis && document.current_location().error() == OUT_OF_BOUNDS;
}

bool Blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Where the piece of `corps` starting at `debut` ends: the comma that ends a line, before a
// line starting with "{", once the piece holds `taille` bytes; the end of `corps` when there
// is none. Scans stop at line ends, so that this stays linear whatever the file.
std::size_t FinDuMorceau(std::string_view corps, std::size_t debut, std::size_t taille) {
  if (taille >= corps.size() - debut) return corps.size();
  for (std::size_t q = debut + std::max<std::size_t>(taille, 1); q < corps.size(); ++q) {
    q = corps.find('\n', q);
    if (q == std::string_view::npos) break;
    std::size_t virgule = q;
    while (virgule > debut && corps[virgule - 1] != '\n' && Blanc(corps[virgule - 1])) --virgule;
    if (virgule == debut || corps[virgule - 1] != ',') continue;
    std::size_t suite = q + 1;
    while (suite < corps.size() && Blanc(corps[suite])) ++suite;
    if (suite < corps.size() && corps[suite] == '{') return virgule - 1;
  }
  return corps.size();
}

// The letters, `corps` being the text inside the letters array, piece by piece: each piece
// read as an array of its own must hold letters; the commas between pieces join them. Pieces
// of a megabyte keep the index simdjson builds (some 90 bytes a letter) to the size of one,
// reused from piece to piece.
bool LitCorps(ondemand::parser& parser, std::string_view corps, std::size_t taille,
              std::vector<LettreFichier>& lettres) {
  if (std::all_of(corps.begin(), corps.end(), Blanc)) return true;
  Tampon morceau;
  for (std::size_t debut = 0;;) {
    const std::size_t fin = FinDuMorceau(corps, debut, taille);
    morceau.Prend("[", corps.substr(debut, fin - debut), "]");
    ondemand::document document;
    ondemand::array tableau;
    const std::size_t avant = lettres.size();
    if (parser.iterate(morceau.Vue()).get(document) || document.get_array().get(tableau) ||
        !LitLettres(tableau, lettres) || lettres.size() == avant ||
        document.current_location().error() != OUT_OF_BOUNDS)
      return false;
    if (fin == corps.size()) return true;
    debut = fin + 1;
  }
}

}  // namespace

// The text is read as three parts: the root up to the first "[" and from the last "]",
// joined as a root whose letters array is empty, and the text between them, the letters.
// Accepting both means the whole is the same root holding those letters: the first "[" can
// only open the letters (no member the root accepts holds one before it), and the letters
// are a list of values between the two.
std::optional<FichierDeclaration> LitJsonRapide(std::string_view texte, std::size_t tailleMorceau) {
  const std::size_t ouvre = texte.find('['), ferme = texte.rfind(']');
  if (ouvre == std::string_view::npos || ferme == std::string_view::npos || ferme < ouvre) return std::nullopt;
  ondemand::parser parser;
  FichierDeclaration fichier;
  Tampon racine;
  racine.Prend(texte.substr(0, ouvre + 1), {}, texte.substr(ferme));
  if (!LitRacine(parser, racine, fichier)) return std::nullopt;
  fichier.lettres.reserve(texte.size() / 64);  // a letter takes some 60 to 120 bytes
  if (!LitCorps(parser, texte.substr(ouvre + 1, ferme - ouvre - 1), tailleMorceau, fichier.lettres))
    return std::nullopt;
  return fichier;
}

}  // namespace hote2072
