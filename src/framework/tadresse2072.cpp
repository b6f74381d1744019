#include "tadresse2072.h"

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
