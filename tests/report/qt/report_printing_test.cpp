// The report on Qt surfaces: the painter canvas (cell heights, opaque text, right placement), the
// printer's resolution check and the printed page written through QPrinter's PDF output.
#include "known_project.h"
#include "pdf_words.h"
#include "report/qt/painter_canvas.h"
#include "report/qt/report_printing.h"
#include "report/letterhead_tables.h"
#include "report/report_fonts.h"
#include "report/report_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace zeltar::report::testing {
namespace {

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The rows of a column of the image that are white (a text's opaque cell on a black image).
int WhiteRows(const QImage& image, int x)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += qGray(image.pixel(x, y)) > 128 ? 1 : 0;
    return rows;
}

// Guards a font height taken as the em instead of the character cell (texts 10 % too large): the
// opaque cell of a text is as high as its font.
TEST(PainterCanvas, FontHeightIsTheCharacterCell)
{
    for (const Font& font : {Font{"Arial", 40, false}, Font{"Arial", 16, true}, Font{"Arial", 180, true}}) {
        QImage image(200, 300, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            PainterCanvas canvas(painter);
            canvas.setFont(font);
            canvas.text({0, 10}, "          "); // blanks: only the cell is painted
        }
        EXPECT_NEAR(WhiteRows(image, 2), font.height, 1.0) << font.height;
    }
}

// Guards transparent text: a text drawn over a grid line hides that piece of the line.
TEST(PainterCanvas, TextIsOpaqueOverEarlierLines)
{
    QImage image(300, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        canvas.setPen({1, kBlack});
        canvas.line({0, 30}, {299, 30});
        canvas.setFont({"Arial", 40, false});
        canvas.text({100, 10}, "    "); // blanks only: nothing of the text itself is dark
    }
    EXPECT_TRUE(IsDark(image.pixel(50, 30)));
    EXPECT_FALSE(IsDark(image.pixel(110, 30)));
}

// Guards right placement measured in another font than the one drawn: the right-placed values of
// the preview end at their edge (x 905 for the third column and the totals), none runs past it.
TEST(PainterCanvas, RightPlacedValuesEndAtTheirEdge)
{
    QImage image(950, 1330, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        DrawPreviewReport(canvas, KnownProject());
    }
    // Rows of the third column of the site block (y 123 to 203) and of the total lines.
    int darkJustLeft = 0;
    for (int y = 123; y < 203; ++y) {
        for (int x = 907; x < 924; ++x)
            EXPECT_FALSE(IsDark(image.pixel(x, y))) << x << "," << y;
        for (int x = 895; x <= 905; ++x)
            darkJustLeft += IsDark(image.pixel(x, y)) ? 1 : 0;
    }
    EXPECT_GT(darkJustLeft, 20);
    EXPECT_TRUE(IsDark(image.pixel(925, 600)));  // the frame's right edge
    EXPECT_FALSE(IsDark(image.pixel(940, 600))); // outside the frame
}

// Guards letterhead lines cut by the next line's opaque cell (descenders, commas): every dark
// pixel of each contact line drawn alone is dark on the whole page too, on the preview and on the
// printer page, at the lines' own positions.
TEST(PainterCanvas, LetterheadLinesAreDrawnWhole)
{
    struct Page {
        Surface surface;
        QSize size;
    };
    for (const Page& page : {Page{Surface::Preview, {950, 1330}}, Page{Surface::Print, {2480, 3508}}}) {
        QImage whole(page.size, QImage::Format_RGB32);
        {
            QPainter painter(&whole);
            PainterCanvas canvas(painter);
            if (page.surface == Surface::Preview)
                DrawPreviewReport(canvas, KnownProject());
            else
                DrawPrintedReport(canvas, KnownProject(), {1, 1});
        }
        for (std::size_t k = 0; k < kContactLines.size(); ++k) {
            QImage alone(page.size, QImage::Format_RGB32);
            alone.fill(Qt::white);
            {
                QPainter painter(&alone);
                PainterCanvas canvas(painter);
                canvas.setFont(ReportFont(FontUse::ContactLines, page.surface));
                canvas.transparentText({kContactLinesX.on(page.surface), kContactLinesY[k].on(page.surface)},
                                       kContactLines[k]);
            }
            int dark = 0;
            int lost = 0;
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < page.size.width(); ++x)
                    if (IsDark(alone.pixel(x, y))) {
                        ++dark;
                        lost += IsDark(whole.pixel(x, y)) ? 0 : 1;
                    }
            EXPECT_GT(dark, 100) << k;
            EXPECT_EQ(lost, 0) << "contact line " << k << " on surface " << static_cast<int>(page.surface);
        }
    }
}

