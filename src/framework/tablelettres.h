// Letter tables: each record declares its letters once, as data (code, field, primitive,
// bound or format). One generic routine moves a letter in both directions from the table,
// and the letter dictionary is derived from the same tables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "detenu.h"
#include "kel.h"
#include "lettres.h"
#include "tindex.h"

namespace lettres {

// The letter-library move used for a field.
enum class Primitive : std::uint8_t {
  Texte,        // TransfertString; taille is the bound (keeps taille - 1 characters)
  Court,        // TransfertShortIntReference
  Long,         // TransfertLongReference, TransfertLong
  Reel,         // TransfertDoubleReference, TransfertDouble
  ReelFormat,   // TransfertDoubleReferenceFormat; taille is the count of decimals (2 or 5)
  Date,         // TransfertDateReferenceJJ_MM_SSAA, TransfertDateJJ_MM_SSAA
  MoisJour,     // TransfertLongMoisJourReference
  SiecleAnnee,  // TransfertLongSiecleAnneeReference
};

// Type character of the letters a primitive moves: 'S', 'L', 'D' or 'd'.
char TypeLettre(Primitive primitive);

// Where a field lives in a record.
using RefChamp = std::variant<std::string*, short*, int*, long*, double*>;

// What a field says of the other records: most say nothing; a record's key gives it the code
// other records name it by; a reference names a record of another level by that code, or by
// its position in that level's vector.
enum class Role : std::uint8_t {
  Valeur,     // a plain value
  Cle,        // the record's own code
  Reference,  // the code of a record of `niveau`
  Position,   // the position of a record of `niveau`; the count names someone outside them
};

// Who fills a field: the user, the engine, or one of the three faces of a linked element
// (an amount the engine computes and the user may override).
enum class Nature : std::uint8_t {
  Saisie,      // entered by the user
  Calculee,    // computed by the engine: what is entered is replaced
  LieRetenu,   // linked element: the amount used in the box
  LieCalcule,  // linked element: the amount the engine computed
  LieMode,     // linked element: 1 the amount used follows the computation, 2 it stays as entered
};

// What a number is counted in, so that a screen or a report shows it right.
enum class Unite : std::uint8_t {
  Aucune,
  Euros,
  Pourcent,  // 25 means 25 %
  Fraction,  // a rate held as a fraction: 0.26 means 26 %
  Parts,     // a number of the company's shares
  Annees,    // a duration in years
};

// Values whose shape the form knows: a file that gives another is loaded with a warning.
enum class Gabarit : std::uint8_t {
  Libre,
  Siren,       // 9 digits, the last the check digit of the others
  Nic,         // 5 digits
  Siret,       // the SIREN followed by the NIC (gabaritChamps: the SIREN and NIC fields)
  CodePostal,  // 5 digits in France (gabaritChamps[0]: the country field)
};

// The fixed list a coded field takes its values from. The lists are the engine's: it names
// them (Aucune, 0, for a field that takes its values from none).
enum class Liste : std::uint8_t;
inline constexpr Liste kAucuneListe{};

// One of the lists a field takes its values from when another field of its record holds
// `valeur` (the schemes a property's category offers).
struct ListeSelonValeur {
  long valeur;
  Liste liste;
};

// What the dictionary and hosts know of a letter.
struct DescriptionLettre {
  short code;
  const char* champ;  // field name
  Primitive primitive;
  short taille;  // text bound, or decimals of ReelFormat; 0 otherwise
  Role role = Role::Valeur;
  int niveau = 0;            // level key of the record a reference names; 0 otherwise
  const char* libelle = "";  // French label, as a person reads the field on the form
  Nature nature = Nature::Saisie;
  Unite unite = Unite::Aucune;
  Liste liste = kAucuneListe;
  // A title or legal form: `liste` holds a natural person's titles, `listeMorale` a legal
  // person's forms, chosen by the person type held in field `champType` of the same record.
  Liste listeMorale = kAucuneListe;
  const char* champType = nullptr;  // the field of the same record whose value chooses the list
  // The lists `champType`'s values choose among, each a part of `liste`; a value no row names
  // offers none of them.
  const ListeSelonValeur* listesSelon = nullptr;
  std::size_t nbListesSelon = 0;
  Gabarit gabarit = Gabarit::Libre;
  const char* gabaritChamps[2] = {nullptr, nullptr};  // fields of the same record the shape reads
  char type() const { return TypeLettre(primitive); }
  bool codee() const { return liste != kAucuneListe; }
};

// A text given as a template argument: `TAdresseRole<..., "Adresse du gérant">`.
template <std::size_t N>
struct TexteFixe {
  char texte[N];
  constexpr TexteFixe(const char (&t)[N]) {  // NOLINT: implicit, so that a literal converts
    for (std::size_t i = 0; i < N; ++i) texte[i] = t[i];
  }
};

// A description with the unit its primitive implies: euros for an amount (a real, or a real
// with 2 decimals), none otherwise; rows say when they differ.
DescriptionLettre Decrit(short code, const char* champ, Primitive primitive, short taille, const char* libelle,
                         Role role = Role::Valeur, int niveau = 0);

// Keeps a composed text for as long as the program runs (labels and names built for rows
// that templates generate) and returns it.
const char* TexteDurable(std::string texte);

// Moves one letter between its text and the field, with the field's primitive.
void TransfertChamp(const RefChamp& champ, const DescriptionLettre& description, structLettre* lettre, long sens);

// Two fields that hold the very same value, so that any primitive writes them as the same
// text: texts and integers equal, reals equal bit for bit (-0 and +0 may be written apart).
// Fields that differ may still write the same text (an amount rounded to its decimals).
bool MemeContenu(const RefChamp& a, const RefChamp& b);

// A row of a letter table. The modifiers return the row with one column changed, so that a
// row reads `LETTRE(12145, TotalRecette, Reel, 0, "Total des recettes").Calcule()`.
template <class R>
struct LettreChamp {
  DescriptionLettre description;
  RefChamp (*acces)(R&);

