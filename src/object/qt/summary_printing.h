// The summary report on a printer, in a PDF file, and as page images for the preview.
#pragma once

#include "object/summary_report.h"
#include "report/qt/report_printing.h"

#include <QImage>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QPrinter;

namespace zeltar::object {

// The sheet the summary is laid out for: A4 landscape. The print dialog starts with it.
void UseSummarySheet(QPrinter& printer);

// The files a summary was made from, which a PDF of it must never replace: every room's file, and
// `objectFile` unless it is empty.
std::vector<std::string> SummarySourceFiles(const SummaryReportTexts& texts, const std::string& objectFile);

// Every page of the summary on a configured printer (see report::PrintWithFactors for the checks).
// A PDF printer's file never replaces the object file `objectFile` or a room's file.
report::PrintResult PrintSummary(QPrinter& printer, const SummaryReportTexts& texts,
                                 const std::function<void(report::PrintAxis)>& refusedAxis,
                                 const std::string& objectFile = {}, const std::string& pdfPath = {});

// The pages as images of `widthPixels` across, drawn as the printer page at 300 dpi, scaled.
std::vector<QImage> SummaryPageImages(const SummaryReportTexts& texts, int widthPixels);

} // namespace zeltar::object
