// Root step "2010.1": today's address, date and identity letters.
#include <algorithm>
#include <cstdio>
#include <limits>

#include "anciennes_lettres.h"
#include "codes2072.h"
#include "moulinettes2072.h"
#include "tables2072.h"

namespace zorfiscal2072::migration {

namespace {

struct Renommage {
  short ancien, nouveau;
};

// 1. Street names of the manager, accountant, administrator, declarant, new addressee and tax
// office; the property's delivery complement and street name; the partner's street number.
constexpr Renommage kRenommages[] = {
    {12026, 12458}, {12334, 12465}, {12343, 12472}, {12013, 12479}, {12393, 12493},
    {12031, 12500}, {12352, 12509}, {12107, 12507}, {12068, 12512},
};

// An address of the old letters moved to today's: the street name cut to 30 characters, the
// complement text as a complement code, the street type when set, town and postal code when
// set (the old letter is then emptied), delivery complement and number moved. 0: no such
// letter, or the letter stays where it is.
struct DeplacementAdresse {
  Renommage nom, complement, type, ville, codePostal, distribution, numero;
  bool nomToujours;  // the street name is added, empty, even when the old letter is missing
};

// 2. The earlier seat (12378...) and the newer one (12399...). When the company moved, the
// earlier seat goes to slot 1 and the newer one to slot 0.
constexpr DeplacementAdresse kAncienSiegeVersSlot1{{12381, 12446}, {12379, 12445}, {12380, 12551}, {12008, 12012},
                                                   {12007, 12011}, {12390, 12448}, {12378, 12444}, false};
constexpr DeplacementAdresse kNouveauSiegeVersSlot0{{12403, 12440}, {12401, 12439}, {12402, 12550}, {12405, 12008},
                                                    {12404, 12007}, {12399, 12442}, {12400, 12438}, true};
constexpr DeplacementAdresse kAncienSiegeVersSlot0{{12381, 12440}, {12379, 12439}, {12380, 12550}, {0, 0},
                                                   {0, 0},         {12390, 12442}, {12378, 12438}, false};
// 3. The partner's street name, complement and type.
constexpr DeplacementAdresse kAdresseAssocie{{12071, 12514}, {12069, 12513}, {12070, 12561}, {0, 0},
                                             {0, 0},         {0, 0},         {0, 0},         false};

constexpr std::size_t kLongueurNomVoie = 30;

// The newer seat counts when one of its texts is set (its complement only when it names one).
bool NouveauSiegePresent(AnciennesLettres& l) {
  std::string tout = l.Complement(12401) != ComplementNumeroVoie::Aucun ? l.Texte(12401) : "";
  for (short code : {12402, 12403, 12400, 12404, 12405}) tout += l.Texte(code);
  return !tout.empty();
}

void DeplaceAdresse(AnciennesLettres& l, const DeplacementAdresse& d) {
  if (d.nomToujours || l.Existe(d.nom.ancien))
    l.Ajoute(d.nom.nouveau, l.Coupe(d.nom.nouveau, l.Texte(d.nom.ancien), kLongueurNomVoie), d.nom.ancien);
  l.Supprime(d.nom.ancien);
  if (const short c = l.Complement(d.complement.ancien); c != ComplementNumeroVoie::Aucun)
    l.Ajoute(d.complement.nouveau, std::to_string(c), d.complement.ancien);
  l.Supprime(d.complement.ancien);
  l.DeplaceSiRenseigne(d.type.ancien, d.type.nouveau);
  for (const Renommage& r : {d.ville, d.codePostal})
    if (r.ancien != 0 && l.Renseigne(r.ancien)) {
      l.Ajoute(r.nouveau, l.Texte(r.ancien), r.ancien);
      l.Vide(r.ancien);
    }
  for (const Renommage& r : {d.distribution, d.numero})
    if (r.ancien != 0) l.Deplace(r.ancien, r.nouveau);
}

// 5. and 6. Dates held as day, month and year letters, joined as "%02d/%02d/%4d".
struct DateEnTroisLettres {
  short jour, mois, annee, date;
};
constexpr DateEnTroisLettres kDates[] = {
    {12017, 12018, 12406, 12518},  // signature
    {12058, 12059, 12060, 12521},  // partner's birth
};

void JoinsDate(AnciennesLettres& l, const DateEnTroisLettres& d) {
  char texte[80];
  std::snprintf(texte, sizeof texte, "%02lld/%02lld/%4lld", l.Entier(d.jour), l.Entier(d.mois), l.Entier(d.annee));
  l.Ajoute(d.date, texte, d.jour);
  for (short code : {d.jour, d.mois, d.annee}) l.Supprime(code);
}

// 7. The partner's kind (1 natural, 2 legal person) and title. A file without the kind is
// read as a natural person's.
void TypeEtTitreAssocie(AnciennesLettres& l) {
  const bool typeDonne = l.Existe(12053);
  const long long type = typeDonne ? l.Entier(12053) : TypePersonne::Physique;
  if (typeDonne && (type == TypePersonne::Physique || type == TypePersonne::Morale))
    l.Ajoute(12520, std::to_string(type), 12053);
  if (type == TypePersonne::Physique && l.Existe(12054)) {
    const std::string titre = std::to_string(TitreDeCivilite(l.Entier(12054)));
    l.Modifie(12054, titre);
    l.Ajoute(12541, titre, 12054);
  } else if (type == TypePersonne::Morale) {
    l.Force(12541, std::to_string(FormeJuridique::Societe), "a legal person's title is \"Société\"");
  }
}

// 8. The old identification: 9 characters of SIREN, then up to 5 of NIC.
void Identification(AnciennesLettres& l) {
  if (!l.Existe(12066)) return;
  const std::string texte = l.Texte(12066);
  const std::string utile = l.Coupe(12066, texte, 14);
  const std::string siren = lettres::Tronque(utile, 9);
  l.Ajoute(12066, siren);
  if (siren.size() < utile.size()) l.Ajoute(12540, utile.substr(siren.size()), 12066);
}

// 10. The department list gained Corsica's two entries after the blank one and 19: a code
// outside the list is the blank entry.
void DepartementNaissance(AnciennesLettres& l) {
  if (!l.Existe(12061)) return;
  const long long d = l.Entier(12061);
  long long code = 0;
  if (d < 20)
    code = d + 1;
  else if (d <= std::numeric_limits<long long>::max() - 2)
    code = d + 2;
  auto& liste = TTables_2072::getInstance()->ListeCodesDepartements;
  const bool connu = code >= 1 && code <= std::numeric_limits<int>::max() &&
                     TTables_2072::getElement(liste, static_cast<int>(code)) != liste.end();
  if (connu)
    l.Ajoute(12061, std::to_string(code));
  else
    l.Force(12061, std::to_string(kEntreeVide),
            "old department " + lettres::Cite(l.Texte(12061)) + " is not in the list of departments");
}

// 11. Titles of the manager, accountant and administrator.
constexpr Renommage kTitres[] = {{12023, 12524}, {12331, 12529}, {12340, 12534}};

}  // namespace

void TMoulinetteDonnee2010_1::Convertit(AnciennesLettres& l) {
  for (const Renommage& r : kRenommages) l.Deplace(r.ancien, r.nouveau);

  if (NouveauSiegePresent(l)) {
    DeplaceAdresse(l, kAncienSiegeVersSlot1);
    DeplaceAdresse(l, kNouveauSiegeVersSlot0);
  } else {
    DeplaceAdresse(l, kAncienSiegeVersSlot0);
  }
  DeplaceAdresse(l, kAdresseAssocie);

  // 4. The addressee's postal code and town.
  for (short code : {12021, 12022})
    if (l.Existe(code)) l.Vide(code);

  for (const DateEnTroisLettres& d : kDates) JoinsDate(l, d);
  TypeEtTitreAssocie(l);
  Identification(l);

  // 9. The partner's country was free text: it becomes France in the country list, with a
  // note unless it said so.
  if (l.Existe(12074)) {
    std::string pays = l.Texte(12074);
    std::transform(pays.begin(), pays.end(), pays.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); });
    const std::string france = std::to_string(kPaysFrance);
    if (pays == "FRANCE" || pays == france)
      l.Ajoute(12074, france);
    else
      l.Force(12074, france, "the partner's country becomes FRANCE (was " + lettres::Cite(l.Texte(12074)) + ")");
  }

  DepartementNaissance(l);

  for (const Renommage& r : kTitres) {
    if (l.Renseigne(r.ancien)) l.Ajoute(r.nouveau, std::to_string(TitreDeCivilite(l.Entier(r.ancien))), r.ancien);
    l.Supprime(r.ancien);
  }
}

}  // namespace zorfiscal2072::migration
