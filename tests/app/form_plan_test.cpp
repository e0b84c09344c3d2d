// The compass button and the surface tiles: directions, texts and coefficients change at once, the
// results only at the next recalculation.
#include "form_test_support.h"

namespace zeltar::test {
namespace {

std::vector<std::string> WallDirections(const FormModel& form)
{
    return {Text(form, "Edit26"), Text(form, "Edit27"), Text(form, "Edit28"), Text(form, "Edit29")};
}

TEST(FormPlan, CompassTurnsTheWallsClockwise)
{
    FormModel form{std::string(kToday)};
    form.click("Button1");
    EXPECT_EQ(form.state().planOrientation, 45);
    EXPECT_EQ(WallDirections(form), (std::vector<std::string>{"   ЮВ", "   СВ", "   СЗ", "   ЮЗ"}));
    EXPECT_EQ(form.state().rows[WallA].facing, plan::Direction::SouthEast);
    form.click("Button1");
    EXPECT_EQ(WallDirections(form), (std::vector<std::string>{"     В", "     С", "     З", "     Ю"}));
    for (int press = 0; press < 6; ++press)
        form.click("Button1");
    EXPECT_EQ(form.state().planOrientation, 0);
    EXPECT_EQ(WallDirections(form), (std::vector<std::string>{"     Ю", "     В", "     С", "     З"}));
}

// Guards stale results after a turn or a tile (a report printed then would show them): each click
// recalculates at once.
TEST(FormPlan, TurnsAndTilesRecalculateAtOnce)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit22", "10");
    Enter(form, "Edit23", "10");
    Enter(form, "Edit24", "4");
    const std::string southDifference = Text(form, "Edit62");
    form.click("Button1");
    form.click("Button1");
    EXPECT_NE(Text(form, "Edit62"), southDifference);
    const std::string wallGain = Text(form, "Edit36");
    form.click("PaintBox8");
    EXPECT_NE(Text(form, "Edit36"), wallGain);
    const std::string sunGain = Text(form, "Edit67");
    form.click("PaintBox2");
    EXPECT_NE(Text(form, "Edit67"), sunGain);
}

TEST(FormPlan, OutsideInsideTileSetsTextsAndCoefficient)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus("Edit22"));
    form.click("PaintBox10");
    EXPECT_EQ(form.focus(), "Edit22"); // a tile takes no focus
    EXPECT_EQ(form.control("PaintBox10").index, 0);
    EXPECT_EQ(Text(form, "Edit51"), "  вн");
    EXPECT_EQ(Text(form, "Edit59"), "  вн");
    EXPECT_DOUBLE_EQ(form.state().rows[WallC].outerSurfaceCoefficient, 10);
    form.click("PaintBox10");
    EXPECT_EQ(form.control("PaintBox10").index, 1);
    EXPECT_EQ(Text(form, "Edit51"), " нар");
    EXPECT_EQ(Text(form, "Edit59"), " нар");
    EXPECT_DOUBLE_EQ(form.state().rows[WallC].outerSurfaceCoefficient, 23);
}

TEST(FormPlan, SunTileOfTheCeiling)
{
    FormModel form{std::string(kToday)};
    form.click("PaintBox7");
    EXPECT_EQ(form.state().rows[Ceiling].sunlit, 0);
    EXPECT_EQ(Text(form, "Edit48"), "  нет");
    EXPECT_EQ(Text(form, "Edit44"), "   да");
    form.click("PaintBox1"); // the plan itself does nothing
    form.click("PaintBox3");
    EXPECT_TRUE(form.takeErrors().empty());
}

} // namespace
} // namespace zeltar::test
