// Typing into fields: preparation on entry, key filter, maximum length, cleanup after each key.
#include "form_test_support.h"

#include "fields/number_text.h"

namespace zeltar::test {
namespace {

TEST(FormTyping, GainingTheFocusEmptiesAZeroAndDropsTheBlanks)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::RoomLength));
    EXPECT_EQ(Text(form, Control::RoomLength), "");
    Enter(form, Control::RoomWidth, "0,5");
    ASSERT_TRUE(form.setFocus(Control::RoomWidth));
    EXPECT_EQ(Text(form, Control::RoomWidth), "0,5");
}

// Guards the wiring of the key filter by field kind, the maximum length and the cleanup on release
// (a minus after a digit, a second minus, a second comma).
TEST(FormTyping, FilterLengthAndCleanupApplyPerCharacter)
{
    FormModel form{std::string(kToday)};
    Type(form, Control::RoomLength, "1,2,3456");
    EXPECT_EQ(Text(form, Control::RoomLength), "1,234");
    Type(form, Control::StructureThicknessA, "1,-2a 3");
    EXPECT_EQ(Text(form, Control::StructureThicknessA), "123");
    Type(form, Control::RoomTemperature, "5-");
    EXPECT_EQ(Text(form, Control::RoomTemperature), "5");
    Type(form, Control::OutsideTemperatureFloor, "--1-2");
    EXPECT_EQ(Text(form, Control::OutsideTemperatureFloor), "-12");
}

// Guards a free-text field whose parameter lags behind its text (the report and the file would
// show an older name), and typing into result fields.
TEST(FormTyping, FreeTextIsTakenAsTypedAndResultsTakeNoKeys)
{
    FormModel form{std::string(kToday)};
    Type(form, Control::ClientName, "  Мясокомбинат № 2 ");
    EXPECT_EQ(Text(form, Control::ClientName), "  Мясокомбинат № 2 ");
    EXPECT_EQ(form.state().clientName, "  Мясокомбинат № 2 ");
    ASSERT_TRUE(form.setFocus(Control::HeatGainQ1));
    EXPECT_FALSE(form.keyPress(U'5'));
    form.typeCharacter(U'5');
    EXPECT_EQ(Text(form, Control::HeatGainQ1), "  0");
}

// The window's own path: the toolkit inserts the character, then reports the text and the key.
TEST(FormTyping, ToolkitEventsRunFilterAndCleanup)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::RoomTemperature));
    EXPECT_FALSE(form.keyPress(U'x'));
    ASSERT_TRUE(form.keyPress(U'7'));
    form.textEdited("7");
    form.keyRelease('7');
    ASSERT_TRUE(form.keyPress(U'-'));
    form.textEdited("7-");
    form.keyRelease(fields::kMinusKeyCode);
    EXPECT_EQ(Text(form, Control::RoomTemperature), "7");
}

struct Selection {
    int start;
    int length;
    bool operator==(const Selection&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Selection& s)
    {
        return out << "{" << s.start << ", " << s.length << "}";
    }
};

Selection SelectionOf(const FormModel& form, Control control)
{
    return {form.control(control).selectionStart, form.control(control).selectionLength};
}

// Guards typing that joins the old text (-20 reached by Enter, typed -25, became -50; the Enter
// walk itself is a play test): entered by Tab a field selects its whole text, after the blanks are
// stripped; a click does not.
TEST(FormTyping, KeyboardEntrySelectsTheTextAndTypingReplacesIt)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomHeight, "6");                                  // the stacking height shows "  5"
    ASSERT_TRUE(form.setFocus(Control::StackHeight, FocusRoute::Keyboard)); // Tab
    EXPECT_EQ(SelectionOf(form, Control::StackHeight), (Selection{0, 1}));
    form.typeCharacter(U'4');
    form.typeCharacter(U',');
    form.typeCharacter(U'5');
    EXPECT_EQ(Text(form, Control::StackHeight), "4,5");

    ASSERT_TRUE(form.setFocus(Control::StackDensity)); // a click: the caret at the end, typing appends
    EXPECT_EQ(SelectionOf(form, Control::StackDensity), (Selection{3, 0}));
    form.typeCharacter(U'1');
    EXPECT_EQ(Text(form, Control::StackDensity), "3501");
}

