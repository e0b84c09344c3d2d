// Enter walks through the window and its tabs; the space bar's two rules; what may take the focus.
#include "form_test_support.h"

#include "refdata/cities.h"

namespace zeltar::test {
namespace {

TEST(FormNavigation, EnterWalksThePanelAndCommitsEachField)
{
    FormModel form{std::string(kToday)};
    Type(form, Control::RoomLength, "6");
    ASSERT_TRUE(form.pressEnter());
    EXPECT_EQ(form.focusedControl(), Control::RoomWidth);
    EXPECT_EQ(Text(form, Control::RoomLength), "  6");
    form.pressEnter();
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::RoomType);
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::RoomTemperature);
}

// Guards the tab switches of the Enter chain: the last field of each page shows the next page.
TEST(FormNavigation, EnterFromTheLastFieldOfATabShowsTheNextTab)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::CapacityReserve));
    form.showTab(3);
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::StructureMaterialA);
    EXPECT_EQ(form.currentTab(), 0);
    const std::pair<Control, std::pair<Control, int>> chain[]{{Control::HeatGainQ1, {Control::SurfaceFinishA, 1}},
                                                              {Control::HeatGainQ12, {Control::AirExchangeRate, 2}},
                                                              {Control::HeatGainQ3, {Control::ProductGroup, 3}},
                                                              {Control::HeatGainQ5, {Control::DoorHeight, 4}}};
    for (const auto& [from, to] : chain) {
        ASSERT_TRUE(form.setFocus(from));
        form.pressEnter();
        EXPECT_EQ(form.focusedControl(), to.first) << from;
        EXPECT_EQ(form.currentTab(), to.second) << from;
    }
    ASSERT_TRUE(form.setFocus(Control::HeatGainQ4));
    EXPECT_FALSE(form.pressEnter());
    EXPECT_EQ(form.focusedControl(), Control::HeatGainQ4);
}

// Enter skips exactly the fields that the room type hides.
TEST(FormNavigation, EnterRoutesByRoomType)
{
    FormModel form{std::string(kToday)};
    const struct {
        int roomType;
        Control afterFinal;
        Control afterShare;
    } routes[]{{0, Control::StackHeight, Control::DailyTurnoverPercent},
               {2, Control::StackHeight, Control::HeatGainQ5},
               {4, Control::HeatGainQ5, Control::HeatGainQ5},
               {6, Control::StackHeight, Control::DailyTurnoverPercent}};
    for (const auto& r : routes) {
        form.choose(Control::RoomType, r.roomType);
        ASSERT_TRUE(form.setFocus(Control::ProductFinalTemperature));
        form.pressEnter();
        EXPECT_EQ(form.focusedControl(), r.afterFinal) << r.roomType;
        if (form.control(Control::PackagingShare).visible) {
            ASSERT_TRUE(form.setFocus(Control::PackagingShare));
            form.pressEnter();
            EXPECT_EQ(form.focusedControl(), r.afterShare) << r.roomType;
        }
    }
}

TEST(FormNavigation, EnterRoutesByCityAndCheckBoxes)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::City));
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::FloorType);
    form.choose(Control::City, refdata::kCustomCity);
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::Latitude);

    ASSERT_TRUE(form.setFocus(Control::VehicleHours));
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::FanSharePercent);
    form.click(Control::FanDetailedCalculation);
    ASSERT_TRUE(form.setFocus(Control::VehicleHours));
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::FanCount);

    ASSERT_TRUE(form.setFocus(Control::DoorType));
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::LoadUnitMass);
    form.click(Control::DoorTimeMode);
    ASSERT_TRUE(form.setFocus(Control::DoorType));
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::DoorOpenTime);
}

// Guards Enter into the disabled floor temperature (floor on ground), which would stop the walk.
TEST(FormNavigation, EnterPassesOverADisabledTarget)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::FloorType, 2); // "на грунте"
    ASSERT_FALSE(form.control(Control::OutsideTemperatureFloor).enabled);
    Type(form, Control::InsulationThicknessFloor, "100");
    form.pressEnter();
    EXPECT_EQ(form.focusedControl(), Control::HeatGainQ1);
    EXPECT_EQ(Text(form, Control::InsulationThicknessFloor), "  100");
    EXPECT_TRUE(form.takeErrors().empty());
}

