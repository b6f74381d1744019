#include "anciennes_lettres.h"

#include <algorithm>

#include "codes2072.h"
#include "propriete2072.h"

namespace zorfiscal2072::migration {

bool AnciennesLettres::Existe(short code) {
  m_info.MarqueLue(code);
  return TrouveLettre(code, m_info.geTListeLettres()) != nullptr;
}

std::string AnciennesLettres::Texte(short code) {
  m_info.MarqueLue(code);
  const structLettre* l = TrouveLettre(code, m_info.geTListeLettres());
  return l != nullptr && l->valeur != nullptr ? l->valeur : "";
}

long long AnciennesLettres::Entier(short code) {
  long long n = 0;
  return lettres::LitEntier(Texte(code).c_str(), n) ? n : 0;
}

short AnciennesLettres::Complement(short code) {
  if (!Existe(code)) return ComplementNumeroVoie::Aucun;
  std::string texte = Texte(code);
  std::transform(texte.begin(), texte.end(), texte.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  if (texte.find("bis") != std::string::npos) return ComplementNumeroVoie::Bis;
  if (texte.find("quater") != std::string::npos) return ComplementNumeroVoie::Quater;
  if (texte.find("ter") != std::string::npos) return ComplementNumeroVoie::Ter;
  return ComplementNumeroVoie::Aucun;
}

void AnciennesLettres::Ajoute(short code, const std::string& texte, short source) {
  AjouteLettre(&m_info.geTListeLettres(), code, texte.c_str(), 0, 0, 1, 1);
  if (source != 0) m_info.NoteOrigine(code, source);
}

void AnciennesLettres::Force(short code, const std::string& texte, const std::string& pourquoi) {
  Ajoute(code, texte);
  m_info.AjouteNote(code, TMoulinetteInfo::Evenement::Force, "set to \"" + texte + "\": " + pourquoi);
}

void AnciennesLettres::Modifie(short code, const std::string& texte) {
  if (structLettre* l = TrouveLettre(code, m_info.geTListeLettres())) ModifieLettre(l, texte.c_str());
}

void AnciennesLettres::Supprime(short code) { SupprimeLettre(&m_info.geTListeLettres(), code); }

void AnciennesLettres::Deplace(short a, short b) {
  if (Existe(a)) Ajoute(b, Texte(a), a);
  Supprime(a);
}

void AnciennesLettres::DeplaceSiRenseigne(short a, short b) {
  if (Renseigne(a)) Ajoute(b, Texte(a), a);
  Supprime(a);
}

std::string AnciennesLettres::Coupe(short code, const std::string& texte, std::size_t n) {
  std::string coupe = lettres::Tronque(texte, n);
  if (coupe.size() < texte.size())
    m_info.AjouteNote(code, TMoulinetteInfo::Evenement::Coupe,
                      "text of " + std::to_string(lettres::NombreCaracteres(texte)) + " characters cut to " +
                          std::to_string(n) + ": " + lettres::Cite(coupe));
  return coupe;
}

long long TitreDeCivilite(long long civilite) {
  static constexpr std::pair<long long, long long> kTitres[] = {
      {0, Titre::Monsieur}, {1, Titre::Madame}, {2, Titre::Mademoiselle}};
  for (const auto& [ancien, titre] : kTitres)
    if (civilite == ancien) return titre;
  return civilite;
}

void AppliqueOptions(TPropriete2072& propriete, std::span<const CorrespondanceOption> table) {
  for (const CorrespondanceOption& c : table)
    if (propriete.getOptionFiscale() == c.ancienne) {
      propriete.setOptionFiscale(c.option);
      propriete.getDonneeProprieteFoncier().setOptionTauxDeduction(c.tauxDeduction);
      return;
    }
}

void AppliqueTaux(TPropriete2072& propriete, std::span<const CorrespondanceTaux> table) {
  TDonneeProprieteFoncierPropriete& foncier = propriete.getDonneeProprieteFoncier();
  for (const CorrespondanceTaux& c : table)
    if (foncier.getOptionTauxDeduction() == c.ancien) {
      foncier.setOptionTauxDeduction(c.nouveau);
      return;
    }
}

void AppliqueOptionsEtTaux(TPropriete2072& propriete, std::span<const CorrespondanceOption> table) {
  AppliqueOptions(propriete, table);
  TDonneeProprieteFoncierPropriete& foncier = propriete.getDonneeProprieteFoncier();
  for (const CorrespondanceOption& c : table)
    if (foncier.getOptionTauxDeduction() == c.ancienne) {
      foncier.setOptionTauxDeduction(c.tauxDeduction);
      return;
    }
}

}  // namespace zorfiscal2072::migration
