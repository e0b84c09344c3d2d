// The pass as a whole: which texts it writes and in what form, the values it hands back to the
// window, the modes of the door and fan fields, and how the room groups change the totals.
#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "fields/number_text.h"
#include "model/startup_state.h"
#include "plan/directions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

using namespace zeltar;
using namespace zeltar::calc;

namespace {

ProjectState Startup()
{
    return StartupState("01.01.2025");
}

// A store of 10 x 10 x 3 m stacked 1 m high at 1000 kg/m3: 70 t net (0.7 of the floor used).
ProjectState SeventyTonneStore()
{
    ProjectState s = Startup();
    s.roomLength = 10;
    s.roomWidth = 10;
    s.roomHeight = 3;
    s.stackHeight = 1;
    s.stackDensity = 1000;
    return s;
}

std::string Text(const RecalcResult& r, ResultField f)
{
    return ShownResult(r, f).value_or("<left as is>");
}

} // namespace

// Guards the cut on the decimal form: a row gain of exactly 290 W is 0.29 kW and shows 0,29
// (trunc(0.29 x 100) in binary floating point would give 0,28).
TEST(RecalculateTexts, A290WattRowShowsZeroPointTwentyNine)
{
    ProjectState s = Startup();
    s.roomLength = 10;
    s.roomWidth = 4;
    s.roomHeight = 2;
    s.roomTemperature = 0;
    for (EnclosureRow& row : s.rows)
        row.outsideTemperature = 0;
    s.rows[WallA].outsideTemperature = 5.2; // k 6.9697 x 8 m2 x 5.2 K = 289.9 W -> 290 W
    const RecalcResult r = Recalculate(s);
    EXPECT_EQ(r.values.enclosureHeatGain[WallA], 0.29);
    EXPECT_EQ(Text(r, ResultField::EnclosureHeatGainA), "  0,29");
    EXPECT_EQ(Text(r, ResultField::HeatGainQ1), "  0,29");
}

// Guards the text forms that differ from the two-decimal rule: the door gain's three blanks, the
// one-decimal capacities and solar differences, the full respiration and enthalpy differences.
TEST(RecalculateTexts, FieldsWithTheirOwnTextForm)
{
    ProjectState s = SeventyTonneStore();
    s.product = 12; // cheese, 68 W/t at any temperature
    s.cryoscopicTemperature = -8.5;
    s.roomTemperature = -2;
    s.productInletTemperature = 20;
    s.productFinalTemperature = 0;
    s.stackDensity = 333.33;
    const RecalcResult r = Recalculate(s);
    EXPECT_EQ(Text(r, ResultField::DoorHeatGain).rfind("   ", 0), 0u);
    EXPECT_NE(Text(r, ResultField::DoorHeatGain)[3], ' ');
    EXPECT_EQ(Text(r, ResultField::NetCapacity), "  23,3");   // 23.3331 t cut to one decimal
    EXPECT_EQ(Text(r, ResultField::GrossCapacity), "  23,3"); // no packaging
    EXPECT_EQ(Text(r, ResultField::RespirationHeat), "  68");
    EXPECT_EQ(Text(r, ResultField::ProductEnthalpyDifference),
              "  " + fields::FormatGeneral(r.values.productEnthalpyDifference));
    EXPECT_EQ(Text(r, ResultField::SolarTemperatureDifferenceA), "  8,9"); // 5.6 x 1.6 = 8.96
}

// Guards the summary column: copies of the six partial sums.
TEST(RecalculateTexts, SummaryRepeatsThePartialSums)
{
    ProjectState s = SeventyTonneStore();
    s.airExchangeRate = 3;
    const RecalcResult r = Recalculate(s);
    EXPECT_EQ(Text(r, ResultField::SummaryQ1), Text(r, ResultField::HeatGainQ1));
    EXPECT_EQ(Text(r, ResultField::SummaryQ12), Text(r, ResultField::HeatGainQ12));
    EXPECT_EQ(Text(r, ResultField::SummaryQ2), Text(r, ResultField::HeatGainQ2));
    EXPECT_EQ(Text(r, ResultField::SummaryQ3), Text(r, ResultField::HeatGainQ3));
    EXPECT_EQ(Text(r, ResultField::SummaryQ4), Text(r, ResultField::HeatGainQ4));
    EXPECT_EQ(Text(r, ResultField::SummaryQ5), Text(r, ResultField::HeatGainQ5));
    EXPECT_NE(Text(r, ResultField::HeatGainQ3), "  0");
}

