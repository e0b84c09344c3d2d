// `zeltar-cli report`: the PDF of a reference project, read back with pdftotext.
#include "file_test_support.h"
#include "pdf_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zeltar::report::testing {
namespace {

const std::string kProject = std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/p0001.zlt";

struct CliRun {
    std::filesystem::path pdf;
    int exitCode = -1;
};

CliRun RunReport(const std::string& name, const std::string& project, const std::string& option = "")
{
    CliRun run;
    run.pdf = std::filesystem::temp_directory_path() /
              ("zeltar-report-test-" + std::to_string(getpid()) + "-" + name + ".pdf");
    std::filesystem::remove(run.pdf);
    const std::string command = std::string("'") + ZELTAR_CLI + "' report " + option + " '" + project + "' '" +
                                run.pdf.string() + "' 2>/dev/null";
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
    const double rightEdge = std::max_element(units.begin(), units.end(), [](const PdfWord& a, const PdfWord& b) {
                                 return a.xMax < b.xMax;
                             })->xMax;
    EXPECT_EQ(
        std::count_if(units.begin(), units.end(), [&](const PdfWord& w) { return std::abs(w.xMax - rightEdge) < 0.5; }),
        8);
    EXPECT_NEAR(rightEdge - city[0].xMin, (2270 - 70) * k, 1.5);

    // Each total's value stands on the baseline of its «ИТОГО» label, as in the preview (Q12 and Q3
    // once stood 2,4 pt higher on paper).
    const std::vector<PdfWord> labels = Find(page, "ИТОГО");
    ASSERT_EQ(labels.size(), 6u);
    for (const std::string value : {"Q1", "Q12", "Q3", "Q2", "Q5", "Q4"}) {
        const std::vector<PdfWord> found = Find(page, value);
        ASSERT_EQ(found.size(), 1u) << value;
        const auto nearest = std::min_element(labels.begin(), labels.end(), [&](const PdfWord& a, const PdfWord& b) {
            return std::abs(a.yMax - found[0].yMax) < std::abs(b.yMax - found[0].yMax);
        });
        EXPECT_NEAR(found[0].yMax, nearest->yMax, 0.2) << value;
    }

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

// Guards the chart on request: --chart adds a second page with the breakdown (every component's
// caption and Q сум.), the first page staying the one-page report; without it, one page.
TEST(ReportPdf, ChartOnASecondPageOnlyWhenAskedFor)
{
    const CliRun run = RunReport("chart", kProject, "--chart");
    ASSERT_EQ(run.exitCode, 0);
    const PdfPage charted = ReadPdfWords(run.pdf.string());
    std::filesystem::remove(run.pdf);
    const CliRun plainRun = RunReport("plain", kProject);
    ASSERT_EQ(plainRun.exitCode, 0);
    const PdfPage plain = ReadPdfWords(plainRun.pdf.string());
    std::filesystem::remove(plainRun.pdf);
    ASSERT_EQ(charted.pages, 2);
    ASSERT_EQ(plain.pages, 1);
    EXPECT_EQ(Find(charted, "Структура").size(), 1u);
    // The chart's own words come once more than on the report page.
    for (const std::string caption : {"ограждения", "радиации", "груза", "воздухом", "эксплуатационный", "дыхания",
                                      "освещение", "вентиляторы", "стена"})
        EXPECT_GT(Find(charted, caption).size(), Find(plain, caption).size()) << caption;
    EXPECT_EQ(Find(charted, "Город").size(), Find(plain, "Город").size());
}

// Guards a failed load reported as success or leaving a PDF: a missing project is an error.
TEST(ReportPdf, MissingProjectWritesNothing)
{
    const CliRun run = RunReport("missing", std::string(ZELTAR_TEST_DATA_DIR) + "/no-such-project.zlt");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(run.pdf));
    EXPECT_FALSE(std::filesystem::exists(run.pdf.string() + ".part"));
}

using files::testing::Bytes;

// A folder of its own for one test, with a copy of the reference project as P.zlt.
struct ReportFolder : files::testing::Folder {
    ReportFolder() { std::filesystem::copy_file(kProject, project()); }
    std::string project() const { return file("P.zlt"); }
};

// Runs a bash command line; its exit code, -1 when it did not exit.
int Bash(const std::string& line)
{
    const std::string command = "bash -c \"" + line + "\"";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Cli()
{
    return std::string("'") + ZELTAR_CLI + "'";
}

// Guards `zeltar-cli report P.zlt P.zlt` overwriting the project with its PDF (also through a
// link to the project).
TEST(ReportCommand, TheProjectAsItsOwnReportIsRefused)
{
    ReportFolder folder;
    const std::string project = Bytes(folder.project());
    std::filesystem::create_symlink("P.zlt", folder.file("link.pdf"));
    for (const std::string& output : {folder.project(), folder.file("link.pdf"), folder.file("./P.zlt")}) {
        const std::string log = folder.file("errors");
        EXPECT_EQ(Bash(Cli() + " report '" + folder.project() + "' '" + output + "' 2>'" + log + "'"), 1);
        EXPECT_NE(Bytes(log).find("это тот же файл"), std::string::npos) << Bytes(log);
        std::filesystem::remove(log);
    }
    EXPECT_EQ(Bytes(folder.project()), project);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.pdf")));
}

// Guards a truncated PDF with exit status 0: at the file-size limit (SIGXFSZ ignored, as on a full
// disk) the command fails, the old PDF stays byte for byte and no temporary file is left.
TEST(ReportCommand, AFullDiskFailsAndKeepsTheOldReport)
{
    ReportFolder folder;
    const std::string old = "%PDF-1.4 old report";
    std::ofstream(folder.file("out.pdf"), std::ios::binary) << old;
    const std::string log = folder.file("errors");
    EXPECT_EQ(Bash("trap '' XFSZ; ulimit -f 8; exec " + Cli() + " report '" + folder.project() + "' '" +
                   folder.file("out.pdf") + "' 2>'" + log + "'"),
              1);
    EXPECT_NE(Bytes(log).find("«" + folder.file("out.pdf") + "»: файл больше допустимого размера"), std::string::npos)
        << Bytes(log);
    EXPECT_EQ(Bytes(folder.file("out.pdf")), old);
    std::filesystem::remove(log);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"P.zlt", "out.pdf"}));
}

