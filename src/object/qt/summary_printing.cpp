#include "object/qt/summary_printing.h"
#include "object/qt/summary_pdf.h"

#include "report/qt/painter_canvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace zeltar::object {

namespace {

constexpr int kPdfDotsPerInch = 300;
// A4 landscape in 1/300 inch, for the preview images.
constexpr int kSheetWidthDots = 3508;
constexpr int kSheetHeightDots = 2480;
// The printer page's origin is the printable area, about 0,14 inch inside the paper's edge.
constexpr int kPrintableInsetDots = 42;

void PaintPages(QPainter& painter, const SummaryReportTexts& texts, report::ScaleFactors factors)
{
    const auto pages = SummaryPages(texts);
    report::PainterCanvas canvas(painter);
    auto* paged = dynamic_cast<QPagedPaintDevice*>(painter.device());
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (k > 0 && paged != nullptr)
            paged->newPage();
        DrawSummaryPage(canvas, texts, pages, k, factors);
    }
    const std::size_t count = SummaryPageCount(texts, pages);
    if (count > pages.size() && paged != nullptr) {
        paged->newPage();
        DrawSummaryChartPage(canvas, texts, count, factors);
    }
}

} // namespace

void UseSummarySheet(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
}

std::vector<std::string> SummarySourceFiles(const SummaryReportTexts& texts, const std::string& objectFile)
{
    std::vector<std::string> files;
    if (!objectFile.empty())
        files.push_back(objectFile);
    for (const SummaryRoomTexts& room : texts.rooms) {
        if (!room.path.empty())
            files.push_back(room.path);
    }
    return files;
}

report::PrintResult PrintSummary(QPrinter& printer, const SummaryReportTexts& texts,
                                 const std::function<void(report::PrintAxis)>& refusedAxis,
                                 const std::string& objectFile, const std::string& pdfPath)
{
    return report::PrintWithFactors(
        printer, refusedAxis,
        [&](QPainter& painter, report::ScaleFactors factors) { PaintPages(painter, texts, factors); },
        {pdfPath, SummarySourceFiles(texts, objectFile)});
}

std::vector<QImage> SummaryPageImages(const SummaryReportTexts& texts, int widthPixels)
{
    const double scale = static_cast<double>(widthPixels) / kSheetWidthDots;
    const auto pages = SummaryPages(texts);
    const std::size_t count = SummaryPageCount(texts, pages);
    std::vector<QImage> images;
    for (std::size_t k = 0; k < count; ++k) {
        QImage image(widthPixels, static_cast<int>(std::lround(kSheetHeightDots * scale)), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        painter.translate(kPrintableInsetDots, kPrintableInsetDots);
        report::PainterCanvas canvas(painter);
        if (k < pages.size())
            DrawSummaryPage(canvas, texts, pages, k, {1, 1});
        else
            DrawSummaryChartPage(canvas, texts, count, {1, 1});
        images.push_back(std::move(image));
    }
    return images;
}

report::PrintResult WriteSummaryPdf(const SummaryReportTexts& texts, const std::string& path,
                                    const std::string& objectFile)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    // Only for Qt's own use (the document's file name); the file written is `path` exactly.
    printer.setOutputFileName(QString::fromUtf8(path));
    UseSummarySheet(printer);
    printer.setResolution(kPdfDotsPerInch);
    return PrintSummary(
        printer, texts, [](report::PrintAxis) {}, objectFile, path);
}

} // namespace zeltar::object
