// The report on a printer (or a PDF through QPrinter): the resolution check, the scaled page, and
// clear messages for printer errors.
#pragma once

#include "report/print_scale.h"
#include "report/report_source.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace zeltar::report {

enum class PrintAxis { Horizontal, Vertical };

// The factors for the printer's resolution on both axes, or nullopt when an axis has none;
// `refusedAxis` is called once per axis whose resolution is not allowed, horizontal first.
std::optional<ScaleFactors> PrinterFactors(int horizontalDotsPerInch, int verticalDotsPerInch,
                                           const std::function<void(PrintAxis)>& refusedAxis);

// The sheet the report is laid out for: A4 portrait (the 7,67 x 11 inch frame does not fit on a
// Letter sheet). The print dialog starts with it; the user may still choose another.
void UseReportSheet(QPrinter& printer);

// Draws the printed report with an active painter whose origin is the printable area's corner, and
// the source's chart of the load on a second page when it has one.
void PaintReportPage(QPainter& painter, const ReportSource& source, ScaleFactors factors);

enum class PrintStatus { Printed, ResolutionRefused, Failed };

struct PrintResult {
    PrintStatus status = PrintStatus::Printed;
    QString message; // why it failed (Russian), for the error box
};

// Where a PDF printer's file goes. `path` holds the file name's own bytes, exactly as given (a
// name that is no UTF-8 cannot pass through a QString unchanged); when empty, the printer's output
// file name is used (the print dialog's choice). `inputs` are the files the output was made from
// (the project of a report, the object file and the rooms of a summary): the PDF never replaces
// one of them.
struct PdfDestination {
    std::string path;
    std::vector<std::string> inputs;
};

// Runs `paint` with an active painter on a configured printer, after the checks every report shares:
// no printer, a resolution without a factor (refused before the job starts, so no page and no blank
// sheet comes out, after `refusedAxis` was called for each such axis), and the printer's errors.
// A PDF printer's pages are painted into memory (the printer's sheet, margins and resolution) and
// the file written by files::WriteFileSafely: `paint` starts further pages with the painter's
// device (QPagedPaintDevice::newPage), never with the printer itself.
PrintResult PrintWithFactors(QPrinter& printer, const std::function<void(PrintAxis)>& refusedAxis,
                             const std::function<void(QPainter&, ScaleFactors)>& paint,
                             const PdfDestination& destination = {});

// One page on a configured printer; a PDF never replaces the source's files (ReportSource::
// sourceFiles) nor the destination's inputs. A resolution without a factor is refused before the job starts
// (so no page and no blank sheet comes out) after `refusedAxis` was called for each such axis.
PrintResult PrintOnPrinter(QPrinter& printer, const ReportSource& source,
                           const std::function<void(PrintAxis)>& refusedAxis, const PdfDestination& destination = {});

} // namespace zeltar::report
