// Goods: enthalpy sums with freezing, respiration, room capacity, daily turnover and Q21, Q22, Q5.
#include "calc/goods_enthalpy.h"
#include "calc/goods_load.h"
#include "refdata/products.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zeltar::calc;
using zeltar::refdata::RoomGroup;

namespace {

const GoodsProperties kLeanBeef{70, -1.5, 0};
const GoodsProperties kLeanBeefInCardboard{70, -1.5, 2300};

} // namespace

// Worked example: 70 % water cooled from 20 to 0 °C, above its cryoscopic point, takes
// (1470 x 0.3 + 4190 x 0.7) x 20 J/kg = 67.5 kJ/kg up to the 0.01 K grid, shown cut as 67,4.
TEST(GoodsEnthalpy, CoolingAboveTheCryoscopicPointIsSensibleHeatOnly)
{
    EXPECT_DOUBLE_EQ(GoodsEnthalpyDifferences(20, 0, kLeanBeef).product, 67.4);
}

// Guards the latent heat: freezing from -1 to -10 °C releases far more than the sensible heat of
// water and ice alone, and the frozen share rises steeply just below the cryoscopic point.
TEST(GoodsEnthalpy, FreezingAddsTheLatentHeatOfTheFrozenShare)
{
    EXPECT_EQ(FrozenWaterFraction(-1.5, -1.5), 0);
    EXPECT_EQ(FrozenWaterFraction(5, -1.5), 0);
    EXPECT_GT(FrozenWaterFraction(-1.51, -1.5), 0.01);
    // 48.5 K below the point: 1.105 / (1 + 0.31 / lg 49.5) = 1.105 / 1.18293 = 0.93412.
    EXPECT_NEAR(FrozenWaterFraction(-50, -1.5), 0.93412, 1e-5);
    const double sensibleOnly = (1470 * 0.3 + 4190 * 0.7) * 9 / 1000;
    EXPECT_GT(GoodsEnthalpyDifferences(-1, -10, kLeanBeef).product, 5 * sensibleOnly);
}

// Guards the signs and the zero case: equal temperatures give nothing, warming goods give negative
// differences for product and packaging.
TEST(GoodsEnthalpy, EqualTemperaturesGiveZeroAndWarmingGivesNegative)
{
    const EnthalpyDifferences same = GoodsEnthalpyDifferences(-3.7, -3.7, kLeanBeefInCardboard);
    EXPECT_EQ(same.product, 0);
    EXPECT_EQ(same.packaging, 0);
    const EnthalpyDifferences warmed = GoodsEnthalpyDifferences(-25, -20, kLeanBeefInCardboard);
    EXPECT_LT(warmed.product, 0);
    EXPECT_LT(warmed.packaging, 0);
}

// Glass packaging takes the handbook heat capacity (750..840 J/(kg K)), not a value near that of
// wood: milk in glass from 10 to -12 °C gives 840 x 22 J/kg = 18,48 kJ/kg, shown cut as 18,4.
TEST(GoodsEnthalpy, GlassPackagingHasTheHeatCapacityOfGlass)
{
    const auto& glass = zeltar::refdata::kPackagingMaterials[3];
    ASSERT_EQ(glass.name, "стекло");
    EXPECT_GE(glass.heatCapacity, 750);
    EXPECT_LE(glass.heatCapacity, 840);
    const GoodsProperties milkInGlass{90, -0.6, glass.heatCapacity};
    EXPECT_DOUBLE_EQ(GoodsEnthalpyDifferences(10, -12, milkInGlass).packaging, 18.4);
}

// Guards the stop rule: at or below -50 °C the sum holds exactly the first step.
TEST(GoodsEnthalpy, StartAtOrBelowMinusFiftyIsOneStep)
{
    EXPECT_DOUBLE_EQ(CumulativeEnthalpy(-50, kLeanBeefInCardboard).packaging, 2300 * 0.01);
    EXPECT_DOUBLE_EQ(CumulativeEnthalpy(-60, kLeanBeefInCardboard).packaging, 2300 * 0.01);
}

// Guards the step limit: far above +70 °C the sum stops after 12000 steps (120 K).
TEST(GoodsEnthalpy, AtMostTwelveThousandSteps)
{
    EXPECT_NEAR(CumulativeEnthalpy(200, kLeanBeefInCardboard).packaging, 12000 * 23.0, 1e-6);
    EXPECT_NEAR(CumulativeEnthalpy(150, kLeanBeefInCardboard).packaging, 12000 * 23.0, 1e-6);
}

