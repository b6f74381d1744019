/* sci2072: the engine of the French return 2072 (property-holding civil companies) for
 * programs written in C, or in any language that calls C.
 *
 * A declaration lives behind an opaque handle. Every call that takes a handle returns a
 * status and leaves on the handle a message saying what went wrong and what was expected
 * (the empty text after a success), read with sci2072_message. Texts are UTF-8, ended by a
 * zero byte. A text the library hands back through a `char**` belongs to the caller, who
 * frees it with sci2072_libere; the library never keeps a pointer the caller gave it.
 *
 * Threads: handles are independent. Two threads may each work on a handle of their own at
 * the same time, without any lock; one handle must not be used by two threads at once.
 *
 * A declaration is computed when it is loaded or started anew; after changes, sci2072_calcule
 * brings every figure up to date. Reading, writing, checks, selection and summary show the
 * declaration as it stands. */
#ifndef SCI2072_SCI2072_H
#define SCI2072_SCI2072_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct sci2072_declaration sci2072_declaration;

/* What a call did; the same numbers as the exit statuses of the sci2072 program. */
typedef enum sci2072_statut {
  SCI2072_OK = 0,
  /* The input is refused: a file or text that is not a valid declaration, a file that cannot
   * be read or written, a value its field cannot hold, a code naming no record. */
  SCI2072_INVALIDE = 1,
  /* The call is wrong: a null argument, a code or field no letter has, an index without the
   * letter's levels, a position past the records. */
  SCI2072_USAGE = 2,
  /* The library failed (memory exhausted): the handle is as it was before the call. */
  SCI2072_INTERNE = 4
} sci2072_statut;

/* One level of an index: its key (300 properties, 301 partners, 303 tenants of a property...;
 * `sci2072 dictionary` gives each letter's levels) and a position counted from 0. */
typedef struct sci2072_niveau {
  int cle;
  int position;
} sci2072_niveau;

/* Options of writing a declaration, added together. */
enum {
  SCI2072_ANNOTE = 1, /* each letter with its field and record names, for people to read */
  SCI2072_TOUTES = 2  /* every letter, those equal to a new record's value included */
};

/* The library's version, "MAJOR.MINOR.PATCH"; static text, not freed. */
const char* sci2072_version(void);

/* A new empty declaration, computed; NULL only when memory is exhausted. */
sci2072_declaration* sci2072_nouvelle(void);
/* Releases the handle and its declaration; NULL is ignored. */
void sci2072_ferme(sci2072_declaration* declaration);
/* What went wrong in the handle's last call, "" after a success; valid until the next call on
 * the handle. Several problems of a file come one per line. */
const char* sci2072_message(const sci2072_declaration* declaration);
/* Frees a text the library handed back; NULL is ignored. */
void sci2072_libere(char* texte);

/* Replaces the declaration by the one in a file (or `taille` bytes of text), read, checked,
 * loaded and computed as `sci2072 compute` does; on a refusal the declaration is unchanged
 * and the message lists every problem. */
sci2072_statut sci2072_charge_fichier(sci2072_declaration* declaration, const char* chemin);
sci2072_statut sci2072_charge_texte(sci2072_declaration* declaration, const char* texte, size_t taille);
/* What the last successful load found in the file that loads but should be looked at (a
 * SIREN whose check digit is wrong, a NIC or postal code of the wrong length, a SIRET that is
 * not the SIREN and NIC, another year than the engine's, an older code and what it is taken
 * as), one per line, each ending with a newline, as `sci2072` prints them on standard error;
 * "" when there was none, and for a new declaration. Valid until the next load on the
 * handle; a NULL handle gives "". */
const char* sci2072_avertissements(const sci2072_declaration* declaration);
/* Writes the declaration as a declaration file: atomically to a file, or to a text of the
 * caller's. `options`: SCI2072_ANNOTE, SCI2072_TOUTES. */
sci2072_statut sci2072_ecrit_fichier(sci2072_declaration* declaration, const char* chemin, int options);
sci2072_statut sci2072_ecrit_texte(sci2072_declaration* declaration, int options, char** texte);

/* One letter, named by its code or by its field ("LoyerBrut"; "TAdresseGerant.Ville" where
 * several records at the same levels have a field of that name), at the record that `index`
 * names (`niveaux` levels, in any order; NULL and 0 for the declaration's own letters). A
 * value is read and given as a declaration file writes it: "1234.5", "2", "31/12/2011".
 * Giving a letter at the next position of a level adds that record (a tenant, a property...);
 * giving a record its code makes every record that names it follow. */
