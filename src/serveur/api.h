// The JSON API under /api/, for programs in any language: the command line's computations on a
// posted declaration, and the workspace's declarations by name (docs/api.yaml).
#pragma once

#include <httplib.h>

#include <functional>

#include "espace.h"

namespace serveur2072 {

// Runs a handler, answering a refusal with its status.
using Protection = std::function<void(const httplib::Request&, httplib::Response&, const std::function<void()>&)>;

void InstalleApi(httplib::Server& http, EspaceTravail& espace, const Protection& protege);

// {"error": "...", "problems": ["...", ...]} with the refusal's status.
void RepondApi(httplib::Response& res, const Refus& refus);

}  // namespace serveur2072
