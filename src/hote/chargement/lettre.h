// One letter moved into a record and read back, as loading and the library's calls do it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "chargement/niveauxhote.h"
#include "lettres.h"

namespace hote2072 {

// A letter owning its heap value, as the letter library expects. One is reused for every
// letter of a file: its block is kept from one letter to the next.
class LettreTemporaire {
 public:
  LettreTemporaire() = default;
  ~LettreTemporaire() { std::free(m_lettre.valeur); }
  LettreTemporaire(const LettreTemporaire&) = delete;
  LettreTemporaire& operator=(const LettreTemporaire&) = delete;
  structLettre* Prend(long long code, const std::string& valeur) {
    ModifieLettre(&m_lettre, valeur.c_str());
    m_lettre.code = static_cast<std::int16_t>(code);
    return &m_lettre;
  }
  const char* valeur() const { return m_lettre.valeur != nullptr ? m_lettre.valeur : ""; }

 private:
  structLettre m_lettre{1, 0, nullptr, 0, nullptr};
};

// The text a field gave back reads as the value it was given. Fields narrower than their
// letter's type (a mode held as an integer behind an amount letter) would otherwise change a
// value silently.
bool MemeValeur(char type, const std::string& donne, const char* relu);

}  // namespace hote2072
