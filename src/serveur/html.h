// Writing HTML: every text from a declaration or a request is escaped.
#pragma once

#include <string>
#include <string_view>

namespace serveur2072 {

// The text with &, <, >, " and ' escaped, for an element's content or an attribute's value.
std::string Echappe(std::string_view texte);
// The text as one component of an address (percent-encoded, UTF-8 bytes kept as such).
std::string EncodeUrl(std::string_view texte);

}  // namespace serveur2072
