// The screen checks' messages in French for the accountant.
#pragma once

namespace hote2072 {

// The French text of a message, as the engine gives it ("" outside 1 to 168).
const char* ExplicationMessage(int numero);

}  // namespace hote2072
