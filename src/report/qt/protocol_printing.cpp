#include "report/qt/protocol_printing.h"

#include "report/qt/painter_canvas.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <memory>

namespace zeltar::report {

namespace {

// A4 portrait in 1/300 inch, and the printable area's inset from the paper's edge, for the images.
constexpr int kSheetWidthDots = 2480;
constexpr int kSheetHeightDots = 3508;
constexpr int kPrintableInsetDots = 42;

// One preview image with its painter set to 1/300 inch from the printable area's corner.
struct PageImage {
    PageImage(int widthPixels, int heightPixels, double scale) : image(widthPixels, heightPixels, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        painter->scale(scale, scale);
        painter->translate(kPrintableInsetDots, kPrintableInsetDots);
        canvas = std::make_unique<PainterCanvas>(*painter);
    }
    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<PainterCanvas> canvas;
};

} // namespace

PrintResult PrintProtocol(QPrinter& printer, const ProtocolDocument& document,
                          const std::function<void(PrintAxis)>& refusedAxis, const PdfDestination& destination)
{
    PdfDestination withSources = destination;
    withSources.inputs.insert(withSources.inputs.end(), document.sourceFiles.begin(), document.sourceFiles.end());
    return PrintWithFactors(
        printer, refusedAxis,
        [&document](QPainter& painter, ScaleFactors factors) {
            PainterCanvas canvas(painter);
            auto* paged = dynamic_cast<QPagedPaintDevice*>(painter.device());
            DrawProtocolPages(canvas, document, factors, [&canvas, paged](int index) -> Canvas& {
                if (index > 0 && paged != nullptr)
                    paged->newPage();
                return canvas;
            });
        },
        withSources);
}

std::vector<QImage> ProtocolPageImages(const ProtocolDocument& document, int widthPixels)
{
    const double scale = static_cast<double>(widthPixels) / kSheetWidthDots;
    const int heightPixels = static_cast<int>(std::lround(kSheetHeightDots * scale));
    PageImage measure(widthPixels, heightPixels, scale);
    std::vector<std::unique_ptr<PageImage>> pages;
    DrawProtocolPages(*measure.canvas, document, {1, 1}, [&](int) -> Canvas& {
        pages.push_back(std::make_unique<PageImage>(widthPixels, heightPixels, scale));
        return *pages.back()->canvas;
    });
    std::vector<QImage> images;
    for (auto& page : pages) {
        page->canvas.reset();
        page->painter->end();
        images.push_back(page->image);
    }
    return images;
}

} // namespace zeltar::report
