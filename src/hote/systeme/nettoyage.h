// What this process leaves behind if SIGINT or SIGTERM stops it: the temporary files and
// folders it made and the child processes it started. They are registered here while they
// live; the handler stops the children's process groups and removes the paths with calls
// that are safe in a signal handler, then lets the signal end the process as it would have.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <string>

namespace hote2072 {

// Installs the handler of SIGINT and SIGTERM. A program calls it once at its start; a library
// never installs handlers of its own, so without it nothing is removed on a signal.
void InstalleNettoyageSignaux();

// A temporary file or folder (removed with all it holds) while this object lives. The
// destructor only forgets it: removing it in the ordinary way is the owner's business.
class CheminEnregistre {
 public:
  explicit CheminEnregistre(const std::string& chemin);
  ~CheminEnregistre();
  CheminEnregistre(const CheminEnregistre&) = delete;
  CheminEnregistre& operator=(const CheminEnregistre&) = delete;

 private:
  int m_case;  // -1 when the registry was full or the path too long
};

// A child process leading a process group of its own, stopped with all its group on a signal.
class EnfantEnregistre {
 public:
  explicit EnfantEnregistre(pid_t groupe);
  ~EnfantEnregistre();
  EnfantEnregistre(const EnfantEnregistre&) = delete;
  EnfantEnregistre& operator=(const EnfantEnregistre&) = delete;

 private:
  int m_case;
};

// SIGINT and SIGTERM held back while this object lives, so that a path or a child is never
// created without being registered: the signal arrives once both are done.
class SignauxRetenus {
 public:
  SignauxRetenus();
  ~SignauxRetenus();
  SignauxRetenus(const SignauxRetenus&) = delete;
  SignauxRetenus& operator=(const SignauxRetenus&) = delete;

 private:
  sigset_t m_avant;
};

}  // namespace hote2072
