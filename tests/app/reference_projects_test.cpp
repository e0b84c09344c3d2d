// Every reference project, checked at each level that reads it: the recalculation pass over the
// file applied to a freshly started project record, the window's own load into the form model, and a
// save -> load round trip. Guards the whole chain from a file to the window's texts: any rule of the
// method applied wrongly shows up as a differing text in some project. (`zeltar-cli calc` over the
// whole folder is the CTest cli_calc_reference_projects.)
#include "form_test_support.h"

#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "calc/result_listing.h"
#include "fields/control_catalogue.h"
#include "model/startup_state.h"
#include "projectfile/project_file.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <variant>
#include <vector>

namespace zeltar::test {
namespace {

const std::filesystem::path kReferenceDir = std::filesystem::path(ZELTAR_TEST_DATA_DIR) / "reference-projects";

std::vector<std::string> ReferenceProjects()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kReferenceDir))
        if (entry.path().extension() == ".zlt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The .expected listing: one NAME TAB TEXT line per result, sorted by name.
std::vector<calc::ListingLine> ExpectedListing(const std::string& name)
{
    std::vector<calc::ListingLine> lines;
    std::istringstream in(ReadBytes(kReferenceDir / (name + ".expected")));
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        lines.push_back({line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
    }
    return lines;
}

std::map<std::string, std::string> ExpectedTexts(const std::string& name)
{
    std::map<std::string, std::string> texts;
    for (const calc::ListingLine& line : ExpectedListing(name))
        texts[line.name] = line.text;
    return texts;
}

std::string ProjectPath(const std::string& name)
{
    return (kReferenceDir / (name + ".zlt")).string();
}

const char* ColorWord(ControlColor color)
{
    return color == ControlColor::Red ? "red" : color == ControlColor::White ? "white" : "default";
}

class ReferenceProject : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceProject, RecalculationShowsTheExpectedTexts)
{
    auto checked = projectfile::ReadProjectFile(ReadBytes(ProjectPath(GetParam())));
    ASSERT_TRUE(std::holds_alternative<projectfile::LoadedProject>(checked))
        << std::get<projectfile::FileProblem>(checked).message;
    const auto& file = std::get<projectfile::LoadedProject>(checked);

    ProjectState state = StartupState(std::string(kToday));
    projectfile::ApplyToState(file, state);
    const calc::RecalcResult result = calc::Recalculate(state);
    // Project file lines 51 (packaging share) and 80 (door-open time) hold the two fields' texts.
    const calc::TextsBeforePass before{file.lines[50], file.lines[79]};
    const std::vector<calc::ListingLine> actual = zeltar::ResultListing(result, before);

    const std::vector<calc::ListingLine> expected = ExpectedListing(GetParam());
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].text, expected[i].text) << "field " << expected[i].name;
    }
}

TEST_P(ReferenceProject, LoadShowsTheExpectedResults)
{
    const std::map<std::string, std::string> expected = ExpectedTexts(GetParam());
    ASSERT_FALSE(expected.empty());
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.loadProject({true, ProjectPath(GetParam())}));
    EXPECT_TRUE(form.takeErrors().empty());
    for (int i = 0; i < calc::kResultFieldCount; ++i) {
        if (calc::kResultRows[static_cast<std::size_t>(i)].extension)
            continue; // no reference project uses an extension
        const std::string parameter(calc::ResultFieldName(static_cast<calc::ResultField>(i)));
        ASSERT_TRUE(expected.contains(parameter)) << parameter;
        EXPECT_EQ(Text(form, kResultControls[i]), expected.at(parameter))
            << parameter << " in " << Name(kResultControls[i]);
    }
    EXPECT_EQ(ColorWord(form.control(kRoomTemperatureControl).color), expected.at("RoomTemperature.Color"));
    EXPECT_EQ(ColorWord(form.control(kProductInletTemperatureControl).color),
              expected.at("ProductInletTemperature.Color"));
    EXPECT_EQ(ColorWord(form.control(kProductFinalTemperatureControl).color),
              expected.at("ProductFinalTemperature.Color"));
}

TEST_P(ReferenceProject, SaveAndLoadAgainChangesNoControl)
{
    TempDir dir;
    FormModel first{std::string(kToday)};
    ASSERT_TRUE(first.loadProject({true, ProjectPath(GetParam())}));
    ASSERT_TRUE(first.saveProject({true, dir.file("again.zlt")}));
    FormModel second{std::string(kToday)};
    ASSERT_TRUE(second.loadProject({true, dir.file("again.zlt")}));
    for (const ControlFacts& facts : AllControls()) {
        const std::string name(facts.name);
        const ControlState& a = first.control(facts.control);
        const ControlState& b = second.control(facts.control);
        EXPECT_EQ(a.text, b.text) << name;
        EXPECT_EQ(a.index, b.index) << name;
        EXPECT_EQ(a.enabled, b.enabled) << name;
        EXPECT_EQ(a.visible, b.visible) << name;
        EXPECT_EQ(a.color, b.color) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(AllReferenceProjects, ReferenceProject, ::testing::ValuesIn(ReferenceProjects()),
                         [](const ::testing::TestParamInfo<std::string>& project) { return project.param; });

} // namespace
} // namespace zeltar::test
