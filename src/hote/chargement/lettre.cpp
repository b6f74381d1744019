#include "chargement/lettre.h"

namespace hote2072 {

bool MemeValeur(char type, const std::string& donne, const char* relu) {
  if (donne == relu) return true;  // the checks have read the value given
  switch (type) {
    case 'D': {
      double a = 0, b = 0;
      return lettres::LitReel(donne.c_str(), a) && lettres::LitReel(relu, b) && a == b;
    }
    case 'L': {
      long long a = 0, b = 0;  // a day, month or year not entered reads back empty
      const bool lu = donne.empty() || lettres::LitEntier(donne.c_str(), a);
      return lu && (*relu == '\0' || lettres::LitEntier(relu, b)) && a == b;
    }
    case 'd': {
      long a = 0, b = 0;
      return lettres::LitDate(donne.c_str(), a) && lettres::LitDate(relu, b) && a == b;
    }
    default: return donne == relu;
  }
}

}  // namespace hote2072
