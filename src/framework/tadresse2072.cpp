#include "tadresse2072.h"

namespace {

struct ChampDecrit {
  const char* nom;
  lettres::Primitive primitive;
  short taille;
};

// In ChampAdresse order.
constexpr ChampDecrit kChamps[] = {
    {"NumeroVoie", lettres::Primitive::Texte, 4},
    {"ComplementNumeroVoie", lettres::Primitive::Court, 0},
    {"TypeEtNomVoie", lettres::Primitive::Texte, 35},
    {"NumeroTypeEtNomVoie", lettres::Primitive::Texte, 51},
    {"ComplementDistribution", lettres::Primitive::Texte, 51},
    {"LieuDitHameau", lettres::Primitive::Texte, 51},
    {"CodePostal", lettres::Primitive::Texte, 6},
    {"Ville", lettres::Primitive::Texte, 31},
    {"Pays", lettres::Primitive::Court, 0},
    {"TypeVoie", lettres::Primitive::Texte, 35},
};

template <ChampAdresse C>
lettres::RefChamp Acces(TAdresse2072& a) {
  return TAdresse2072::Reference(a, C);
}

template <std::size_t... I>
lettres::TableLettres<TAdresse2072> Table(const CodesAdresse& codes, short tailleTypeVoie, std::index_sequence<I...>) {
  return lettres::TableLettres<TAdresse2072>(
      {lettres::LettreChamp<TAdresse2072>{TAdresse2072::Description(codes[I], ChampAdresse(I), tailleTypeVoie),
                                          &Acces<ChampAdresse(I)>}...});
}

}  // namespace

lettres::RefChamp TAdresse2072::Reference(TAdresse2072& a, ChampAdresse champ) {
  switch (champ) {
    case ChampAdresse::NumeroVoie: return &a.NumeroVoie;
    case ChampAdresse::ComplementNumeroVoie: return &a.ComplementNumeroVoie;
    case ChampAdresse::TypeEtNomVoie: return &a.TypeEtNomVoie;
    case ChampAdresse::NumeroTypeEtNomVoie: return &a.NumeroTypeEtNomVoie;
    case ChampAdresse::ComplementDistribution: return &a.ComplementDistribution;
    case ChampAdresse::LieuDitHameau: return &a.LieuDitHameau;
    case ChampAdresse::CodePostal: return &a.CodePostal;
    case ChampAdresse::Ville: return &a.Ville;
    case ChampAdresse::Pays: return &a.Pays;
    case ChampAdresse::TypeVoie: return &a.TypeVoie;
  }
  return &a.NumeroVoie;
}

lettres::DescriptionLettre TAdresse2072::Description(short code, ChampAdresse champ, short tailleTypeVoie) {
  const ChampDecrit& c = kChamps[static_cast<int>(champ)];
  return {code, c.nom, c.primitive, champ == ChampAdresse::TypeVoie ? tailleTypeVoie : c.taille};
}

lettres::TableLettres<TAdresse2072> TAdresse2072::TableRole(const CodesAdresse& codes, short tailleTypeVoie) {
  return Table(codes, tailleTypeVoie, std::make_index_sequence<10>{});
}
