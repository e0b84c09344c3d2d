// The reference projects through the window's own load: every result field shows the text the
// recalculation must show, and a save -> load round trip changes nothing.
#include "form_test_support.h"

#include "calc/recalculate.h"

#include <fstream>
#include <map>

namespace zeltar::test {
namespace {

const std::string kProjects = std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/";

std::vector<std::string> ProjectNames()
{
    std::vector<std::string> names{"defaults"};
    for (int n = 1; n <= 24; ++n) {
        char name[8];
        std::snprintf(name, sizeof name, "p%04d", n);
        names.emplace_back(name);
    }
    return names;
}

std::map<std::string, std::string> Expected(const std::string& name)
{
    std::map<std::string, std::string> texts;
    std::ifstream in(kProjects + name + ".expected", std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            texts[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return texts;
}

const char* ColorWord(ControlColor color)
{
    return color == ControlColor::Red ? "red" : color == ControlColor::White ? "white" : "default";
}

class ReferenceProject : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceProject, LoadShowsTheExpectedResults)
{
    const std::map<std::string, std::string> expected = Expected(GetParam());
    ASSERT_FALSE(expected.empty());
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.loadProject({true, kProjects + GetParam() + ".zlt"}));
    EXPECT_TRUE(form.takeErrors().empty());
    for (const calc::ResultFieldInfo& result : calc::kResultFields) {
        const std::string parameter(result.parameter);
        ASSERT_TRUE(expected.contains(parameter)) << parameter;
        EXPECT_EQ(Text(form, result.control), expected.at(parameter)) << parameter << " in " << result.control;
    }
    EXPECT_EQ(ColorWord(form.control("Edit43").color), expected.at("RoomTemperature.Color"));
    EXPECT_EQ(ColorWord(form.control("Edit82").color), expected.at("ProductInletTemperature.Color"));
    EXPECT_EQ(ColorWord(form.control("Edit83").color), expected.at("ProductFinalTemperature.Color"));
}

TEST_P(ReferenceProject, SaveAndLoadAgainChangesNoControl)
{
    TempDir dir;
    FormModel first{std::string(kToday)};
    ASSERT_TRUE(first.loadProject({true, kProjects + GetParam() + ".zlt"}));
    ASSERT_TRUE(first.saveProject({true, dir.file("again.zlt")}));
    FormModel second{std::string(kToday)};
    ASSERT_TRUE(second.loadProject({true, dir.file("again.zlt")}));
    for (const std::string& name : first.controlNames()) {
        const ControlState& a = first.control(name);
        const ControlState& b = second.control(name);
        EXPECT_EQ(a.text, b.text) << name;
        EXPECT_EQ(a.index, b.index) << name;
        EXPECT_EQ(a.enabled, b.enabled) << name;
        EXPECT_EQ(a.visible, b.visible) << name;
        EXPECT_EQ(a.color, b.color) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(All, ReferenceProject, ::testing::ValuesIn(ProjectNames()));

} // namespace
} // namespace zeltar::test
