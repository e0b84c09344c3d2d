// The calculation report: one page drawn from the texts the main window shows, never from numbers
// and never recalculating. The same content in the same order on the printer page and on the
// preview image, each with its own hand-set coordinates.
#pragma once

#include "report/canvas.h"
#include "report/print_scale.h"
#include "report/report_source.h"

namespace zeltar::report {

// The printer page, in dots of the printer: the layout's 1/300 inch times the factors (x by the
// horizontal one; y, font heights and pen widths by the vertical one). Origin at the printable
// area's corner.
void DrawPrintedReport(Canvas& canvas, const ReportSource& source, ScaleFactors factors);

// The 950 x 1330 pixel preview image.
void DrawPreviewReport(Canvas& canvas, const ReportSource& source);

} // namespace zeltar::report
