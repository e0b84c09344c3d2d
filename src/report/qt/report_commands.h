// The two report commands of the main window, on the preview window TForm2 and the resolution
// warning TForm3 that the main window creates at start-up and keeps until the program ends.
#pragma once

#include "report/protocol_pages.h"
#include "report/qt/report_printing.h"
#include "report/report_source.h"

#include <string>

#include <QString>

class QPrinter;
class QWidget;

namespace zeltar::report {

class PreviewWindow;
class ResolutionWarning;

// «Файл … уже существует. Заменить?» with Да / Нет, «Нет» the default: true to replace. Every save
// and PDF command of both windows asks this.
bool AskReplaceFile(QWidget* parent, const QString& path);

// The print dialog of a report that may go to a PDF, on a configured `printer`: the job and the
// dialog's PDF file are named after `pdfFileName` (the file itself only without a printer: with
// printers the dialog keeps a printer chosen and offers the name in its own folder). After the
// dialog a PDF file typed without an extension gets ".pdf", and when that file exists the user is
// asked first (the dialog asked about the name as typed). Returns false when the user cancels or
// keeps the existing file; `pdf` is then the PDF to be written ("" for a printer).
bool RunPrintDialog(QWidget* parent, QPrinter& printer, const QString& pdfFileName, QString& pdf);

// Shows the preview modally (it places and redraws itself at each activation); returns when the
// user closes it. The window is only hidden, never destroyed.
void ShowPreview(PreviewWindow& preview);

// The print dialog and one printed page of the report. Cancel prints nothing; a printer resolution
// other than 300, 600 or 1200 dpi on an axis shows `warning` modally, once per such axis, and
// prints nothing; printer errors are shown as message boxes. The dialog's PDF file is
// `pdfFileName` (the project's file with ".pdf") and the job is named after it; a PDF that already
// exists is replaced only after the question. Returns the PDF written, "" for none.
QString PrintReport(QWidget* parent, const ReportSource& source, ResolutionWarning& warning,
                    const QString& pdfFileName);

// The one-page report written as a PDF at `path` (UTF-8) without a dialog, through the safe
// writer: never over the source's files (the project). The caller asked before replacing a file.
PrintResult WriteReportPdf(const ReportSource& source, const std::string& path);

// The same for the detailed report: the print dialog and every page of the protocol.
void PrintDetailedReport(QWidget* parent, const ProtocolDocument& document, ResolutionWarning& warning);

} // namespace zeltar::report
