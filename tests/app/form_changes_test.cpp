// The controls each event reports changed: what the window mirrors afterwards. Compared with the
// controls whose state really differs before and after the event, so a missed change (a widget
// left stale) and a reported non-change (a whole window mirrored after every key) both fail.
#include "form_test_support.h"

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
            changed.insert(name);
    return changed;
}

struct EventCase {
    const char* what;
    std::function<void(FormModel&)> prepare;
    std::function<void(FormModel&)> event;
    bool turnsThePlan; // PaintBox1 draws the orientation, which no control state holds
};

TEST(FormChanges, EachEventReportsExactlyTheControlsItChanged)
{
    const EventCase cases[]{
        {"commit", [](FormModel& f) { Type(f, "Edit22", "12"); }, [](FormModel& f) { f.setFocus("Edit23"); }, false},
        {"typed key", [](FormModel& f) { f.setFocus("Edit22"); }, [](FormModel& f) { f.typeCharacter(U'7'); }, false},
        {"refused key", [](FormModel& f) { f.setFocus("Edit22"); }, [](FormModel& f) { f.typeCharacter(U'x'); }, false},
        {"Enter", [](FormModel& f) { Type(f, "Edit43", "-25"); }, [](FormModel& f) { f.pressEnter(); }, false},
        {"failed commit", [](FormModel& f) { f.setFocus("Edit43"); f.textEdited("--5"); },
         [](FormModel& f) { f.setFocus("Edit22"); }, false},
        {"room type", [](FormModel&) {}, [](FormModel& f) { f.choose("ComboBox20", 2); }, false},
        {"sun tile", [](FormModel&) {}, [](FormModel& f) { f.click("PaintBox2"); }, false},
        {"compass", [](FormModel&) {}, [](FormModel& f) { f.click("Button1"); }, true},
        {"fan check box", [](FormModel&) {}, [](FormModel& f) { f.click("CheckBox3"); }, false},
        {"fill from row А", [](FormModel& f) { Type(f, "Edit9", "12"); }, [](FormModel& f) { f.pressSpace(); }, false},
    };
    for (const EventCase& c : cases) {
        FormModel form{std::string(kToday)};
        c.prepare(form);
        form.takeChangedControls();
        const auto before = States(form);
        c.event(form);
        ChangedControls expected = Differences(before, States(form));
        if (c.turnsThePlan)
            expected.insert("PaintBox1");
        EXPECT_EQ(form.takeChangedControls(), expected) << c.what;
        EXPECT_TRUE(form.takeChangedControls().empty()) << c.what; // taking clears the record
    }
}

// A commit reports its field and the results the pass changed: the room length of 12 m changes
// the area, not the colours and enabled states every pass sets again to what they were.
TEST(FormChanges, ACommitReportsTheFieldAndTheResultsItChanged)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit23", "4");
    Type(form, "Edit22", "12");
    form.takeChangedControls();
    ASSERT_TRUE(form.setFocus("Edit24"));
    const ChangedControls changed = form.takeChangedControls();
    EXPECT_TRUE(changed.contains("Edit22")) << Text(form, "Edit22");
    EXPECT_TRUE(changed.contains("Edit24")); // the new focus: its selection
    EXPECT_TRUE(changed.contains("Edit115")) << Text(form, "Edit115");
    EXPECT_FALSE(changed.contains("Edit43")); // the room temperature's colour, set to the same
    EXPECT_FALSE(changed.contains("Edit131")); // the door time's enabled state, set to the same
    EXPECT_FALSE(changed.contains("Edit1"));
    EXPECT_LT(changed.size(), 30u);
}

} // namespace
} // namespace zeltar::test
