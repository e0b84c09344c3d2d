// Enter walks through the window and its tabs; the space bar's two rules; what may take the focus.
#include "form_test_support.h"

#include "refdata/cities.h"

namespace zeltar::test {
namespace {

TEST(FormNavigation, EnterWalksThePanelAndCommitsEachField)
{
    FormModel form{std::string(kToday)};
    Type(form, "Edit22", "6");
    ASSERT_TRUE(form.pressEnter());
    EXPECT_EQ(form.focus(), "Edit23");
    EXPECT_EQ(Text(form, "Edit22"), "  6");
    form.pressEnter();
    form.pressEnter();
    EXPECT_EQ(form.focus(), "ComboBox20");
    form.pressEnter();
    EXPECT_EQ(form.focus(), "Edit43");
}

// Guards the tab switches of the Enter chain: the last field of each page shows the next page.
TEST(FormNavigation, EnterFromTheLastFieldOfATabShowsTheNextTab)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus("Edit56"));
    form.showTab(3);
    form.pressEnter();
    EXPECT_EQ(form.focus(), "ComboBox1");
    EXPECT_EQ(form.currentTab(), 0);
    const std::pair<const char*, std::pair<const char*, int>> chain[]{
        {"Edit42", {"ComboBox14", 1}}, {"Edit72", {"Edit30", 2}}, {"Edit73", {"ComboBox25", 3}},
        {"Edit90", {"Edit91", 4}}};
    for (const auto& [from, to] : chain) {
        ASSERT_TRUE(form.setFocus(from));
        form.pressEnter();
        EXPECT_EQ(form.focus(), to.first) << from;
        EXPECT_EQ(form.currentTab(), to.second) << from;
    }
    ASSERT_TRUE(form.setFocus("Edit117"));
    EXPECT_FALSE(form.pressEnter());
    EXPECT_EQ(form.focus(), "Edit117");
}

// Enter skips exactly the fields that the room type hides.
TEST(FormNavigation, EnterRoutesByRoomType)
{
    FormModel form{std::string(kToday)};
    const struct {
        int roomType;
        const char* afterFinal;
        const char* afterShare;
    } routes[]{{0, "Edit74", "Edit79"}, {2, "Edit74", "Edit90"}, {4, "Edit90", "Edit90"}, {6, "Edit74", "Edit79"}};
    for (const auto& r : routes) {
        form.choose("ComboBox20", r.roomType);
        ASSERT_TRUE(form.setFocus("Edit83"));
        form.pressEnter();
        EXPECT_EQ(form.focus(), r.afterFinal) << r.roomType;
        if (form.control("Edit76").visible) {
            ASSERT_TRUE(form.setFocus("Edit76"));
            form.pressEnter();
            EXPECT_EQ(form.focus(), r.afterShare) << r.roomType;
        }
    }
}

TEST(FormNavigation, EnterRoutesByCityAndCheckBoxes)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus("ComboBox13"));
    form.pressEnter();
    EXPECT_EQ(form.focus(), "ComboBox19");
    form.choose("ComboBox13", refdata::kCustomCity);
    form.pressEnter();
    EXPECT_EQ(form.focus(), "Edit19");

    ASSERT_TRUE(form.setFocus("Edit102"));
    form.pressEnter();
    EXPECT_EQ(form.focus(), "Edit103");
    form.click("CheckBox3");
    ASSERT_TRUE(form.setFocus("Edit102"));
    form.pressEnter();
    EXPECT_EQ(form.focus(), "Edit130");

    ASSERT_TRUE(form.setFocus("ComboBox24"));
    form.pressEnter();
    EXPECT_EQ(form.focus(), "Edit93");
    form.click("CheckBox1");
    ASSERT_TRUE(form.setFocus("ComboBox24"));
    form.pressEnter();
    EXPECT_EQ(form.focus(), "Edit131");
}

// Guards Enter into the disabled floor temperature (floor on ground), which would stop the walk.
TEST(FormNavigation, EnterPassesOverADisabledTarget)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox19", 2); // "на грунте"
    ASSERT_FALSE(form.control("Edit18").enabled);
    Type(form, "Edit17", "100");
    form.pressEnter();
    EXPECT_EQ(form.focus(), "Edit42");
    EXPECT_EQ(Text(form, "Edit17"), "  100");
    EXPECT_TRUE(form.takeErrors().empty());
}

