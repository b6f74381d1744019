// The declaration's computation alone (Calcul), on declarations built in memory: a fund of
// 1,000 to 10,000 partners and 100 properties, every partner holding one share of each
// property, so 100,000 to 1,000,000 shares. The time should grow with the number of shares.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tdonnee2072.h"

namespace {

using namespace zorfiscal2072;

TDonnee2072 GrandeDeclaration(int associes, int proprietes) {
  TDonnee2072 d;
  d.getInfogene2072().setCapital(1'000'000);
  d.getInfogene2072().setNombrePartsTotal(10.0 * associes);
  d.getInfogene2072().setProduitsFinanciers(25'000);
  for (int p = 0; p < proprietes; ++p) {
    TPropriete2072& propriete = d.getPropriete2072().at(static_cast<std::size_t>(d.AjoutePropriete()));
    propriete.setCodePropriete("IMM" + std::to_string(p));
    propriete.setApplicationCRL(p % 2 == 0 ? 1 : 2);
    propriete.setSoumisCVAE(p % 3 == 0 ? 1 : 2);
    propriete.setTotalNombreLocaux(4);
    TDonneeProprieteFoncierPropriete& f = propriete.getDonneeProprieteFoncier();
    f.setLoyerBrut(12000 + p * 7.5);
    f.setRecetteCRL(12000 + p * 7.5);
    f.setFraisGerance(600);
    f.setAssurance(310.4);
    f.setImpotEtTaxe(1100);
    f.setInteretEmprunt(2000 + p);
  }
  // The partners are copies of one, with their own codes: adding them one by one would
  // rebuild the transfer choice lists each time, which is not what is measured here.
  TAssocie2072 modele;
  modele.setNombreParts(10);
  modele.setNombreParts1erJanvier(10);
  for (const TPropriete2072& p : d.getPropriete2072()) {
    TQuotePartPropriete q;
    q.setCodePropriete(p.getCodePropriete());
    modele.getBulletin2072().getQuotePartPropriete().push_back(q);
  }
  std::vector<TAssocie2072> liste(static_cast<std::size_t>(associes), modele);
  for (int a = 0; a < associes; ++a) {
    TAssocie2072& associe = liste[static_cast<std::size_t>(a)];
    associe.setCodeAssocie("ASSOC" + std::to_string(a));
    for (TQuotePartPropriete& q : associe.getBulletin2072().getQuotePartPropriete()) {
      q.setCodeAssocie(associe.getCodeAssocie());
      if (a % 10 == 0) {
        q.setPresenceMobilite(1);
        q.setDeductionMobilite(50);
      }
    }
  }
  d.setAssocie2072(std::move(liste));
  auto& cessions = d.getCessionsPartsSociete().getCessionParts();
  for (int t = 0; t < associes / 100; ++t) {
    TCessionParts c;
    c.setAssocieCedant(t);
    c.setAssocieCessionnaire(t + 1);
    c.setNombreParts(2);
    cessions.push_back(c);
  }
  return d;
}

void BM_Calcul(benchmark::State& etat) {
  TDonnee2072 d = GrandeDeclaration(static_cast<int>(etat.range(0)), static_cast<int>(etat.range(1)));
  for (auto _ : etat) {
    d.Calcul();
    benchmark::DoNotOptimize(d.getInfogene2072().getMontantCRL());
  }
  etat.counters["shares"] = static_cast<double>(etat.range(0) * etat.range(1));
}
BENCHMARK(BM_Calcul)->Args({1000, 100})->Args({2000, 100})->Args({10000, 100})->Unit(benchmark::kMillisecond);

}  // namespace
