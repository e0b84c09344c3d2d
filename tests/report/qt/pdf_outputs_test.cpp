// Where `zeltar-cli report` and `zeltar-cli summary --pdf` write: never over a file they read,
// and under exactly the name given, whatever its bytes.
#include "file_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>

namespace zeltar::report::testing {
namespace {

using files::testing::Bytes;
using files::testing::Put;

const std::string kProject = std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/p0001.zlt";

// Runs a command line in `folder` with bash; its exit code, -1 when it did not exit.
int RunIn(const std::string& folder, const std::string& line)
{
    const std::string command = "cd '" + folder + "' && " + line;
    const int status = std::system(("bash -c \"" + command + "\"").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Cli()
{
    return std::string("'") + ZELTAR_CLI + "'";
}

// An object whose room lies in a subfolder: o.zlo lists rooms/a.zlt, and b.zlt lies beside.
struct ObjectFolder : files::testing::Folder {
    ObjectFolder()
    {
        std::filesystem::create_directory(file("rooms"));
        std::filesystem::copy_file(kProject, file("rooms/a.zlt"));
        std::filesystem::copy_file(kProject, file("b.zlt"));
        Put(file("o.zlo"), "ZELTAR-OBJECT 1\nname = Склад\nroom = rooms/a.zlt\nroom = b.zlt\n");
        std::filesystem::create_symlink("rooms/a.zlt", file("a-link.pdf"));
    }
};

struct OverInputCase {
    const char* name;
    const char* arguments; // zeltar-cli's, run in the object's folder
    const char* refusedFile;
};

class PdfOverItsInput : public ::testing::TestWithParam<OverInputCase> {};

// Guards `zeltar-cli summary --pdf rooms/a.zlt o.zlo` replacing the room file with the PDF (exit
// 0): every room the summary read counts, through a link too. Nothing in the folder changes.
TEST_P(PdfOverItsInput, IsRefusedAndEveryFileStays)
{
    const OverInputCase& c = GetParam();
    ObjectFolder folder;
    const std::string project = Bytes(kProject);
    const std::string object = Bytes(folder.file("o.zlo"));
    const std::string log = folder.file("../" + folder.path().filename().string() + "-errors");
    EXPECT_EQ(RunIn(folder.path().string(), Cli() + " " + c.arguments + " 2>'" + log + "'"), 1);
    const std::string errors = Bytes(log);
    std::filesystem::remove(log);
    EXPECT_NE(errors.find("это тот же файл, что и исходный"), std::string::npos) << errors;
    EXPECT_NE(errors.find(c.refusedFile), std::string::npos) << errors;
    EXPECT_EQ(Bytes(folder.file("rooms/a.zlt")), project);
    EXPECT_EQ(Bytes(folder.file("b.zlt")), project);
    EXPECT_EQ(Bytes(folder.file("o.zlo")), object);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("a-link.pdf")));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a-link.pdf", "b.zlt", "o.zlo", "rooms"}));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PdfOverItsInput,
    ::testing::Values(OverInputCase{"SummaryOverARoom", "summary --pdf rooms/a.zlt o.zlo", "rooms/a.zlt"},
                      OverInputCase{"SummaryOverARoomThroughALink", "summary --pdf a-link.pdf o.zlo", "rooms/a.zlt"},
                      OverInputCase{"SummaryOverTheSecondRoom", "summary --pdf ./b.zlt o.zlo", "b.zlt"},
                      OverInputCase{"DetailedReportOverItsProject", "report --detailed rooms/a.zlt a-link.pdf",
                                    "rooms/a.zlt"}),
    [](const ::testing::TestParamInfo<OverInputCase>& row) { return std::string(row.param.name); });

// Guards a PDF named with bytes that are no UTF-8 being written under another name (the bytes
// replaced by U+FFFD): both commands write to exactly the name given.
TEST(PdfCommands, ANameThatIsNoUtf8IsWrittenExactly)
{
    ObjectFolder folder;
    const std::string report = "report-\xff\xfe.pdf";
    const std::string summary = "summary-\xc3\x28\x80.pdf";
    EXPECT_EQ(RunIn(folder.path().string(), Cli() + " report b.zlt '" + report + "' 2>/dev/null"), 0);
    EXPECT_EQ(RunIn(folder.path().string(), Cli() + " summary --pdf '" + summary + "' o.zlo 2>/dev/null"), 0);
    EXPECT_EQ(Bytes(folder.file(report)).substr(0, 5), "%PDF-");
    EXPECT_EQ(Bytes(folder.file(summary)).substr(0, 5), "%PDF-");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a-link.pdf", "b.zlt", "o.zlo", report, "rooms", summary}));
}

} // namespace
} // namespace zeltar::report::testing
