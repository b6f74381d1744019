#include "lettres.h"

#include <malloc.h>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace {

char* DupliqueTexte(const char* texte) {
  if (texte == nullptr) texte = "";
  const std::size_t n = std::strlen(texte) + 1;
  char* copie = static_cast<char*>(std::malloc(n));
  if (copie == nullptr) throw std::bad_alloc();
  std::memcpy(copie, texte, n);
  return copie;
}

// Replaces a letter's heap value, reusing its block: a letter read again and again keeps it
// while the texts fit.
void EcritValeur(char** valeur, const std::string& texte) {
  if (valeur == nullptr) return;
  char* bloc = *valeur;
  if (bloc == nullptr || malloc_usable_size(bloc) < texte.size() + 1) {
    bloc = static_cast<char*>(std::realloc(bloc, texte.size() + 1));
    if (bloc == nullptr) throw std::bad_alloc();
    *valeur = bloc;
  }
  std::memcpy(bloc, texte.c_str(), texte.size() + 1);
}

const char* Lu(char** valeur) { return (valeur != nullptr && *valeur != nullptr) ? *valeur : ""; }

std::string_view SansBlancs(std::string_view v) {
  const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!v.empty() && blanc(v.front())) v.remove_prefix(1);
  while (!v.empty() && blanc(v.back())) v.remove_suffix(1);
  return v;
}

template <class T>
void LitEntierBorne(T* variable, char** valeur) {
  long long v = 0;
  if (!lettres::LitEntier(Lu(valeur), v) || v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
    v = 0;
  *variable = static_cast<T>(v);
}

// Day, month or year: fixed count of digits, 0 as the empty text.
void TransfertLongChiffres(long* variable, char** valeur, long sens, int chiffres) {
  if (variable == nullptr) return;
  if (sens == 0) {
    LitEntierBorne(variable, valeur);
  } else if (sens == 1) {
    char tampon[32] = "";
    if (*variable != 0) std::snprintf(tampon, sizeof tampon, "%0*ld", chiffres, *variable);
    EcritValeur(valeur, tampon);
  }
}

void TransfertReel(double* variable, char** valeur, long sens) {
  if (variable == nullptr) return;
  if (sens == 0) {
    if (!lettres::LitReel(Lu(valeur), *variable)) *variable = 0;
  } else if (sens == 1) {
    EcritValeur(valeur, lettres::EcritReel(*variable));
  }
}

void TransfertDate(long* variable, char** valeur, long sens) {
  if (variable == nullptr) return;
  if (sens == 0) {
    if (!lettres::LitDate(Lu(valeur), *variable)) *variable = 0;
  } else if (sens == 1) {
    EcritValeur(valeur, lettres::EcritDate(*variable));
  }
}

}  // namespace

namespace lettres {

bool LitReel(const char* texte, double& valeur) { return LitReel(std::string_view(texte ? texte : ""), valeur); }
bool LitEntier(const char* texte, long long& valeur) { return LitEntier(std::string_view(texte ? texte : ""), valeur); }
bool LitDate(const char* texte, long& aaaammjj) { return LitDate(std::string_view(texte ? texte : ""), aaaammjj); }

bool LitReel(std::string_view texte, double& valeur) {
  std::string_view v = SansBlancs(texte);
  if (v.empty()) return false;
  std::string point;  // a decimal comma reads as a point
  if (v.find(',') != std::string_view::npos) {
    point.assign(v);
    std::replace(point.begin(), point.end(), ',', '.');
    v = point;
  }
  std::size_t debut = (v[0] == '+') ? 1 : 0;
  if (debut < v.size() && (v[debut] == '+' || v[debut] == '-') && debut == 1) return false;
  double lu = 0;
  const char* fin = v.data() + v.size();
  auto [p, ec] = std::from_chars(v.data() + debut, fin, lu, std::chars_format::general);
  if (ec != std::errc() || p != fin || !std::isfinite(lu)) return false;
  valeur = lu;
  return true;
}

bool LitEntier(std::string_view texte, long long& valeur) {
  std::string_view v = SansBlancs(texte);
  if (!v.empty() && v[0] == '+') v.remove_prefix(1);
  if (v.empty() || v[0] == '+') return false;
  long long lu = 0;
  auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), lu);
  if (ec == std::errc() && p == v.data() + v.size()) {
    valeur = lu;
    return true;
  }
  double reel = 0;
  if (!LitReel(v, reel)) return false;
  reel = std::trunc(reel);
  // Doubles at or beyond +-2^63 do not fit a long long.
  if (!(reel > -9.2233720368547758e18 && reel < 9.2233720368547758e18)) return false;
  valeur = static_cast<long long>(reel);
  return true;
}

