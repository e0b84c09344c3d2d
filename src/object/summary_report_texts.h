// The texts the summary window, the clipboard and the summary report show for an object summary.
#pragma once

#include "object/object_summary.h"
#include "object/summary_report.h"

#include <string>

namespace zeltar::object {

// `date` is printed as given (the system's short date format in the program).
SummaryReportTexts ReportTextsOf(const ObjectSummary& summary, std::string date);

// A level's name with its first letter in capitals: "среднетемпературные" -> "Среднетемпературные".
std::string Capitalized(std::string_view name);

} // namespace zeltar::object