// Guards the respiration rule: only above the cryoscopic temperature, the curve's ends held.
TEST(Respiration, CountsOnlyAboveTheCryoscopicTemperature)
{
    const auto& bananas = zeltar::refdata::kProducts[26].respiration;
    const auto& apricots = zeltar::refdata::kProducts[19].respiration;
    const auto& cheese = zeltar::refdata::kProducts[12].respiration;
    EXPECT_DOUBLE_EQ(RespirationHeat(2.5, -1, bananas), 15);
    EXPECT_DOUBLE_EQ(RespirationHeat(-1, -1.3, apricots), 17);  // below 0 °C, above tcr
    EXPECT_DOUBLE_EQ(RespirationHeat(-1.3, -1.3, apricots), 0); // at tcr
    EXPECT_DOUBLE_EQ(RespirationHeat(30, -1.3, apricots), 199);
    EXPECT_DOUBLE_EQ(RespirationHeat(-5, -8.5, cheese), 68);
}

// Guards the floor use factor: the lower factor at exactly 100, 250 and 400 m2.
TEST(Capacity, FloorUseFactorTakesTheLowerStepAtTheBounds)
{
    EXPECT_EQ(FloorUseFactor(100), 0.7);
    EXPECT_EQ(FloorUseFactor(100.01), 0.75);
    EXPECT_EQ(FloorUseFactor(250), 0.75);
    EXPECT_EQ(FloorUseFactor(400), 0.8);
    EXPECT_EQ(FloorUseFactor(400.01), 0.85);
}

// Guards the stack capacity of stores (raised turnover leaves 30 % free) and chambers (never).
TEST(Capacity, StoresAndChambersStackGoodsAndPackaging)
{
    const RoomCapacity store = Capacity({RoomGroup::Store, 100, 3, 350, 10, false});
    EXPECT_DOUBLE_EQ(store.net, 73.5);
    EXPECT_DOUBLE_EQ(store.packagingMass, 7.35);
    EXPECT_DOUBLE_EQ(store.gross, 80.85);
    EXPECT_DOUBLE_EQ(Capacity({RoomGroup::Store, 100, 3, 350, 10, true}).net, 0.7 * 73.5);
    EXPECT_DOUBLE_EQ(Capacity({RoomGroup::Chamber, 100, 3, 350, 10, true}).net, 73.5);
}

// Guards the rail rule: 0.2 t per m2 of used floor; stack height, density and packaging ignored.
TEST(Capacity, RailsIgnoreTheStackAndCarryNoPackaging)
{
    const RoomCapacity rails = Capacity({RoomGroup::Rail, 200, 3, 350, 20, false});
    EXPECT_DOUBLE_EQ(rails.net, 0.2 * 150);
    EXPECT_EQ(rails.gross, rails.net);
    EXPECT_EQ(rails.packagingMass, 0);
}

// Guards the daily turnover text value: tonnes rounded to 0.1 t, a half to the even neighbour.
TEST(DailyTurnover, RoundsToTenthsHalfToEven)
{
    EXPECT_DOUBLE_EQ(DailyTurnoverTonnes(72.5, 10), 7.2);
    EXPECT_DOUBLE_EQ(DailyTurnoverTonnes(73.5, 10), 7.4);
    EXPECT_DOUBLE_EQ(DailyTurnoverTonnes(100, 15), 15);
}

// Guards the two processing regimes: stores a daily share over 24 h, chambers and rails the whole
// load within the processing time; Q5 from the net capacity for every type.
TEST(GoodsGains, StoresProcessTheDailyShareChambersTheWholeLoad)
{
    GoodsGainInputs in;
    in.capacity = {86.4, 8.64, 95.04};
    in.dailyTurnoverPercent = 10;
    in.equipmentRunningHours = 10;
    in.productEnthalpyDifference = 100;
    in.packagingEnthalpyDifference = 50;
    in.respirationHeat = 20;

    in.group = RoomGroup::Store;
    const GoodsGains store = GoodsProcessingGains(in);
    EXPECT_NEAR(store.product, 10, 1e-12);
    EXPECT_NEAR(store.packaging, 0.5, 1e-12);
    EXPECT_NEAR(store.processing, 10.5, 1e-12);
    EXPECT_NEAR(store.respiration, 1.728, 1e-12);

    in.group = RoomGroup::Chamber;
    const GoodsGains chamber = GoodsProcessingGains(in);
    EXPECT_NEAR(chamber.product, 86.4 * 100 * 1000 / 36000, 1e-9);
    EXPECT_NEAR(chamber.packaging, 8.64 * 50 * 1000 / 36000, 1e-9);
    EXPECT_NEAR(chamber.respiration, 1.728, 1e-12);
}
