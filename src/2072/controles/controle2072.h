// One screen check: its state (the host's answer to the last message, the cursor handle, the
// declaration year) and the one routine that runs a table of rules and applies the stop rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "lettres.h"
#include "messages2072.h"
#include "tdonnee2072.h"
#include "tindex.h"

namespace zorfiscal2072::controles {

// What a rule found: a message (Aucun: nothing) and, for the rules on a depreciation line,
// the letter code to put the cursor on.
struct Resultat {
  NumeroMessage numero = NumeroMessage::Aucun;
  short curseur = 0;
};

// How a row meets the stop rule.
enum class Arret : std::uint8_t {
  Teste,     // skipped once the host has answered 1
  SansTest,  // runs whatever the host answered
  Suite,     // the rest of the rule above: runs when that rule ran, with no test in between
};

class TControle {
 public:
  TControle(void* contexte, struTEcranLettre* ecran, const TDonnee2072& racine)
      : m_contexte(contexte), m_ecran(ecran), m_racine(racine), m_annee(racine.getAnnee()) {}

  const TDonnee2072& Racine() const { return m_racine; }
  long Annee() const { return m_annee; }
  long FinAnnee() const { return m_annee * 10000 + 1231; }
  bool DansAnnee(long date) const { return date >= m_annee * 10000 + 101 && date <= FinAnnee(); }

  bool Arrete() const { return m_statut == 1; }
  // Reports the message; its cursor, when the rule gives one, goes where the handle points.
  void Emet(const Resultat& resultat);
  short* Poignee() const { return m_poignee; }

 private:
  void* m_contexte;
  struTEcranLettre* m_ecran;
  const TDonnee2072& m_racine;
  long m_annee;  // read once
  short* m_poignee = nullptr;
  short m_statut = 4;  // no answer yet
};

// A rule of one condition and one message.
template <class E>
struct RegleSimple {
  Arret arret;
  NumeroMessage numero;
  bool (*condition)(const E&, const TControle&);
  Resultat Evalue(const E& e, const TControle& c) const { return {condition(e, c) ? numero : NumeroMessage::Aucun, 0}; }
};

// The conditions many rules share, on the field a getter reads: a text left empty, a date not
// entered, a date entered outside the declaration's year.
template <class E, const std::string& (E::*lit)() const>
bool NonSaisi(const E& e, const TControle&) {
  return (e.*lit)().empty();
}
template <class E, long (E::*lit)() const>
bool DateNonSaisie(const E& e, const TControle&) {
  return (e.*lit)() == 0;
}
template <class E, long (E::*lit)() const>
bool DateHorsAnnee(const E& e, const TControle& c) {
  const long date = (e.*lit)();
  return date != 0 && !c.DansAnnee(date);
}

template <class L>
Arret ArretDe(const L& ligne) {
  return ligne.arret;
}
template <class... L>
Arret ArretDe(const std::variant<L...>& ligne) {
  return std::visit([](const auto& l) { return l.arret; }, ligne);
}
template <class L, class E>
Resultat Evalue(const L& ligne, const E& e, const TControle& c) {
  return ligne.Evalue(e, c);
}
template <class... L, class E>
Resultat Evalue(const std::variant<L...>& ligne, const E& e, const TControle& c) {
  return std::visit([&](const auto& l) { return l.Evalue(e, c); }, ligne);
}

// Runs the rows in order: the only place the stop rule is written.
template <class L, class E>
void Applique(TControle& controle, std::span<const L> table, const E& enregistrement) {
  bool regleLancee = false;  // whether the rule a Suite row continues ran
  for (const L& ligne : table) {
    const Arret arret = ArretDe(ligne);
    const bool saute = arret == Arret::Suite ? !regleLancee : arret == Arret::Teste && controle.Arrete();
    if (arret != Arret::Suite) regleLancee = !saute;
    if (saute) continue;
    if (const Resultat r = Evalue(ligne, enregistrement, controle); r.numero != NumeroMessage::Aucun) controle.Emet(r);
  }
}
template <class L, class E, std::size_t N>
void Applique(TControle& controle, const L (&table)[N], const E& enregistrement) {
  Applique(controle, std::span<const L>(table), enregistrement);
}

// The record at the index's position for `cle`, or null when the key is absent, the position
// negative or not below the list's size.
template <class T>
const T* Designe(const std::vector<T>& liste, const TIndex& index, int cle) {
  int position = 0;
  if (!index.getValeurIndex(cle, position) || position < 0) return nullptr;
  if (static_cast<std::size_t>(position) >= liste.size()) return nullptr;
  return &liste[static_cast<std::size_t>(position)];
}

// The screens' rules in the order a check runs them.
void ControleInfogene(TControle& c, const TInfogene2072& infogene);    // company, shares
void ControleDirigeants(TControle& c, const TInfogene2072& infogene);  // the four officers
void ControleCession(TControle& c, const TCession& cession);           // a sale
void ControleAssocie(TControle& c, const TAssocie2072& associe);       // a partner
void ControlePropriete(TControle& c, const TPropriete2072& propriete, const TIndex& index);
void ControleDispositif(TControle& c, const TPropriete2072& propriete);  // dates of its tax scheme
void ControleExercice(TControle& c, const TInfogene2072& infogene);      // financial-year dates
void ControleCessionParts(TControle& c, const TCessionParts& cession);   // a transfer of shares

}  // namespace zorfiscal2072::controles
