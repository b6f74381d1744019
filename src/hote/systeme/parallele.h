// Independent pieces of work spread over the machine's cores.
#pragma once

#include <cstddef>
#include <functional>

namespace hote2072 {

// Runs travail(0) to travail(n - 1), each once, on up to `fils` threads (0: one per core).
// `travail` must not throw. Returns once all are done.
void EnParallele(std::size_t n, const std::function<void(std::size_t)>& travail, unsigned fils = 0);

}  // namespace hote2072
