// `zeltar-cli report`: the PDF of a reference project, read back with pdftotext.
#include "pdf_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace zeltar::report::testing {
namespace {

const std::string kProject = std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/p0001.zlt";

struct CliRun {
    std::filesystem::path pdf;
    int exitCode = -1;
};

CliRun RunReport(const std::string& name, const std::string& project)
{
    CliRun run;
    run.pdf = std::filesystem::temp_directory_path() /
              ("zeltar-report-test-" + std::to_string(getpid()) + "-" + name + ".pdf");
    std::filesystem::remove(run.pdf);
    const std::string command =
        std::string("'") + ZELTAR_CLI + "' report '" + project + "' '" + run.pdf.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<PdfWord> Find(const PdfPage& page, const std::string& text)
{
    return page.find(text);
}

// Guards the PDF page: one A4 page, texts at their layout places relative to one another (1/300
// inch = 0,24 pt), totals right-aligned on one edge, and the whole frame on the sheet.
TEST(ReportPdf, OneA4PageWithTextsAtTheirPlaces)
{
    const CliRun run = RunReport("p0001", kProject);
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(run.pdf.string() + ".part"));
    const PdfPage page = ReadPdfWords(run.pdf.string());
    std::filesystem::remove(run.pdf);
    ASSERT_EQ(page.pages, 1);
    EXPECT_NEAR(page.width, 595.3, 1.0);
    EXPECT_NEAR(page.height, 841.9, 1.0);

    const std::vector<PdfWord> city = Find(page, "Город");
    const std::vector<PdfWord> client = Find(page, "КЛИЕНТ");
    const std::vector<PdfWord> title = Find(page, "ЗЕЛТАР");
    const std::vector<PdfWord> element = Find(page, "Элемент");
    ASSERT_EQ(city.size(), 1u);
    ASSERT_EQ(client.size(), 1u);
    ASSERT_EQ(title.size(), 1u);
    ASSERT_EQ(element.size(), 2u);
    const double k = kPointsPerLayoutUnit;

    // Labels at x 70, the title at 270, the table headers at 80; rows at y 380, 2970, 610, 1060.
    EXPECT_NEAR(client[0].xMin, city[0].xMin, 0.5);
    EXPECT_NEAR(client[0].yMin - city[0].yMin, (2970 - 380) * k, 0.5);
    EXPECT_NEAR(title[0].xMin - city[0].xMin, (270 - 70) * k, 1.5);
    EXPECT_NEAR(element[0].xMin - city[0].xMin, (80 - 70) * k, 0.5);
    EXPECT_NEAR(element[1].yMin - element[0].yMin, (1060 - 610) * k, 0.5);
    EXPECT_NEAR(element[0].yMin - city[0].yMin, (610 - 380) * k, 0.5);

    // The eight totals (Q1, Q12, Q3, Q2, Q5, Q4, Q сум., Q об.) end at x 2270.
    std::vector<PdfWord> units = Find(page, "кВт");
    ASSERT_FALSE(units.empty());
    const double rightEdge =
        std::max_element(units.begin(), units.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMax < b.xMax; })
            ->xMax;
    EXPECT_EQ(std::count_if(units.begin(), units.end(),
                            [&](const PdfWord& w) { return std::abs(w.xMax - rightEdge) < 0.5; }),
              8);
    EXPECT_NEAR(rightEdge - city[0].xMin, (2270 - 70) * k, 1.5);

    // The frame (20, 50)-(2320, 3350) lies whole on the sheet.
    const double originX = city[0].xMin - 70 * k;
    const double originY = city[0].yMin - 380 * k;
    EXPECT_GT(originX + 20 * k, 0.0);
    EXPECT_GT(originY + 50 * k, 0.0);
    EXPECT_LT(originX + 2320 * k, page.width);
    EXPECT_LT(originY + 3350 * k, page.height);

    // The project's city, trimmed and right-aligned at x 730.
    const std::vector<PdfWord> cityName = Find(page, "Кызыл");
    ASSERT_EQ(cityName.size(), 1u);
    EXPECT_NEAR(cityName[0].xMax - city[0].xMin, (730 - 70) * k, 1.0);
    EXPECT_NEAR(cityName[0].yMin, city[0].yMin, 0.5);
}

// Guards a failed load reported as success or leaving a PDF: a missing project is an error.
TEST(ReportPdf, MissingProjectWritesNothing)
{
    const CliRun run = RunReport("missing", std::string(ZELTAR_TEST_DATA_DIR) + "/no-such-project.zlt");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(run.pdf));
    EXPECT_FALSE(std::filesystem::exists(run.pdf.string() + ".part"));
}

} // namespace
} // namespace zeltar::report::testing
