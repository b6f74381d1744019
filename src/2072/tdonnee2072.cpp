#include "tdonnee2072.h"

#include <type_traits>

#include "klx.h"

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
  return arbre::TransfertUneLettre(*this, lettre, index, sens);
}

// Every record to its defaults, the properties and partners removed.
void TDonnee2072::Init() {
  arbre::PourChaqueEnfant<TDonnee2072>([this](const auto& enfant) {
    if constexpr (std::decay_t<decltype(enfant)>::kIndexe)
      (this->*enfant.champ).clear();
    else
      (this->*enfant.champ).Init();
  });
  Annee = kAnneeDeclarationDefaut;
  Update();
}

void TDonnee2072::InitPartielle() {
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitPartielle(); });
  Update();
}

void TDonnee2072::InitResultat() {
  arbre::PourChaqueSousEnregistrement(*this, [](auto& sous) { sous.InitResultat(); });
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
  Annee = kAnneeDeclarationDefaut;
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
  for (long categorie : {Categorie::SecteurSauvegarde, Categorie::MonumentHistorique, Categorie::EspacesNaturels,
                         Categorie::NuePropriete})
    if (NbProprieteCategorie(static_cast<int>(categorie)) >= 1) return false;
  for (long option : kOptionsAmortissement)
    if (NbProprieteOptionFiscale(option) >= 1) return false;
  if (NbAssocieTypePersonne(TypePersonne::Morale) >= 1) return false;
  for (long regime : {RegimeFiscal::BA, RegimeFiscal::BIC, RegimeFiscal::IS})
    if (NbAssocieTypeRegime(static_cast<unsigned short>(regime)) >= 1) return false;
  return true;
}

short TDonnee2072::presenceMobiliteQuoteParPropriete(const std::string& codePropriete) const {
  short n = 0;
  for (const TAssocie2072& a : Associe2072) n += a.getBulletin2072().presenceMobiliteQuoteParPropriete(codePropriete);
  return n;
}

void TDonnee2072::GenereNumeroTypeEtNomVoie(TAdresse2072& adresse) {
  std::string ligne = adresse.getNumeroVoie();
  if (!ligne.empty()) ligne += ' ';
  ligne += TexteComplementNumeroVoie(adresse.getComplementNumeroVoie());
  if (!ligne.empty()) ligne += ' ';
  ligne += adresse.getTypeVoie();
  if (!ligne.empty()) ligne += ' ';
  ligne += adresse.getTypeEtNomVoie();
  ReduitEspacesDoubles(ligne);  // those of the entered texts included
  adresse.setNumeroTypeEtNomVoie(ligne);
}

}  // namespace zorfiscal2072