// Guards the resolution check: only 300, 600 and 1200 dpi, per axis, one warning per bad axis.
TEST(PrinterResolution, FactorsPerAxisAndOneWarningPerRefusedAxis)
{
    std::vector<PrintAxis> warned;
    const auto warn = [&warned](PrintAxis axis) { warned.push_back(axis); };

    const std::optional<ScaleFactors> mixed = PrinterFactors(600, 1200, warn);
    ASSERT_TRUE(mixed.has_value());
    EXPECT_EQ(mixed->horizontal, 2);
    EXPECT_EQ(mixed->vertical, 4);
    EXPECT_TRUE(warned.empty());

    EXPECT_FALSE(PrinterFactors(96, 96, warn).has_value());
    EXPECT_EQ(warned, (std::vector<PrintAxis>{PrintAxis::Horizontal, PrintAxis::Vertical}));

    warned.clear();
    EXPECT_FALSE(PrinterFactors(300, 720, warn).has_value());
    EXPECT_EQ(warned, (std::vector<PrintAxis>{PrintAxis::Vertical}));
}

PrintResult PrintPdf(const QString& path, int dotsPerInch, int* warnings = nullptr)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    UseReportSheet(printer);
    printer.setResolution(dotsPerInch);
    return PrintOnPrinter(printer, KnownProject(), [warnings](PrintAxis) {
        if (warnings != nullptr)
            ++*warnings;
    });
}

// Guards a blank sheet (or a page at a wrong scale) after the resolution warning: the job is
// abandoned before it starts, nothing is written.
TEST(PrintOnPrinter, RefusedResolutionWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refused.pdf"));
    int warnings = 0;
    EXPECT_EQ(PrintPdf(path, 720, &warnings).status, PrintStatus::ResolutionRefused);
    EXPECT_EQ(warnings, 2);
    EXPECT_FALSE(QFile::exists(path));
}

// Guards a printer failure reported as success: an output that cannot be created is an error
// with a message naming it.
TEST(PrintOnPrinter, UnwritableOutputIsAnError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/report.pdf"));
    const PrintResult result = PrintPdf(path, 300);
    EXPECT_EQ(result.status, PrintStatus::Failed);
    EXPECT_TRUE(result.message.contains(path)) << result.message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

// Guards the window's report printed to a PDF file over the project it shows: the project is
// refused as the output, also through a link to it, and stays as it was; another file is written.
TEST(PrintOnPrinter, APdfOverTheReportsProjectIsRefused)
{
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("P.zlt"));
    const QString link = dir.filePath(QStringLiteral("P.pdf"));
    {
        QFile file(project);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the project");
    }
    ASSERT_TRUE(QFile::link(project, link));
    FakeSource source = KnownProject();
    source.files = {project.toStdString()};
    for (const QString& output : {project, link, dir.filePath(QStringLiteral("report.pdf"))}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        UseReportSheet(printer);
        printer.setResolution(300);
        const PrintResult result = PrintOnPrinter(printer, source, [](PrintAxis) {});
        const bool theProject = !output.endsWith(QStringLiteral("report.pdf"));
        EXPECT_EQ(result.status, theProject ? PrintStatus::Failed : PrintStatus::Printed) << output.toStdString();
        EXPECT_EQ(result.message.contains(QStringLiteral("это тот же файл")), theProject)
            << result.message.toStdString();
    }
    QFile file(project);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the project"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

// Guards the printed page's scale: at 600 and at 1200 dpi every word stands where it stands at
// 300 dpi, in the same size, on one page.
TEST(PrintOnPrinter, SamePageAtEveryAllowedResolution)
{
    QTemporaryDir dir;
    PdfPage pages[3];
    const int resolutions[3] = {300, 600, 1200};
    for (int i = 0; i < 3; ++i) {
        const QString path = dir.filePath(QStringLiteral("page-%1.pdf").arg(resolutions[i]));
        ASSERT_EQ(PrintPdf(path, resolutions[i]).status, PrintStatus::Printed);
        pages[i] = ReadPdfWords(path.toStdString());
        ASSERT_EQ(pages[i].pages, 1);
    }
    ASSERT_GT(pages[0].words.size(), 300u);
    for (int i = 1; i < 3; ++i) {
        ASSERT_EQ(pages[i].words.size(), pages[0].words.size()) << resolutions[i];
        for (std::size_t w = 0; w < pages[0].words.size(); ++w) {
            const PdfWord& expected = pages[0].words[w];
            const PdfWord& actual = pages[i].words[w];
            ASSERT_EQ(actual.text, expected.text);
            EXPECT_NEAR(actual.xMin, expected.xMin, 1.0) << actual.text << " at " << resolutions[i];
            EXPECT_NEAR(actual.yMin, expected.yMin, 1.0) << actual.text << " at " << resolutions[i];
            EXPECT_NEAR(actual.yMax - actual.yMin, expected.yMax - expected.yMin, 0.5) << actual.text;
        }
    }
}

} // namespace
} // namespace zeltar::report::testing
