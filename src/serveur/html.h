// The pages' addresses. Every text from a declaration or a request is escaped on a page by
// EchappeHtml or EchappeHtmlTexte (presentation/resumehtml.h).
#pragma once

#include <string>
#include <string_view>

namespace serveur2072 {

// The text as one component of an address (percent-encoded, UTF-8 bytes kept as such).
std::string EncodeUrl(std::string_view texte);

}  // namespace serveur2072
