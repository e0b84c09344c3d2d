// The summary report written to a PDF file: A4 landscape at 300 dpi, laid out as it is printed.
#pragma once

#include "object/summary_report.h"
#include "report/qt/report_printing.h"

#include <string>

namespace zeltar::object {

// Written by files::WriteFileSafely once every page is drawn, so that a failure leaves the old
// file as it was. Needs a QGuiApplication. On failure the message (Russian) names `path`, which
// holds the file name's own bytes (used exactly, UTF-8 or not). Refused when `path` is the object
// file `objectFile` ("" for none) or a room's file.
report::PrintResult WriteSummaryPdf(const SummaryReportTexts& texts, const std::string& path,
                                    const std::string& objectFile = {});

} // namespace zeltar::object
