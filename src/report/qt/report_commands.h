// The two report commands of the main window: the print preview window and printing the report.
#pragma once

#include "report/report_source.h"

#include <functional>

class QWidget;

namespace zeltar::report {

// Preview window (modal, placed at the main window's corner, redrawn at each activation); its two
// print buttons run `printCommand`, the main window's print command, and the preview stays open.
// Returns when the user closes the preview.
void ShowPreview(QWidget* mainWindow, const ReportSource& source, std::function<void()> printCommand);

// The print dialog and one printed page of the report. Cancel prints nothing; a printer resolution
// other than 300, 600 or 1200 dpi on an axis shows the resolution warning and prints nothing;
// printer errors are shown as message boxes.
void PrintReport(QWidget* parent, const ReportSource& source);

} // namespace zeltar::report
