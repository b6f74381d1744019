// Letter library: lists of numbered letters and typed moves between a letter's text
// value and a variable of the engine. Free functions with unmangled names.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

extern "C" {

// One field of the form.
struct structLettre {
  std::int16_t flag;  // selection: 1 output, 0 not output, 2 marked
  std::int16_t code;
  char* valeur;       // zero-terminated, allocated with malloc: the engine may realloc it
  std::int32_t type;  // 'D' amount, 'S' text, 'L' integer, 'd' date
  structLettre* suivante;
};

// A list of letters. `courante` designates the letter last added by AjouteLettre,
// whose type field the caller may then set.
struct structListeLettres {
  structLettre* premiere;
  structLettre* derniere;
  structLettre* courante;
};

// The screen a check runs for; passed through to the message sink untouched.
struct struTEcranLettre {
  int numero;
};

// Adds a letter with a copy of `valeur` (null: empty text). The last integer chooses the
// mode: 0 always appends; 1 replaces the value of the first letter holding `code`, or
// appends when there is none. Creates the list when *liste is null; does nothing when
// liste is null.
void AjouteLettre(structListeLettres** liste, short code, const char* valeur, int, int, int, int remplace);
structLettre* TrouveLettre(short code, structListeLettres* liste);  // first with the code, or null
void ModifieLettre(structLettre* lettre, const char* valeur);
void SupprimeLettre(structListeLettres** liste, short code);  // removes every letter with the code
structLettre* VaPremiereLettre(structListeLettres* liste);
structLettre* VaLettreSuivante(structLettre* lettre);
short FinListeLettre(structLettre* lettre);  // non-zero past the last letter
std::size_t NombreLettres(structListeLettres* liste);
void LibereListeLettres(structListeLettres** liste);  // frees every letter and the list

// Reports message `numero` of a check to the sink `contexte` (a TRecepteurMessages*, or
// null to report nothing). The library sets *curseur to a 16-bit field where the engine
// may write the code of the letter to put the cursor on. Returns the sink's status.
short Message(void* contexte, struTEcranLettre* ecran, short numero, short** curseur, long, long, long, long, long);

// Typed moves: sens 0 reads the letter into the variable, 1 writes the variable into the
// letter; any other direction moves nothing. A text that cannot be read leaves 0.
void TransfertString(std::string* variable, char** valeur, long sens, long taille);
void TransfertShortIntReference(short* variable, char** valeur, long sens);
void TransfertLongReference(long* variable, char** valeur, long sens);
void TransfertLong(long* variable, char** valeur, long sens);
void TransfertDoubleReference(double* variable, char** valeur, long sens);
void TransfertDouble(double* variable, char** valeur, long sens);
void TransfertDoubleReferenceFormat(double* variable, char** valeur, const char* format, long sens);
void TransfertDateReferenceJJ_MM_SSAA(long* variable, char** valeur, long sens);
void TransfertDateJJ_MM_SSAA(long* variable, char** valeur, long sens);
void TransfertLongMoisJourReference(long* variable, char** valeur, long sens);
void TransfertLongSiecleAnneeReference(long* variable, char** valeur, long sens);

}  // extern "C"

// Receives the messages of a check. Implemented by hosts (the command-line host, tests).
class TRecepteurMessages {
 public:
  virtual ~TRecepteurMessages() = default;
  // Returns the status (1 stops the later rules) and points `curseur` at a field that
  // stays valid at least until the next message.
  virtual short Recoit(const struTEcranLettre* ecran, short numero, short** curseur) = 0;
};

// A sink that records every message in order, with the cursor code the engine wrote for it,
// and answers the same status to each.
class TJournalMessages : public TRecepteurMessages {
 public:
  struct Entree {
    int ecran;      // screen number, -1 without a screen
    short numero;   // message number
    short curseur;  // letter code the engine put the cursor on, 0 if none
  };
  explicit TJournalMessages(short statut = 0) : m_statut(statut) {}
  short Recoit(const struTEcranLettre* ecran, short numero, short** curseur) override {
    m_messages.push_back({ecran ? ecran->numero : -1, numero, 0});
    *curseur = &m_messages.back().curseur;
    return m_statut;
  }
  const std::deque<Entree>& Messages() const { return m_messages; }

 private:
  short m_statut;
  std::deque<Entree> m_messages;  // a deque keeps each cursor field in place
};

namespace lettres {

// Text forms shared by the typed moves and by hosts that check letters before use.
// Each returns false when the text does not read as such a value. A view ends at its end, a
// zero byte being a character like any other; a C text ends at its first.
bool LitReel(std::string_view texte, double& valeur);
bool LitEntier(std::string_view texte, long long& valeur);  // decimal; a fraction truncates toward zero
bool LitDate(std::string_view texte, long& aaaammjj);       // DD/MM/YYYY, a real calendar date; empty is 0
bool LitReel(const char* texte, double& valeur);
bool LitEntier(const char* texte, long long& valeur);
bool LitDate(const char* texte, long& aaaammjj);
// Plain decimal, at most 15 significant digits: the shortest text that reads back to the same
// number when there is one that short (every value entered with 15 digits or fewer), the
// number rounded to 15 digits otherwise (11236 x 0.3 is 3370.8, not 3370.7999999999997).
std::string EcritReel(double valeur);
std::string EcritDate(long aaaammjj);  // DD/MM/YYYY; 0 is the empty text
bool DateValide(long aaaammjj);

// UTF-8: number of characters, and the longest prefix of at most n characters.
std::size_t NombreCaracteres(std::string_view texte);
std::string Tronque(const std::string& texte, std::size_t n);

// A text safe to show a person on a terminal or a page: control characters (C0, DEL, C1),
// the marks and overrides that reorder text (bidi) and the line and paragraph separators
// written \u00XX or \u202e, bytes that are not UTF-8 written \xNN; everything else as it is.
std::string Lisible(std::string_view texte);
// A value quoted for a message: at most `caracteres` characters, then "…"; quotes and
// backslashes escaped, the rest as Lisible writes it.
std::string Cite(std::string_view texte, std::size_t caracteres = 80);

}  // namespace lettres
