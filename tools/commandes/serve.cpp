// serve [PATH] [--port N] [--listen ADDR]
#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <thread>

#include "commandes.h"
#include "serveur.h"

namespace hote2072 {

namespace {

std::string VerifiePort(const std::string& texte) {
  if (texte.empty() || texte.size() > 5 || texte.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(texte) > 65535)
    return "a port number from 0 to 65535 (0: any free port)";
  return "";
}

}  // namespace

Commande CommandeServe() {
  struct Options {
    std::string chemin = ".", port = "8072", adresse = "127.0.0.1";
  };
  auto o = std::make_shared<Options>();
  return {
      "serve",
      "Serve the declarations of a folder (or one declaration file) to the browser, screen by screen, and a JSON API",
      {{.noms = "PATH",
        .aide = "folder of declarations (created when missing) or one declaration file; . by default",
        .cible = &o->chemin},
       {.noms = "--port",
        .aide = "port to listen on, 8072 by default, 0 for any free port",
        .cible = &o->port,
        .verifie = VerifiePort,
        .forme = "N"},
       {.noms = "--listen",
        .aide = "address to listen on, 127.0.0.1 (this machine only) by default",
        .cible = &o->adresse,
        .forme = "ADDR"}},
      [o] {
        return Execute([&] {
          // Interrupting stops the server cleanly: the signals are taken by one thread, so
          // the server's threads never see them.
          sigset_t signaux;
          sigemptyset(&signaux);
          sigaddset(&signaux, SIGINT);
          sigaddset(&signaux, SIGTERM);
          pthread_sigmask(SIG_BLOCK, &signaux, nullptr);
          signal(SIGPIPE, SIG_IGN);
          try {
            serveur2072::Serveur serveur({o->chemin, o->adresse, std::stoi(o->port), ""});
            std::cout << serveur.Adresse() << std::endl;
            std::cerr << "sci2072 serve: open the address above in a browser (it carries the access token); "
                         "Ctrl+C stops the server\n";
            std::thread attente([&] {
              int signal = 0;
              sigwait(&signaux, &signal);
              serveur.Arrete();
            });
            serveur.Sert();
            pthread_kill(attente.native_handle(), SIGTERM);
            attente.join();
          } catch (const serveur2072::Refus& r) {
            std::cerr << "sci2072 serve: " << r.message << "\n";
            return kEntreeInvalide;
          }
          return kSucces;
        });
      }};
}

}  // namespace hote2072
