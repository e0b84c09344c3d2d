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
    EXPECT_FALSE(form.keyPress(U'.'));
    ASSERT_TRUE(form.keyPress(U'7'));
    form.textEdited("7");
    form.keyRelease('7');
    ASSERT_TRUE(form.keyPress(U'-'));
    form.textEdited("7-");
    form.keyRelease(fields::kMinusKeyCode);
    EXPECT_EQ(Text(form, "Edit43"), "7");
}

} // namespace
} // namespace zeltar::test
