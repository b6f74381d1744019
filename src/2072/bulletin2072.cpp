#include "bulletin2072.h"

#include <algorithm>
#include <utility>

#include "listes2072.h"

namespace zorfiscal2072 {

// --- TQuotePartPropriete ---

const lettres::TableLettres<TQuotePartPropriete>& TQuotePartPropriete::Lettres() {
  using R = TQuotePartPropriete;
  using enum lettres::Liste;
  static const lettres::TableLettres<R> table{
      LETTRE_REFERENCE(12767, CodePropriete, Texte, 21, "Quote-part : code de l'immeuble", kNiveauPropriete),
      LETTRE_REFERENCE(12768, CodeAssocie, Texte, 21, "Quote-part : code de l'associé", kNiveauAssocie),
      LETTRE(12695, RevenuBrut, Reel, 0, "Quote-part de revenu brut de l'immeuble").Calcule(),
      LETTRE(12696, Charge, Reel, 0, "Quote-part de charges de l'immeuble").Calcule(),
      LETTRE(12697, InteretEmprunt, Reel, 0, "Quote-part d'intérêts d'emprunts de l'immeuble").Calcule(),
      LETTRE(12698, DeductionSpecifique, Reel, 0, "Quote-part de déduction spécifique de l'immeuble").Calcule(),
      LETTRE(12699, Amortissement, Reel, 0, "Quote-part d'amortissement de l'immeuble").Calcule(),
      LETTRE(12700, PresenceMobilite, Court, 0, "Déduction pour mobilité applicable").Parmi(ListeOuiNon),
      LETTRE(12684, DeductionMobilite, Reel, 0, "Déduction pour mobilité"),
      LETTRE(12701, RevenuOuDeficit, Reel, 0, "Quote-part de revenu ou déficit de l'immeuble").Calcule(),
  };
  return table;
}
bool TQuotePartPropriete::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

// --- TProprieteReport ---

const lettres::TableLettres<TProprieteReport>& TProprieteReport::Lettres() {
  using R = TProprieteReport;
  static const lettres::TableLettres<R> table{
      LETTRE(12094, RevenuBrut, Reel, 0, "Report de l'immeuble : revenu brut"),
      LETTRE(12095, Charge, Reel, 0, "Report de l'immeuble : charges"),
      LETTRE(12425, ChargeEspacesNaturels, Reel, 0, "Report de l'immeuble : charges des espaces naturels"),
      LETTRE(12098, InteretEmprunt, Reel, 0, "Report de l'immeuble : intérêts d'emprunts"),
      LETTRE(12099, RevenuOuDeficit, Reel, 0, "Report de l'immeuble : revenu ou déficit"),
      LETTRE(12636, DeductionSpecifique, Reel, 0, "Report de l'immeuble : déduction spécifique"),
      LETTRE(12637, Amortissement, Reel, 0, "Report de l'immeuble : amortissement"),
      LETTRE(12638, Mobilite, Reel, 0, "Report de l'immeuble : déduction pour mobilité"),
  };
  return table;
}
bool TProprieteReport::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

// --- TBulletin2072 ---

const lettres::TableLettres<TBulletin2072>& TBulletin2072::Lettres() {
  using R = TBulletin2072;
  using enum lettres::Liste;
  using lettres::Unite;
  static const lettres::TableLettres<R> table{
      LETTRE(12092, RevenuBICIS, Reel, 0, "Quote-part du résultat BIC ou IS").Calcule(),
      LETTRE(12093, RevenuBA, Reel, 0, "Quote-part du résultat BA").Calcule(),
      LETTRE(12542, RevenuTNSouIS, Reel, 0, "Quote-part du résultat selon le régime de l'associé").Calcule(),
      LETTRE(12707, PresenceAcquisitionParts, Court, 0, "Parts acquises dans l'année").Parmi(ListeOuiNon).Calcule(),
      LETTRE(12708, PresenceCessionParts, Court, 0, "Parts cédées dans l'année").Parmi(ListeOuiNon).Calcule(),
      LETTRE(12634, NbpartsCedees, ReelFormat, 5, "Nombre de parts cédées par l'associé").En(Unite::Parts).Calcule(),
      LETTRE(12635, NbpartsAcquises, ReelFormat, 5, "Nombre de parts acquises par l'associé")
          .En(Unite::Parts)
          .Calcule(),
      LETTRE(12685, TotalRevenuBrut, Reel, 0, "Total des quotes-parts de revenu brut").Calcule(),
      LETTRE(12686, TotalCharge, Reel, 0, "Total des quotes-parts de charges").Calcule(),
      LETTRE(12687, TotalInteretEmprunt, Reel, 0, "Total des quotes-parts d'intérêts d'emprunts").Calcule(),
      LETTRE(12688, TotalDeductionSpecifique, Reel, 0, "Total des quotes-parts de déduction spécifique").Calcule(),
      LETTRE(12689, TotalAmortissement, Reel, 0, "Total des quotes-parts d'amortissement").Calcule(),
      LETTRE(12690, TotalDeductionMobilite, Reel, 0, "Total des déductions pour mobilité").Calcule(),
      LETTRE(12691, TotalRevenuOuDeficit, Reel, 0, "Total des quotes-parts de revenu ou déficit").Calcule(),
  };
  return table;
}
bool TBulletin2072::TransfertLettreXX(structLettre* l, long sens) { return Lettres().Transfert(*this, l, sens); }

bool TBulletin2072::TransfertUneLettre(structLettre* l, TIndex index, long sens) {
  return arbre::TransfertUneLettre(*this, l, index, sens);
}

void TBulletin2072::InitResultat() {
  RevenuBICIS = RevenuBA = RevenuTNSouIS = 0;
  PresenceAcquisitionParts = PresenceCessionParts = OuiNon::Non;
  NbpartsCedees = NbpartsAcquises = 0;
  TotalRevenuBrut = TotalCharge = TotalInteretEmprunt = TotalDeductionSpecifique = 0;
  TotalAmortissement = TotalDeductionMobilite = TotalRevenuOuDeficit = 0;
  if (QuotePartProduitsFinanciers) QuotePartProduitsFinanciers->InitResultat();
}

void TBulletin2072::setQuotePartProduitsFinanciers(const TElementLie& v) {
  if (!QuotePartProduitsFinanciers) QuotePartProduitsFinanciers.cree();
  static_cast<TElementLie&>(*QuotePartProduitsFinanciers) = v;
}

void TBulletin2072::SupprimeQuoteParPropriete(const std::string& codePropriete) {
  std::erase_if(QuotePartPropriete,
                [&](const TQuotePartPropriete& q) { return q.getCodePropriete() == codePropriete; });
}

void TBulletin2072::SupprimeRepartitionParCession(const std::string& codeCession) {
  std::erase_if(RepartitionOperationsSociete,
                [&](const TRepartitionOperationsSociete& r) { return r.getCodeCession() == codeCession; });
}

const TQuotePartPropriete* TBulletin2072::GetDetailQuoteParCodePropriete(const std::string& codePropriete) const {
  const auto it = std::find_if(QuotePartPropriete.begin(), QuotePartPropriete.end(),
                               [&](const TQuotePartPropriete& q) { return q.getCodePropriete() == codePropriete; });
  return it == QuotePartPropriete.end() ? nullptr : &*it;
}

TQuotePartPropriete* TBulletin2072::GetDetailQuoteParCodePropriete(const std::string& codePropriete) {
  return const_cast<TQuotePartPropriete*>(std::as_const(*this).GetDetailQuoteParCodePropriete(codePropriete));
}

short TBulletin2072::presenceMobiliteQuoteParPropriete(const std::string& codePropriete) const {
  const bool presente =
      std::any_of(QuotePartPropriete.begin(), QuotePartPropriete.end(), [&](const TQuotePartPropriete& q) {
        return q.getCodePropriete() == codePropriete && q.getPresenceMobilite() == 1;
      });
  return presente ? 1 : 0;
}

}  // namespace zorfiscal2072
