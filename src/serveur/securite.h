// What a request must show before it reaches a declaration: the run's token, a Host header
// naming the listening address (no DNS rebinding), an Origin of that address for anything
// that changes something, a body within bounds.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace serveur2072 {

// A request refused, or a failure to answer one: an HTTP status (4xx) and a short message in
// French for the person or the program that sent it.
struct Refus {
  int statut;
  std::string message;
};

// Bodies: declarations posted to the API may be a large fund; screens post a few fields.
inline constexpr std::size_t kCorpsMaxApi = 256u << 20;
inline constexpr std::size_t kCorpsMaxEcran = 1u << 20;

// 32 random bytes in hexadecimal, from the system's random source.
std::string NouveauJeton();

class Garde {
 public:
  // `adresse` the address listened on, `port` the port actually bound.
  Garde(std::string adresse, int port, std::string jeton);

  struct Requete {
    std::string methode, chemin;
    std::string host, origin, cookie, authorization;
    std::string jeton;         // the `jeton` parameter of the address, when given
    std::size_t longueur = 0;  // Content-Length
  };
  struct Decision {
    std::optional<Refus> refus;
    bool introduction = false;  // the address carried the token: set the cookie, then go on without it
  };
  Decision Verifie(const Requete& requete) const;

  // The cookie that carries the token, named after the port (browsers share cookies between
  // the ports of one host): "sci2072-8072=...; HttpOnly; SameSite=Strict; Path=/".
  std::string NomCookie() const;
  std::string EnteteCookie() const;
  // The address to open: "http://127.0.0.1:8072/?jeton=...".
  std::string Adresse() const;

  bool HoteAutorise(const std::string& host) const;
  bool OrigineAutorisee(const std::string& origin) const;

 private:
  bool JetonPresente(const Requete& requete) const;
  std::string m_adresse;
  int m_port;
  std::string m_jeton;
};

// Two texts compared in a time that does not depend on where they differ.
bool EgauxConstant(const std::string& a, const std::string& b);

}  // namespace serveur2072
