// The summary as data, for programs.
#pragma once

#include <string>

#include "presentation/resume.h"

namespace hote2072 {

// {"tables": [{"title", "columns", "rows": [{"label", "values", "text"}]}], "properties":
// [{"name", "receipts", "charges", "result"}], "partners": [{"name", "percentage"}],
// "partnersLeftOut", "messages"}: the summary's tables with their values formatted as the
// summary shows them, the charts' figures as numbers.
std::string ResumeJson(const Resume& resume);

// The shortest text that reads back as the same number; null for what JSON cannot hold.
std::string NombreJson(double x);

}  // namespace hote2072
