#include "systeme/parallele.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace hote2072 {

void EnParallele(std::size_t n, const std::function<void(std::size_t)>& travail, unsigned fils) {
  if (fils == 0) fils = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t nombre = std::min<std::size_t>(fils, n);
  std::atomic<std::size_t> suivant{0};
  const auto boucle = [&] {
    for (std::size_t k = suivant++; k < n; k = suivant++) travail(k);
  };
  std::vector<std::thread> threads;
  for (std::size_t t = 1; t < nombre; ++t) threads.emplace_back(boucle);
  boucle();
  for (std::thread& t : threads) t.join();
}

}  // namespace hote2072
