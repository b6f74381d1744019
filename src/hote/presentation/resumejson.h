// The summary as data for programs: the figures it prints, by table and label.
#pragma once

#include <string>

#include "presentation/resume.h"

namespace hote2072 {

// {"tables": [{"title": ..., "columns": [...] (tables of several columns only),
//              "rows": {label: figure, label: text, label: [figure per column]}}, ...],
//  "omittedPartners": n, "messages": [...]}. Figures are numbers as printed: amounts in whole
// euros, shares with 5 decimals, percentages with 2.
std::string ResumeJson(const Resume& resume);

}  // namespace hote2072