bool DateValide(long d) {
  const long annee = d / 10000, mois = d / 100 % 100, jour = d % 100;
  if (d <= 0 || annee < 1 || annee > 9999 || mois < 1 || mois > 12 || jour < 1) return false;
  static constexpr int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
  return jour <= jours[mois - 1] + ((mois == 2 && bissextile) ? 1 : 0);
}

bool LitDate(std::string_view texte, long& aaaammjj) {
  std::string_view v = SansBlancs(texte);
  if (v.empty()) {
    aaaammjj = 0;
    return true;
  }
  long parties[3] = {0, 0, 0};
  const std::size_t chiffres_max[3] = {2, 2, 4};
  for (int i = 0; i < 3; ++i) {
    std::size_t n = 0;
    // Counting stops past the part's width: a long run of digits must not overflow.
    while (n < v.size() && v[n] >= '0' && v[n] <= '9' && n <= chiffres_max[i])
      parties[i] = parties[i] * 10 + (v[n++] - '0');
    if (n == 0 || n > chiffres_max[i] || (i == 2 && n != 4)) return false;
    v.remove_prefix(n);
    if (i < 2) {
      if (v.empty() || v[0] != '/') return false;
      v.remove_prefix(1);
    }
  }
  if (!v.empty()) return false;
  const long d = parties[2] * 10000 + parties[1] * 100 + parties[0];
  if (!DateValide(d)) return false;
  aaaammjj = d;
  return true;
}

namespace {

// Digits from the first non-zero one to the last, the point left out.
int ChiffresSignificatifs(std::string_view texte) {
  const auto premier = texte.find_first_of("123456789");
  if (premier == std::string_view::npos) return 0;
  const auto dernier = texte.find_last_of("123456789");
  const auto point = texte.find('.');
  const bool pointEntre = point != std::string_view::npos && point > premier && point < dernier;
  return static_cast<int>(dernier - premier + 1) - (pointEntre ? 1 : 0);
}

}  // namespace

std::string EcritReel(double valeur) {
  if (valeur == 0 || !std::isfinite(valeur)) return "0";
  char tampon[400];
  auto [p, ec] = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  if (ChiffresSignificatifs(std::string_view(tampon, p - tampon)) <= 15) return std::string(tampon, p);
  // The noise of binary arithmetic sits in the 16th and 17th digits: the double nearest the
  // 15-digit rounding has a shortest text of 15 digits at most. Near the largest double the
  // rounding may overflow; the number is then written whole.
  char court[32];
  const auto fin = std::to_chars(court, court + sizeof court, valeur, std::chars_format::scientific, 14).ptr;
  double arrondi = 0;
  const auto lu = std::from_chars(court, fin, arrondi);
  if (lu.ec != std::errc() || !std::isfinite(arrondi)) return std::string(tampon, p);
  p = std::to_chars(tampon, tampon + sizeof tampon, arrondi, std::chars_format::fixed).ptr;
  return std::string(tampon, p);
}

std::string EcritDate(long d) {
  if (d == 0) return "";
  char tampon[48];
  std::snprintf(tampon, sizeof tampon, "%02ld/%02ld/%04ld", d % 100, d / 100 % 100, d / 10000);
  return tampon;
}

std::size_t NombreCaracteres(std::string_view texte) {
  std::size_t n = 0;
  for (unsigned char c : texte)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string Tronque(const std::string& texte, std::size_t n) {
  std::size_t vus = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if ((static_cast<unsigned char>(texte[i]) & 0xC0) != 0x80) {
      if (vus == n) return texte.substr(0, i);
      ++vus;
    }
  }
  return texte;
}