// Guards which fields the pass may leave alone: the packaging share is shown as 0 only for rails;
// the door-open time is written only in passes mode. Every other field is always written.
TEST(RecalculateTexts, PackagingShareOnlyForRailsDoorTimeOnlyInPassesMode)
{
    ProjectState s = SeventyTonneStore();
    s.packagingShare = 20;
    RecalcResult r = Recalculate(s);
    EXPECT_FALSE(r.result(ResultField::PackagingShare).has_value());
    ASSERT_TRUE(r.doorOpenTime.has_value());
    // 70 t at 10 % a day in 1000 kg load units: 14 passes of 25 s and 7 t at 48 s a tonne,
    // 686 s a day = 0.1906 h, cut to 0.19.
    EXPECT_EQ(Text(r, ResultField::DoorOpenTime), "  0,19");
    EXPECT_DOUBLE_EQ(*r.doorOpenTime, 0.19);

    s.roomType = 4; // meat on rails
    s.doorTimeMode = 1;
    s.doorOpenTime = 2;
    r = Recalculate(s);
    EXPECT_EQ(Text(r, ResultField::PackagingShare), "  0");
    EXPECT_FALSE(r.result(ResultField::DoorOpenTime).has_value());
    EXPECT_FALSE(r.doorOpenTime.has_value());
    for (int f = 0; f < kResultFieldCount; ++f) {
        if (f != static_cast<int>(ResultField::DoorOpenTime)) {
            EXPECT_TRUE(r.results[f].has_value()) << ResultFieldName(static_cast<ResultField>(f));
        }
    }
}

// Worked examples: passes 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 3.5 -> 4 (halves to the even neighbour).
TEST(RecalculateDoor, VehiclePassesRoundHalfToEven)
{
    struct Case {
        double turnoverPercent;
        double loadUnitMassKg;
        const char* text;
    };
    // Goods flow 35 t (50 %) or 21 t (30 %) of the 70 t store; passes = 2 x flow / load unit (t).
    for (const Case c :
         {Case{50, 140000, "  0"}, Case{30, 28000, "  2"}, Case{50, 28000, "  2"}, Case{50, 20000, "  4"}}) {
        ProjectState s = SeventyTonneStore();
        s.dailyTurnoverPercent = c.turnoverPercent;
        s.loadUnitMass = c.loadUnitMassKg;
        const RecalcResult r = Recalculate(s);
        ASSERT_EQ(r.values.netCapacity, 70);
        EXPECT_EQ(Text(r, ResultField::VehiclePasses), c.text) << "passes " << r.values.vehiclePasses;
    }
}

// Guards the time mode: 2 h a day is a share of 1/12 whatever the goods flow; the passes are still
// shown.
TEST(RecalculateDoor, TimeModeUsesTheEnteredOpenTime)
{
    ProjectState s = SeventyTonneStore();
    s.doorTimeMode = 1;
    s.doorOpenTime = 2;
    s.dailyTurnoverPercent = 50;
    s.loadUnitMass = 28000;
    RecalcResult r = Recalculate(s);
    EXPECT_DOUBLE_EQ(r.values.doorOpenShare, 2.0 / 24);
    EXPECT_EQ(Text(r, ResultField::VehiclePasses), "  2");
    const double timeModeGain = r.values.doorHeatGain;

    s.dailyTurnoverPercent = 100;
    r = Recalculate(s);
    EXPECT_EQ(r.values.doorHeatGain, timeModeGain);

    s.doorTimeMode = 0;
    r = Recalculate(s);
}

// Guards the fan modes: share of the other gains (absolute, so positive when they are negative)
// or the installed power.
TEST(RecalculateFans, ShareIsAbsoluteDetailedIsInstalledPower)
{
    ProjectState s = SeventyTonneStore();
    s.roomTemperature = 10;
    s.productFinalTemperature = 10;
    s.productInletTemperature = 10;
    s.outsideDesignTemperature = -30;
    for (EnclosureRow& row : s.rows) {
        row.outsideTemperature = -30;
        row.sunlit = 0;
    }
    s.lightingHours = 0;
    s.fanSharePercent = 10;
    RecalcResult r = Recalculate(s);
    const RecalcValues& v = r.values;
    const double others = v.q1 + v.q12 + v.q2 + v.q3 + v.q5 + v.doorHeatGain + v.lightingHeatGain + v.staffHeatGain +
                          v.vehicleHeatGain + v.consumerHeatGain;
    ASSERT_LT(others, 0);
    EXPECT_DOUBLE_EQ(v.fanHeatGain, -others / 10);

    s.fanDetailedCalculation = 1;
    s.fanPower = 0.5;
    s.fanCount = 3;
    r = Recalculate(s);
    EXPECT_DOUBLE_EQ(r.values.fanHeatGain, 1.5);
    EXPECT_EQ(Text(r, ResultField::FanHeatGain), "  1,5");
}

