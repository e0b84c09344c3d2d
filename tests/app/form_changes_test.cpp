// The controls each event reports changed: what the window mirrors afterwards. Compared with the
// controls whose state really differs before and after the event, so a missed change (a widget
// left stale) and a reported non-change (the colours and enabled states every recalculation sets
// again to what they were, a whole window mirrored after every key) both fail.
#include "form_test_support.h"

#include "fields/control_catalogue.h"

#include <functional>
#include <map>

namespace zeltar::test {
namespace {

// Each control's whole state as text.
std::map<std::string, std::string> States(const FormModel& form)
{
    std::map<std::string, std::string> states;
    for (const std::string& name : form.controlNames()) {
        const ControlState& c = form.control(name);
        states[name] = c.text + "|" + std::to_string(c.index) + "|" + std::to_string(c.enabled) +
                       std::to_string(c.visible) + std::to_string(c.readOnly) + "|" +
                       std::to_string(c.selectionStart) + "," + std::to_string(c.selectionLength) + "|" +
                       std::to_string(static_cast<int>(c.color));
    }
    return states;
}

ChangedControls Differences(const std::map<std::string, std::string>& before,
                            const std::map<std::string, std::string>& after)
{
    ChangedControls changed;
    for (const auto& [name, state] : after)
        if (before.at(name) != state)
            changed.insert(*FindControl(name));
    return changed;
}

struct EventCase {
    const char* what;
    std::function<void(FormModel&)> prepare;
    std::function<void(FormModel&)> event;
    const char* oneChange; // a control the event changes ("" none): the case tests something
    bool turnsThePlan;     // PaintBox1 draws the orientation, which no control state holds
};

TEST(FormChanges, EachEventReportsExactlyTheControlsItChanged)
{
    const EventCase cases[]{
        {"commit", [](FormModel& f) { Enter(f, "Edit23", "4"); Type(f, "Edit22", "12"); },
         [](FormModel& f) { f.setFocus("Edit24"); }, "Edit115", false}, // the area
        {"typed key", [](FormModel& f) { f.setFocus("Edit22"); }, [](FormModel& f) { f.typeCharacter(U'7'); }, "Edit22", false},
        {"refused key", [](FormModel& f) { f.setFocus("Edit22"); }, [](FormModel& f) { f.typeCharacter(U'x'); }, "", false},
        {"Enter", [](FormModel& f) { Type(f, "Edit43", "-25"); }, [](FormModel& f) { f.pressEnter(); }, "Edit43", false},
        {"failed commit", [](FormModel& f) { f.setFocus("Edit43"); f.textEdited("--5"); },
         [](FormModel& f) { f.setFocus("Edit22"); }, "", false},
        {"room type", [](FormModel&) {}, [](FormModel& f) { f.choose("ComboBox20", 2); }, "Label46", false},
        {"sun tile", [](FormModel&) {}, [](FormModel& f) { f.click("PaintBox2"); }, "Edit44", false},
        {"compass", [](FormModel&) {}, [](FormModel& f) { f.click("Button1"); }, "Edit26", true},
        {"fan check box", [](FormModel&) {}, [](FormModel& f) { f.click("CheckBox3"); }, "Edit114", false},
        {"fill from row А", [](FormModel& f) { Type(f, "Edit9", "12"); }, [](FormModel& f) { f.pressSpace(); }, "Edit12", false},
    };
    for (const EventCase& c : cases) {
        FormModel form{std::string(kToday)};
        c.prepare(form);
        form.takeChangedControls();
        const auto before = States(form);
        c.event(form);
        ChangedControls expected = Differences(before, States(form));
        const std::optional<Control> oneChange = FindControl(c.oneChange);
        EXPECT_EQ(oneChange && expected.contains(*oneChange), *c.oneChange != '\0') << c.what;
        if (c.turnsThePlan)
            expected.insert(Control::Plan);
        EXPECT_EQ(form.takeChangedControls(), expected) << c.what;
        EXPECT_TRUE(form.takeChangedControls().empty()) << c.what; // taking clears the record
    }
}

} // namespace
} // namespace zeltar::test
