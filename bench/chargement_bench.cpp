// Loading a large declaration: 2,000 partners and 200 properties with a few letters each.
// Every partner gets one share per property (400,000 shares), so the figure also shows that
// creating records and re-pointing codes stay linear.
#include <benchmark/benchmark.h>

#include <string>

#include "chargement.h"
#include "ecriture.h"
#include "fichierjson.h"

namespace {

using namespace hote2072;

FichierDeclaration GrandeDeclaration(int associes, int proprietes) {
  FichierDeclaration f;
  const auto ajoute = [&](int code, Index index, std::string valeur) {
    f.lettres.push_back({f.lettres.size() + 1, code, std::move(index), std::move(valeur)});
  };
  ajoute(12003, {}, "SCI DES GRANDS CHÊNES");
  for (int p = 0; p < proprietes; ++p) {
    ajoute(12655, {{300, p}}, "IMM" + std::to_string(p));
    ajoute(12102, {{300, p}}, "Immeuble " + std::to_string(p));
    ajoute(12103, {{300, p}}, "1");
    ajoute(12140, {{300, p}}, std::to_string(12000 + p * 7) + ".50");
  }
  for (int a = 0; a < associes; ++a) {
    ajoute(12694, {{301, a}}, "ASSOC" + std::to_string(a));
    ajoute(12055, {{301, a}}, "MARTIN");
    ajoute(12057, {{301, a}}, "Claire " + std::to_string(a));
    ajoute(12075, {{301, a}}, "10");
  }
  return f;
}

void BM_Charge(benchmark::State& etat) {
  const FichierDeclaration f = GrandeDeclaration(static_cast<int>(etat.range(0)), static_cast<int>(etat.range(1)));
  for (auto _ : etat) {
    Rapport rapport;
    auto racine = Charge(f, rapport);
    if (!racine) etat.SkipWithError("the declaration did not load");
    benchmark::DoNotOptimize(racine.get());
  }
  etat.counters["letters"] = static_cast<double>(f.lettres.size());
}
BENCHMARK(BM_Charge)->Args({2000, 200})->Args({1000, 100})->Args({4000, 200})->Unit(benchmark::kMillisecond);

// From the file's text: JSON parsing included.
void BM_LitEtCharge(benchmark::State& etat) {
  const std::string texte = EcritJson(GrandeDeclaration(2000, 200));
  for (auto _ : etat) {
    Rapport rapport;
    auto fichier = LitJson(texte, rapport);
    auto racine = fichier ? Charge(*fichier, rapport) : nullptr;
    if (!racine) etat.SkipWithError("the declaration did not load");
    benchmark::DoNotOptimize(racine.get());
  }
}
BENCHMARK(BM_LitEtCharge)->Unit(benchmark::kMillisecond);

}  // namespace

// Writing the loaded declaration back: every letter of every record read through the root.
void BM_Ecrit(benchmark::State& etat) {
  Rapport rapport;
  auto racine = Charge(GrandeDeclaration(2000, 200), rapport);
  if (!racine) {
    etat.SkipWithError("the declaration did not load");
    return;
  }
  for (auto _ : etat) {
    FichierDeclaration f = Ecrit(*racine, false);
    benchmark::DoNotOptimize(f.lettres.data());
  }
}
BENCHMARK(BM_Ecrit)->Unit(benchmark::kMillisecond);
