// Explanations of the messages for the accountant, in French, one per message a check emits
// (and the few numbers of the table no rule emits).
#include "services/explications.h"

#include <iterator>

namespace hote2072 {

namespace {

struct Explication {
  short numero;
  const char* texte;
};

constexpr short kPremiere = 75;
constexpr Explication kExplications[] = {
    {75, "Nombre total de parts supérieur au total des parts des associés"},
    {76, "Date d'acquisition antérieure au 1er janvier 1996 pour un immeuble sous régime d'amortissement"},
    {77, "Date d'achèvement non renseignée pour un immeuble sous régime d'amortissement"},
    {78, "Début d'amortissement (lignes 1 à 4) postérieur à la fin de l'année de la déclaration"},
    {79, "Début d'amortissement (lignes 5 à 7) postérieur à la fin de l'année de la déclaration"},
    {80, "Périssol : immeuble acquis après le 31 août 1999"},
    {81, "Périssol : amortissement commencé après le 1er juillet 2001 pour un immeuble achevé après 1998"},
    {82, "Besson neuf : début d'amortissement (lignes 1 à 4) antérieur au 1er janvier 1999"},
    {83, "Besson neuf : début d'amortissement (lignes 5 à 7) antérieur au 1er janvier 1999"},
    {84, "Besson neuf : immeuble acquis après le 2 avril 2003"},
    {85, "Besson neuf : amortissement de l'investissement commencé après le 2 avril 2003"},
    {86, "Robien classique : immeuble acquis de 1999 à 2002 et achevé avant le 1er janvier 2003"},
    {87, "Robien classique : immeuble acquis avant 1999 et achevé avant le 1er janvier 2003"},
    {88, "Robien classique : début d'amortissement (lignes 1 à 4) antérieur au 3 avril 2003"},
    {89, "Robien classique : début d'amortissement (lignes 5 à 7) antérieur au 3 avril 2003"},
    {90, "Robien classique : amortissement de l'investissement commencé après le 31 août 2006"},
    {91, "Robien ZRR : immeuble acquis avant le 1er janvier 2004"},
    {92, "Robien ZRR : immeuble acquis après le 31 août 2006"},
    {93, "Robien ZRR : amortissement de l'investissement commencé après le 31 août 2006"},
    {94, "Robien recentré : immeuble acquis avant le 1er septembre 2006"},
    {95, "Robien recentré : immeuble acquis après le 31 décembre 2009"},
    {96, "Borloo neuf : immeuble acquis après le 31 décembre 2009"},
    {97, "Robien recentré : début d'amortissement (lignes 1 à 4) antérieur au 1er septembre 2006"},
    {98, "Robien recentré : début d'amortissement (lignes 5 à 7) antérieur au 1er septembre 2006"},
    {99, "Robien recentré ZRR : immeuble acquis avant le 1er septembre 2006"},
    {100, "Robien recentré ZRR : début d'amortissement (lignes 1 à 4) antérieur au 1er septembre 2006"},
    {101, "Robien recentré ZRR : début d'amortissement (lignes 5 à 7) antérieur au 1er septembre 2006"},
    {102, "Borloo neuf : immeuble acquis avant le 1er septembre 2006"},
    {103, "Borloo neuf : début d'amortissement (lignes 1 à 4) antérieur au 1er janvier 2006"},
    {104, "Borloo neuf : début d'amortissement (lignes 5 à 7) antérieur au 1er janvier 2006"},
    {105, "Scellier ZRR : date d'acquisition absente ou hors de la période du 1er janvier 2009 au 13 décembre 2012"},
    {106, "Scellier intermédiaire : date d'acquisition absente ou hors de la période du 1er janvier 2009 au "
          "13 décembre 2012"},
    {107, "Nombre total de parts inférieur au total des parts détenues par les associés"},
    {108, "Les quotes-parts de résultats des associés dépassent 100 %"},
    {109, "Dénomination de la société non renseignée"},
    {110, "Dénomination précédente de la société non renseignée"},
    {111, "Capital de la société non renseigné"},
    {112, "Nombre total de parts de la société non renseigné"},
    {113, "Nom du gérant non renseigné"},
    {114, "Prénom du gérant non renseigné"},
    {115, "Dénomination du gérant personne morale non renseignée"},
    {116, "Nom de l'administrateur non renseigné"},
    {117, "Prénom de l'administrateur non renseigné"},
    {118, "Dénomination de l'administrateur personne morale non renseignée"},
    {119, "Nom du comptable non renseigné"},
    {120, "Prénom du comptable non renseigné"},
    {121, "Dénomination du comptable personne morale non renseignée"},
    {122, "Nom du conseil non renseigné"},
    {123, "Prénom du conseil non renseigné"},
    {124, "Dénomination du conseil personne morale non renseignée"},
    {125, "Nombre de parts de l'associé non renseigné"},
    {126, "Nom de l'associé non renseigné"},
    {127, "Nom marital non renseigné pour une associée « Madame »"},
    {128, "Dénomination de l'associé personne morale non renseignée"},
    {129, "Numéro SIREN de l'associé personne morale non renseigné"},
    {130, "Numéro NIC (fin du SIRET) de l'associé personne morale non renseigné"},
    {131, "Libellé de la cession non renseigné"},
    {132, "Date de la cession hors de l'année de la déclaration"},
    {133, "Date de la cession non renseignée"},
    {134, "Désignation de l'immeuble non renseignée"},
    {135, "Nombre de locaux soumis à la contribution sur les revenus locatifs non renseigné"},
    {136, "Nom du locataire non renseigné"},
    {137, "Identité du bénéficiaire non renseignée"},
    {138, "Ligne 1 (investissement) : montant saisi sans date de début d'amortissement"},
    {139, "Ligne 2 (dépenses) : montant saisi sans date de début d'amortissement"},
    {140, "Ligne 3 (dépenses) : montant saisi sans date de début d'amortissement"},
    {141, "Ligne 4 (dépenses) : montant saisi sans date de début d'amortissement"},
    {142, "Ligne 5 (dépenses) : montant saisi sans date de début d'amortissement"},
    {143, "Ligne 6 (dépenses) : montant saisi sans date de début d'amortissement"},
    {144, "Ligne 7 (dépenses) : montant saisi sans date de début d'amortissement"},
    {145, "Ligne 1 (investissement) : amortissement commencé avant la date d'acquisition"},
    {146, "Ligne 2 (dépenses) : amortissement commencé avant la date d'acquisition"},
    {147, "Ligne 3 (dépenses) : amortissement commencé avant la date d'acquisition"},
    {148, "Ligne 4 (dépenses) : amortissement commencé avant la date d'acquisition"},
    {149, "Ligne 5 (dépenses) : amortissement commencé avant la date d'acquisition"},
    {150, "Ligne 6 (dépenses) : amortissement commencé avant la date d'acquisition"},
    {151, "Ligne 7 (dépenses) : amortissement commencé avant la date d'acquisition"},
    {152, "Date d'acquisition postérieure à la fin de l'année de la déclaration"},
    {153, "Périssol : amortissement de l'investissement commencé avant le 1er janvier 1996"},
    {154, "Besson neuf : amortissement de l'investissement commencé avant le 1er janvier 1999"},
    {155, "Robien ZRR : amortissement de l'investissement commencé avant le 1er janvier 2004"},
    {156, "Ligne 1 (investissement) : date de début d'amortissement saisie sans montant"},
    {157, "Lignes 2 à 4 (dépenses) : date de début d'amortissement saisie sans montant"},
    {158, "Lignes 5 à 7 (dépenses) : date de début d'amortissement saisie sans montant"},
    {159, "Date d'acquisition non renseignée pour un immeuble sous régime d'amortissement"},
    {160, "Libellé du composant non renseigné"},
    {161, "Nombre de parts cédées non renseigné"},
    {162, "Le cédant et le cessionnaire sont le même associé"},
    {163, "Nom du cessionnaire non renseigné"},
    {164, "Nom du cédant non renseigné"},
    {165, "Date de la cession de parts non renseignée"},
    {166, "Date de la cession de parts hors de l'année de la déclaration"},
    {167, "Début de l'exercice ni dans l'année de la déclaration ni dans l'année précédente"},
    {168, "Clôture de l'exercice hors de l'année de la déclaration"},
};
static_assert(std::size(kExplications) == 168 - kPremiere + 1);

}  // namespace

const char* ExplicationMessage(int numero) {
  if (numero < kPremiere || numero > 168) return "Message sans explication";
  return kExplications[numero - kPremiere].texte;
}

}  // namespace hote2072
