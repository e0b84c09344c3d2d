#include "report/qt/report_printing.h"

#include "report/qt/painter_canvas.h"
#include "report/load_chart.h"
#include "report/report_layout.h"

#include "files/write_file.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace zeltar::report {

namespace {

bool PrintsToFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}

QString StartFailure(const QPrinter& printer)
{
    return QStringLiteral(
               "Не удалось начать печать на принтере «%1». Проверьте, что принтер подключён и "
               "доступен.")
        .arg(printer.printerName());
}

// A PDF "printer" (the command line's report, the print dialog's printing to a file): the page is
// drawn into memory with the printer's sheet, margins and resolution, and the file is written by
// the program's one file routine, so that a full disk or a planted link never leaves a broken or
// misplaced PDF behind.
PrintResult PrintToPdfFile(const QPrinter& printer, ScaleFactors factors,
                           const std::function<void(QPainter&, ScaleFactors)>& paint, const PdfDestination& destination)
{
    const std::string path =
        destination.path.empty() ? QFile::encodeName(printer.outputFileName()).toStdString() : destination.path;
    // Refused before the pages are drawn; the writer checks again when it writes.
    if (const std::optional<files::FileError> error = files::RefuseOutputOverInputs(path, destination.inputs))
        return {PrintStatus::Failed, QString::fromStdString(error->message)};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setCreator(printer.creator());
        writer.setTitle(printer.docName());
        QPainter painter;
        if (!painter.begin(&writer))
            return {PrintStatus::Failed, QStringLiteral("Не удалось подготовить страницу отчёта в формате PDF.")};
        paint(painter, factors);
        painter.end();
    }
    if (const std::optional<files::FileError> error =
            files::WriteFileSafely(path, buffer.data().toStdString(), destination.inputs))
        return {PrintStatus::Failed, QString::fromStdString(error->message)};
    return {PrintStatus::Printed, {}};
}

} // namespace

std::optional<ScaleFactors> PrinterFactors(int horizontalDotsPerInch, int verticalDotsPerInch,
                                           const std::function<void(PrintAxis)>& refusedAxis)
{
    const std::optional<int> horizontal = ResolutionFactor(horizontalDotsPerInch);
    if (!horizontal)
        refusedAxis(PrintAxis::Horizontal);
    const std::optional<int> vertical = ResolutionFactor(verticalDotsPerInch);
    if (!vertical)
        refusedAxis(PrintAxis::Vertical);
    if (!horizontal || !vertical)
        return std::nullopt;
    return ScaleFactors{*horizontal, *vertical};
}

void UseReportSheet(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

void PaintReportPage(QPainter& painter, const ReportSource& source, ScaleFactors factors)
{
    PainterCanvas canvas(painter);
    DrawPrintedReport(canvas, source, factors);
    const std::optional<calc::LoadBreakdown> chart = source.loadChart();
    auto* paged = dynamic_cast<QPagedPaintDevice*>(painter.device());
    if (chart && paged != nullptr) {
        paged->newPage();
        DrawLoadChart(canvas, *chart, PrintedChartArea(factors));
    }
}

PrintResult PrintWithFactors(QPrinter& printer, const std::function<void(PrintAxis)>& refusedAxis,
                             const std::function<void(QPainter&, ScaleFactors)>& paint,
                             const PdfDestination& destination)
{
    if (!printer.isValid() && !PrintsToFile(printer))
        return {PrintStatus::Failed, QStringLiteral("Принтер не выбран или недоступен. Выберите принтер в окне "
                                                    "настройки печати.")};
    const std::optional<ScaleFactors> factors =
        PrinterFactors(printer.logicalDpiX(), printer.logicalDpiY(), refusedAxis);
    if (!factors)
        return {PrintStatus::ResolutionRefused, {}};

    if (PrintsToFile(printer))
        return PrintToPdfFile(printer, *factors, paint, destination);

    QPainter painter;
    if (!painter.begin(&printer))
        return {PrintStatus::Failed, StartFailure(printer)};
    paint(painter, *factors);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {PrintStatus::Failed,
                QStringLiteral("Печать на принтере «%1» завершилась с ошибкой.").arg(printer.printerName())};
    return {PrintStatus::Printed, {}};
}

PrintResult PrintOnPrinter(QPrinter& printer, const ReportSource& source,
                           const std::function<void(PrintAxis)>& refusedAxis, const PdfDestination& destination)
{
    PdfDestination withSources = destination;
    for (std::string& file : source.sourceFiles())
        withSources.inputs.push_back(std::move(file));
    return PrintWithFactors(
        printer, refusedAxis,
        [&source](QPainter& painter, ScaleFactors factors) { PaintReportPage(painter, source, factors); }, withSources);
}

} // namespace zeltar::report
