// Typing into fields: preparation on entry, key filter, maximum length, cleanup after each key.
#include "form_test_support.h"

#include "fields/number_text.h"

namespace zeltar::test {
namespace {

TEST(FormTyping, GainingTheFocusEmptiesAZeroAndDropsTheBlanks)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus("Edit22"));
    EXPECT_EQ(Text(form, "Edit22"), "");
    Enter(form, "Edit23", "0,5");
    ASSERT_TRUE(form.setFocus("Edit23"));
    EXPECT_EQ(Text(form, "Edit23"), "0,5");
}

// Guards the wiring of the key filter by field kind, the maximum length and the cleanup on release
// (a minus after a digit, a second minus, a second comma).
TEST(FormTyping, FilterLengthAndCleanupApplyPerCharacter)
{
    FormModel form{std::string(kToday)};
    Type(form, "Edit22", "1,2,3456");
    EXPECT_EQ(Text(form, "Edit22"), "1,234");
    Type(form, "Edit1", "1,-2a 3");
    EXPECT_EQ(Text(form, "Edit1"), "123");
    Type(form, "Edit43", "5-");
    EXPECT_EQ(Text(form, "Edit43"), "5");
    Type(form, "Edit18", "--1-2");
    EXPECT_EQ(Text(form, "Edit18"), "-12");
}

// Guards a free-text field whose parameter lags behind its text (the report and the file would
// show an older name), and typing into result fields.
TEST(FormTyping, FreeTextIsTakenAsTypedAndResultsTakeNoKeys)
{
    FormModel form{std::string(kToday)};
    Type(form, "Edit125", "  Мясокомбинат № 2 ");
    EXPECT_EQ(Text(form, "Edit125"), "  Мясокомбинат № 2 ");
    EXPECT_EQ(form.state().clientName, "  Мясокомбинат № 2 ");
    ASSERT_TRUE(form.setFocus("Edit42"));
    EXPECT_FALSE(form.keyPress(U'5'));
    form.typeCharacter(U'5');
    EXPECT_EQ(Text(form, "Edit42"), "  0");
}

// The window's own path: the toolkit inserts the character, then reports the text and the key.
TEST(FormTyping, ToolkitEventsRunFilterAndCleanup)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus("Edit43"));
    EXPECT_FALSE(form.keyPress(U'x'));
    ASSERT_TRUE(form.keyPress(U'7'));
    form.textEdited("7");
    form.keyRelease('7');
    ASSERT_TRUE(form.keyPress(U'-'));
    form.textEdited("7-");
    form.keyRelease(fields::kMinusKeyCode);
    EXPECT_EQ(Text(form, "Edit43"), "7");
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

Selection SelectionOf(const FormModel& form, std::string_view control)
{
    return {form.control(control).selectionStart, form.control(control).selectionLength};
}

// Guards typing that joins the old text (-20 reached by Enter, typed -25, became -50; the Enter
// walk itself is a play test): entered by Tab a field selects its whole text, after the blanks are
// stripped; a click does not.
TEST(FormTyping, KeyboardEntrySelectsTheTextAndTypingReplacesIt)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit24", "6"); // the stacking height shows "  5"
    ASSERT_TRUE(form.setFocus("Edit74", FocusRoute::Keyboard)); // Tab
    EXPECT_EQ(SelectionOf(form, "Edit74"), (Selection{0, 1}));
    form.typeCharacter(U'4');
    form.typeCharacter(U',');
    form.typeCharacter(U'5');
    EXPECT_EQ(Text(form, "Edit74"), "4,5");

    ASSERT_TRUE(form.setFocus("Edit75")); // a click: the caret at the end, typing appends
    EXPECT_EQ(SelectionOf(form, "Edit75"), (Selection{3, 0}));
    form.typeCharacter(U'1');
    EXPECT_EQ(Text(form, "Edit75"), "3501");
}

