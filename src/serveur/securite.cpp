#include "securite.h"

#include <fstream>
#include <random>

namespace serveur2072 {

namespace {

bool EstBoucleLocale(const std::string& adresse) {
  return adresse == "127.0.0.1" || adresse == "::1" || adresse == "localhost";
}
bool EstToutes(const std::string& adresse) { return adresse == "0.0.0.0" || adresse == "::"; }

// "127.0.0.1", "[::1]": an address as a Host header writes it.
std::string CommeHote(const std::string& adresse) {
  if (adresse.find(':') == std::string::npos) return adresse;
  std::string hote(1, '[');
  hote.append(adresse).push_back(']');
  return hote;
}

// An IP address written out (digits and dots, or a bracketed IPv6 address), not a name a DNS
// could point anywhere.
bool EstAdresseLitterale(const std::string& hote) {
  if (hote.size() > 2 && hote.front() == '[' && hote.back() == ']')
    return hote.find_first_not_of("0123456789abcdefABCDEF:.", 1) == hote.size() - 1;
  return !hote.empty() && hote.find_first_not_of("0123456789.") == std::string::npos;
}

// The value of cookie `nom` in a Cookie header.
std::string ValeurCookie(const std::string& entete, const std::string& nom) {
  std::size_t debut = 0;
  while (debut < entete.size()) {
    std::size_t fin = entete.find(';', debut);
    if (fin == std::string::npos) fin = entete.size();
    std::size_t k = entete.find_first_not_of(' ', debut);
    if (k < fin && entete.compare(k, nom.size(), nom) == 0 && k + nom.size() < fin && entete[k + nom.size()] == '=')
      return entete.substr(k + nom.size() + 1, fin - k - nom.size() - 1);
    debut = fin + 1;
  }
  return {};
}

bool Modifie(const std::string& methode) { return methode != "GET" && methode != "HEAD"; }

}  // namespace

std::string NouveauJeton() {
  std::random_device source;  // the system's random source (getrandom) on this platform
  std::string jeton;
  constexpr char kHex[] = "0123456789abcdef";
  for (int k = 0; k < 32; ++k) {
    const unsigned octet = source() & 0xFFu;
    jeton += kHex[octet >> 4];
    jeton += kHex[octet & 0xFu];
  }
  return jeton;
}

bool EgauxConstant(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (std::size_t k = 0; k < a.size(); ++k) difference |= static_cast<unsigned char>(a[k] ^ b[k]);
  return difference == 0;
}

Garde::Garde(std::string adresse, int port, std::string jeton)
    : m_adresse(std::move(adresse)), m_port(port), m_jeton(std::move(jeton)) {}

std::string Garde::NomCookie() const { return "sci2072-" + std::to_string(m_port); }

std::string Garde::EnteteCookie() const { return NomCookie() + "=" + m_jeton + "; HttpOnly; SameSite=Strict; Path=/"; }

std::string Garde::Adresse() const {
  const std::string hote = EstToutes(m_adresse) ? "127.0.0.1" : CommeHote(m_adresse);
  return "http://" + hote + ":" + std::to_string(m_port) + "/?jeton=" + m_jeton;
}

bool Garde::HoteAutorise(const std::string& host) const {
  std::string port(1, ':');
  port += std::to_string(m_port);
  if (host.size() <= port.size() || host.compare(host.size() - port.size(), port.size(), port) != 0) return false;
  const std::string hote = host.substr(0, host.size() - port.size());
  if (hote == CommeHote(m_adresse)) return true;
  if (EstBoucleLocale(m_adresse)) return hote == "127.0.0.1" || hote == "localhost" || hote == "[::1]";
  // Listening on every address: any address written out, never a name.
  return EstToutes(m_adresse) && (EstAdresseLitterale(hote) || hote == "localhost");
}

bool Garde::OrigineAutorisee(const std::string& origin) const {
  constexpr std::string_view kSchema = "http://";
  return origin.compare(0, kSchema.size(), kSchema) == 0 && HoteAutorise(origin.substr(kSchema.size()));
}

bool Garde::JetonPresente(const Requete& r) const {
  constexpr std::string_view kPorteur = "Bearer ";
  if (r.authorization.compare(0, kPorteur.size(), kPorteur) == 0)
    return EgauxConstant(r.authorization.substr(kPorteur.size()), m_jeton);
  return EgauxConstant(ValeurCookie(r.cookie, NomCookie()), m_jeton);
}

Garde::Decision Garde::Verifie(const Requete& r) const {
  if (!HoteAutorise(r.host)) return {Refus{421, "Adresse non reconnue : ouvrez l'adresse affichée par sci2072 serve"}};
  Decision d;
  if (!r.jeton.empty() && !Modifie(r.methode) && EgauxConstant(r.jeton, m_jeton)) {
    d.introduction = true;
  } else if (!JetonPresente(r)) {
    return {Refus{401, "Accès refusé : ouvrez l'adresse complète affichée par sci2072 serve, avec son jeton"}};
  }
  if (Modifie(r.methode)) {
    // A page of another site cannot change anything: browsers name the page's origin; a
    // program that names none shows the token in its own header, which no page can set.
    const bool parEntete = r.authorization.compare(0, 7, "Bearer ") == 0;
    if (r.origin.empty() ? !parEntete : !OrigineAutorisee(r.origin))
      return {Refus{403, "Requête refusée : elle ne vient pas d'une page de ce serveur"}};
  }
  const bool api = r.chemin.compare(0, 5, "/api/") == 0;
  if (r.longueur > (api ? kCorpsMaxApi : kCorpsMaxEcran))
    return {Refus{413, "Requête trop volumineuse (au plus " +
                           std::to_string((api ? kCorpsMaxApi : kCorpsMaxEcran) >> 20) + " Mo)"}};
  return d;
}

}  // namespace serveur2072
