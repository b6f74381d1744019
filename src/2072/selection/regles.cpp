// The selection rules of the form, one row per group of letters that share a decision.
#include <array>

#include "codes2072.h"
#include "kel.h"
#include "selection2072.h"

namespace zorfiscal2072 {

namespace {

using N = EnregistrementsNommes;
constexpr short E = Decision::Ecartee, M = Decision::Marquee;

// `decision` when the condition holds, kept otherwise.
constexpr short Si(bool condition, short decision) { return condition ? decision : Decision::Gardee; }

// An officer's names as a natural person drop for a legal person, and the reverse.
template <short (TInfogene2072::*type)() const>
short NomsPersonnePhysique(const N& n) {
  return Si((n.infogene().*type)() == TypePersonne::Morale, E);
}
template <short (TInfogene2072::*type)() const>
short NomsPersonneMorale(const N& n) {
  return Si((n.infogene().*type)() == TypePersonne::Physique, E);
}

short TypeAssocie(const N& n) { return n.associe->getType(); }
long Cat(const N& n) { return n.propriete->getCategorie(); }
bool NueOuEspacesNaturels(const N& n) {
  return Cat(n) == Categorie::NuePropriete || Cat(n) == Categorie::EspacesNaturels;
}
const TDonneeProprieteFoncierPropriete& Foncier(const N& n) { return n.propriete->getDonneeProprieteFoncier(); }
const TAmortissement::TLigne& Ligne(const N& n, int numero) {
  return n.propriete->getAmortissement2072().getLigne(numero);
}

// Depreciation lines: line 1 is the investment, 2 to 4 and 5 to 7 two groups of expenses,
// offered only to ordinary properties under a depreciation scheme.
bool Amortissable(const N& n) { return n.propriete->ExisteOptionAmortissement(); }
bool Investissement(const N& n) { return Amortissable(n) && Ligne(n, 1).Montant != 0 && Ligne(n, 1).DateDebut != 0; }
short MontantGroupe1(const N& n) { return Si(!(Investissement(n) && Cat(n) == Categorie::Ordinaire), E); }
template <int ligne>
short DateGroupe1(const N& n) {
  return Si(!(Investissement(n) && Ligne(n, ligne).Montant != 0 && Cat(n) == Categorie::Ordinaire), E);
}
template <int ligne>
short DateGroupe2(const N& n) {
  return Si(!(Amortissable(n) && Ligne(n, ligne).Montant != 0 && Cat(n) == Categorie::Ordinaire), E);
}

// A transfer's counterpart among the partners has its identity on the partner's record.
bool EstAssocie(long position, const N& n) { return position != static_cast<long>(n.racine.NbAssocie()); }

}  // namespace

const std::vector<RegleSelection>& ReglesSelection() {
  using R = Requis;
  // clang-format off
  static const std::vector<RegleSelection> regles{
      // Officers: the natural person's names or the legal person's.
      {{12024, 12025}, R::Declaration, NomsPersonnePhysique<&TInfogene2072::getTypeGerant>},
      {{12525, 12526}, R::Declaration, NomsPersonneMorale<&TInfogene2072::getTypeGerant>},
      {{12332, 12333}, R::Declaration, NomsPersonnePhysique<&TInfogene2072::getTypeComptable>},
      {{12530, 12531}, R::Declaration, NomsPersonneMorale<&TInfogene2072::getTypeComptable>},
      {{12341, 12342}, R::Declaration, NomsPersonnePhysique<&TInfogene2072::getTypeAdministrateur>},
      {{12535, 12536}, R::Declaration, NomsPersonneMorale<&TInfogene2072::getTypeAdministrateur>},
      {{12578, 12579}, R::Declaration, NomsPersonnePhysique<&TInfogene2072::getTypeConseil>},
      {{12575, 12576}, R::Declaration, NomsPersonneMorale<&TInfogene2072::getTypeConseil>},

      // Rental-income contribution: how to pay only when there is a balance to pay.
      {{12327}, R::Declaration, [](const N& n) { return Si(n.infogene().getSoldeCRL() == 0, M); }},
      {{12328},
       R::Declaration,
       [](const N& n) {
         return Si(n.infogene().getModePaiementCRL() != ModePaiement::Virement || n.infogene().getSoldeCRL() == 0, E);
       }},

      // Income statement: the business/corporate-tax column, then the farm column.
      {{12217, 12218, {12220, 12224}, 12237, 12238, 12240, 12241, 12251, 12252, 12254, 12255, {12273, 12275},
        {12281, 12284}, 12822},
       R::Declaration,
       [](const N& n) { return Si(n.infogene().getPresenceAssociesBICIS() == OuiNon::Non, E); }},
      {{12227, 12228, {12230, 12234}, 12244, 12245, 12247, 12248, 12258, 12259, 12261, 12262, {12277, 12279},
        {12286, 12289}, 12823},
       R::Declaration,
       [](const N& n) { return Si(n.infogene().getPresenceAssociesBA() == OuiNon::Non, E); }},

      // Partner's identity: a natural person's or a legal person's. Birth department and
      // country drop to their blank entry, 1.
      {{12055, 12057, 12062, 12063, 12521, 12541},
       R::Associe,
       [](const N& n) { return Si(TypeAssocie(n) == TypePersonne::Morale, E); }},
      {{12061, 12519}, R::Associe, [](const N& n) { return Si(TypeAssocie(n) == TypePersonne::Morale, E); }, 1},
      {{12056},
       R::Associe,
       [](const N& n) {
         return Si(TypeAssocie(n) == TypePersonne::Morale || n.associe->getFormeJuridiqueOuTitre() != Titre::Madame, E);
       }},
      {{12064, 12562, 12751}, R::Associe, [](const N& n) { return Si(TypeAssocie(n) == TypePersonne::Physique, E); }},
      {{12546, 12547},
       R::Associe,
       [](const N& n) {
         return Si(TypeAssocie(n) == TypePersonne::Physique &&
                       n.associe->getRegimeFiscal() != RegimeFiscal::RevenusFonciersBNC,
                   E);
       }},

      // Partner's shares of results and of the company's operations.
      {{12362}, R::Associe, [](const N& n) { return Si(n.associe->getQuotePartDifferente() == OuiNon::Non, E); }},
      {{12364}, R::Associe, [](const N& n) { return Si(n.associe->getPlusValue() == 0, M); }},
      {{12684}, R::QuotePart, [](const N& n) { return Si(n.quotePart->getPresenceMobilite() == OuiNon::Non, E); }},
      // Unlike the other rows, these drop when the index names no distribution.
      {{12678, 12681}, R::Declaration, [](const N& n) { return Si(n.repartition == nullptr, E); }},

      // Property: scheme, nature (each box excludes its opposite), contribution.
      {{12392}, R::Propriete, [](const N& n) { return Si(NueOuEspacesNaturels(n), M); }},
      {{12640}, R::Propriete, [](const N& n) { return Si(n.propriete->getNatureRural() == OuiNon::Oui, E); }},
      {{12641}, R::Propriete, [](const N& n) { return Si(n.propriete->getNatureUrbain() == OuiNon::Oui, E); }},
      {{12642}, R::Propriete, [](const N& n) { return Si(n.propriete->getNatureMaison() == OuiNon::Oui, E); }},
      {{12643}, R::Propriete, [](const N& n) { return Si(n.propriete->getNatureAppartement() == OuiNon::Oui, E); }},
      {{12646}, R::Propriete, [](const N& n) { return Si(n.propriete->getNatureNonBati() == OuiNon::Oui, E); }},
      {{12647}, R::Propriete, [](const N& n) { return Si(n.propriete->getNatureBati() == OuiNon::Oui, E); }},
      {{12649}, R::Propriete, [](const N& n) { return Si(n.propriete->getNatureAutres() == OuiNon::Non, E); }},
      {{12358}, R::Propriete, [](const N& n) { return Si(n.propriete->getApplicationCRL() == OuiNon::Non, E); }},

      // Property's rental data, by category: bare ownership has no rents.
      {{12140, {12142, 12145}, 12147, 12150, 12161, 12168, 12169, 12360},
       R::Propriete,
       [](const N& n) { return Si(Cat(n) == Categorie::NuePropriete, E); }},
      {{12162, 12167, 12366}, R::Propriete, [](const N& n) { return Si(NueOuEspacesNaturels(n), E); }},
      {{12149}, R::Propriete, [](const N& n) { return Si(NueOuEspacesNaturels(n), M); }},
      {{12151},
       R::Propriete,
       [](const N& n) {
         return NueOuEspacesNaturels(n) ? E
                                        : Si(Foncier(n).getOptionTauxDeduction() != OptionTauxDeduction::AutreCas, M);
       }},
      {{12152, 12166}, R::Propriete, [](const N& n) { return Si(Cat(n) != Categorie::Ordinaire, E); }},
      {{12158},
       R::Propriete,
       [](const N& n) {
         return Si(Cat(n) != Categorie::SecteurSauvegarde && Cat(n) != Categorie::SecteurSauvegardeAncien, E);
       }},
      {{12159}, R::Propriete, [](const N& n) { return Si(Cat(n) != Categorie::NuePropriete, E); }},
      {{12160}, R::Propriete, [](const N& n) { return Si(Cat(n) != Categorie::MonumentHistorique, E); }},
      {{12428}, R::Propriete, [](const N& n) { return Si(Cat(n) != Categorie::EspacesNaturels, E); }},

      // Depreciation lines.
      {{12297}, R::Propriete, [](const N& n) { return Si(!Amortissable(n), E); }},
      {{12298}, R::Propriete, [](const N& n) { return Si(!(Amortissable(n) && Ligne(n, 1).Montant != 0), E); }},
      {{12301, 12303, 12305}, R::Propriete, MontantGroupe1},
      {{12302}, R::Propriete, DateGroupe1<2>},
      {{12304}, R::Propriete, DateGroupe1<3>},
      {{12306}, R::Propriete, DateGroupe1<4>},
      {{12310}, R::Propriete, DateGroupe2<5>},
      {{12312}, R::Propriete, DateGroupe2<6>},
      {{12314}, R::Propriete, DateGroupe2<7>},

      // Sale of an asset: a gain or a loss, not both.
      {{12675}, R::Cession, [](const N& n) { return Si(n.cession->getMoinsValue() > 0, E); }},
      {{12676}, R::Cession, [](const N& n) { return Si(n.cession->getPlusValue() > 0, E); }},

      // Transfer of shares: the identity of a counterpart who is a partner comes from the partner.
      {{{12710, 12717}, 12749},
       R::CessionParts,
       [](const N& n) { return Si(EstAssocie(n.cessionParts->getAssocieCessionnaire(), n), M); }},
      {{{12718, 12725}, 12750},
       R::CessionParts,
       [](const N& n) { return Si(EstAssocie(n.cessionParts->getAssocieCedant(), n), M); }},
  };
  // clang-format on
  return regles;
}

const RegleSelection* RegleDeCode(int code) {
  static const auto parCode = [] {
    std::array<const RegleSelection*, lettres::kEtendueCodes> t{};
    for (const RegleSelection& r : ReglesSelection())
      for (const PlageCodes& p : r.codes)
        for (int c = p.premier; c <= p.dernier; ++c) {
          const int i = c - lettres::kPremierCode;
          const bool libre = i >= 0 && i < lettres::kEtendueCodes && t[static_cast<std::size_t>(i)] == nullptr;
          KEL_ASSERT(libre, "a letter code outside the form's range or named by two selection rules");
          if (libre) t[static_cast<std::size_t>(i)] = &r;
        }
    return t;
  }();
  const int i = code - lettres::kPremierCode;
  return i >= 0 && i < lettres::kEtendueCodes ? parCode[static_cast<std::size_t>(i)] : nullptr;
}

}  // namespace zorfiscal2072