// The space bar in Edit9 first moves to ComboBox2 (committing Edit9), then copies row A.
TEST(FormNavigation, SpaceInOutsideTemperatureOfWallACopiesTheFirstRow)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox1", 3);
    form.choose("ComboBox5", 2);
    form.choose("ComboBox9", 1);
    Enter(form, "Edit1", "250");
    Enter(form, "Edit5", "100");
    Enter(form, "Edit18", "-5");
    Type(form, "Edit9", "12");
    ASSERT_TRUE(form.pressSpace());
    EXPECT_EQ(form.focus(), "ComboBox2");
    EXPECT_EQ(Text(form, "Edit9"), "  12");
    for (const char* f : {"Edit2", "Edit3", "Edit4", "Edit13", "Edit16"})
        EXPECT_EQ(Text(form, f), "  250") << f;
    for (const char* f : {"Edit6", "Edit7", "Edit8", "Edit14", "Edit17"})
        EXPECT_EQ(Text(form, f), "  100") << f;
    for (const char* f : {"Edit10", "Edit11", "Edit12", "Edit15"})
        EXPECT_EQ(Text(form, f), "  12") << f;
    EXPECT_EQ(Text(form, "Edit18"), "  -5");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, -5);
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].insulationThickness, 100);
    for (const char* list : {"ComboBox2", "ComboBox3", "ComboBox4"})
        EXPECT_EQ(form.control(list).index, 3) << list;
    for (const char* list : {"ComboBox6", "ComboBox7", "ComboBox8"})
        EXPECT_EQ(form.control(list).index, 2) << list;
    EXPECT_EQ(form.control("ComboBox9").index, 1);
    EXPECT_EQ(form.control("ComboBox10").index, 5);
    EXPECT_EQ(form.state().rows[WallD].structureMaterial, 3);
}

TEST(FormNavigation, SpaceInFinishOfWallACopiesTheFinishToTheWalls)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox14", 4);
    ASSERT_TRUE(form.pressSpace());
    EXPECT_EQ(form.focus(), "ComboBox15");
    for (const char* list : {"ComboBox15", "ComboBox16", "ComboBox17"})
        EXPECT_EQ(form.control(list).index, 4) << list;
    EXPECT_EQ(form.control("ComboBox18").index, 0);
    EXPECT_EQ(form.state().rows[Ceiling].surfaceFinish, 0);
    EXPECT_EQ(form.state().rows[WallD].surfaceFinish, 4);
}

TEST(FormNavigation, SpaceElsewhereIsAnOrdinaryKey)
{
    FormModel form{std::string(kToday)};
    Type(form, "Edit10", "7");
    EXPECT_FALSE(form.pressSpace());
    EXPECT_EQ(form.focus(), "Edit10");
    ASSERT_TRUE(form.setFocus("ComboBox15"));
    EXPECT_FALSE(form.pressSpace());
    EXPECT_EQ(form.control("ComboBox16").index, 0);
}

// A user cannot reach a hidden or disabled control; the focus stays and an error is reported.
TEST(FormNavigation, HiddenDisabledAndPaintedControlsCannotTakeTheFocus)
{
    FormModel form{std::string(kToday)};
    Type(form, "Edit22", "5");
    for (const char* name : {"Edit131", "PaintBox8", "Label46"}) {
        EXPECT_FALSE(form.setFocus(name)) << name;
        EXPECT_EQ(form.focus(), "Edit22") << name;
        EXPECT_EQ(form.takeErrors().size(), 1u) << name;
    }
    EXPECT_EQ(Text(form, "Edit22"), "5"); // not committed: the focus never moved
    form.choose("ComboBox20", 4);
    EXPECT_FALSE(form.setFocus("Edit79"));
    EXPECT_EQ(form.focus(), "ComboBox20");
}

TEST(FormNavigation, FocusShowsTheControlsTabPage)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus("Edit30"));
    EXPECT_EQ(form.currentTab(), 2);
    ASSERT_TRUE(form.setFocus("Edit22")); // outside the tabs: the page stays
    EXPECT_EQ(form.currentTab(), 2);
    form.showTab(4);
    EXPECT_EQ(form.currentTab(), 4);
    EXPECT_EQ(form.focus(), "Edit22");
}

} // namespace
} // namespace zeltar::test