  LettreChamp Est(Nature nature) const {
    return Avec([nature](DescriptionLettre& d) { d.nature = nature; });
  }
  LettreChamp Calcule() const { return Est(Nature::Calculee); }
  LettreChamp En(Unite unite) const {
    return Avec([unite](DescriptionLettre& d) { d.unite = unite; });
  }
  // A coded field: its values come from `liste` (a code has no unit).
  LettreChamp Parmi(Liste liste) const {
    return Avec([liste](DescriptionLettre& d) {
      d.liste = liste;
      d.unite = Unite::Aucune;
    });
  }
  // A title or legal form whose list depends on the person type held by `champType`.
  LettreChamp SelonType(const char* champType, Liste titres, Liste formes) const {
    return Avec([=](DescriptionLettre& d) {
      d.liste = titres;
      d.listeMorale = formes;
      d.champType = champType;
      d.unite = Unite::Aucune;
    });
  }
  // A coded field whose offered values, within its list, depend on the value of `champ`.
  template <std::size_t N>
  LettreChamp SelonValeur(const char* champ, const ListeSelonValeur (&listes)[N]) const {
    return Avec([&](DescriptionLettre& d) {
      d.champType = champ;
      d.listesSelon = listes;
      d.nbListesSelon = N;
    });
  }
  // A value of a known shape; a SIRET names its SIREN and NIC fields, a postal code its
  // country field.
  LettreChamp AuGabarit(Gabarit gabarit, const char* champ1 = nullptr, const char* champ2 = nullptr) const {
    return Avec([=](DescriptionLettre& d) {
      d.gabarit = gabarit;
      d.gabaritChamps[0] = champ1;
      d.gabaritChamps[1] = champ2;
    });
  }
  template <class F>
  LettreChamp Avec(F modifie) const {
    LettreChamp ligne = *this;
    modifie(ligne.description);
    return ligne;
  }
};

// Codes of the form lie in this range; a table finds its entry by direct lookup.
inline constexpr int kPremierCode = 12000;
inline constexpr int kEtendueCodes = 1000;

template <class R>
class TableLettres {
 public:
  TableLettres(std::initializer_list<LettreChamp<R>> lettres) : m_lettres(lettres) { Indexe(); }
  explicit TableLettres(std::vector<LettreChamp<R>> lettres) : m_lettres(std::move(lettres)) { Indexe(); }

  const LettreChamp<R>* Trouve(int code) const {
    const int i = code - kPremierCode;
    if (i < 0 || i >= kEtendueCodes || m_position[static_cast<std::size_t>(i)] < 0) return nullptr;
    return &m_lettres[static_cast<std::size_t>(m_position[static_cast<std::size_t>(i)])];
  }

  // The record's TransfertLettreXX: a null letter or a direction other than 0 and 1 is
  // taken (true) and nothing moves; a code of the table is moved; any other code is refused.
  bool Transfert(R& record, structLettre* lettre, long sens) const {
    if (lettre == nullptr || (sens != 0 && sens != 1)) return true;
    const LettreChamp<R>* entree = Trouve(lettre->code);
    if (entree == nullptr) return false;
    TransfertChamp(entree->acces(record), entree->description, lettre, sens);
    return true;
  }

  const std::vector<DescriptionLettre>& Descriptions() const { return m_descriptions; }
  // The code of the letter that moves field `champ`; 0 when the table has none.
  int CodeDuChamp(std::string_view champ) const {
    for (const DescriptionLettre& d : m_descriptions)
      if (champ == d.champ) return d.code;
    return 0;
  }
  const std::vector<LettreChamp<R>>& Lignes() const { return m_lettres; }
  std::size_t size() const { return m_lettres.size(); }

