// Writing HTML: every text from a declaration or a request is escaped.
#pragma once

#include <string>
#include <string_view>

namespace serveur2072 {

// The text with &, <, >, " and ' escaped, for an element's content or an attribute's value.
std::string Echappe(std::string_view texte);
// A text shown in an element's content, as the report shows it: control characters and the
// marks that reorder text (bidi overrides, isolates) written as visible escapes, so a name cannot
// reverse or hide what follows it on the page. Attribute values stay as entered: a form sends
// them back, and an input shows its value apart from the rest of the page.
std::string EchappeTexte(std::string_view texte);
// The text as one component of an address (percent-encoded, UTF-8 bytes kept as such).
std::string EncodeUrl(std::string_view texte);

}  // namespace serveur2072
