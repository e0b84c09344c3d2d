// The control catalogue and the field table agree with each other, with the project record and
// with the project file: a misspelt name would make an Enter key, a commit or a save fail.
#include "form_test_support.h"

#include "app/form_parameters.h"
#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "fields/field_table.h"
#include "projectfile/project_file.h"

#include <set>

namespace zeltar::test {
namespace {

bool CanBeFocused(const FormModel& form, Control control)
{
    const ControlType type = form.control(control).type;
    return type != ControlType::Label && type != ControlType::PaintBox;
}

TEST(FormCatalogue, EveryNumberedControlOfTheWindowExistsOnce)
{
    FormModel form{std::string(kToday)};
    const std::vector<std::string> names = form.controlNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "a name twice";
    for (int n = 1; n <= 131; ++n)
        EXPECT_TRUE(form.hasControl("Edit" + std::to_string(n))) << n;
    for (int n = 1; n <= 25; ++n) {
        const std::string list = "ComboBox" + std::to_string(n);
        ASSERT_TRUE(form.hasControl(list));
        EXPECT_EQ(form.control(list).type, ControlType::ComboBox);
        EXPECT_FALSE(form.listItems(list).empty()) << list;
    }
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(form.control("CheckBox" + std::to_string(n)).type, ControlType::CheckBox);
}

// Guards: an Enter rule, a space-bar rule or a pass-on field leading to a control that does not
// exist or cannot take the focus.
TEST(FormCatalogue, EveryEnterTargetCanTakeTheFocus)
{
    FormModel form{std::string(kToday)};
    for (const fields::NumericField& f : fields::NumericFields()) {
        EXPECT_TRUE(CanBeFocused(form, f.control)) << Name(f.control);
        EXPECT_TRUE(CanBeFocused(form, f.enterTarget)) << Name(f.control);
        if (f.enterAlternative) {
            EXPECT_TRUE(CanBeFocused(form, *f.enterAlternative)) << Name(f.control);
        }
        if (f.spacePresses) {
            EXPECT_EQ(form.control(*f.spacePresses).type, ControlType::BitBtn) << Name(f.control);
        }
        EXPECT_EQ(form.control(f.control).tab, f.tab) << Name(f.control);
    }
    for (const fields::ListField& l : fields::ListFields()) {
        EXPECT_TRUE(CanBeFocused(form, l.enterTarget)) << Name(l.control);
        if (l.enterAlternative) {
            EXPECT_TRUE(CanBeFocused(form, *l.enterAlternative)) << Name(l.control);
        }
    }
    for (const fields::PassOnField& p : fields::PassOnFields()) {
        EXPECT_TRUE(form.control(p.control).readOnly) << Name(p.control);
        EXPECT_TRUE(CanBeFocused(form, p.enterTarget)) << Name(p.control);
    }
}

// Guards: a field committing into a parameter the record does not have, or into one of the wrong
// type (a count stored as a double would never reach the integer the calculation reads).
TEST(FormCatalogue, EveryParameterOfTheTablesIsOfTheProjectRecord)
{
    ProjectState state;
    for (const fields::NumericField& f : fields::NumericFields()) {
        const ParameterSlot slot = FindParameter(state, f.parameter);
        if (f.storage == fields::Storage::Whole) {
            EXPECT_NE(slot.whole, nullptr) << f.parameter;
        } else {
            EXPECT_NE(slot.real, nullptr) << f.parameter;
        }
    }
    for (const fields::ListField& l : fields::ListFields())
        EXPECT_NE(FindParameter(state, l.parameter).whole, nullptr) << l.parameter;
    for (const fields::CheckBoxField& c : fields::CheckBoxFields())
        EXPECT_NE(FindParameter(state, c.parameter()).whole, nullptr) << c.parameter();
    for (const fields::TextField& t : fields::TextFields())
        EXPECT_NE(FindParameter(state, t.parameter()).text, nullptr) << t.parameter();
    EXPECT_THROW(FindParameter(state, "RoomLenght"), std::out_of_range);
}

// Guards: a save or load touching a control the window lacks, and a result written nowhere.
TEST(FormCatalogue, EveryControlOfTheFileAndOfTheResultsExists)
{
    FormModel form{std::string(kToday)};
    ProjectState state;
    for (const projectfile::LineSpec& line : projectfile::kLines) {
        if (line.kind == projectfile::LineKind::StateValue) {
            EXPECT_NE(FindParameter(state, line.parameter).whole, nullptr) << line.parameter;
        } else {
            EXPECT_TRUE(line.control.has_value()) << line.parameter;
        }
    }
    for (const Control control : kResultControls)
        EXPECT_EQ(form.control(control).type, ControlType::Edit) << Name(control);
}

// Guards the name-taking face that scripts and tests use: every object name finds its control, and
// a misspelt name is refused with a message instead of reaching another control.
TEST(FormCatalogue, ObjectNamesFindTheirControlsAndUnknownNamesAreRefused)
{
    for (const ControlFacts& facts : AllControls())
        EXPECT_EQ(FindControl(facts.name), facts.control) << facts.name;
    FormModel form{std::string(kToday)};
    EXPECT_EQ(form.controlNames().size(), kControlCount);
    for (const std::string_view unknown : {"Edit0", "Edit132", "ComboBox26", "edit43", "Edit43 ", ""}) {
        EXPECT_FALSE(form.hasControl(unknown)) << unknown;
        EXPECT_THROW(form.control(unknown), std::out_of_range) << unknown;
        EXPECT_FALSE(form.setFocus(unknown)) << unknown;
        form.click(unknown);
        form.choose(unknown, 0);
        EXPECT_EQ(form.takeErrors().size(), 3u) << unknown;
    }
    form.choose("Edit43", 0); // a field is no list
    EXPECT_EQ(form.takeErrors(), std::vector<std::string>{"Элемент Edit43 не является списком."});
    EXPECT_EQ(form.focus(), "ComboBox13");
}

// Guards the result mapping: every result has its own control.
TEST(ResultControls, EveryResultHasItsOwnControl)
{
    std::set<Control> controls;
    for (const Control control : kResultControls)
        EXPECT_TRUE(controls.insert(control).second) << Name(control);
    EXPECT_EQ(Name(ResultControl(calc::ResultField::DoorHeatGain)), "Edit98");
    EXPECT_EQ(Name(ResultControl(calc::ResultField::StaffHeatGain)), "Edit99");
    EXPECT_EQ(Name(ResultControl(calc::ResultField::RoomVolume)), "Edit25");
    EXPECT_EQ(Name(ResultControl(calc::ResultField::SolarHeatGainCeiling)), "Edit71");
    EXPECT_EQ(Name(ResultControl(calc::ResultField::SummaryQ5)), "Edit123");
}

} // namespace
} // namespace zeltar::test