namespace {

// Length of the valid UTF-8 sequence at the start of `t`, 0 when its first byte starts none.
std::size_t LongueurUtf8(std::string_view t) {
  const auto octet = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
  const unsigned char c = octet(0);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned char min = 0x80, max = 0xBF;  // bounds of the second byte: no overlong form, no surrogate
  if (c >= 0xC2 && c <= 0xDF)
    n = 2;
  else if (c >= 0xE0 && c <= 0xEF)
    n = 3, min = c == 0xE0 ? 0xA0 : 0x80, max = c == 0xED ? 0x9F : 0xBF;
  else if (c >= 0xF0 && c <= 0xF4)
    n = 4, min = c == 0xF0 ? 0x90 : 0x80, max = c == 0xF4 ? 0x8F : 0xBF;
  if (n == 0 || t.size() < n || octet(1) < min || octet(1) > max) return 0;
  for (std::size_t i = 2; i < n; ++i)
    if ((octet(i) & 0xC0) != 0x80) return 0;
  return n;
}

char32_t PointDeCode(std::string_view t, std::size_t n) {
  const auto o = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(t[i])); };
  switch (n) {
    case 1: return o(0);
    case 2: return (o(0) & 0x1F) << 6 | (o(1) & 0x3F);
    case 3: return (o(0) & 0x0F) << 12 | (o(1) & 0x3F) << 6 | (o(2) & 0x3F);
    default: return (o(0) & 0x07) << 18 | (o(1) & 0x3F) << 12 | (o(2) & 0x3F) << 6 | (o(3) & 0x3F);
  }
}

// Characters a terminal or a page acts upon instead of showing: controls, and those that
// reorder or break the text around them.
bool Agissant(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// Appends the first character (or stray byte) of `texte`, made safe; its length in bytes.
std::size_t AjouteSur(std::string& sortie, std::string_view texte, bool citation) {
  static constexpr char kHex[] = "0123456789abcdef";
  const std::size_t n = LongueurUtf8(texte);
  if (n == 0) {
    const auto o = static_cast<unsigned char>(texte[0]);
    sortie.append("\\x").append(1, kHex[o >> 4]).append(1, kHex[o & 15]);
    return 1;
  }
  const char32_t c = PointDeCode(texte, n);
  if (citation && (c == '"' || c == '\\')) {
    sortie.append(1, '\\').append(1, static_cast<char>(c));
  } else if (Agissant(c)) {
    sortie.append("\\u");
    for (int decalage = 12; decalage >= 0; decalage -= 4) sortie += kHex[(c >> decalage) & 15];
  } else {
    sortie.append(texte.substr(0, n));
  }
  return n;
}

}  // namespace

std::string Lisible(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  while (!texte.empty()) texte.remove_prefix(AjouteSur(sortie, texte, false));
  return sortie;
}

std::string Cite(std::string_view texte, std::size_t caracteres) {
  std::string cite = "\"";
  for (std::size_t vus = 0; !texte.empty() && vus < caracteres; ++vus)
    texte.remove_prefix(AjouteSur(cite, texte, true));
  cite += '"';
  if (!texte.empty()) cite += "…";
  return cite;
}

}  // namespace lettres

