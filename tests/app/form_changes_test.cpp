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
std::map<Control, std::string> States(const FormModel& form)
{
    std::map<Control, std::string> states;
    for (const ControlFacts& facts : AllControls()) {
        const ControlState& c = form.control(facts.control);
        states[facts.control] = c.text + "|" + std::to_string(c.index) + "|" + std::to_string(c.enabled) +
                                std::to_string(c.visible) + std::to_string(c.readOnly) + "|" +
                                std::to_string(c.selectionStart) + "," + std::to_string(c.selectionLength) + "|" +
                                std::to_string(static_cast<int>(c.color));
    }
    return states;
}

ChangedControls Differences(const std::map<Control, std::string>& before, const std::map<Control, std::string>& after)
{
    ChangedControls changed;
    for (const auto& [control, state] : after)
        if (before.at(control) != state)
            changed.insert(control);
    return changed;
}

struct EventCase {
    const char* what;
    std::function<void(FormModel&)> prepare;
    std::function<void(FormModel&)> event;
    std::optional<Control> oneChange; // a control the event changes (none: nullopt): the case tests something
    bool turnsThePlan;                // the plan draws the orientation, which no control state holds
};

TEST(FormChanges, EachEventReportsExactlyTheControlsItChanged)
{
    // clang-format off
    const EventCase cases[]{
        {"commit", [](FormModel& f) { Enter(f, Control::RoomWidth, "4"); Type(f, Control::RoomLength, "12"); },
         [](FormModel& f) { f.setFocus(Control::RoomHeight); }, Control::RoomArea, false}, // the area
        {"typed key", [](FormModel& f) { f.setFocus(Control::RoomLength); }, [](FormModel& f) { f.typeCharacter(U'7'); }, Control::RoomLength, false},
        {"refused key", [](FormModel& f) { f.setFocus(Control::RoomLength); }, [](FormModel& f) { f.typeCharacter(U'x'); }, std::nullopt, false},
        {"Enter", [](FormModel& f) { Type(f, Control::RoomTemperature, "-25"); }, [](FormModel& f) { f.pressEnter(); }, Control::RoomTemperature, false},
        {"failed commit", [](FormModel& f) { f.setFocus(Control::RoomTemperature); f.textEdited("--5"); },
         [](FormModel& f) { f.setFocus(Control::RoomLength); }, std::nullopt, false},
        {"room type", [](FormModel&) {}, [](FormModel& f) { f.choose(Control::RoomType, 2); }, Control::RunningHoursCaption, false},
        {"sun tile", [](FormModel&) {}, [](FormModel& f) { f.click(Control::SunTileA); }, Control::SunlitTextA, false},
        {"compass", [](FormModel&) {}, [](FormModel& f) { f.click(Control::CompassButton); }, Control::WallDirectionA, true},
        {"fan check box", [](FormModel&) {}, [](FormModel& f) { f.click(Control::FanDetailedCalculation); }, Control::FanPower, false},
        {"fill from row А", [](FormModel& f) { Type(f, Control::OutsideTemperatureA, "12"); }, [](FormModel& f) { f.pressSpace(); }, Control::OutsideTemperatureD, false},
    };
    // clang-format on
    for (const EventCase& c : cases) {
        FormModel form{std::string(kToday)};
        c.prepare(form);
        form.takeChangedControls();
        const auto before = States(form);
        c.event(form);
        ChangedControls expected = Differences(before, States(form));
        if (c.oneChange) {
            EXPECT_TRUE(expected.contains(*c.oneChange)) << c.what;
        }
        if (c.turnsThePlan)
            expected.insert(Control::Plan);
        EXPECT_EQ(form.takeChangedControls(), expected) << c.what;
        EXPECT_TRUE(form.takeChangedControls().empty()) << c.what; // taking clears the record
    }
}

} // namespace
} // namespace zeltar::test
