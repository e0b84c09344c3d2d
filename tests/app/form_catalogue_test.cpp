// The control catalogue and the field table agree with each other, with the project record and
// with the project file: a misspelt name would make an Enter key, a commit or a save fail.
#include "form_test_support.h"

#include "app/form_parameters.h"
#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "fields/control_catalogue.h"
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
    std::set<std::string_view> names;
    for (const ControlFacts& facts : AllControls())
        names.insert(facts.name);
    EXPECT_EQ(names.size(), kControlCount) << "a name twice";
    for (int n = 1; n <= 131; ++n) {
        const std::optional<Control> field = FindControl("Edit" + std::to_string(n));
        ASSERT_TRUE(field) << n;
        EXPECT_EQ(form.control(*field).type, ControlType::Edit) << n;
    }
    for (int n = 1; n <= 25; ++n) {
        const std::optional<Control> list = FindControl("ComboBox" + std::to_string(n));
        ASSERT_TRUE(list) << n;
        EXPECT_EQ(form.control(*list).type, ControlType::ComboBox);
        EXPECT_FALSE(form.listItems(*list).empty()) << n;
    }
    for (int n = 1; n <= 3; ++n) {
        const std::optional<Control> box = FindControl("CheckBox" + std::to_string(n));
        ASSERT_TRUE(box) << n;
        EXPECT_EQ(form.control(*box).type, ControlType::CheckBox);
    }
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
        const ParameterSlot slot = FindParameter(state, f.control);
        if (f.storage == fields::Storage::Whole) {
            EXPECT_NE(slot.whole, nullptr) << f.parameter;
        } else {
            EXPECT_NE(slot.real, nullptr) << f.parameter;
        }
    }
    for (const fields::ListField& l : fields::ListFields())
        EXPECT_NE(FindParameter(state, l.control).whole, nullptr) << l.parameter;
    for (const fields::CheckBoxField& c : fields::CheckBoxFields())
        EXPECT_NE(FindParameter(state, c.control).whole, nullptr) << c.parameter();
    for (const fields::TextField& t : fields::TextFields())
        EXPECT_NE(FindParameter(state, t.control).text, nullptr) << t.parameter();
    EXPECT_THROW(FindParameter(state, Control::RoomArea), std::out_of_range); // a result, held nowhere
}

// Guards: a control committing into the member another control stands for, or into the member of
// another row (each row's control by its row suffix: "StructureThicknessCeiling" into the ceiling).
TEST(FormCatalogue, EachControlCommitsIntoItsOwnMember)
{
    ProjectState state;
    std::set<const void*> members;
    for (const ControlFacts& facts : AllControls()) {
        const ParameterSlot slot =
            RecordSlotOf(facts.control).index() == 0 ? ParameterSlot{} : FindParameter(state, facts.control);
        const void* member = slot.real    ? static_cast<const void*>(slot.real)
                             : slot.whole ? static_cast<const void*>(slot.whole)
                                          : static_cast<const void*>(slot.text);
        if (member == nullptr)
            continue;
        EXPECT_TRUE(members.insert(member).second) << facts.parameter;
        for (int row = 0; row < kRowCount; ++row) {
            const auto* first = reinterpret_cast<const char*>(&state.rows[static_cast<std::size_t>(row)]);
            const auto* at = static_cast<const char*>(member);
            if (at >= first && at < first + sizeof(EnclosureRow)) {
                EXPECT_TRUE(facts.parameter.ends_with(kRowSuffixes[static_cast<std::size_t>(row)])) << facts.parameter;
            }
        }
    }
}

// Guards: a save or load touching a control the window lacks, and a result written nowhere.
TEST(FormCatalogue, EveryControlOfTheFileAndOfTheResultsExists)
{
    FormModel form{std::string(kToday)};
    ProjectState state;
    for (const projectfile::LineSpec& line : projectfile::kLines) {
        if (line.kind == projectfile::LineKind::StateValue) {
            EXPECT_NO_THROW(
                projectfile::StateLineValue(state, static_cast<int>(&line - projectfile::kLines.data()) + 1))
                << line.parameter;
        } else {
            EXPECT_TRUE(line.control.has_value()) << line.parameter;
        }
    }
    for (const Control control : kResultControls)
        EXPECT_EQ(form.control(control).type, ControlType::Edit) << Name(control);
}

// Guards the object names scripts use: every object name finds its control, and a misspelt name
// finds none instead of reaching another control. A choice in a control that is no list is
// refused with its caption.
TEST(FormCatalogue, ObjectNamesFindTheirControlsAndUnknownNamesAreRefused)
{
    for (const ControlFacts& facts : AllControls())
        EXPECT_EQ(FindControl(facts.name), facts.control) << facts.name;
    for (const std::string_view unknown : {"Edit0", "Edit132", "ComboBox26", "edit43", "Edit43 ", ""})
        EXPECT_EQ(FindControl(unknown), std::nullopt) << unknown;
    FormModel form{std::string(kToday)};
    form.choose(Control::RoomTemperature, 0); // a field is no list
    EXPECT_EQ(form.takeErrors(), std::vector<std::string>{"Элемент «Температура в камере» не является списком."});
    EXPECT_EQ(form.focusedControl(), Control::City);
}

// Guards the result mapping: every result has its own control.
TEST(ResultControls, EveryResultHasItsOwnControl)
{
    std::set<Control> controls;
    for (const Control control : kResultControls)
        EXPECT_TRUE(controls.insert(control).second) << Name(control);
    EXPECT_EQ(ResultControl(calc::ResultField::DoorHeatGain), Control::DoorHeatGain);
    EXPECT_EQ(ResultControl(calc::ResultField::StaffHeatGain), Control::StaffHeatGain);
    EXPECT_EQ(ResultControl(calc::ResultField::RoomVolume), Control::RoomVolume);
    EXPECT_EQ(ResultControl(calc::ResultField::SolarHeatGainCeiling), Control::SolarHeatGainCeiling);
    EXPECT_EQ(ResultControl(calc::ResultField::SummaryQ5), Control::SummaryQ5);
}

} // namespace
} // namespace zeltar::test
