// The compass button and the surface tiles: directions, texts and coefficients change at once, the
// results only at the next recalculation.
#include "form_test_support.h"

namespace zeltar::test {
namespace {

std::vector<std::string> WallDirections(const FormModel& form)
{
    return {Text(form, Control::WallDirectionA), Text(form, Control::WallDirectionB),
            Text(form, Control::WallDirectionC), Text(form, Control::WallDirectionD)};
}

TEST(FormPlan, CompassTurnsTheWallsClockwise)
{
    FormModel form{std::string(kToday)};
    form.click(Control::CompassButton);
    EXPECT_EQ(form.state().planOrientation, 45);
    EXPECT_EQ(WallDirections(form), (std::vector<std::string>{"   ЮВ", "   СВ", "   СЗ", "   ЮЗ"}));
    EXPECT_EQ(form.state().rows[WallA].facing, plan::Direction::SouthEast);
    form.click(Control::CompassButton);
    EXPECT_EQ(WallDirections(form), (std::vector<std::string>{"     В", "     С", "     З", "     Ю"}));
    for (int press = 0; press < 6; ++press)
        form.click(Control::CompassButton);
    EXPECT_EQ(form.state().planOrientation, 0);
    EXPECT_EQ(WallDirections(form), (std::vector<std::string>{"     Ю", "     В", "     С", "     З"}));
}

// Guards stale results after a turn or a tile (a report printed then would show them): each click
// recalculates at once.
TEST(FormPlan, TurnsAndTilesRecalculateAtOnce)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomLength, "10");
    Enter(form, Control::RoomWidth, "10");
    Enter(form, Control::RoomHeight, "4");
    const std::string southDifference = Text(form, Control::SolarTemperatureDifferenceA);
    form.click(Control::CompassButton);
    form.click(Control::CompassButton);
    EXPECT_NE(Text(form, Control::SolarTemperatureDifferenceA), southDifference);
    const std::string wallGain = Text(form, Control::EnclosureHeatGainA);
    form.click(Control::FacingTileA);
    EXPECT_NE(Text(form, Control::EnclosureHeatGainA), wallGain);
    const std::string sunGain = Text(form, Control::SolarHeatGainA);
    form.click(Control::SunTileA);
    EXPECT_NE(Text(form, Control::SolarHeatGainA), sunGain);
}

TEST(FormPlan, OutsideInsideTileSetsTextsAndCoefficient)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::RoomLength));
    form.click(Control::FacingTileC);
    EXPECT_EQ(form.focusedControl(), Control::RoomLength); // a tile takes no focus
    EXPECT_EQ(form.control(Control::FacingTileC).index, 0);
    EXPECT_EQ(Text(form, Control::OutsideFacingTextC), "  вн");
    EXPECT_EQ(Text(form, Control::OutsideFacingCopyC), "  вн");
    EXPECT_DOUBLE_EQ(form.state().rows[WallC].outerSurfaceCoefficient, 10);
    form.click(Control::FacingTileC);
    EXPECT_EQ(form.control(Control::FacingTileC).index, 1);
    EXPECT_EQ(Text(form, Control::OutsideFacingTextC), " нар");
    EXPECT_EQ(Text(form, Control::OutsideFacingCopyC), " нар");
    EXPECT_DOUBLE_EQ(form.state().rows[WallC].outerSurfaceCoefficient, 23);
}

TEST(FormPlan, SunTileOfTheCeiling)
{
    FormModel form{std::string(kToday)};
    form.click(Control::SunTileCeiling);
    EXPECT_EQ(form.state().rows[Ceiling].sunlit, 0);
    EXPECT_EQ(Text(form, Control::SunlitTextCeiling), "  нет");
    EXPECT_EQ(Text(form, Control::SunlitTextA), "   да");
    form.click(Control::Plan); // the plan itself does nothing
    form.click(Control::SectionSketch);
    EXPECT_TRUE(form.takeErrors().empty());
}

} // namespace
} // namespace zeltar::test
