// The texts the summary window, the clipboard and the summary report show for an object summary.
#pragma once

#include "object/object_summary.h"
#include "object/summary_report.h"

#include <string>
#include <vector>

namespace zeltar::object {

// `date` is printed as given (the system's short date format in the program).
SummaryReportTexts ReportTextsOf(const ObjectSummary& summary, std::string date);

// The chart's bars: each loaded room by component («N. name»), then the object's total (the rooms'
// components added); none when no room is loaded.
std::vector<report::LoadBar> SummaryLoadBars(const ObjectSummary& summary);

// A level's name with its first letter in capitals: "среднетемпературные" -> "Среднетемпературные".
std::string Capitalized(std::string_view name);

} // namespace zeltar::object
