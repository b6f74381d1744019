#include "operationsociete2072.h"

#include <algorithm>

#include "listes2072.h"

namespace zorfiscal2072 {

// --- TCession

const lettres::TableLettres<TCession>& TCession::Lettres() {
  using R = TCession;
  using enum lettres::Liste;
  static const lettres::TableLettres<R> table{
      LETTRE(12566, Montant, Reel, 0, "Montant de la cession"),
      LETTRE(12567, Methode, Texte, 35, "Mode de paiement de la cession"),
      LETTRE(12568, Date, Date, 0, "Date de la cession"),
      LETTRE(12672, Libelle, Texte, 35, "Libellé de la cession"),
      LETTRE(12675, PlusValue, Reel, 0, "Plus-value de cession"),
      LETTRE(12676, MoinsValue, Reel, 0, "Moins-value de cession"),
      LETTRE(12677, BNCTypePVImposable, Court, 0, "Plus-value imposable (BNC) : à long ou à court terme")
          .Parmi(ListeTerme),
      LETTRE_CLE(12765, CodeCession, Texte, 21, "Code de la cession"),
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
      LETTRE(12564, ProduitsFinanciers, Reel, 0, "Produits financiers de la société"),
      LETTRE(12565, ProduitsExceptionnels, Reel, 0, "Produits exceptionnels de la société"),
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
      LETTRE_REFERENCE(12766, CodeCession, Texte, 21, "Répartition : code de la cession", kNiveauCession),
      LETTRE_REFERENCE(12769, CodeAssocie, Texte, 21, "Répartition : code de l'associé", kNiveauAssocie),
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
