#include "adresses2072.h"

#include <string>
#include <utility>

#include "listes2072.h"

namespace zorfiscal2072 {
namespace {

using lettres::Liste;
using lettres::Primitive;

struct ChampDecrit {
  const char* nom;
  Primitive primitive;
  short taille;
  const char* libelle;  // follows the role's label
  Liste liste = lettres::kAucuneListe;
  lettres::Nature nature = lettres::Nature::Saisie;
  lettres::Gabarit gabarit = lettres::Gabarit::Libre;  // a postal code's shape depends on the country
};

// In ChampAdresse order. The composed street line is rebuilt from the others by every update.
constexpr ChampDecrit kChamps[] = {
    {"NumeroVoie", Primitive::Texte, 4, "numéro dans la voie"},
    {"ComplementNumeroVoie", Primitive::Court, 0, "complément du numéro (bis, ter, quater)",
     Liste::ListeComplementNumeroVoie},
    {"TypeEtNomVoie", Primitive::Texte, 35, "nom de la voie"},
    {"NumeroTypeEtNomVoie", Primitive::Texte, 51, "numéro, type et nom de la voie (composés)", lettres::kAucuneListe,
     lettres::Nature::Calculee},
    {"ComplementDistribution", Primitive::Texte, 51, "complément d'adresse (bâtiment, escalier…)"},
    {"LieuDitHameau", Primitive::Texte, 51, "lieu-dit ou hameau"},
    {"CodePostal", Primitive::Texte, 6, "code postal", lettres::kAucuneListe, lettres::Nature::Saisie,
     lettres::Gabarit::CodePostal},
    {"Ville", Primitive::Texte, 31, "commune"},
    {"Pays", Primitive::Court, 0, "pays", Liste::ListePays},
    {"TypeVoie", Primitive::Texte, 35, "type de voie (rue, avenue…)"},
};

template <ChampAdresse C>
lettres::RefChamp Acces(TAdresse2072& a) {
  return TAdresse2072::Reference(a, C);
}

template <std::size_t... I>
lettres::TableLettres<TAdresse2072> Table(const CodesAdresse& codes, const char* role, short tailleTypeVoie,
                                          std::index_sequence<I...>) {
  return lettres::TableLettres<TAdresse2072>({lettres::LettreChamp<TAdresse2072>{
      DescriptionAdresse(codes[I], ChampAdresse(I), role, tailleTypeVoie), &Acces<ChampAdresse(I)>}...});
}

}  // namespace

lettres::DescriptionLettre DescriptionAdresse(short code, ChampAdresse champ, const char* role, short tailleTypeVoie) {
  const ChampDecrit& c = kChamps[static_cast<int>(champ)];
  const short taille = champ == ChampAdresse::TypeVoie ? tailleTypeVoie : c.taille;
  lettres::DescriptionLettre d =
      lettres::Decrit(code, c.nom, c.primitive, taille, lettres::TexteDurable(std::string(role) + " : " + c.libelle));
  d.liste = c.liste;
  d.nature = c.nature;
  d.gabarit = c.gabarit;
  if (c.gabarit == lettres::Gabarit::CodePostal) d.gabaritChamps[0] = kChamps[static_cast<int>(ChampAdresse::Pays)].nom;
  return d;
}

lettres::TableLettres<TAdresse2072> TableAdresse(const CodesAdresse& codes, const char* role, short tailleTypeVoie) {
  return Table(codes, role, tailleTypeVoie, std::make_index_sequence<10>{});
}

}  // namespace zorfiscal2072