extern "C" {

void AjouteLettre(structListeLettres** liste, short code, const char* valeur, int, int, int, int remplace) {
  if (liste == nullptr) return;
  if (*liste == nullptr) *liste = new structListeLettres{nullptr, nullptr, nullptr};
  if (remplace == 1) {
    if (structLettre* existante = TrouveLettre(code, *liste)) {
      ModifieLettre(existante, valeur);
      (*liste)->courante = existante;
      return;
    }
  }
  auto* lettre = new structLettre{1, code, DupliqueTexte(valeur), 0, nullptr};
  if ((*liste)->derniere != nullptr)
    (*liste)->derniere->suivante = lettre;
  else
    (*liste)->premiere = lettre;
  (*liste)->derniere = lettre;
  (*liste)->courante = lettre;
}

structLettre* TrouveLettre(short code, structListeLettres* liste) {
  for (structLettre* l = VaPremiereLettre(liste); !FinListeLettre(l); l = VaLettreSuivante(l))
    if (l->code == code) return l;
  return nullptr;
}

void ModifieLettre(structLettre* lettre, const char* valeur) {
  if (lettre == nullptr) return;
  EcritValeur(&lettre->valeur, valeur ? valeur : "");
}

void SupprimeLettre(structListeLettres** liste, short code) {
  if (liste == nullptr || *liste == nullptr) return;
  structListeLettres* l = *liste;
  structLettre* precedente = nullptr;
  for (structLettre* courante = l->premiere; courante != nullptr;) {
    structLettre* suivante = courante->suivante;
    if (courante->code == code) {
      (precedente ? precedente->suivante : l->premiere) = suivante;
      if (l->derniere == courante) l->derniere = precedente;
      if (l->courante == courante) l->courante = nullptr;
      std::free(courante->valeur);
      delete courante;
    } else {
      precedente = courante;
    }
    courante = suivante;
  }
}

structLettre* VaPremiereLettre(structListeLettres* liste) { return liste ? liste->premiere : nullptr; }
structLettre* VaLettreSuivante(structLettre* lettre) { return lettre ? lettre->suivante : nullptr; }
short FinListeLettre(structLettre* lettre) { return lettre == nullptr ? 1 : 0; }

std::size_t NombreLettres(structListeLettres* liste) {
  std::size_t n = 0;
  for (structLettre* l = VaPremiereLettre(liste); !FinListeLettre(l); l = VaLettreSuivante(l)) ++n;
  return n;
}

void LibereListeLettres(structListeLettres** liste) {
  if (liste == nullptr || *liste == nullptr) return;
  for (structLettre* l = (*liste)->premiere; l != nullptr;) {
    structLettre* suivante = l->suivante;
    std::free(l->valeur);
    delete l;
    l = suivante;
  }
  delete *liste;
  *liste = nullptr;
}

short Message(void* contexte, struTEcranLettre* ecran, short numero, short** curseur, long, long, long, long, long) {
  if (contexte == nullptr) return 0;
  short* champ = nullptr;
  const short statut = static_cast<TRecepteurMessages*>(contexte)->Recoit(ecran, numero, &champ);
  if (curseur != nullptr) *curseur = champ;
  return statut;
}

void TransfertString(std::string* variable, char** valeur, long sens, long taille) {
  if (variable == nullptr) return;
  // A bound of n keeps at most n - 1 characters; a bound below 1 keeps everything.
  const auto borne = [taille](const std::string& t) {
    return taille >= 1 ? lettres::Tronque(t, static_cast<std::size_t>(taille - 1)) : t;
  };
  if (sens == 0)
    *variable = borne(Lu(valeur));
  else if (sens == 1)
    EcritValeur(valeur, borne(*variable));
}

void TransfertShortIntReference(short* variable, char** valeur, long sens) {
  if (variable == nullptr) return;
  if (sens == 0)
    LitEntierBorne(variable, valeur);
  else if (sens == 1)
    EcritValeur(valeur, std::to_string(*variable));
}

void TransfertLongReference(long* variable, char** valeur, long sens) {
  if (variable == nullptr) return;
  if (sens == 0)
    LitEntierBorne(variable, valeur);
  else if (sens == 1)
    EcritValeur(valeur, std::to_string(*variable));
}

void TransfertLong(long* variable, char** valeur, long sens) { TransfertLongReference(variable, valeur, sens); }
void TransfertDoubleReference(double* variable, char** valeur, long sens) { TransfertReel(variable, valeur, sens); }
void TransfertDouble(double* variable, char** valeur, long sens) { TransfertReel(variable, valeur, sens); }

void TransfertDoubleReferenceFormat(double* variable, char** valeur, const char* format, long sens) {
  if (variable == nullptr) return;
  if (sens == 0) {
    TransfertReel(variable, valeur, sens);
  } else if (sens == 1) {
    // The formats in use are fixed-point ("%0.2lf", "%0.5lf"); the C locale is never changed.
    const int n = std::snprintf(nullptr, 0, format, *variable);
    std::string texte(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::snprintf(texte.data(), texte.size() + 1, format, *variable);
    EcritValeur(valeur, texte);
  }
}

void TransfertDateReferenceJJ_MM_SSAA(long* variable, char** valeur, long sens) {
  TransfertDate(variable, valeur, sens);
}
void TransfertDateJJ_MM_SSAA(long* variable, char** valeur, long sens) { TransfertDate(variable, valeur, sens); }
void TransfertLongMoisJourReference(long* variable, char** valeur, long sens) {
  TransfertLongChiffres(variable, valeur, sens, 2);
}
void TransfertLongSiecleAnneeReference(long* variable, char** valeur, long sens) {
  TransfertLongChiffres(variable, valeur, sens, 4);
}

}  // extern "C"