// Guards a power cut that leaves an empty or half-written report: the temporary file is flushed
// before it is renamed over the target, and the folder after the rename (seen with strace).
TEST(ReportCommand, FlushesTheReportBeforeTheRenameAndTheFolderAfter)
{
    if (Bash("command -v strace >/dev/null") != 0)
        GTEST_SKIP() << "strace is not installed (scripts/install-deps.sh installs it)";
    ReportFolder folder;
    const std::string trace = folder.file("trace");
    const int status = Bash("strace -f -o '" + trace + "' -e trace=openat,fsync,fdatasync,rename,renameat,renameat2 " +
                            Cli() + " report '" + folder.project() + "' '" + folder.file("out.pdf") + "' 2>/dev/null");
    if (status != 0 && Bytes(trace).empty())
        GTEST_SKIP() << "strace cannot trace here (no ptrace permission)";
    ASSERT_EQ(status, 0);
    std::vector<std::string> calls;
    std::istringstream lines(Bytes(trace));
    for (std::string line; std::getline(lines, line);)
        calls.push_back(line);
    const auto renamed = std::find_if(calls.begin(), calls.end(), [&](const std::string& call) {
        return call.find("rename") != std::string::npos && call.find("out.pdf\"") != std::string::npos;
    });
    ASSERT_NE(renamed, calls.end()) << Bytes(trace);
    EXPECT_NE(renamed->find("/.out.pdf.zeltar-"), std::string::npos) << *renamed;
    const auto isFsync = [](const std::string& call) { return call.find("fsync(") != std::string::npos; };
    EXPECT_TRUE(std::any_of(calls.begin(), renamed, isFsync)) << "no fsync before the rename";
    EXPECT_TRUE(std::any_of(renamed, calls.end(), isFsync)) << "no fsync of the folder after the rename";
}

// Guards `calc` and `report` waiting for ever on a FIFO given as the project.
TEST(ReportCommand, AFifoAsProjectIsRefusedAtOnce)
{
    ReportFolder folder;
    ASSERT_EQ(mkfifo(folder.file("fifo.zlt").c_str(), 0600), 0);
    const std::string log = folder.file("errors");
    // `timeout` ends a command that hangs with 124.
    EXPECT_EQ(Bash("timeout 10 " + Cli() + " report '" + folder.file("fifo.zlt") + "' '" + folder.file("out.pdf") +
                   "' 2>'" + log + "'"),
              1);
    EXPECT_NE(Bytes(log).find("это именованный канал (FIFO), а не файл"), std::string::npos) << Bytes(log);
    EXPECT_EQ(Bash("timeout 10 " + Cli() + " calc '" + folder.file("fifo.zlt") + "' >/dev/null 2>&1"), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.pdf")));
}

} // namespace
} // namespace zeltar::report::testing
