// The summary laid out as a printable page.
#pragma once

#include <string>
#include <string_view>

#include "presentation/resume.h"

namespace hote2072 {

// The summary as one self-contained printable HTML page: inline style, no script, two SVG charts,
// each partner's statement on a new printed page; every text escaped.
std::string ResumeHtml(const Resume& resume);

// The text with &, <, >, " and ' escaped, for an element's content or an attribute's value.
std::string EchappeHtml(std::string_view texte);
// A text shown in an element's content: control characters and the marks that reorder text
// (bidi overrides, isolates) also written as visible escapes, so a name cannot reverse or hide
// what follows it on the page. Attribute values stay as entered: a form sends them back, and an
// input shows its value apart from the rest of the page.
std::string EchappeHtmlTexte(std::string_view texte);

}  // namespace hote2072
