#include "report/qt/report_printing.h"

#include "report/qt/painter_canvas.h"
#include "report/report_layout.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace zeltar::report {

namespace {

bool PrintsToFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}

QString StartFailure(const QPrinter& printer)
{
    if (PrintsToFile(printer)) {
        return QStringLiteral("Не удалось создать файл «%1»: папка не существует или запись в неё запрещена.")
            .arg(printer.outputFileName());
    }
    return QStringLiteral("Не удалось начать печать на принтере «%1». Проверьте, что принтер подключён и "
                          "доступен.")
        .arg(printer.printerName());
}

QString EndFailure(const QPrinter& printer)
{
    if (PrintsToFile(printer))
        return QStringLiteral("Файл «%1» записан не полностью (нет места на диске?).").arg(printer.outputFileName());
    return QStringLiteral("Печать на принтере «%1» завершилась с ошибкой.").arg(printer.printerName());
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
}

PrintResult PrintWithFactors(QPrinter& printer, const std::function<void(PrintAxis)>& refusedAxis,
                             const std::function<void(QPainter&, ScaleFactors)>& paint)
{
    if (!printer.isValid() && !PrintsToFile(printer))
        return {PrintStatus::Failed, QStringLiteral("Принтер не выбран или недоступен. Выберите принтер в окне "
                                                    "настройки печати.")};
    const std::optional<ScaleFactors> factors =
        PrinterFactors(printer.logicalDpiX(), printer.logicalDpiY(), refusedAxis);
    if (!factors)
        return {PrintStatus::ResolutionRefused, {}};

    QPainter painter;
    if (!painter.begin(&printer))
        return {PrintStatus::Failed, StartFailure(printer)};
    paint(painter, *factors);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {PrintStatus::Failed, EndFailure(printer)};
    return {PrintStatus::Printed, {}};
}

PrintResult PrintOnPrinter(QPrinter& printer, const ReportSource& source,
                           const std::function<void(PrintAxis)>& refusedAxis)
{
    return PrintWithFactors(printer, refusedAxis, [&source](QPainter& painter, ScaleFactors factors) {
        PaintReportPage(painter, source, factors);
    });
}

} // namespace zeltar::report
