// A whole declaration file through reading, checking and loading; a file that loads is
// written out and read back, which must give the same letters. The fast reader accepts only
// files the event reader reads the same, and the fast loader only files the full path loads
// the same, without a problem or a warning.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>

#include "chargement/chargement.h"
#include "chargement/chargementrapide.h"
#include "format/bornes.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "format/lecturerapide.h"
#include "services/saisieproprietes.h"

namespace {

// The letters written from a root, each code the file does not give (made up at random when
// loading) replaced by its rank among them: two loadings of a file then write the same.
std::vector<hote2072::LettreFichier> SansCodesFaits(hote2072::TDonnee2072& racine,
                                                    const std::unordered_set<std::string>& donnes) {
  std::vector<hote2072::LettreFichier> lettres = hote2072::Ecrit(racine, true).lettres;
  std::map<std::string, std::string> faits;
  for (hote2072::LettreFichier& l : lettres)
    if (l.valeur.size() == 20 && donnes.count(l.valeur) == 0) {
      std::string rang = std::to_string(faits.size());
      l.valeur = faits.try_emplace(l.valeur, rang.insert(0, 1, '#')).first->second;
    }
  return lettres;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  using namespace hote2072;
  const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
  Rapport rapport;
  const auto fichier = LitJsonEvenements(texte, rapport);
  // Pieces of a byte split the letters at every line that may end one.
  for (const std::size_t morceau : {kTailleMorceau, std::size_t{1}})
    if (const auto rapide = LitJsonRapide(texte, morceau))
      if (!fichier || !(*rapide == *fichier)) __builtin_trap();
  if (!fichier) return 0;
  // The bounds are checked on any file; loading only small ones keeps executions fast (a
  // position of 1,000 is allowed and makes a million shares).
  VerifieBornes(*fichier, rapport);
  for (const LettreFichier& l : fichier->lettres)
    for (const auto& [cle, position] : l.index)
      if (position > 64) return 0;
  auto racine = Charge(*fichier, rapport);
  const std::unordered_set<std::string> donnes = CodesDonnes(*fichier);
  if (racine) CompleteSaisieProprietes(*fichier, *racine);
  for (const std::size_t morceau : {kTailleMorceau, std::size_t{1}}) {
    DeclarationChargee vite = ChargeRapide(SourceMemoire(texte, morceau));
    if (!vite.racine) continue;
    CompleteSaisieProprietes(vite.donne, *vite.racine);
    if (!racine || !rapport.vide() || !rapport.avertissements().empty() || vite.codesDonnes() != donnes ||
        SansCodesFaits(*vite.racine, donnes) != SansCodesFaits(*racine, donnes))
      __builtin_trap();
  }
  if (!racine) return 0;
  const FichierDeclaration ecrit = Ecrit(*racine, false);
  Rapport relecture;
  const auto relu = LitJson(EcritJson(ecrit, false), relecture);
  if (!relu || !(*relu == ecrit)) __builtin_trap();
  return 0;
}
