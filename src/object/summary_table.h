// The summary as a table of texts, the same in the summary window, on the clipboard and in the
// report: one line per room, two per temperature level and two for the object total.
#pragma once

#include "object/summary_report.h"

#include <array>
#include <string>

namespace zeltar::object {

using SummaryCells = std::array<std::string, kSummaryColumnCount>;

// "Q1, кВт": each column's caption and unit.
SummaryCells SummaryHeaders();

// The cells of one line: a room's own texts; a failed room's number and name and «не загружена»
// under the room type, its reason under the room's name on the line below; a level or total caption under the room's name with its
// sums under Q сум. and Q об., and the plant capacity under Q об.
SummaryCells LineCells(const SummaryReportTexts& texts, const SummaryLine& line);

// The header and every line, cells separated by TAB and lines ended by CR LF, display blanks
// trimmed, so that it pastes into a spreadsheet; tabs and line breaks inside a text become blanks.
// A failed room is one row there, «не загружена: » and the reason under the room type.
std::string SummaryTabSeparated(const SummaryReportTexts& texts);

} // namespace zeltar::object
