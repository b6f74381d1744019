// Utilities of the host libraries: dates and assertions.
#pragma once

#include <functional>
#include <string>

namespace kel {

// A date held as year*10000 + month*100 + day; 0 means not entered.
class Date {
 public:
  explicit Date(long aaaammjj = 0) : m_valeur(aaaammjj) {}
  long Annee() const { return m_valeur / 10000; }
  long Mois() const { return m_valeur / 100 % 100; }
  long Jour() const { return m_valeur % 100; }
  long Valeur() const { return m_valeur; }

 private:
  long m_valeur;
};

struct RapportAssertion {
  std::string expression;
  std::string message;
  std::string fichier;
  int ligne = 0;
};
using GestionnaireAssertion = std::function<void(const RapportAssertion&)>;

// Installs the handler of failed assertions and returns the previous one; an empty handler
// restores the default, which writes one line to standard error and returns.
GestionnaireAssertion InstalleGestionnaireAssertion(GestionnaireAssertion gestionnaire);

// Reports a broken internal assumption when `condition` is false. Never aborts.
void Assert(bool condition, const char* expression, const char* message, const char* fichier, int ligne);

}  // namespace kel

#define KEL_ASSERT(condition, message) ::kel::Assert((condition), #condition, (message), __FILE__, __LINE__)
