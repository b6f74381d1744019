#include "tdonnee2072.h"

#include "klx.h"

namespace zorfiscal2072 {

TDonnee2072::TDonnee2072() {
  Init();
  Guid = KLX::GenerateStringGUID();
}

bool TDonnee2072::operator==(const TDonnee2072& autre) const { return Annee == autre.Annee; }

bool TDonnee2072::TransfertUneLettre(structLettre* lettre, TIndex index, long sens) {
  (void)index;
  (void)sens;
  return lettre == nullptr;
}

void TDonnee2072::Init() {
  Annee = 2011;
  Update();
}

void TDonnee2072::InitPartielle() { Update(); }

void TDonnee2072::InitResultat() { Update(); }

void TDonnee2072::InitPersonnalise() {
  Annee = 2011;
  Update();
}

void TDonnee2072::Update() {
  UpdateTexte();
  Calcul();
}

void TDonnee2072::UpdateTexte() {}

void TDonnee2072::Calcul() { CalculDec2072(getAnnee()); }

void TDonnee2072::CalculDec2072(long) {}

void TDonnee2072::GenereNumeroTypeEtNomVoie(TAdresse2072& adresse) {
  std::string ligne = adresse.getNumeroVoie();
  const short complement = adresse.getComplementNumeroVoie();
  const char* texteComplement = complement == 2 ? "bis" : complement == 3 ? "ter" : complement == 4 ? "quater" : "";
  if (!ligne.empty()) ligne += ' ';
  ligne += texteComplement;
  if (!ligne.empty()) ligne += ' ';
  ligne += adresse.getTypeVoie();
  if (!ligne.empty()) ligne += ' ';
  ligne += adresse.getTypeEtNomVoie();
  // Collapse runs of spaces, those of the entered texts included.
  for (std::size_t p = ligne.find("  "); p != std::string::npos; p = ligne.find("  ", p)) ligne.erase(p, 1);
  adresse.setNumeroTypeEtNomVoie(ligne);
}

}  // namespace zorfiscal2072