// Guards the key rules judged on the text the key leaves: the comma position and the maximum
// length without the selection, a refused key that keeps text and selection, Backspace.
TEST(FormTyping, KeysOverASelectionFollowTheTypingRules)
{
    FormModel form{std::string(kToday)};
    struct Case {
        const char* field;
        const char* text;
        Selection selected;
        char32_t key;
        const char* after;
        Selection selectionAfter;
    } cases[]{
        {"Edit22", "12,5", {0, 2}, U',', ",5", {1, 0}},          // one comma kept: the typed one
        {"Edit22", "12,5", {2, 2}, U',', "12,", {3, 0}},
        {"Edit22", "12,5", {0, 4}, U'x', "12,5", {0, 4}},        // refused: nothing changes
        {"Edit55", "12345", {0, 5}, U'6', "6", {1, 0}},         // five characters, all selected
        {"Edit55", "12345", {4, 1}, U'6', "12346", {5, 0}},
        {"Edit55", "12345", {5, 0}, U'6', "12345", {5, 0}},      // full: the key inserts nothing
        {"Edit43", "-20", {1, 2}, fields::kBackspace, "-", {1, 0}}, // Backspace deletes the selection
        {"Edit43", "-20", {2, 0}, fields::kBackspace, "-0", {1, 0}},
        {"Edit43", "-20", {0, 1}, U'-', "-20", {1, 0}},          // a minus over the minus
        {"Edit125", "ООО Юг", {4, 2}, U'С', "ООО С", {5, 0}},     // free text, by characters
    };
    for (const Case& c : cases) {
        Type(form, c.field, c.text);
        form.selectText(c.selected.start, c.selected.length);
        form.typeCharacter(c.key);
        EXPECT_EQ(Text(form, c.field), c.after) << c.field << " " << c.text;
        EXPECT_EQ(SelectionOf(form, c.field), c.selectionAfter) << c.field << " " << c.text;
    }
    form.selectText(-3, 99); // held within the text
    EXPECT_EQ(SelectionOf(form, "Edit125"), (Selection{0, 5}));
}

// Guards a text from the toolkit (a paste, an input method) not held to the field's maximum length
// as typed keys are: of the inserted characters only those that fit stay, the caret after them.
TEST(FormTyping, AnEditedTextKeepsOnlyTheInsertedCharactersThatFit)
{
    FormModel form{std::string(kToday)};
    Type(form, "Edit22", "12"); // five characters at most
    form.selectText(1, 0);
    form.textEdited("1345672", 6); // "34567" pasted between 1 and 2, the caret after it
    EXPECT_EQ(Text(form, "Edit22"), "13452");
    EXPECT_EQ(SelectionOf(form, "Edit22"), (Selection{4, 0}));
    form.selectText(0, 5);
    form.textEdited("9876543"); // the whole text replaced; the caret after the insertion
    EXPECT_EQ(Text(form, "Edit22"), "98765");
    EXPECT_EQ(SelectionOf(form, "Edit22"), (Selection{5, 0}));
}

// Guards a full stop that vanished (12.5 became 125 m) and a refusal the user does not notice.
TEST(FormTyping, FullStopIsTheDecimalCommaAndWholeFieldsRingTheBell)
{
    FormModel form{std::string(kToday)};
    int rings = 0;
    form.setBell([&rings] { ++rings; });
    const struct {
        const char* field;
        const char* typed;
        const char* shown;
        int rings;
    } cases[]{
        {"Edit22", "12.5", "12,5", 0},
        {"Edit22", "1.2.3", "1,23", 0},  // a second separator goes, as a second comma does
        {"Edit43", "-0.5", "-0,5", 0},
        {"Edit97", "1.5", "15", 1},      // staff count: whole numbers only
        {"Edit97", "2,5-", "25", 1},     // a minus is no fraction: refused silently
        {"Edit18", "-1.5", "-15", 1},
        {"Edit125", "т.е.", "т.е.", 0}, // free text keeps its full stops
    };
    for (const auto& c : cases) {
        rings = 0;
        Type(form, c.field, c.typed);
        EXPECT_EQ(Text(form, c.field), c.shown) << c.field << " " << c.typed;
        EXPECT_EQ(rings, c.rings) << c.field << " " << c.typed;
    }
    // The window's own path: the toolkit inserted the full stop.
    Type(form, "Edit22", "7");
    ASSERT_TRUE(form.keyPress(U'.'));
    form.textEdited("7.");
    form.keyRelease(fields::kCommaKeyCode);
    EXPECT_EQ(Text(form, "Edit22"), "7,");
}

} // namespace
} // namespace zeltar::test
