// The screen checks' messages explained in French for the accountant.
#pragma once

namespace hote2072 {

// A short explanation in French of a message, for the accountant.
const char* ExplicationMessage(int numero);

}  // namespace hote2072
