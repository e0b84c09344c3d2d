// Every reference project, loaded into a freshly started program and recalculated once, shows the
// texts of its .expected listing. Guards the whole chain from a file to the window's texts: any rule
// of the method applied wrongly shows up as a differing text in some project.
#include "app/startup_state.h"
#include "calc/recalculate.h"
#include "calc/result_listing.h"
#include "project/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace zeltar;

const std::filesystem::path kReferenceDir = std::filesystem::path(ZELTAR_TEST_DATA_DIR) / "reference-projects";

std::vector<std::string> ReferenceProjects()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kReferenceDir)) {
        if (entry.path().extension() == ".zlt")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

class ReferenceProject : public testing::TestWithParam<std::string> {};

TEST_P(ReferenceProject, RecalculationShowsTheExpectedTexts)
{
    const std::string name = GetParam();
    auto checked = project::ReadProjectFile(ReadBytes(kReferenceDir / (name + ".zlt")));
    ASSERT_TRUE(std::holds_alternative<project::LoadedProject>(checked))
        << std::get<project::FileProblem>(checked).message;
    const auto& file = std::get<project::LoadedProject>(checked);

    ProjectState state = StartupState("01.01.2025");
    project::ApplyToState(file, state);
    const calc::RecalcResult result = calc::Recalculate(state);
    // Project file lines 51 (packaging share) and 80 (door-open time) hold the two fields' texts.
    const calc::TextsBeforePass before{file.lines[50], file.lines[79]};
    const std::vector<calc::ListingLine> actual = calc::ResultListing(result, before);

    const std::vector<calc::ListingLine> expected = ExpectedListing(name);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].text, expected[i].text) << "field " << expected[i].name;
    }
}

INSTANTIATE_TEST_SUITE_P(AllReferenceProjects, ReferenceProject, testing::ValuesIn(ReferenceProjects()),
                         [](const testing::TestParamInfo<std::string>& project) { return project.param; });

} // namespace
