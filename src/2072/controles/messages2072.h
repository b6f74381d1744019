// The numbered messages of the screen checks, one row each: number, identifier, the kind of
// record a message concerns (so that a host can show it at its record) and its French text.
// Rules name their message by its identifier (NumeroMessage::ID_ERREUR72_SISAISIENOM).
#pragma once

#include <array>
#include <cstdint>

namespace zorfiscal2072 {

// The record a message concerns. Numbers 1 to 75 belong to no rule of the checks.
enum class EnregistrementMessage : std::uint8_t {
  Aucun,
  General,       // general information
  Cession,       // a sale by the company (level 305)
  Associe,       // a partner (301)
  Propriete,     // a property (300)
  Locataire,     // a tenant of a property (300, 303)
  Beneficiaire,  // a beneficiary of a property (300, 304)
  Composant,     // a depreciable component of a property (300, 308)
  CessionParts,  // a transfer of shares (309)
};

// Numbers 1 to 74 are the first form of each identifier, kept for the hosts that show them;
// the checks emit numbers from 76 on.
// clang-format off
#define MESSAGES_2072(X) \
  X(1, ID_MESS72_SISAISIENOM, Aucun, "Dénomination de la société non renseignée") \
  X(2, ID_MESS72_SISAISIENOMPREC, Aucun, "Dénomination précédente de la société non renseignée") \
  X(3, ID_MESS72_SISAISIECAPITAL, Aucun, "Capital de la société non renseigné") \
  X(4, ID_MESS72_SINBPART_PLUS, Aucun, "Nombre total de parts supérieur au total des parts des associés") \
  X(5, ID_MESS72_SINBPART_MOINS, Aucun, \
    "Nombre total de parts inférieur au total des parts détenues par les associés") \
  X(6, ID_MESS72_SISAISIEQUOTEPARTTOTALPLUS, Aucun, "Les quotes-parts de résultats des associés dépassent 100 %") \
  X(7, ID_MESS72_GERANTNOM, Aucun, "Nom du gérant non renseigné") \
  X(8, ID_MESS72_GERANTPRENOM, Aucun, "Prénom du gérant non renseigné") \
  X(9, ID_MESS72_GERANTDENOMINATION, Aucun, "Dénomination du gérant personne morale non renseignée") \
  X(10, ID_MESS72_ADMINISTRATEURNOM, Aucun, "Nom de l'administrateur non renseigné") \
  X(11, ID_MESS72_ADMINISTRATEURPRENOM, Aucun, "Prénom de l'administrateur non renseigné") \
  X(12, ID_MESS72_ADMINISTRATEURDENOMINATION, Aucun, \
    "Dénomination de l'administrateur personne morale non renseignée") \
  X(13, ID_MESS72_COMPTABLENOM, Aucun, "Nom du comptable non renseigné") \
  X(14, ID_MESS72_COMPTABLEPRENOM, Aucun, "Prénom du comptable non renseigné") \
  X(15, ID_MESS72_COMPTABLEDENOMINATION, Aucun, "Dénomination du comptable personne morale non renseignée") \
  X(16, ID_MESS72_CONSEILNOM, Aucun, "Nom du conseil non renseigné") \
  X(17, ID_MESS72_CONSEILPRENOM, Aucun, "Prénom du conseil non renseigné") \
  X(18, ID_MESS72_CONSEILDENOMINATION, Aucun, "Dénomination du conseil personne morale non renseignée") \
  X(19, ID_MESS72_DATES_EF_1, Aucun, \
    "Début de l'exercice ni dans l'année de la déclaration ni dans l'année précédente") \
  X(20, ID_MESS72_DATES_EF_2, Aucun, "Clôture de l'exercice hors de l'année de la déclaration") \
  X(21, ID_MESS72_PROPSAISIENOM, Aucun, "Désignation de l'immeuble non renseignée") \
  X(22, ID_MESS72_PROPSAISIENBLOCAUXCRL, Aucun, \
    "Nombre de locaux soumis à la contribution sur les revenus locatifs non renseigné") \
  X(23, ID_MESS72_PROPLOCATAIRENOM, Aucun, "Nom du locataire non renseigné") \
  X(24, ID_MESS72_PROPIdentiteBeneficiaire, Aucun, "Identité du bénéficiaire non renseignée") \
  X(25, ID_MESS72_PROPSAISIEDATEACQ, Aucun, \
    "Date d'acquisition non renseignée pour un immeuble sous régime d'amortissement") \
  X(26, ID_MESS72_PROPCONTDATEACQ, Aucun, \
    "Date d'acquisition antérieure au 1er janvier 1996 pour un immeuble sous régime d'amortissement") \
  X(27, ID_MESS72_DATEPOSTERIEUREACQUISITION, Aucun, \
    "Date d'acquisition postérieure à la fin de l'année de la déclaration") \
  X(28, ID_MESS72_DATEPOSTERIEUREAMORT, Aucun, \
    "Début d'amortissement postérieur à la fin de l'année de la déclaration") \
  X(29, ID_MESS72_PROPSAISIEDATEAMORT, Aucun, "Montant à amortir saisi sans date de début d'amortissement") \
  X(30, ID_MESS72_PROPCONTDATEAMORT, Aucun, "Amortissement commencé avant la date d'acquisition") \
  X(31, ID_MESS72_MONTANTINVEST, Aucun, "Investissement : date de début d'amortissement saisie sans montant") \
  X(32, ID_MESS72_MONTANTDEPENSES, Aucun, "Dépenses : date de début d'amortissement saisie sans montant") \
  X(33, ID_MESS72_PROPSAISIEDATEACHEV, Aucun, \
    "Date d'achèvement non renseignée pour un immeuble sous régime d'amortissement") \
  X(34, ID_MESS72_COMPOSANT_NOM, Aucun, "Libellé du composant non renseigné") \
  X(35, ID_MESS72_DATEPOSTERIEUREPERISSOL1, Aucun, "Périssol : immeuble acquis après le 31 août 1999") \
  X(36, ID_MESS72_DATEPOSTERIEUREPERISSOL2, Aucun, \
    "Périssol : amortissement commencé après le 1er juillet 2001 pour un immeuble achevé après 1998") \
  X(37, ID_MESS72_DATEPERISSOL, Aucun, \
    "Périssol : amortissement de l'investissement commencé avant le 1er janvier 1996") \
  X(38, ID_MESS72_DATEPOSTERIEUREBESSON, Aucun, "Besson neuf : immeuble acquis après le 2 avril 2003") \
  X(39, ID_MESS72_DATEBESSON, Aucun, \
    "Besson neuf : amortissement de l'investissement commencé avant le 1er janvier 1999") \
  X(40, ID_MESS72_DATEANTERIEUREBESSON, Aucun, "Besson neuf : début d'amortissement antérieur au 1er janvier 1999") \
  X(41, ID_MESS72_AMORTPOSTERIEUREBESSON, Aucun, \
    "Besson neuf : amortissement de l'investissement commencé après le 2 avril 2003") \
  X(42, ID_MESS72_DATEANTERIEUREROBIEN, Aucun, \
    "Robien classique : immeuble acquis de 1999 à 2002 et achevé avant le 1er janvier 2003") \
  X(43, ID_MESS72_DATEACQANTERIEUREROBIEN, Aucun, \
    "Robien classique : immeuble acquis avant 1999 et achevé avant le 1er janvier 2003") \
  X(44, ID_MESS72_AMORTANTERIEUREROBIEN1, Aucun, \
    "Robien classique : début d'amortissement (lignes 1 à 4) antérieur au 3 avril 2003") \
  X(45, ID_MESS72_AMORTANTERIEUREROBIEN2, Aucun, \
    "Robien classique : début d'amortissement (lignes 5 à 7) antérieur au 3 avril 2003") \
  X(46, ID_MESS72_AMORTANTERIEUREROBIEN3, Aucun, \
    "Robien classique : amortissement de l'investissement commencé après le 31 août 2006") \
  X(47, ID_MESS72_DEBUTACQROBIENZRR, Aucun, "Robien ZRR : immeuble acquis avant le 1er janvier 2004") \
  X(48, ID_MESS72_DEBUTACQROBIENZRR1, Aucun, "Robien ZRR : immeuble acquis après le 31 août 2006") \
  X(49, ID_MESS72_DEBUTAMORTROBIENZRR, Aucun, \
    "Robien ZRR : amortissement de l'investissement commencé avant le 1er janvier 2004") \
  X(50, ID_MESS72_DEBUTAMORTROBIENZRR1, Aucun, \
    "Robien ZRR : amortissement de l'investissement commencé après le 31 août 2006") \
  X(51, ID_MESS72_DATEACQANTERIEUREROBIENRECENTRE, Aucun, \
    "Robien recentré : immeuble acquis avant le 1er septembre 2006") \
  X(52, ID_MESS72_DATEACQFINROBIENRECENTRE, Aucun, "Robien recentré : immeuble acquis après le 31 décembre 2009") \
  X(53, ID_MESS72_DATEAMORTANTERIEUREROBIENRECENTRE, Aucun, \
    "Robien recentré : début d'amortissement antérieur au 1er septembre 2006") \
  X(54, ID_MESS72_DATEACQANTERIEUREROBIENRECENTREZRR, Aucun, \
    "Robien recentré ZRR : immeuble acquis avant le 1er septembre 2006") \
  X(55, ID_MESS72_DATEAMORTANTERIEUREROBIENRECENTREZRR, Aucun, \
    "Robien recentré ZRR : début d'amortissement antérieur au 1er septembre 2006") \
  X(56, ID_MESS72_DATEACQANTERIEUREBORLOONEUF, Aucun, "Borloo neuf : immeuble acquis avant le 1er septembre 2006") \
  X(57, ID_MESS72_DATEACQFINBORLOONEUF, Aucun, "Borloo neuf : immeuble acquis après le 31 décembre 2009") \
  X(58, ID_MESS72_DATEAMORTANTERIEUREBORLOONEUF, Aucun, \
    "Borloo neuf : début d'amortissement antérieur au 1er janvier 2006") \
  X(59, ID_MESS72_DATESCELLIERZRR, Aucun, \
    "Scellier ZRR : date d'acquisition absente ou hors de la période du 1er janvier 2009 au 13 décembre 2012") \
  X(60, ID_MESS72_DATESCELLIERINTERMEDIAIRE, Aucun, \
    "Scellier intermédiaire : date d'acquisition absente ou hors de la période du 1er janvier 2009 au 13 " \
    "décembre 2012") \
  X(61, ID_MESS72_ASSSAISIENOM, Aucun, "Nom de l'associé non renseigné") \
  X(62, ID_MESS72_ASSSAISIEMARITAL, Aucun, "Nom marital non renseigné pour une associée « Madame »") \
  X(63, ID_MESS72_ASSSAISIEDESIGN, Aucun, "Dénomination de l'associé personne morale non renseignée") \
  X(64, ID_MESS72_ASSSAISIESIRET, Aucun, "Numéro SIREN ou NIC de l'associé personne morale non renseigné") \
  X(65, ID_MESS72_ASSSAISIENBPART, Aucun, "Nombre de parts de l'associé non renseigné") \
  X(66, ID_MESS72_CESSION_LIBELLE, Aucun, "Libellé de la cession non renseigné") \
  X(67, ID_MESS72_CESSION_DATEAF, Aucun, "Date de la cession hors de l'année de la déclaration") \
  X(68, ID_MESS72_CESSION_DATEVIDE, Aucun, "Date de la cession non renseignée") \
  X(69, ID_MESS72_OPERATION_PARTS_1, Aucun, "Nombre de parts cédées non renseigné") \
  X(70, ID_MESS72_OPERATION_PARTS_2, Aucun, "Le cédant et le cessionnaire sont le même associé") \
  X(71, ID_MESS72_OPERATION_PARTS_3a, Aucun, "Nom du cessionnaire non renseigné") \
  X(72, ID_MESS72_OPERATION_PARTS_3b, Aucun, "Nom du cédant non renseigné") \
  X(73, ID_MESS72_OPERATION_PARTS_4, Aucun, "Date de la cession de parts non renseignée") \
  X(74, ID_MESS72_OPERATION_PARTS_4b, Aucun, "Date de la cession de parts hors de l'année de la déclaration") \
  X(75, ID_ERREUR72_SINBPART_PLUS, Aucun, "Nombre total de parts supérieur au total des parts des associés") \
  X(76, ID_ERREUR72_PROPCONTDATEACQ, Propriete, \
    "Date d'acquisition antérieure au 1er janvier 1996 pour un immeuble sous régime d'amortissement") \
  X(77, ID_ERREUR72_PROPSAISIEDATEACHEV, Propriete, \
    "Date d'achèvement non renseignée pour un immeuble sous régime d'amortissement") \
  X(78, ID_ERREUR72_DATEPOSTERIEUREAMORT1, Propriete, \
    "Début d'amortissement (lignes 1 à 4) postérieur à la fin de l'année de la déclaration") \
  X(79, ID_ERREUR72_DATEPOSTERIEUREAMORT2, Propriete, \
    "Début d'amortissement (lignes 5 à 7) postérieur à la fin de l'année de la déclaration") \
  X(80, ID_ERREUR72_DATEPOSTERIEUREPERISSOL1, Propriete, "Périssol : immeuble acquis après le 31 août 1999") \
  X(81, ID_ERREUR72_DATEPOSTERIEUREPERISSOL2, Propriete, \
    "Périssol : amortissement commencé après le 1er juillet 2001 pour un immeuble achevé après 1998") \
  X(82, ID_ERREUR72_DATEANTERIEUREBESSON1, Propriete, \
    "Besson neuf : début d'amortissement (lignes 1 à 4) antérieur au 1er janvier 1999") \
  X(83, ID_ERREUR72_DATEANTERIEUREBESSON2, Propriete, \
    "Besson neuf : début d'amortissement (lignes 5 à 7) antérieur au 1er janvier 1999") \
  X(84, ID_ERREUR72_DATEPOSTERIEUREBESSON1, Propriete, "Besson neuf : immeuble acquis après le 2 avril 2003") \
  X(85, ID_ERREUR72_DATEPOSTERIEUREBESSON2, Propriete, \
    "Besson neuf : amortissement de l'investissement commencé après le 2 avril 2003") \
  X(86, ID_ERREUR72_DATEANTERIEUREROBIEN1, Propriete, \
    "Robien classique : immeuble acquis de 1999 à 2002 et achevé avant le 1er janvier 2003") \
  X(87, ID_ERREUR72_DATEACQANTERIEUREROBIEN, Propriete, \
    "Robien classique : immeuble acquis avant 1999 et achevé avant le 1er janvier 2003") \
  X(88, ID_ERREUR72_DATEANTERIEUREROBIEN2, Propriete, \
    "Robien classique : début d'amortissement (lignes 1 à 4) antérieur au 3 avril 2003") \
  X(89, ID_ERREUR72_DATEANTERIEUREROBIEN3, Propriete, \
    "Robien classique : début d'amortissement (lignes 5 à 7) antérieur au 3 avril 2003") \
  X(90, ID_ERREUR72_DATEANTERIEUREROBIEN4, Propriete, \
    "Robien classique : amortissement de l'investissement commencé après le 31 août 2006") \
  X(91, ID_ERREUR72_DEBUTACQROBIENZRR, Propriete, "Robien ZRR : immeuble acquis avant le 1er janvier 2004") \
  X(92, ID_ERREUR72_DEBUTACQROBIENZRR1, Propriete, "Robien ZRR : immeuble acquis après le 31 août 2006") \
  X(93, ID_ERREUR72_DEBUTAMORTROBIENZRR1, Propriete, \
    "Robien ZRR : amortissement de l'investissement commencé après le 31 août 2006") \
  X(94, ID_ERREUR72_DATEACQANTERIEUREROBIENRECENTRE, Propriete, \
    "Robien recentré : immeuble acquis avant le 1er septembre 2006") \
  X(95, ID_ERREUR72_DATEACQFINROBIENRECENTRE, Propriete, \
    "Robien recentré : immeuble acquis après le 31 décembre 2009") \
  X(96, ID_ERREUR72_DATEACQFINBORLOONEUF, Propriete, "Borloo neuf : immeuble acquis après le 31 décembre 2009") \
  X(97, ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTRE, Propriete, \
    "Robien recentré : début d'amortissement (lignes 1 à 4) antérieur au 1er septembre 2006") \
  X(98, ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTRE1, Propriete, \
    "Robien recentré : début d'amortissement (lignes 5 à 7) antérieur au 1er septembre 2006") \
  X(99, ID_ERREUR72_DATEACQANTERIEUREROBIENRECENTREZRR, Propriete, \
    "Robien recentré ZRR : immeuble acquis avant le 1er septembre 2006") \
  X(100, ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTREZRR, Propriete, \
    "Robien recentré ZRR : début d'amortissement (lignes 1 à 4) antérieur au 1er septembre 2006") \
  X(101, ID_ERREUR72_DATEAMORTANTERIEUREROBIENRECENTREZRR1, Propriete, \
    "Robien recentré ZRR : début d'amortissement (lignes 5 à 7) antérieur au 1er septembre 2006") \
  X(102, ID_ERREUR72_DATEACQANTERIEUREBORLOONEUF, Propriete, \
    "Borloo neuf : immeuble acquis avant le 1er septembre 2006") \
  X(103, ID_ERREUR72_DATEAMORTANTERIEUREBORLOONEUF, Propriete, \
    "Borloo neuf : début d'amortissement (lignes 1 à 4) antérieur au 1er janvier 2006") \
  X(104, ID_ERREUR72_DATEAMORTANTERIEUREBORLOONEUF1, Propriete, \
    "Borloo neuf : début d'amortissement (lignes 5 à 7) antérieur au 1er janvier 2006") \
  X(105, ID_ERREUR72_DATESCELLIERZRR, Propriete, \
    "Scellier ZRR : date d'acquisition absente ou hors de la période du 1er janvier 2009 au 13 décembre 2012") \
  X(106, ID_ERREUR72_DATESCELLIERINTERMEDIAIRE, Propriete, \
    "Scellier intermédiaire : date d'acquisition absente ou hors de la période du 1er janvier 2009 au 13 " \
    "décembre 2012") \
  X(107, ID_ERREUR72_SINBPART_MOINS, General, \
    "Nombre total de parts inférieur au total des parts détenues par les associés") \
  X(108, ID_ERREUR72_SISAISIEQUOTEPARTTOTALPLUS, General, \
    "Les quotes-parts de résultats des associés dépassent 100 %") \
  X(109, ID_ERREUR72_SISAISIENOM, General, "Dénomination de la société non renseignée") \
  X(110, ID_ERREUR72_SISAISIENOMPREC, General, "Dénomination précédente de la société non renseignée") \
  X(111, ID_ERREUR72_SISAISIECAPITAL, General, "Capital de la société non renseigné") \
  X(112, ID_ERREUR72_SISAISIETOTALPART, General, "Nombre total de parts de la société non renseigné") \
  X(113, ID_ERREUR72_GERANTNOM, General, "Nom du gérant non renseigné") \
  X(114, ID_ERREUR72_GERANTPRENOM, General, "Prénom du gérant non renseigné") \
  X(115, ID_ERREUR72_GERANTDENOMINATION, General, "Dénomination du gérant personne morale non renseignée") \
  X(116, ID_ERREUR72_ADMINISTRATEURNOM, General, "Nom de l'administrateur non renseigné") \
  X(117, ID_ERREUR72_ADMINISTRATEURPRENOM, General, "Prénom de l'administrateur non renseigné") \
  X(118, ID_ERREUR72_ADMINISTRATEURDENOMINATION, General, \
    "Dénomination de l'administrateur personne morale non renseignée") \
  X(119, ID_ERREUR72_COMPTABLENOM, General, "Nom du comptable non renseigné") \
  X(120, ID_ERREUR72_COMPTABLEPRENOM, General, "Prénom du comptable non renseigné") \
  X(121, ID_ERREUR72_COMPTABLEDENOMINATION, General, "Dénomination du comptable personne morale non renseignée") \
  X(122, ID_ERREUR72_CONSEILNOM, General, "Nom du conseil non renseigné") \
  X(123, ID_ERREUR72_CONSEILPRENOM, General, "Prénom du conseil non renseigné") \
  X(124, ID_ERREUR72_CONSEILDENOMINATION, General, "Dénomination du conseil personne morale non renseignée") \
  X(125, ID_ERREUR72_ASSSAISIENBPART, Associe, "Nombre de parts de l'associé non renseigné") \
  X(126, ID_ERREUR72_ASSSAISIENOM, Associe, "Nom de l'associé non renseigné") \
  X(127, ID_ERREUR72_ASSSAISIEMARITAL, Associe, "Nom marital non renseigné pour une associée « Madame »") \
  X(128, ID_ERREUR72_ASSSAISIEDESIGN, Associe, "Dénomination de l'associé personne morale non renseignée") \
  X(129, ID_ERREUR72_ASSSAISIESIRET, Associe, "Numéro SIREN de l'associé personne morale non renseigné") \
  X(130, ID_ERREUR72_ASSSAISIESIRETSUITE, Associe, \
    "Numéro NIC (fin du SIRET) de l'associé personne morale non renseigné") \
  X(131, ID_ERREUR72_CESSION_LIBELLE, Cession, "Libellé de la cession non renseigné") \
  X(132, ID_ERREUR72_CESSION_DATEAF, Cession, "Date de la cession hors de l'année de la déclaration") \
  X(133, ID_ERREUR72_CESSION_DATEVIDE, Cession, "Date de la cession non renseignée") \
  X(134, ID_ERREUR72_PROPSAISIENOM, Propriete, "Désignation de l'immeuble non renseignée") \
  X(135, ID_ERREUR72_PROPSAISIENBLOCAUXCRL, Propriete, \
    "Nombre de locaux soumis à la contribution sur les revenus locatifs non renseigné") \
  X(136, ID_ERREUR72_PROPLOCATAIRENOM, Locataire, "Nom du locataire non renseigné") \
  X(137, ID_ERREUR72_PROPIdentiteBeneficiaire, Beneficiaire, "Identité du bénéficiaire non renseignée") \
  X(138, ID_ERREUR72_PROPSAISIEDATEAMORT1, Propriete, \
    "Ligne 1 (investissement) : montant saisi sans date de début d'amortissement") \
  X(139, ID_ERREUR72_PROPSAISIEDATEAMORT2, Propriete, \
    "Ligne 2 (dépenses) : montant saisi sans date de début d'amortissement") \
  X(140, ID_ERREUR72_PROPSAISIEDATEAMORT3, Propriete, \
    "Ligne 3 (dépenses) : montant saisi sans date de début d'amortissement") \
  X(141, ID_ERREUR72_PROPSAISIEDATEAMORT4, Propriete, \
    "Ligne 4 (dépenses) : montant saisi sans date de début d'amortissement") \
  X(142, ID_ERREUR72_PROPSAISIEDATEAMORT5, Propriete, \
    "Ligne 5 (dépenses) : montant saisi sans date de début d'amortissement") \
  X(143, ID_ERREUR72_PROPSAISIEDATEAMORT6, Propriete, \
    "Ligne 6 (dépenses) : montant saisi sans date de début d'amortissement") \
  X(144, ID_ERREUR72_PROPSAISIEDATEAMORT7, Propriete, \
    "Ligne 7 (dépenses) : montant saisi sans date de début d'amortissement") \
  X(145, ID_ERREUR72_PROPCONTDATEAMORT1, Propriete, \
    "Ligne 1 (investissement) : amortissement commencé avant la date d'acquisition") \
  X(146, ID_ERREUR72_PROPCONTDATEAMORT2, Propriete, \
    "Ligne 2 (dépenses) : amortissement commencé avant la date d'acquisition") \
  X(147, ID_ERREUR72_PROPCONTDATEAMORT3, Propriete, \
    "Ligne 3 (dépenses) : amortissement commencé avant la date d'acquisition") \
  X(148, ID_ERREUR72_PROPCONTDATEAMORT4, Propriete, \
    "Ligne 4 (dépenses) : amortissement commencé avant la date d'acquisition") \
  X(149, ID_ERREUR72_PROPCONTDATEAMORT5, Propriete, \
    "Ligne 5 (dépenses) : amortissement commencé avant la date d'acquisition") \
  X(150, ID_ERREUR72_PROPCONTDATEAMORT6, Propriete, \
    "Ligne 6 (dépenses) : amortissement commencé avant la date d'acquisition") \
  X(151, ID_ERREUR72_PROPCONTDATEAMORT7, Propriete, \
    "Ligne 7 (dépenses) : amortissement commencé avant la date d'acquisition") \
  X(152, ID_ERREUR72_DATEPOSTERIEUREACQUISITION, Propriete, \
    "Date d'acquisition postérieure à la fin de l'année de la déclaration") \
  X(153, ID_ERREUR72_DATEPERISSOL, Propriete, \
    "Périssol : amortissement de l'investissement commencé avant le 1er janvier 1996") \
  X(154, ID_ERREUR72_DATEBESSON, Propriete, \
    "Besson neuf : amortissement de l'investissement commencé avant le 1er janvier 1999") \
  X(155, ID_ERREUR72_DEBUTAMORTROBIENZRR, Propriete, \
    "Robien ZRR : amortissement de l'investissement commencé avant le 1er janvier 2004") \
  X(156, ID_ERREUR72_MONTANTINVEST, Propriete, \
    "Ligne 1 (investissement) : date de début d'amortissement saisie sans montant") \
  X(157, ID_ERREUR72_MONTANTDEPENSES1, Propriete, \
    "Lignes 2 à 4 (dépenses) : date de début d'amortissement saisie sans montant") \
  X(158, ID_ERREUR72_MONTANTDEPENSES2, Propriete, \
    "Lignes 5 à 7 (dépenses) : date de début d'amortissement saisie sans montant") \
  X(159, ID_ERREUR72_PROPSAISIEDATEACQ, Propriete, \
    "Date d'acquisition non renseignée pour un immeuble sous régime d'amortissement") \
  X(160, ID_ERREUR72_COMPOSANT_NOM, Composant, "Libellé du composant non renseigné") \
  X(161, ID_ERREUR72_OPERATION_PARTS_1, CessionParts, "Nombre de parts cédées non renseigné") \
  X(162, ID_ERREUR72_OPERATION_PARTS_2, CessionParts, "Le cédant et le cessionnaire sont le même associé") \
  X(163, ID_ERREUR72_OPERATION_PARTS_3a, CessionParts, "Nom du cessionnaire non renseigné") \
  X(164, ID_ERREUR72_OPERATION_PARTS_3b, CessionParts, "Nom du cédant non renseigné") \
  X(165, ID_ERREUR72_OPERATION_PARTS_4, CessionParts, "Date de la cession de parts non renseignée") \
  X(166, ID_ERREUR72_OPERATION_PARTS_4b, CessionParts, \
    "Date de la cession de parts hors de l'année de la déclaration") \
  X(167, ID_ERREUR72_DATES_EF_1, General, \
    "Début de l'exercice ni dans l'année de la déclaration ni dans l'année précédente") \
  X(168, ID_ERREUR72_DATES_EF_2, General, "Clôture de l'exercice hors de l'année de la déclaration")
// clang-format on

// A message by its identifier; its value is its number.
enum class NumeroMessage : short {
  Aucun = 0,  // no message
#define MESSAGE_2072_ENUM(numero, identifiant, enregistrement, texte) identifiant = numero,
  MESSAGES_2072(MESSAGE_2072_ENUM)
#undef MESSAGE_2072_ENUM
};

struct MessageControle {
  short numero;
  const char* identifiant;
  EnregistrementMessage enregistrement;
  const char* texte;  // French, as a person reads it
};

inline constexpr short kNombreMessages = 168;

// Numbers 1 to 168 in order.
const std::array<MessageControle, kNombreMessages>& Messages2072();
// The message of a number, or null outside 1 to 168.
const MessageControle* DonneMessage(int numero);
inline const MessageControle* DonneMessage(NumeroMessage numero) { return DonneMessage(static_cast<int>(numero)); }

}  // namespace zorfiscal2072