// Guards the key rules judged on the text the key leaves: the comma position and the maximum
// length without the selection, a refused key that keeps text and selection, Backspace.
TEST(FormTyping, KeysOverASelectionFollowTheTypingRules)
{
    FormModel form{std::string(kToday)};
    struct Case {
        Control field;
        const char* text;
        Selection selected;
        char32_t key;
        const char* after;
        Selection selectionAfter;
    } cases[]{
        {Control::RoomLength, "12,5", {0, 2}, U',', ",5", {1, 0}}, // one comma kept: the typed one
        {Control::RoomLength, "12,5", {2, 2}, U',', "12,", {3, 0}},
        {Control::RoomLength, "12,5", {0, 4}, U'x', "12,5", {0, 4}},          // refused: nothing changes
        {Control::EquipmentRunningHours, "12345", {0, 5}, U'6', "6", {1, 0}}, // five characters, all selected
        {Control::EquipmentRunningHours, "12345", {4, 1}, U'6', "12346", {5, 0}},
        {Control::EquipmentRunningHours, "12345", {5, 0}, U'6', "12345", {5, 0}},   // full: the key inserts nothing
        {Control::RoomTemperature, "-20", {1, 2}, fields::kBackspace, "-", {1, 0}}, // Backspace deletes the selection
        {Control::RoomTemperature, "-20", {2, 0}, fields::kBackspace, "-0", {1, 0}},
        {Control::RoomTemperature, "-20", {0, 1}, U'-', "-20", {1, 0}}, // a minus over the minus
        {Control::ClientName, "ООО Юг", {4, 2}, U'С', "ООО С", {5, 0}}, // free text, by characters
    };
    for (const Case& c : cases) {
        Type(form, c.field, c.text);
        form.selectText(c.selected.start, c.selected.length);
        form.typeCharacter(c.key);
        EXPECT_EQ(Text(form, c.field), c.after) << c.field << " " << c.text;
        EXPECT_EQ(SelectionOf(form, c.field), c.selectionAfter) << c.field << " " << c.text;
    }
    form.selectText(-3, 99); // held within the text
    EXPECT_EQ(SelectionOf(form, Control::ClientName), (Selection{0, 5}));
}

// Guards a text from the toolkit (a paste, an input method) not held to the field's maximum length
// as typed keys are: of the inserted characters only those that fit stay, the caret after them.
TEST(FormTyping, AnEditedTextKeepsOnlyTheInsertedCharactersThatFit)
{
    FormModel form{std::string(kToday)};
    Type(form, Control::RoomLength, "12"); // five characters at most
    form.selectText(1, 0);
    form.textEdited("1345672", 6); // "34567" pasted between 1 and 2, the caret after it
    EXPECT_EQ(Text(form, Control::RoomLength), "13452");
    EXPECT_EQ(SelectionOf(form, Control::RoomLength), (Selection{4, 0}));
    form.selectText(0, 5);
    form.textEdited("9876543"); // the whole text replaced; the caret after the insertion
    EXPECT_EQ(Text(form, Control::RoomLength), "98765");
    EXPECT_EQ(SelectionOf(form, Control::RoomLength), (Selection{5, 0}));
}

// Guards a full stop that vanished (12.5 became 125 m) and a refusal the user does not notice.
TEST(FormTyping, FullStopIsTheDecimalCommaAndWholeFieldsRingTheBell)
{
    FormModel form{std::string(kToday)};
    int rings = 0;
    form.setBell([&rings] { ++rings; });
    const struct {
        Control field;
        const char* typed;
        const char* shown;
        int rings;
    } cases[]{
        {Control::RoomLength, "12.5", "12,5", 0},
        {Control::RoomLength, "1.2.3", "1,23", 0}, // a second separator goes, as a second comma does
        {Control::RoomTemperature, "-0.5", "-0,5", 0},
        {Control::StaffCount, "1.5", "15", 1},  // staff count: whole numbers only
        {Control::StaffCount, "2,5-", "25", 1}, // a minus is no fraction: refused silently
        {Control::OutsideTemperatureFloor, "-1.5", "-15", 1},
        {Control::ClientName, "т.е.", "т.е.", 0}, // free text keeps its full stops
    };
    for (const auto& c : cases) {
        rings = 0;
        Type(form, c.field, c.typed);
        EXPECT_EQ(Text(form, c.field), c.shown) << c.field << " " << c.typed;
        EXPECT_EQ(rings, c.rings) << c.field << " " << c.typed;
    }
    // The window's own path: the toolkit inserted the full stop.
    Type(form, Control::RoomLength, "7");
    ASSERT_TRUE(form.keyPress(U'.'));
    form.textEdited("7.");
    form.keyRelease(fields::kCommaKeyCode);
    EXPECT_EQ(Text(form, Control::RoomLength), "7,");
}

} // namespace
} // namespace zeltar::test
