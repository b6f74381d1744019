#include "moulinette.h"

#include "kel.h"

namespace {

// One to four digits as a number, or nothing.
std::optional<long> LitChiffres(const std::string& texte) {
  if (texte.empty() || texte.size() > 4) return std::nullopt;
  long n = 0;
  for (char c : texte) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

std::optional<VersionMoulinette> LitVersionMoulinette(const std::string& texte) {
  const auto point = texte.find('.');
  if (point == std::string::npos) return std::nullopt;
  const auto annee = LitChiffres(texte.substr(0, point));
  const auto edition = LitChiffres(texte.substr(point + 1));
  if (!annee || !edition) return std::nullopt;
  return VersionMoulinette{*annee, *edition};
}

void TMoulinetteManager::ajoute(const std::string& version, TMoulinette* etape) {
  std::unique_ptr<TMoulinette> possedee(etape);
  const auto lue = LitVersionMoulinette(version);
  KEL_ASSERT(lue.has_value(), "a migration step is registered under a version that cannot be read");
  KEL_ASSERT(etape != nullptr, "a migration step is null");
  if (etape != nullptr) m_etapes.push_back({lue, std::move(possedee)});
}

bool TMoulinetteManager::execute(TMoulinetteInfo& info, TDonneeBase* donnee) {
  const auto fichier = LitVersionMoulinette(info.getVersion());
  if (!fichier) return false;
  for (Etape& e : m_etapes)
    if (e.version && *e.version > *fichier) e.moulinette->execute(info, donnee);
  return true;
}
