// The summary laid out as a printable page.
#pragma once

#include <string>

#include "presentation/resume.h"

namespace hote2072 {

// The summary as one self-contained printable HTML page: inline style, no script, two SVG charts,
// each partner's statement on a new printed page; every text escaped.
std::string ResumeHtml(const Resume& resume);

}  // namespace hote2072
