// A fund at scale: N partners and 100 properties, two letters on each partner's share of each
// property (N x 100 shares). Each step of `sci2072 compute` alone: reading the file's text,
// loading (checks, records, transfers, codes), computing, writing (letters without and with
// their names); then the whole command from text to text.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "chargement/chargement.h"
#include "format/ecriture.h"
#include "format/fichierjson.h"
#include "grande_declaration.h"

namespace {

using namespace hote2072;

constexpr int kProprietes = 100;

// Generated once per size: the declaration and its text.
const FichierDeclaration& Fonds(int associes) {
  static std::map<int, FichierDeclaration> fonds;
  auto it = fonds.find(associes);
  if (it == fonds.end()) it = fonds.emplace(associes, bench2072::GrandeDeclaration(associes, kProprietes)).first;
  return it->second;
}
const std::string& Texte(int associes) {
  static std::map<int, std::string> textes;
  auto it = textes.find(associes);
  if (it == textes.end()) it = textes.emplace(associes, EcritJson(Fonds(associes), false)).first;
  return it->second;
}

std::unique_ptr<TDonnee2072> Charge(const FichierDeclaration& f, benchmark::State& etat) {
  Rapport rapport;
  auto racine = hote2072::Charge(f, rapport);
  if (!racine) etat.SkipWithError("the declaration did not load");
  return racine;
}

void Compteurs(benchmark::State& etat, int associes) {
  etat.counters["shares"] = associes * kProprietes;
  etat.counters["letters"] = static_cast<double>(Fonds(associes).lettres.size());
}

void BM_Lit(benchmark::State& etat) {
  const int n = static_cast<int>(etat.range(0));
  const std::string& texte = Texte(n);
  for (auto _ : etat) {
    Rapport rapport;
    auto fichier = LitJson(texte, rapport);
    if (!fichier) etat.SkipWithError("the file did not read");
    benchmark::DoNotOptimize(fichier);
  }
  Compteurs(etat, n);
  etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * texte.size()));
}

void BM_Charge(benchmark::State& etat) {
  const int n = static_cast<int>(etat.range(0));
  for (auto _ : etat) benchmark::DoNotOptimize(Charge(Fonds(n), etat));
  Compteurs(etat, n);
}

void BM_Calcul(benchmark::State& etat) {
  const int n = static_cast<int>(etat.range(0));
  auto racine = Charge(Fonds(n), etat);
  for (auto _ : etat)
    if (racine) racine->Update();
  Compteurs(etat, n);
}

// range(1): 1 with each letter's field and record names (the default), 0 compact.
void BM_Ecrit(benchmark::State& etat) {
  const int n = static_cast<int>(etat.range(0));
  auto racine = Charge(Fonds(n), etat);
  if (!racine) return;
  for (auto _ : etat) EcritDeclaration("/dev/null", *racine, false, etat.range(1) != 0);
  Compteurs(etat, n);
}

// The whole of `sci2072 compute --compact` but reading and writing files.
void BM_Compute(benchmark::State& etat) {
  const int n = static_cast<int>(etat.range(0));
  const std::string& texte = Texte(n);
  for (auto _ : etat) {
    Rapport rapport;
    std::unique_ptr<TDonnee2072> racine;
    if (auto fichier = LitJson(texte, rapport)) racine = Charge(*fichier, etat);
    if (!racine) return;
    racine->Update();
    EcritDeclaration("/dev/null", *racine, false, false);
  }
  Compteurs(etat, n);
}

#define TAILLES ->Arg(1000)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Lit) TAILLES;
BENCHMARK(BM_Charge) TAILLES;
BENCHMARK(BM_Calcul) TAILLES;
BENCHMARK(BM_Ecrit)->ArgsProduct({{1000, 2000, 10000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compute) TAILLES;

}  // namespace
