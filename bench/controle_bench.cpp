// Checking a large declaration record by record: one check call per partner, property,
// tenant and transfer, so the figure shows the whole-declaration check stays linear.
#include <benchmark/benchmark.h>

#include "codes2072.h"
#include "services/controle.h"

namespace {

using namespace zorfiscal2072;

void BM_ControleDeclaration(benchmark::State& etat) {
  TDonnee2072 d;
  d.getAssocie2072().resize(static_cast<std::size_t>(etat.range(0)));  // unnamed partners: two messages each
  d.getPropriete2072().resize(static_cast<std::size_t>(etat.range(1)));
  for (TPropriete2072& p : d.getPropriete2072()) {
    p.setOptionFiscale(OptionFiscale::RobienRecentre);
    p.setLocataire(std::vector<TLocataire>(2));
  }
  d.getCessionsPartsSociete().getCessionParts().resize(100);
  std::size_t n = 0;
  for (auto _ : etat) {
    const auto messages = hote2072::ControleDeclaration(d);
    n = messages.size();
    benchmark::DoNotOptimize(messages.data());
  }
  etat.counters["messages"] = static_cast<double>(n);
}
BENCHMARK(BM_ControleDeclaration)->Args({2000, 200})->Args({20000, 300})->Unit(benchmark::kMillisecond);

}  // namespace
