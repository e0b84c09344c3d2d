// The summary report written to a PDF: A4 landscape pages read back with pdftotext, the header
// and page number on each page; a failed write leaves no file and names the target.
#include "object/qt/summary_pdf.h"
#include "object/qt/summary_printing.h"
#include "pdf_words.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zeltar::object {
namespace {

using report::testing::RunAndRead;

SummaryReportTexts Object(int rooms)
{
    SummaryReportTexts texts{"Хладокомбинат Север", "08.12.2026", "-5", "1,00", {}, {}, {}, {}};
    for (int k = 1; k <= rooms; ++k) {
        SummaryRoomTexts room;
        // clang-format off
        room.cells = {std::to_string(k), "Камера" + std::to_string(k), "хранение охлажденных грузов", "2", "50",
                      "200", "1,5", "0,1", "0,4", "0,9", "0,3", "0,2", "3,4", "18", "4,5"};
        // clang-format on
        texts.rooms.push_back(room);
    }
    texts.rooms.back().failure = "Файл «x.zlt» не найден.";
    texts.levels.push_back({"Среднетемпературные", rooms - 1, 1, "149,6", "198,0", "198,0"});
    texts.total = {"Итого по объекту", rooms - 1, 1, "149,6", "198,0", "198,0"};
    return texts;
}

// pdftotext's plain text of one page.
std::string PageText(const QString& pdf, int page)
{
    const std::string number = std::to_string(page);
    return RunAndRead("pdftotext -layout -f " + number + " -l " + number + " '" + pdf.toStdString() +
                      "' - 2>/dev/null");
}

TEST(SummaryPdf, PagesCarryHeaderRowsTotalsAndNumbers)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("сводка.pdf"));
    const report::PrintResult result = WriteSummaryPdf(Object(45), pdf.toStdString());
    ASSERT_EQ(result.status, report::PrintStatus::Printed) << result.message.toStdString();
    EXPECT_FALSE(QFile::exists(pdf + QStringLiteral(".part")));

    const report::testing::PdfPage words = report::testing::ReadPdfWords(pdf.toStdString());
    ASSERT_EQ(words.pages, 2);
    EXPECT_NEAR(words.width, 842, 1); // A4 landscape in points
    EXPECT_NEAR(words.height, 595, 1);
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const std::string text = PageText(pdf, page);
        EXPECT_NE(text.find("СВОДКА ТЕПЛОПРИТОКОВ ПО ОБЪЕКТУ"), std::string::npos);
        EXPECT_NE(text.find("Объект: Хладокомбинат Север"), std::string::npos);
        EXPECT_NE(text.find("Дата: 08.12.2026"), std::string::npos);
        EXPECT_NE(text.find("Тип камеры"), std::string::npos);
        EXPECT_NE(text.find("стр. " + std::to_string(page) + " из 2"), std::string::npos);
    }
    const std::string first = PageText(pdf, 1);
    EXPECT_NE(first.find("Камера1 "), std::string::npos);
    EXPECT_EQ(first.find("Камера45"), std::string::npos);
    const std::string second = PageText(pdf, 2);
    // The failed room's row says «не загружена»; its reason stands on the line below.
    const std::size_t failed = second.find("не загружена");
    ASSERT_NE(failed, std::string::npos);
    const std::size_t reason = second.find("Файл «x.zlt» не найден.");
    ASSERT_NE(reason, std::string::npos);
    EXPECT_NE(second.substr(failed, reason - failed).find('\n'), std::string::npos);
    EXPECT_NE(second.find("Итого по объекту: камер 44, не учтено незагруженных 1"), std::string::npos);
    EXPECT_NE(second.find("198,0"), std::string::npos);
}

TEST(SummaryPdf, AFolderThatDoesNotExistFailsNamingTheFile)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("нет/сводка.pdf"));
    const report::PrintResult result = WriteSummaryPdf(Object(2), pdf.toStdString());
    EXPECT_EQ(result.status, report::PrintStatus::Failed);
    EXPECT_TRUE(result.message.contains(pdf)) << result.message.toStdString();
    EXPECT_FALSE(result.message.contains(QStringLiteral(".part")));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(SummaryPrinting, AResolutionWithoutAWholeFactorPrintsNothing)
{
    QTemporaryDir folder;
    for (const auto& [dotsPerInch, status] :
         {std::pair{1200, report::PrintStatus::Printed}, std::pair{72, report::PrintStatus::ResolutionRefused}}) {
        const QString pdf = folder.filePath(QString::number(dotsPerInch) + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        UseSummarySheet(printer);
        printer.setResolution(dotsPerInch);
        int refusedAxes = 0;
        EXPECT_EQ(PrintSummary(printer, Object(40), [&](report::PrintAxis) { ++refusedAxes; }).status, status);
        EXPECT_EQ(refusedAxes, status == report::PrintStatus::Printed ? 0 : 2);
        EXPECT_EQ(QFile::exists(pdf), status == report::PrintStatus::Printed) << dotsPerInch;
    }
}

TEST(SummaryPreviewImages, OneLandscapeImagePerPage)
{
    const std::vector<QImage> pages = SummaryPageImages(Object(45), 1000);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].width(), 1000);
    EXPECT_EQ(pages[0].height(), 707); // 2480 / 3508 of the width
    // Both pages drawn: frame, grid and texts darken many pixels of the white sheet.
    for (const QImage& page : pages) {
        int dark = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                dark += page.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        EXPECT_GT(dark, 5000);
    }
}

} // namespace
} // namespace zeltar::object
