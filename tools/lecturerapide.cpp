#include "lecturerapide.h"

#include <simdjson.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace hote2072 {

namespace {

using namespace simdjson;

static_assert(kRembourrage >= SIMDJSON_PADDING);

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
    if (cle == 0 || (vus & (1u << (cle - 300))) != 0) return false;
    vus |= 1u << (cle - 300);
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
  for (auto element : objet) {
    ondemand::field champ;
    if (std::move(element).get(champ)) return false;
    std::string_view texte;
    switch (Membre(champ, {"code", "index", "value", "field", "record"}, vus)) {
      case kCode:
        if (!Entier(champ.value(), INT64_MIN, INT64_MAX, lettre.code)) return false;
        break;
      case kIndex:
        if (!LitIndex(champ.value(), lettre.index)) return false;
        break;
      case kValeur:
        if (!Texte(champ.value(), texte)) return false;
        lettre.valeur.assign(texte);
        break;
      case kChamp:
      case kEnregistrement:  // names for people, not read
        if (!Texte(champ.value(), texte)) return false;
        break;
      default: return false;
    }
  }
  return (vus & (1u << kCode)) != 0 && (vus & (1u << kValeur)) != 0;
}

bool LitLettres(ondemand::value valeur, std::vector<LettreFichier>& lettres) {
  ondemand::array tableau;
  if (valeur.get_array().get(tableau)) return false;
  for (auto element : tableau) {
    ondemand::value v;
    if (std::move(element).get(v)) return false;
    LettreFichier& l = lettres.emplace_back();
    l.rang = lettres.size();
    if (!LitLettre(v, l)) return false;
  }
  return true;
}

}  // namespace

std::optional<FichierDeclaration> LitJsonRapide(const char* texte, std::size_t taille, std::size_t capacite) {
  if (capacite < taille + kRembourrage) return std::nullopt;
  ondemand::parser parser;
  ondemand::document document;
  if (parser.iterate(padded_string_view(texte, taille, capacite)).get(document)) return std::nullopt;
  ondemand::object racine;
  if (document.get_object().get(racine)) return std::nullopt;
  FichierDeclaration fichier;
  fichier.lettres.reserve(taille / 64);  // a letter takes some 60 to 120 bytes
  enum { kCleFormat, kCleVersion, kCleAnnee, kCleLettres };
  unsigned vus = 0;
  for (auto element : racine) {
    ondemand::field champ;
    if (std::move(element).get(champ)) return std::nullopt;
    std::string_view format;
    long long n = 0;
    switch (Membre(champ, {"format", "version", "year", "letters"}, vus)) {
      case kCleFormat:
        if (!Texte(champ.value(), format) || format != kFormat) return std::nullopt;
        break;
      case kCleVersion:
        if (!Entier(champ.value(), kVersion, kVersion, n)) return std::nullopt;
        break;
      case kCleAnnee:
        if (!Entier(champ.value(), 1, 9999, n)) return std::nullopt;
        fichier.annee = static_cast<long>(n);
        break;
      case kCleLettres:
        if (!LitLettres(champ.value(), fichier.lettres)) return std::nullopt;
        break;
      default: return std::nullopt;
    }
  }
  // Every member the format requires, and nothing after the root object.
  const unsigned requis = 1u << kCleFormat | 1u << kCleVersion | 1u << kCleLettres;
  if ((vus & requis) != requis || document.current_location().error() != OUT_OF_BOUNDS) return std::nullopt;
  return fichier;
}

std::optional<FichierDeclaration> LitJsonRapide(std::string_view texte) {
  std::string copie;
  copie.reserve(texte.size() + kRembourrage);
  copie.assign(texte);
  return LitJsonRapide(copie.data(), copie.size(), copie.capacity());
}

}  // namespace hote2072