 private:
  void Indexe() {
    m_position.fill(-1);
    for (std::size_t k = 0; k < m_lettres.size(); ++k) {
      const int i = m_lettres[k].description.code - kPremierCode;
      const bool valide = i >= 0 && i < kEtendueCodes && m_position[static_cast<std::size_t>(i)] < 0;
      KEL_ASSERT(valide, "letter code outside the form's range or declared twice in one table");
      if (valide) m_position[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(k);
      m_descriptions.push_back(m_lettres[k].description);
    }
  }

  std::vector<LettreChamp<R>> m_lettres;
  std::vector<DescriptionLettre> m_descriptions;
  std::array<std::int16_t, kEtendueCodes> m_position{};
};

// A set of letter codes, for records whose sub-records are many: a letter none of them holds
// can be refused at once instead of being offered to each in turn.
class EnsembleCodes {
 public:
  void ajoute(const std::vector<DescriptionLettre>& lettres) {
    for (const DescriptionLettre& d : lettres) m_codes[static_cast<std::size_t>(d.code - kPremierCode)] = true;
  }
  bool contient(int code) const {
    const int i = code - kPremierCode;
    return i >= 0 && i < kEtendueCodes && m_codes[static_cast<std::size_t>(i)];
  }
  // True when the routing steps would all refuse the letter: a real letter, a real direction
  // and a code outside the set.
  bool refuse(const structLettre* lettre, long sens) const {
    return lettre != nullptr && (sens == 0 || sens == 1) && !contient(lettre->code);
  }

 private:
  std::array<bool, kEtendueCodes> m_codes{};
};

// Routing step of an indexed level: runs only when the index holds the key and the position
// is below the vector's size (compared unsigned, so a negative position is skipped).
template <class V>
bool TransfertIndexe(V& vecteur, int cle, structLettre* lettre, const TIndex& index, long sens) {
  int position = 0;
  if (!index.getValeurIndex(cle, position)) return false;
  const auto rang = static_cast<std::size_t>(static_cast<unsigned>(position));
  if (rang >= vecteur.size()) return false;
  return vecteur[rang].TransfertUneLettre(lettre, index, sens);
}

// Routing step of a sub-record held through a pointer: skipped when the pointer is empty.
template <class T>
bool TransfertDetenu(Detenu<T>& detenu, structLettre* lettre, const TIndex& index, long sens) {
  return detenu && detenu->TransfertUneLettre(lettre, index, sens);
}

}  // namespace lettres

// Rows of a letter table, written inside a static member function of the record `R`
// (so that they reach its private fields):
//   LETTRE(12055, Nom, Texte, 41, "Nom")          the field named as in the form, its label
//   LETTRE_VIA(12xxx, "Name", Court, 0, "Label", expr)
//                                                 any expression of `r` giving a RefChamp
//   LETTRE_CLE(12655, CodePropriete, Texte, 21, "Code de l'immeuble")
//                                                 the code other records name this one by
//   LETTRE_REFERENCE(12654, CodePropriete, Texte, 21, "...", kNiveauPropriete)
//                                                 names a record of that level by its code
//   LETTRE_POSITION(12762, AssocieCessionnaire, Long, 0, "...", kNiveauAssocie)
//                                                 names a record of that level by its position
// followed by the modifiers of LettreChamp: .Calcule(), .Parmi(liste), .En(unite), .SelonType(...),
// .AuGabarit(...).
// clang-format off
#define LETTRE_ROLE(code, champ, primitive, taille, libelle, role, niveau)                                          \
  ::lettres::LettreChamp<R> {                                                                                         \
    ::lettres::Decrit(code, #champ, ::lettres::Primitive::primitive, taille, libelle, ::lettres::Role::role, niveau), \
        [](R & r) -> ::lettres::RefChamp { return &r.champ; }                                                         \
  }
// clang-format on
#define LETTRE(code, champ, primitive, taille, libelle) LETTRE_ROLE(code, champ, primitive, taille, libelle, Valeur, 0)
#define LETTRE_CLE(code, champ, primitive, taille, libelle) LETTRE_ROLE(code, champ, primitive, taille, libelle, Cle, 0)
#define LETTRE_REFERENCE(code, champ, primitive, taille, libelle, niveau) \
  LETTRE_ROLE(code, champ, primitive, taille, libelle, Reference, niveau)
#define LETTRE_POSITION(code, champ, primitive, taille, libelle, niveau) \
  LETTRE_ROLE(code, champ, primitive, taille, libelle, Position, niveau)
// clang-format off
#define LETTRE_VIA(code, nom, primitive, taille, libelle, expression)                    \
  ::lettres::LettreChamp<R> {                                                           \
    ::lettres::Decrit(code, nom, ::lettres::Primitive::primitive, taille, libelle),     \
        [](R & r) -> ::lettres::RefChamp { return (expression); }                       \
  }
// clang-format on
