// Undo and redo on the form: random edit sequences undone and redone step by step, a list choice
// with its presets as one step, the unsaved-changes flag, the field being edited, the depth.
#include "form_test_support.h"
#include "random_form_input.h"

#include "app/field_names.h"
#include "fields/control_catalogue.h"
#include "fields/field_table.h"

#include <random>

namespace zeltar::test {
namespace {

// What the window shows of a control, the selection aside.
struct Shown {
    std::string text;
    int index;
    bool enabled;
    bool visible;
    ControlColor color;
    bool operator==(const Shown&) const = default;
};

// Every control as shown, with the project record behind it.
struct Form {
    std::vector<Shown> controls;
    ProjectState state;
};

Form Capture(const FormModel& form)
{
    Form captured{{}, form.state()};
    for (const ControlFacts& facts : AllControls()) {
        const ControlState& c = form.control(facts.control);
        captured.controls.push_back({c.text, c.index, c.enabled, c.visible, c.color});
    }
    return captured;
}

std::string Describe(const Shown& c)
{
    return "\"" + c.text + "\" " + std::to_string(c.index) + (c.enabled ? " enabled" : " disabled") +
           (c.visible ? " visible" : " hidden") + " colour " + std::to_string(static_cast<int>(c.color));
}

// Names the first control that differs, so a failure says where.
std::string Difference(const Form& expected, const Form& actual)
{
    for (std::size_t i = 0; i < expected.controls.size(); ++i)
        if (!(expected.controls[i] == actual.controls[i]))
            return std::string(AllControls()[i].name) + ": " + Describe(expected.controls[i]) + " expected, " +
                   Describe(actual.controls[i]) + " shown";
    return expected.state == actual.state ? "" : "the project record differs";
}

// Types as the user does, leaving the field focused.
void TypeInto(FormModel& form, Control control, std::string_view text)
{
    ASSERT_TRUE(form.setFocus(control)) << Name(control);
    form.selectText(0, static_cast<int>(fields::CharacterCount(form.control(control).text)));
    form.pressBackspace();
    for (const char32_t c : fields::Characters(text))
        form.typeCharacter(c);
}

constexpr Control kClickable[]{
    Control::SunTileA,          Control::SunTileB,      Control::SunTileD,       Control::FacingTileC,
    Control::FacingTileCeiling, Control::CompassButton, Control::FillRowsButton, Control::FillFinishesButton,
};

// One random user action that ends with its step: a number committed, a list choice, a check box,
// a tile or button, a header text left.
void RandomAction(FormModel& form, std::mt19937& random)
{
    auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    const RandomInputs inputs{[&pick](const fields::NumericField&) { return std::to_string(1 + pick(40)); }, kClickable,
                              [&pick] { return "Камера " + std::to_string(pick(1000)); }};
    RandomFormInput(form, pick(5), pick, inputs);
    form.setFocus(Control::City);
    form.takeErrors();
}

class FormHistoryRandom : public ::testing::TestWithParam<unsigned> {};

// Every form after a step that changed the project comes back, in reverse, on undo, and again in
// order on redo: the start's and the end's every control included.
TEST_P(FormHistoryRandom, UndoAndRedoWalkBackAndForthThroughEveryStep)
{
    std::mt19937 random(GetParam());
    FormModel form{std::string(kToday)};
    // Start-up shows no results until the first recalculation, which changes no input and so is no
    // step: the start compared is the form after it.
    form.setFocus(Control::RoomLength);
    form.setFocus(Control::City);
    std::vector<Form> forms{Capture(form)};
    constexpr int kActions = 60;
    for (int action = 0; action < kActions; ++action) {
        RandomAction(form, random);
        if (!(form.state() == forms.back().state))
            forms.push_back(Capture(form));
    }
    ASSERT_GT(forms.size(), 20u);

    for (std::size_t step = forms.size() - 1; step > 0; --step) {
        ASSERT_TRUE(form.undo()) << "step " << step;
        ASSERT_EQ(Difference(forms[step - 1], Capture(form)), "") << "undo to step " << step - 1;
    }
    EXPECT_FALSE(form.canUndo());
    EXPECT_FALSE(form.undo());
    EXPECT_FALSE(form.modified());

    for (std::size_t step = 1; step < forms.size(); ++step) {
        ASSERT_TRUE(form.redo()) << "step " << step;
        ASSERT_EQ(Difference(forms[step], Capture(form)), "") << "redo to step " << step;
    }
    EXPECT_FALSE(form.redo());
    EXPECT_TRUE(form.modified());
}

INSTANTIATE_TEST_SUITE_P(Seeds, FormHistoryRandom, ::testing::Values(1u, 7u, 42u, 2024u, 31337u));

// A room type rewrites temperatures and shows or hides fields: one undo puts all of it back.
TEST(FormHistory, AListChoiceWithItsPresetsIsOneStep)
{
    FormModel form{std::string(kToday)};
    EnterInto(form, Control::RoomLength, "12");
    const Form before = Capture(form);
    form.choose(Control::RoomType, 3);
    ASSERT_NE(Difference(before, Capture(form)), "");
    form.takeMessages();
    ASSERT_TRUE(form.undo());
    EXPECT_EQ(Difference(before, Capture(form)), "");
    EXPECT_EQ(form.message(), "Отменено: " + std::string(FindFieldName(Control::RoomType)->name));
    ASSERT_TRUE(form.undo());
    EXPECT_EQ(form.state().roomLength, 0);
}

// The field being edited commits before the undo, which then takes that commit back; a new step
// drops what was undone.
TEST(FormHistory, TheFieldBeingEditedCommitsFirstAndANewStepDropsTheRedo)
{
    FormModel form{std::string(kToday)};
    EnterInto(form, Control::RoomLength, "12");
    TypeInto(form, Control::RoomWidth, "8");
    ASSERT_TRUE(form.undo());
    EXPECT_EQ(form.focusedControl(), Control::RoomWidth);
    EXPECT_EQ(Text(form, Control::RoomWidth), ""); // the zero it held, emptied for editing
    EXPECT_EQ(form.state().roomLength, 12);
    ASSERT_TRUE(form.redo());
    EXPECT_EQ(Text(form, Control::RoomWidth), "8");
    form.setFocus(Control::City);
    EXPECT_EQ(form.state().roomWidth, 8);

    ASSERT_TRUE(form.undo());
    EXPECT_TRUE(form.canRedo());
    EnterInto(form, Control::RoomHeight, "4");
    EXPECT_FALSE(form.canRedo());
    EXPECT_FALSE(form.redo());
    EXPECT_EQ(form.message(), "Повторять нечего");
}

// A header text left is a step of its own, even when a tile is clicked while it is typed.
TEST(FormHistory, AHeaderTextIsAStepOfItsOwn)
{
    FormModel form{std::string(kToday)};
    TypeInto(form, Control::ClientName, "Хладокомбинат");
    const Form typed = Capture(form);
    form.click(Control::SunTileA);
    ASSERT_TRUE(form.undo());
    EXPECT_EQ(Difference(typed, Capture(form)), "");
    ASSERT_TRUE(form.undo());
    EXPECT_EQ(Text(form, Control::ClientName), "");
    EXPECT_EQ(form.state().clientName, "");
}

// A save keeps the history and undoing back to it clears the unsaved-changes flag; a load starts
// a new history.
TEST(FormHistory, SaveKeepsTheHistoryLoadAndNewProjectClearIt)
{
    TempDir dir;
    const std::string path = dir.file("камера.zlt");
    FormModel form{std::string(kToday)};
    EnterInto(form, Control::RoomLength, "12");
    ASSERT_TRUE(form.saveProject({true, path}));
    EXPECT_FALSE(form.modified());
    EnterInto(form, Control::RoomWidth, "6");
    EXPECT_TRUE(form.modified());
    ASSERT_TRUE(form.undo());
    EXPECT_FALSE(form.modified());
    EXPECT_EQ(Text(form, Control::ProjectName), path);
    ASSERT_TRUE(form.undo());
    EXPECT_TRUE(form.modified());
    EXPECT_EQ(Text(form, Control::ProjectName), path); // the saved file's name stays
    ASSERT_TRUE(form.redo());
    EXPECT_FALSE(form.modified());

    ASSERT_TRUE(form.loadProject({true, path}));
    EXPECT_FALSE(form.canUndo());
    EXPECT_FALSE(form.canRedo());

    // A new project starts a new history too: its start-up values are no step to undo from.
    EnterInto(form, Control::RoomWidth, "7");
    form.newProject();
    EXPECT_FALSE(form.canUndo());
    EXPECT_FALSE(form.undo());
}

TEST(FormHistory, KeepsTheLastHundredSteps)
{
    FormModel form{std::string(kToday)};
    constexpr int kCommits = 130;
    for (int commit = 1; commit <= kCommits; ++commit)
        EnterInto(form, Control::RoomLength, std::to_string(commit % 50 + 1) + "," + std::to_string(commit % 10));
    int undone = 0;
    while (form.undo())
        ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(form.state().roomLength, 31.0); // after commit 30: 30 % 50 + 1, then 30 % 10
}

} // namespace
} // namespace zeltar::test