// Guards the chamber regime: the equipment runs through the processing time (share 1), so the
// processing time changes the capacity only through Q21 and Q22 (door in time mode, fans detailed:
// otherwise the goods flow through the door and the fan share follow the processing time too).
TEST(RecalculateTotals, ChamberCapacityDependsOnProcessingTimeOnlyThroughQ2)
{
    ProjectState s = SeventyTonneStore();
    s.roomType = 2; // chilling chamber
    s.roomTemperature = -3;
    s.productInletTemperature = 35;
    s.productFinalTemperature = 2;
    s.doorTimeMode = 1;
    s.doorOpenTime = 1;
    s.fanDetailedCalculation = 1;
    s.fanPower = 1;
    s.fanCount = 2;
    s.equipmentRunningHours = 6;
    const RecalcResult six = Recalculate(s);
    s.equipmentRunningHours = 12;
    const RecalcResult twelve = Recalculate(s);
    EXPECT_EQ(six.values.q1, twelve.values.q1);
    EXPECT_EQ(six.values.q12, twelve.values.q12);
    EXPECT_EQ(six.values.q3, twelve.values.q3);
    EXPECT_EQ(six.values.q4, twelve.values.q4);
    EXPECT_EQ(six.values.q5, twelve.values.q5);
    EXPECT_NEAR(six.values.q21, 2 * twelve.values.q21, 1e-12);
    for (const RecalcResult* r : {&six, &twelve})
        EXPECT_DOUBLE_EQ(r->values.equipmentCapacity, 1.1 * r->values.totalHeatGain);
}

// Guards that the wall directions feed the solar rows only: turning the plan changes Q12, not Q1.
TEST(RecalculateSolar, TurningThePlanChangesQ12NotQ1)
{
    ProjectState s = SeventyTonneStore();
    const RecalcResult before = Recalculate(s);
    for (int wall = WallA; wall <= WallD; ++wall)
        s.rows[wall].facing = static_cast<plan::Direction>(2 * wall + 1);
    const RecalcResult turned = Recalculate(s);
    EXPECT_EQ(before.values.q1, turned.values.q1);
    EXPECT_NE(before.values.q12, turned.values.q12);
    EXPECT_EQ(before.values.solarHeatGain[Ceiling], turned.values.solarHeatGain[Ceiling]);
}

// Guards the floor variants: on ground the zones decide and the floor's own outside temperature is
// not read; on piles the layers and that temperature decide.
TEST(RecalculateFloor, OnGroundTheZonesDecide)
{
    ProjectState s = SeventyTonneStore();
    s.floorType = 2;
    const double onGround = Recalculate(s).values.enclosureHeatGain[Floor];
    s.rows[Floor].outsideTemperature = 100;
    EXPECT_EQ(Recalculate(s).values.enclosureHeatGain[Floor], onGround);
    s.floorType = 0;
    EXPECT_NE(Recalculate(s).values.enclosureHeatGain[Floor], onGround);
}

// Guards the material copies on the solar tab: each row's name from its own list.
TEST(RecalculateTexts, MaterialNamesComeFromEachRowsList)
{
    ProjectState s = Startup();
    s.rows[WallB].structureMaterial = 5;
    s.rows[Ceiling].structureMaterial = 5;
    const RecalcResult r = Recalculate(s);
    EXPECT_EQ(Text(r, ResultField::StructureMaterialTextA), "железобетон");
    EXPECT_EQ(Text(r, ResultField::StructureMaterialTextB), "гранит");
    EXPECT_EQ(Text(r, ResultField::StructureMaterialTextCeiling), "сталь");
}

// Guards a damaged project: a list index outside its list stops the pass instead of reading past
// the table.
TEST(RecalculateInputs, AnIndexOutsideItsListIsRefused)
{
    ProjectState s = Startup();
    s.product = 61;
    EXPECT_THROW(Recalculate(s), std::out_of_range);
    s = Startup();
    s.roomType = -1;
    EXPECT_THROW(Recalculate(s), std::out_of_range);
    s = Startup();
    s.floorType = 4;
    EXPECT_THROW(Recalculate(s), std::out_of_range);
    s = Startup();
    s.rows[Ceiling].surfaceFinish = 7;
    EXPECT_THROW(Recalculate(s), std::out_of_range);
}

// Guards the result names: every result has its own name.
TEST(ResultFields, NamesAreUnique)
{
    std::set<std::string_view> parameters;
    for (const ResultRow& row : kResultRows)
        EXPECT_TRUE(parameters.insert(row.name).second) << row.name;
    EXPECT_EQ(ResultFieldName(ResultField::SummaryQ5), "SummaryQ5");
}
