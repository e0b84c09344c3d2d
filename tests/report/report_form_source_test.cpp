// The report over the form model: what it prints is what the window shows after loading a project.
#include "app/form_model.h"
#include "recording_canvas.h"
#include "refdata/room_types.h"
#include "report/form_report_source.h"
#include "report/report_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace zeltar::report::testing {
namespace {

const std::filesystem::path kProjects = std::filesystem::path(ZELTAR_TEST_DATA_DIR) / "reference-projects";

// Remembers every control the report asks for.
class LoggingSource final : public ReportSource {
public:
    explicit LoggingSource(const ReportSource& inner) : inner_(inner) {}
    std::string text(Control control) const override
    {
        asked.insert(control);
        return inner_.text(control);
    }
    int roomType() const override { return inner_.roomType(); }
    mutable std::set<Control> asked;

private:
    const ReportSource& inner_;
};

std::string ExpectedResult(const std::filesystem::path& expectedFile, const std::string& name)
{
    std::ifstream in(expectedFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name + "\t", 0) == 0) {
            std::string text = line.substr(name.size() + 1);
            text.erase(0, text.find_first_not_of(' '));
            return text;
        }
    }
    return "?";
}

bool Drew(const RecordingCanvas& canvas, const std::string& text)
{
    return !canvas.textsEqualTo(text).empty();
}

// Guards a wrong control, which would silently print "0" or " 0" for a value the window shows,
// or one that shows no text at all (a paint area, a button).
TEST(ReportOverFormModel, EveryControlTheReportReadsExistsInTheWindow)
{
    FormModel model("01.02.2027");
    const FormModelReportSource form(model);
    const LoggingSource source(form);
    RecordingCanvas canvas;
    DrawPrintedReport(canvas, source, {1, 1});
    EXPECT_GT(source.asked.size(), 100u);
    for (const Control control : source.asked) {
        const ControlType type = model.control(control).type;
        EXPECT_TRUE(type == ControlType::Edit || type == ControlType::ComboBox || type == ControlType::Label)
            << Name(control);
    }
}

// Guards a PDF of the window's report written over the project it shows: the report names the
// project last loaded as the file it was read from, and none before a load.
TEST(ReportOverFormModel, TheLoadedProjectIsTheReportsSourceFile)
{
    FormModel model("01.02.2027");
    const FormModelReportSource source(model);
    EXPECT_TRUE(source.sourceFiles().empty());
    const std::string project = (kProjects / "p0001.zlt").string();
    ASSERT_TRUE(model.loadProject({true, project}));
    EXPECT_EQ(source.sourceFiles(), std::vector<std::string>{project});
}

// Guards a report drawn from anything but the window's texts after a load (e.g. stale results):
// the totals of every reference project print exactly as the window shows them, and the turnover
// line and running-hours caption follow the room type.
TEST(ReportOverFormModel, ReferenceProjectsPrintTheWindowsResults)
{
    int projects = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kProjects)) {
        if (entry.path().extension() != ".zlt")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++projects;
        FormModel model("01.02.2027");
        ASSERT_TRUE(model.loadProject({true, entry.path().string()}));
        const FormModelReportSource source(model);
        RecordingCanvas canvas;
        DrawPrintedReport(canvas, source, {1, 1});

        std::filesystem::path expected = entry.path();
        expected.replace_extension(".expected");
        EXPECT_TRUE(Drew(canvas, "Q1 = " + ExpectedResult(expected, "HeatGainQ1") + " кВт"));
        EXPECT_TRUE(Drew(canvas, "Q сум. = " + ExpectedResult(expected, "TotalHeatGain") + " кВт"));
        EXPECT_TRUE(Drew(canvas, "Q об. = " + ExpectedResult(expected, "EquipmentCapacity") + " кВт"));

        const int roomType = model.state().roomType;
        const bool processingRoom = refdata::GroupOf(roomType) != refdata::RoomGroup::Store;
        EXPECT_EQ(Drew(canvas, "значение не нормировано"), processingRoom) << "room type " << roomType;
        EXPECT_EQ(Drew(canvas, "Время термообработки, ч"), processingRoom) << "room type " << roomType;
    }
    EXPECT_GE(projects, 20);
}

} // namespace
} // namespace zeltar::report::testing
