#include "operationsociete2072.h"

#include <algorithm>


namespace zorfiscal2072 {

// --- TCession

const lettres::TableLettres<TCession>& TCession::Lettres() {
  using R = TCession;
  static const lettres::TableLettres<R> table{
      LETTRE(12566, Montant, Reel, 0),
      LETTRE(12567, Methode, Texte, 35),
      LETTRE(12568, Date, Date, 0),
      LETTRE(12672, Libelle, Texte, 35),
      LETTRE(12675, PlusValue, Reel, 0),
      LETTRE(12676, MoinsValue, Reel, 0),
      LETTRE(12677, BNCTypePVImposable, Court, 0),
      LETTRE_CLE(12765, CodeCession, Texte, 21),
  };
  return table;
}

bool TCession::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TCession::TransfertUneLettre(structLettre* l, TIndex, long sens) { return TransfertLettreXX(l, sens); }

// --- TOperationSociete

void TOperationSociete::InitPartielle() {
  ProduitsFinanciers = ProduitsExceptionnels = 0;
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
}

const lettres::TableLettres<TOperationSociete>& TOperationSociete::Lettres() {
  using R = TOperationSociete;
  static const lettres::TableLettres<R> table{
      LETTRE(12564, ProduitsFinanciers, Reel, 0),
      LETTRE(12565, ProduitsExceptionnels, Reel, 0),
  };
  return table;
}

bool TOperationSociete::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TOperationSociete::TransfertUneLettre(structLettre* l, TIndex index, long sens) {
  return arbre::TransfertUneLettre(*this, l, index, sens);
}

TCession* TOperationSociete::GetDetailCessionParCodeCession(const std::string& code) {
  auto it = std::find_if(Cession.begin(), Cession.end(), [&](const TCession& c) { return c.getCodeCession() == code; });
  return it == Cession.end() ? nullptr : &*it;
}

const TCession* TOperationSociete::GetDetailCessionParCodeCession(const std::string& code) const {
  return const_cast<TOperationSociete*>(this)->GetDetailCessionParCodeCession(code);
}

// --- TRepartitionOperationsSociete

const lettres::TableLettres<TRepartitionOperationsSociete>& TRepartitionOperationsSociete::Lettres() {
  using R = TRepartitionOperationsSociete;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12766, CodeCession, Texte, 21, kNiveauCession),
      LETTRE_REFERENCE(12769, CodeAssocie, Texte, 21, kNiveauAssocie),
  };
  return table;
}

bool TRepartitionOperationsSociete::TransfertLettreXX(structLettre* l, long sens) {
  return Lettres().Transfert(*this, l, sens);
}

bool TRepartitionOperationsSociete::TransfertUneLettre(structLettre* l, TIndex index, long sens) {
  return arbre::TransfertUneLettre(*this, l, index, sens);
}

}  // namespace zorfiscal2072
