// `sci2072 serve`: the screens and the JSON API over a folder of declarations, for one person
// on this machine (see securite.h for what every request must show).
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "securite.h"

namespace serveur2072 {

struct OptionsServeur {
  std::filesystem::path chemin;  // a folder of declarations, or one declaration file
  std::string adresse = "127.0.0.1";
  int port = 8072;    // 0: any free port
  std::string jeton;  // empty: a new random one
};

class Serveur {
 public:
  // Opens the workspace and binds the address; throws Refus when either fails.
  explicit Serveur(OptionsServeur options);
  ~Serveur();  // defined where Etat is known; a server, holding its state alone, is not copied

  // The address to open, with the access token.
  std::string Adresse() const;
  int Port() const;
  // Serves until Arrete (from another thread).
  void Sert();
  void Arrete();

 private:
  struct Etat;
  std::unique_ptr<Etat> m;
};

}  // namespace serveur2072
