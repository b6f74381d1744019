// The text tokens the engine hands the host's screens, as the `tokens` command shows them.
#pragma once

#include <string>

#include "managers.h"

namespace hote2072 {

// One token per line, a tab, then its value with backslashes and control characters escaped;
// with `json`, an array of {"token", "value"}, one object per line, values as the engine gives them.
std::string EcritJetons(const TStaticsManager& statics, bool json);

}  // namespace hote2072
