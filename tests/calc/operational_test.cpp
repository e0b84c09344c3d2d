// Operational gains Q4 (door, lighting, staff, vehicles, consumers, fans), the warnings and the
// equipment capacity.
#include "calc/operational_gain.h"
#include "calc/totals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zeltar;
using namespace zeltar::calc;
using refdata::RoomGroup;

namespace {

ProjectState Door(double outsideTemperature, double outsideHumidity, double roomTemperature, double roomHumidity)
{
    ProjectState s;
    s.rows[WallA].outsideTemperature = outsideTemperature;
    s.outsideDesignTemperature = 99; // the door opens onto the air beside wall A, not the design air
    s.outsideRelativeHumidity = outsideHumidity;
    s.roomTemperature = roomTemperature;
    s.roomRelativeHumidity = roomHumidity;
    s.doorHeight = 2;
    s.doorWidth = 2;
    return s;
}

} // namespace

// Guards the signs: warm outside air brings heat in; colder (denser) air of lower enthalpy takes
// heat out.
TEST(DoorOpenings, FlowFollowsTheEnthalpyDifference)
{
    EXPECT_GT(OpenDoorHeatFlow(Door(30, 0.5, -20, 0.9)), 0);
    EXPECT_LT(OpenDoorHeatFlow(Door(-30, 0.5, 0, 0.9)), 0);
}

// Guards the 0.001 margin: equal densities still exchange a little air (no division to zero flow).
TEST(DoorOpenings, EqualDensitiesStillExchangeALittle)
{
    const double flow = OpenDoorHeatFlow(Door(5, 0.3, 5, 0.9));
    EXPECT_LT(flow, 0); // drier outside air: lower enthalpy
    EXPECT_GT(flow, 0.1 * OpenDoorHeatFlow(Door(-25, 0.3, 5, 0.9)));
}

// Guards the protection efficiencies: an air curtain leaves 30 %, a strip curtain 80 %.
TEST(DoorOpenings, CurtainsCutTheDoorGain)
{
    const double open = DoorHeatGain(10000, 0.1, 0);
    EXPECT_NEAR(open, 10000 * 0.1 * 1.1 / 1000, 1e-12);
    EXPECT_NEAR(DoorHeatGain(10000, 0.1, 1), 0.8 * open, 1e-12);
    EXPECT_NEAR(DoorHeatGain(10000, 0.1, 2), 0.3 * open, 1e-12);
}

// Guards the goods flow by room group, the passes (in and out per load unit) and the open time per
// pass by door type and per tonne by room group.
TEST(DoorOpenings, PassesAndOpenTimeFromTheGoodsFlow)
{
    ProjectState s;
    s.dailyTurnoverPercent = 20;
    s.equipmentRunningHours = 12;
    EXPECT_DOUBLE_EQ(DailyGoodsFlow(RoomGroup::Store, s, 50), 10);
    EXPECT_DOUBLE_EQ(DailyGoodsFlow(RoomGroup::Chamber, s, 50), 5);
    EXPECT_DOUBLE_EQ(DailyGoodsFlow(RoomGroup::Rail, s, 50), 5);
    EXPECT_DOUBLE_EQ(VehiclePassCount(10, 500), 40);
    EXPECT_DOUBLE_EQ(DoorOpenShareFromPasses(40, 10, 0, RoomGroup::Store), (40 * 25 + 48 * 10) / 86400.0);
    EXPECT_DOUBLE_EQ(DoorOpenShareFromPasses(40, 10, 1, RoomGroup::Chamber), (40 * 15 + 48 * 10) / 86400.0);
    EXPECT_DOUBLE_EQ(DoorOpenShareFromPasses(40, 10, 1, RoomGroup::Rail), (40 * 15 + 60 * 10) / 86400.0);
}

// Guards the staff's heat: 390 W a person at -20 °C, for the lighting hours (no staff or no
// lighting hours: no staff gain).
TEST(OtherGains, StaffWorkWhileTheLightsAreOn)
{
    ProjectState s;
    s.lightingHours = 8;
    s.roomTemperature = -20;
    s.staffCount = 2;
    EXPECT_DOUBLE_EQ(StaffHeatGain(s), 0.26);
    s.lightingHours = 0;
    EXPECT_EQ(StaffHeatGain(s), 0);
    s.lightingHours = 8;
    s.staffCount = 0;
    EXPECT_EQ(StaffHeatGain(s), 0);
}

// Guards the fans: a share of the other gains taken as an absolute value, or the installed power.
TEST(OtherGains, FansByShareAreNeverNegative)
{
    ProjectState s;
    s.fanSharePercent = 10;
    s.fanPower = 0.75;
    s.fanCount = 4;
    EXPECT_DOUBLE_EQ(FanHeatGain(s, 12), 1.2);
    EXPECT_DOUBLE_EQ(FanHeatGain(s, -12), 1.2);
    s.fanDetailedCalculation = 1;
    EXPECT_DOUBLE_EQ(FanHeatGain(s, -12), 3);
}

// The three warning cases of the method, the second test deciding the final field.
TEST(Warnings, GoodsAndRoomTemperatures)
{
    const TemperatureWarnings frozenStore = GoodsTemperatureWarnings(-20, -10, -20);
    EXPECT_EQ(frozenStore.roomTemperature, Warning::White);
    EXPECT_EQ(frozenStore.productInletTemperature, Warning::White);
    EXPECT_EQ(frozenStore.productFinalTemperature, Warning::White);

    const TemperatureWarnings warmedGoods = GoodsTemperatureWarnings(-20, -25, -20);
    EXPECT_EQ(warmedGoods.productInletTemperature, Warning::Red);
    EXPECT_EQ(warmedGoods.productFinalTemperature, Warning::White);
    EXPECT_EQ(warmedGoods.roomTemperature, Warning::White);

    const TemperatureWarnings warmRoom = GoodsTemperatureWarnings(-10, -10, -20);
    EXPECT_EQ(warmRoom.roomTemperature, Warning::Red);
    EXPECT_EQ(warmRoom.productFinalTemperature, Warning::Red);
    EXPECT_EQ(warmRoom.productInletTemperature, Warning::White);
}

// Guards the running share: a store running 12 h with 10 % reserve needs 2.2 times the load;
// chambers and rails run through the processing time (share 1).
TEST(EquipmentCapacity, StoresSpreadTheLoadOverTheRunningHours)
{
    EXPECT_DOUBLE_EQ(EquipmentCapacity(10, RoomGroup::Store, 12, 10), 22);
    EXPECT_DOUBLE_EQ(EquipmentCapacity(10, RoomGroup::Chamber, 12, 10), 11);
    EXPECT_DOUBLE_EQ(EquipmentCapacity(10, RoomGroup::Rail, 3, 0), 10);
}
