#include "tdonnee2072.h"

#include "klx.h"
#include "niveaux2072.h"

namespace zorfiscal2072 {

TDonnee2072::TDonnee2072() {
  Init();
  Guid = KLX::GenerateStringGUID();
}

TDonnee2072::~TDonnee2072() {
  Propriete2072.clear();
  Associe2072.clear();
}

bool TDonnee2072::operator==(const TDonnee2072& autre) const {
  return Infogene2072 == autre.Infogene2072 && DonneeIS2072 == autre.DonneeIS2072 &&
         OperationSociete == autre.OperationSociete && CessionsPartsSociete == autre.CessionsPartsSociete &&
         ResultatGlobalARepartir == autre.ResultatGlobalARepartir && Propriete2072 == autre.Propriete2072 &&
         Associe2072 == autre.Associe2072 && Annee == autre.Annee;
}

bool TDonnee2072::TransfertUneLettre(structLettre* lettre, TIndex index, long sens) {
  return Infogene2072.TransfertUneLettre(lettre, index, sens) || DonneeIS2072.TransfertUneLettre(lettre, index, sens) ||
         lettres::TransfertIndexe(Propriete2072, kNiveauPropriete, lettre, index, sens) ||
         lettres::TransfertIndexe(Associe2072, kNiveauAssocie, lettre, index, sens) ||
         OperationSociete.TransfertUneLettre(lettre, index, sens) ||
         CessionsPartsSociete.TransfertUneLettre(lettre, index, sens) ||
         ResultatGlobalARepartir.TransfertUneLettre(lettre, index, sens);
}

void TDonnee2072::Init() {
  Infogene2072.Init();
  DonneeIS2072.Init();
  ResultatGlobalARepartir.Init();
  Propriete2072.clear();
  Associe2072.clear();
  OperationSociete.Init();
  CessionsPartsSociete.Init();
  Annee = 2011;
  Update();
}

void TDonnee2072::InitPartielle() {
  Infogene2072.InitPartielle();
  DonneeIS2072.InitPartielle();
  ResultatGlobalARepartir.InitPartielle();
  OperationSociete.InitPartielle();
  CessionsPartsSociete.InitPartielle();
  for (TPropriete2072& p : Propriete2072) p.InitPartielle();
  for (TAssocie2072& a : Associe2072) a.InitPartielle();
  Update();
}

void TDonnee2072::InitResultat() {
  Infogene2072.InitResultat();
  DonneeIS2072.InitResultat();
  ResultatGlobalARepartir.InitResultat();
  OperationSociete.InitResultat();
  CessionsPartsSociete.InitResultat();
  for (TPropriete2072& p : Propriete2072) p.InitResultat();
  for (TAssocie2072& a : Associe2072) a.InitResultat();
  Update();
}

void TDonnee2072::InitPersonnalise() {
  Infogene2072.InitPartielle();
  Infogene2072.InitResultat();
  DonneeIS2072.Init();
  OperationSociete.Init();
  ResultatGlobalARepartir.Init();
  CessionsPartsSociete.Init();
  Propriete2072.clear();
  for (TAssocie2072& a : Associe2072) {
    a.InitPartielle();
    a.InitResultat();
    // The properties and sales are gone: so are the entries that named them.
    a.getBulletin2072().getQuotePartPropriete().clear();
    a.getBulletin2072().getRepartitionOperationsSociete().clear();
    a.getListeProprieteJouissanceGratuite().clear();
  }
  Annee = 2011;
  Infogene2072.setVilleSignature("");
  Infogene2072.setDateSignature(0);
  Infogene2072.setDateClotureExercice(0);
  Infogene2072.setSocieteNomPreimprime("");
  Infogene2072.getAdresseDestinataire().Init();
  Infogene2072.getSocieteAdresseSiege().at(2).Init();
  Update();
}

void TDonnee2072::Update() {
  UpdateTexte();
  Calcul();
  // The coherence pass of the computation copies each partner's SIREN and NIC into the
  // transfers naming it after the texts were composed: without this a transfer's SIRET
  // would lag one update behind, and computing twice would differ from computing once.
  UpdateTexteCessionsParts();
}

void TDonnee2072::Calcul() { CalculDec2072(getAnnee()); }


bool TDonnee2072::is2072S() const {
  for (int categorie : {4, 6, 8, 7})
    if (NbProprieteCategorie(categorie) >= 1) return false;
  for (long option : {2, 3, 4, 7, 9, 10, 11})
    if (NbProprieteOptionFiscale(option) >= 1) return false;
  if (NbAssocieTypePersonne(2) >= 1) return false;
  for (unsigned short regime : {2, 3, 4})
    if (NbAssocieTypeRegime(regime) >= 1) return false;
  return true;
}

short TDonnee2072::presenceMobiliteQuoteParPropriete(const std::string& codePropriete) const {
  short n = 0;
  for (const TAssocie2072& a : Associe2072) n += a.getBulletin2072().presenceMobiliteQuoteParPropriete(codePropriete);
  return n;
}

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