sci2072_statut sci2072_lit_lettre(sci2072_declaration* declaration, int code, const sci2072_niveau* index,
                                  size_t niveaux, char** valeur);
sci2072_statut sci2072_modifie_lettre(sci2072_declaration* declaration, int code, const sci2072_niveau* index,
                                      size_t niveaux, const char* valeur);
sci2072_statut sci2072_lit_champ(sci2072_declaration* declaration, const char* champ, const sci2072_niveau* index,
                                 size_t niveaux, char** valeur);
sci2072_statut sci2072_modifie_champ(sci2072_declaration* declaration, const char* champ, const sci2072_niveau* index,
                                     size_t niveaux, const char* valeur);
/* The number of records at level `cle` under the record `index` names (NULL and 0 for the
 * levels the declaration holds itself: properties, partners, sales, transfers of shares). */
sci2072_statut sci2072_nombre(sci2072_declaration* declaration, int cle, const sci2072_niveau* index, size_t niveaux,
                              size_t* nombre);
/* The declaration year (2011 unless a file or a call says otherwise). */
sci2072_statut sci2072_annee(sci2072_declaration* declaration, long* annee);
sci2072_statut sci2072_modifie_annee(sci2072_declaration* declaration, long annee);

/* Computes the declaration: texts, coherence pass, every figure of the return. */
sci2072_statut sci2072_calcule(sci2072_declaration* declaration);

/* The screen checks' messages as a JSON array of {"index", "number", "identifier", "cursor",
 * "field", "text"}: of the whole declaration, record by record, or of one screen, as a host
 * asks for it when the user leaves the screen (`arret` nonzero answers 1 to every message,
 * which stops the later rules). */
sci2072_statut sci2072_controle_declaration(sci2072_declaration* declaration, char** json);
sci2072_statut sci2072_controle_ecran(sci2072_declaration* declaration, const sci2072_niveau* index, size_t niveaux,
                                      int arret, char** json);
/* Which letters the form keeps, drops or marks, as a JSON array of {"code", "index", "field",
 * "decision", "value"}: of every record, or of the one record `index` names. */
sci2072_statut sci2072_selection(sci2072_declaration* declaration, char** json);
sci2072_statut sci2072_selection_enregistrement(sci2072_declaration* declaration, const sci2072_niveau* index,
                                                size_t niveaux, char** json);
/* What the summary prints, as JSON: {"company", "year", "tables": [{"kind", "title", "columns",
 * "rows": [{"label", "values", "style"}]}], "properties": [{"name", "receipts", "charges",
 * "result"}], "partners": [{"name", "percentage"}], "partnersLeftOut", "messages"}; the tables'
 * values as the summary shows them, the properties' and partners' figures as numbers.
 * `tous_associes` nonzero lists every partner's statement, not only the largest holdings. */
sci2072_statut sci2072_resume(sci2072_declaration* declaration, int tous_associes, char** json);
/* The form's letters as JSON, as `sci2072 dictionary --json` writes them: {"entries": [{"code",
 * "type", "record", "field", "levels", "maxLength", "decimals", "inDeclaration", "label", "role",
 * "unit", "list"}], "lists": {name: [{"code", "label"}]}}. */
sci2072_statut sci2072_dictionnaire(sci2072_declaration* declaration, char** json);

/* Partners and properties, through the engine's own operations, which keep each partner's
 * shares of the properties, the distributions of the sales and the transfers of shares in
 * step. They do not compute the declaration again. */
sci2072_statut sci2072_ajoute_associe(sci2072_declaration* declaration, int* position);
sci2072_statut sci2072_duplique_associe(sci2072_declaration* declaration, int position, int* copie);
sci2072_statut sci2072_deplace_associe(sci2072_declaration* declaration, int depuis, int vers);
sci2072_statut sci2072_supprime_associe(sci2072_declaration* declaration, int position);
sci2072_statut sci2072_ajoute_propriete(sci2072_declaration* declaration, int* position);
sci2072_statut sci2072_supprime_propriete(sci2072_declaration* declaration, int position);

/* Starts the next year's declaration of the same company: the partners stay with their
 * identity, the properties and everything of the year go; computed. */
sci2072_statut sci2072_nouvelle_annee(sci2072_declaration* declaration);

#ifdef __cplusplus
}
#endif

#endif /* SCI2072_SCI2072_H */