// The space bar in the first outside temperature first moves to the structure material of wall Б
// (committing the temperature), then copies row A.
TEST(FormNavigation, SpaceInOutsideTemperatureOfWallACopiesTheFirstRow)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::StructureMaterialA, 3);
    form.choose(Control::InsulationMaterialA, 2);
    form.choose(Control::StructureMaterialCeiling, 1);
    Enter(form, Control::StructureThicknessA, "250");
    Enter(form, Control::InsulationThicknessA, "100");
    Enter(form, Control::OutsideTemperatureFloor, "-5");
    Type(form, Control::OutsideTemperatureA, "12");
    ASSERT_TRUE(form.pressSpace());
    EXPECT_EQ(form.focusedControl(), Control::StructureMaterialB);
    EXPECT_EQ(Text(form, Control::OutsideTemperatureA), "  12");
    for (const Control f : {Control::StructureThicknessB, Control::StructureThicknessC, Control::StructureThicknessD,
                            Control::StructureThicknessCeiling, Control::StructureThicknessFloor})
        EXPECT_EQ(Text(form, f), "  250") << f;
    for (const Control f : {Control::InsulationThicknessB, Control::InsulationThicknessC, Control::InsulationThicknessD,
                            Control::InsulationThicknessCeiling, Control::InsulationThicknessFloor})
        EXPECT_EQ(Text(form, f), "  100") << f;
    for (const Control f : {Control::OutsideTemperatureB, Control::OutsideTemperatureC, Control::OutsideTemperatureD,
                            Control::OutsideTemperatureCeiling})
        EXPECT_EQ(Text(form, f), "  12") << f;
    EXPECT_EQ(Text(form, Control::OutsideTemperatureFloor), "  -5");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, -5);
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].insulationThickness, 100);
    for (const Control list : {Control::StructureMaterialB, Control::StructureMaterialC, Control::StructureMaterialD})
        EXPECT_EQ(form.control(list).index, 3) << list;
    for (const Control list :
         {Control::InsulationMaterialB, Control::InsulationMaterialC, Control::InsulationMaterialD})
        EXPECT_EQ(form.control(list).index, 2) << list;
    EXPECT_EQ(form.control(Control::StructureMaterialCeiling).index, 1);
    EXPECT_EQ(form.control(Control::InsulationMaterialCeiling).index, 5);
    EXPECT_EQ(form.state().rows[WallD].structureMaterial, 3);
}

TEST(FormNavigation, SpaceInFinishOfWallACopiesTheFinishToTheWalls)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::SurfaceFinishA, 4);
    ASSERT_TRUE(form.pressSpace());
    EXPECT_EQ(form.focusedControl(), Control::SurfaceFinishB);
    for (const Control list : {Control::SurfaceFinishB, Control::SurfaceFinishC, Control::SurfaceFinishD})
        EXPECT_EQ(form.control(list).index, 4) << list;
    EXPECT_EQ(form.control(Control::SurfaceFinishCeiling).index, 0);
    EXPECT_EQ(form.state().rows[Ceiling].surfaceFinish, 0);
    EXPECT_EQ(form.state().rows[WallD].surfaceFinish, 4);
}

TEST(FormNavigation, SpaceElsewhereIsAnOrdinaryKey)
{
    FormModel form{std::string(kToday)};
    Type(form, Control::OutsideTemperatureB, "7");
    EXPECT_FALSE(form.pressSpace());
    EXPECT_EQ(form.focusedControl(), Control::OutsideTemperatureB);
    ASSERT_TRUE(form.setFocus(Control::SurfaceFinishB));
    EXPECT_FALSE(form.pressSpace());
    EXPECT_EQ(form.control(Control::SurfaceFinishC).index, 0);
}

// A user cannot reach a hidden or disabled control; the focus stays and an error is reported.
TEST(FormNavigation, HiddenDisabledAndPaintedControlsCannotTakeTheFocus)
{
    FormModel form{std::string(kToday)};
    Type(form, Control::RoomLength, "5");
    for (const Control name : {Control::DoorOpenTime, Control::FacingTileA, Control::RunningHoursCaption}) {
        EXPECT_FALSE(form.setFocus(name)) << name;
        EXPECT_EQ(form.focusedControl(), Control::RoomLength) << name;
        EXPECT_EQ(form.takeErrors().size(), 1u) << name;
    }
    EXPECT_EQ(Text(form, Control::RoomLength), "5"); // not committed: the focus never moved
    form.choose(Control::RoomType, 4);
    EXPECT_FALSE(form.setFocus(Control::DailyTurnoverPercent));
    EXPECT_EQ(form.focusedControl(), Control::RoomType);
}

TEST(FormNavigation, FocusShowsTheControlsTabPage)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.setFocus(Control::AirExchangeRate));
    EXPECT_EQ(form.currentTab(), 2);
    ASSERT_TRUE(form.setFocus(Control::RoomLength)); // outside the tabs: the page stays
    EXPECT_EQ(form.currentTab(), 2);
    form.showTab(4);
    EXPECT_EQ(form.currentTab(), 4);
    EXPECT_EQ(form.focusedControl(), Control::RoomLength);
}

} // namespace
} // namespace zeltar::test
