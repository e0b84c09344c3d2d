// `zeltar-cli report --detailed`: the protocol's pages read back with pdftotext -bbox. No word
// leaves its column or the sheet, every page is numbered, the totals are on the last page.
#include "pdf_words.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace zeltar::report::testing {
namespace {

struct DetailedRun {
    PdfPage words;
    int exitCode = -1;
};

DetailedRun RunDetailed(const std::string& project)
{
    const std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / ("zeltar-protocol-test-" + std::to_string(getpid()) + ".pdf");
    std::filesystem::remove(pdf);
    const std::string command =
        std::string("'") + ZELTAR_CLI + "' report --detailed '" + project + "' '" + pdf.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    DetailedRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.words = ReadPdfWords(pdf.string());
    std::filesystem::remove(pdf);
    return run;
}

class DetailedReport : public ::testing::TestWithParam<std::string> {};

// Column starts in 1/300 inch from the printable corner (42 from the paper's edge): quantity,
// symbol, value, formula; the right edge of the text at 2300.
TEST_P(DetailedReport, NoWordLeavesItsColumnOrTheSheet)
{
    const DetailedRun run = RunDetailed(GetParam());
    ASSERT_EQ(run.exitCode, 0);
    const PdfPage& pdf = run.words;
    ASSERT_GE(pdf.pages, 2);
    EXPECT_NEAR(pdf.width, 595.3, 1.0);
    EXPECT_EQ(static_cast<int>(pdf.find("стр.").size()), pdf.pages);
    EXPECT_EQ(pdf.find("Итог").size(), 1u);
    const double k = kPointsPerLayoutUnit;
    const double columns[] = {(42 + 80) * k, (42 + 860) * k, (42 + 1160) * k, (42 + 1600) * k, (42 + 2300) * k};
    constexpr double kTolerance = 1.0; // points: glyph overhang beyond the measured advance
    // The title and project lines above the column headings span the whole width.
    ASSERT_FALSE(pdf.find("Величина").empty());
    const double headingsTop = pdf.find("Величина").front().yMin;
    for (const PdfWord& word : pdf.words) {
        EXPECT_GE(word.xMin, columns[0] - kTolerance) << word.text;
        EXPECT_LE(word.xMax, columns[4] + kTolerance) << word.text;
        EXPECT_LE(word.yMax, pdf.height) << word.text;
        for (int c = 0; c < 4; ++c) {
            if (word.yMin >= headingsTop && word.xMin >= columns[c] - kTolerance &&
                word.xMin < columns[c + 1] - kTolerance) {
                EXPECT_LE(word.xMax, columns[c + 1] + kTolerance) << word.text << " runs out of column " << c;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, DetailedReport,
                         ::testing::Values(std::string(ZELTAR_SAMPLES_DIR) + "/frozen-goods-store.zlt",
                                           std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/p0002.zlt"),
                         [](const ::testing::TestParamInfo<std::string>& project) {
                             return project.index == 0 ? std::string("FrozenGoodsSample") : std::string("GroundFloor");
                         });

} // namespace
} // namespace zeltar::report::testing
