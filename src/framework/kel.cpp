#include "kel.h"

#include <cstdio>

namespace kel {
namespace {

void GestionnaireParDefaut(const RapportAssertion& r) {
  std::fprintf(stderr, "assertion failed: %s (%s) at %s:%d\n", r.expression.c_str(), r.message.c_str(),
               r.fichier.c_str(), r.ligne);
}

GestionnaireAssertion& Gestionnaire() {
  static GestionnaireAssertion gestionnaire = GestionnaireParDefaut;
  return gestionnaire;
}

}  // namespace

GestionnaireAssertion InstalleGestionnaireAssertion(GestionnaireAssertion gestionnaire) {
  GestionnaireAssertion precedent = std::move(Gestionnaire());
  Gestionnaire() = gestionnaire ? std::move(gestionnaire) : GestionnaireAssertion(GestionnaireParDefaut);
  return precedent;
}

void Assert(bool condition, const char* expression, const char* message, const char* fichier, int ligne) {
  if (condition) return;
  Gestionnaire()({expression ? expression : "", message ? message : "", fichier ? fichier : "", ligne});
}

}  // namespace kel
