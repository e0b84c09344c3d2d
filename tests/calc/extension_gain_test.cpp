// The gains of the own project file's extensions, each against numbers worked out by hand: a row by
// its typed U-value, the added and own materials, extra layers, the defrost gain and the staff's own
// hours. (Without extensions the reference projects guard that nothing changed.)
#include "calc/enclosure_gain.h"
#include "calc/load_breakdown.h"
#include "calc/operational_gain.h"
#include "calc/recalculate.h"
#include "calc/solar_gain.h"
#include "model/project_extensions.h"
#include "model/startup_state.h"
#include "plan/directions.h"
#include "refdata/added_materials.h"
#include "refdata/room_types.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

using namespace zeltar;
using namespace zeltar::calc;

namespace {

constexpr int kWallReinforcedConcrete = 8;          // λ 1,7
constexpr int kWallPolyurethane = 6;                // λ 0,035
const int kWallPir = BuiltInInsulationCount(WallA); // first added insulation, λ 0,022
constexpr int kExtraLayerXps = 1;                   // λ 0,034
constexpr int kFirstOwnExtraLayer = static_cast<int>(refdata::kExtraLayerMaterials.size());

// A room 8 m long, 6 m wide, 3 m high at -20 °C; every row 30 °C outside (Δt 50 K), out of the sun.
// Wall A spans the width: 6 × 3 = 18 m².
ProjectState FreezerAtFiftyKelvin()
{
    ProjectState s = StartupState("01.01.2025");
    s.roomLength = 8;
    s.roomWidth = 6;
    s.roomHeight = 3;
    s.roomTemperature = -20;
    for (EnclosureRow& row : s.rows) {
        row.outsideTemperature = 30;
        row.sunlit = 0;
    }
    return s;
}

} // namespace

// Rows by hand, area 18 m², Δt 50 K, so Q = k·900 W:
// - panel U = 0,22 typed: 0,22·18·50 = 198 W; the layers (here 170 mm concrete + 70 mm PUR) no longer count;
// - PIR wall, 170 mm concrete (λ 1,7) + 100 mm PIR: R = 1/23 + 0,1 + 4,545455 + 0,1 = 4,788933, k = 0,208815,
//   Q = 187,93 → 188 W;
// - two layers, 80 mm PUR + 50 mm XPS as extra layer 1, no construction: R = 1/23 + 2,285714 + 1,470588
//   + 0,1 = 3,899781, k = 0,256425, Q = 230,78 → 231 W;
// - the same plus 40 mm of an own material λ 0,05 as extra layer 3: R + 0,8 = 4,699781, k = 0,212776,
//   Q = 191,498 → 191 W;
// - a typed U-value with extra layers: the U-value alone counts.
TEST(ExtensionEnclosure, RowsByHand)
{
    struct Case {
        const char* what;
        int insulation;
        double structureMm, insulationMm, uValue;
        int layer1;
        double layer1Mm, layer3Mm;
        double k, gainKw;
    };
    const Case cases[] = {
        {"panel by U-value", kWallPolyurethane, 170, 70, 0.22, 0, 0, 0, 0.22, 0.198},
        {"PIR wall", kWallPir, 170, 100, 0, 0, 0, 0, 0.208815, 0.188},
        {"PUR and an XPS layer", kWallPolyurethane, 0, 80, 0, kExtraLayerXps, 50, 0, 0.256425, 0.231},
        {"and an own layer", kWallPolyurethane, 0, 80, 0, kExtraLayerXps, 50, 40, 0.212776, 0.191},
        {"U-value over extra layers", kWallPolyurethane, 0, 80, 0.22, kExtraLayerXps, 50, 40, 0.22, 0.198},
    };
    for (const Case& c : cases) {
        ProjectState s = FreezerAtFiftyKelvin();
        s.ownMaterials = {{"пеноизол", 0.05, 1}};
        EnclosureRow& a = s.rows[WallA];
        a.structureMaterial = kWallReinforcedConcrete;
        a.insulationMaterial = c.insulation;
        a.structureThickness = c.structureMm;
        a.insulationThickness = c.insulationMm;
        a.uValue = c.uValue;
        a.extraLayerMaterial1 = c.layer1;
        a.extraLayerThickness1 = c.layer1Mm;
        a.extraLayerMaterial3 = kFirstOwnExtraLayer;
        a.extraLayerThickness3 = c.layer3Mm;
        const RecalcValues v = Recalculate(s).values;
        EXPECT_NEAR(v.heatTransferCoefficient[WallA], c.k, 1e-6) << c.what;
        EXPECT_DOUBLE_EQ(v.enclosureHeatGain[WallA], c.gainKw) << c.what;
    }
}

// The solar correction of a panel uses the typed k: a sunlit south wall A, 0,22·18·Δt_s.
TEST(ExtensionEnclosure, SolarGainUsesTheTypedCoefficient)
{
    ProjectState s = FreezerAtFiftyKelvin();
    s.latitude = 56;
    s.rows[WallA].sunlit = 1;
    s.rows[WallA].facing = plan::Direction::South;
    s.rows[WallA].uValue = 0.22;
    const RecalcValues v = Recalculate(s).values;
    ASSERT_GT(v.solarTemperatureDifference[WallA], 0);
    EXPECT_DOUBLE_EQ(v.solarHeatGain[WallA], std::round(0.22 * 18 * v.solarTemperatureDifference[WallA]) / 1000);
}

// An own construction material on the ceiling: its conductivity, its name in the material field and
// its own bare-surface solar factor (0,9; no built-in ceiling entry has it).
TEST(ExtensionEnclosure, OwnConstructionMaterialOfTheCeiling)
{
    ProjectState s = FreezerAtFiftyKelvin();
    s.ownMaterials = {{"сэндвич-кровля", 50, 0.9}};
    const int own = static_cast<int>(refdata::kCeilingStructureMaterials.size());
    const refdata::StructureMaterial m = SurfaceStructureMaterial(Ceiling, own, s.ownMaterials);
    EXPECT_EQ(m.name, "сэндвич-кровля");
    EXPECT_DOUBLE_EQ(m.conductivity, 50);
    EXPECT_DOUBLE_EQ(m.bareSolarFactor, 0.9);

    s.latitude = 56;
    s.rows[Ceiling].structureMaterial = own;
    s.rows[Ceiling].surfaceFinish = 0; // bare
    s.rows[Ceiling].sunlit = 1;
    const RecalcResult r = Recalculate(s);
    EXPECT_EQ(std::get<std::string>(*r.result(ResultField::StructureMaterialTextCeiling)), "сэндвич-кровля");
    EXPECT_NEAR(r.values.solarTemperatureDifference[Ceiling], BaseSolarDifference(SolarExposure::Horizontal, 56) * 0.9,
                1e-12);
}

// The index rules the lists and files share: built-in, added (insulations only), own; past them the
// index is refused like any list entry out of range; an unused extra layer (0 mm) is not read.
TEST(ExtensionEnclosure, IndicesFollowTheListsAndAreRefusedPastTheEnd)
{
    const std::vector<OwnMaterial> own{{"пеноизол", 0.05, 1}};
    const int wallBuiltIn = BuiltInInsulationCount(WallA);
    const int floorBuiltIn = BuiltInInsulationCount(Floor);
    EXPECT_DOUBLE_EQ(InsulationMaterial(WallB, wallBuiltIn - 1, own).conductivity, 0.08);
    EXPECT_DOUBLE_EQ(InsulationMaterial(WallB, wallBuiltIn + 1, own).conductivity, 0.034);
    EXPECT_DOUBLE_EQ(InsulationMaterial(Floor, floorBuiltIn + 2, own).conductivity, 0.045);
    EXPECT_EQ(InsulationMaterial(Ceiling, BuiltInInsulationCount(Ceiling) + 3, own).name, "пеноизол");
    EXPECT_THROW(InsulationMaterial(WallA, wallBuiltIn + 4, own), std::out_of_range);
    EXPECT_THROW(InsulationMaterial(WallA, wallBuiltIn + 3), std::out_of_range);
    EXPECT_DOUBLE_EQ(ConstructionMaterial(Floor, 22, own).conductivity, 0.05);
    EXPECT_THROW(ConstructionMaterial(WallA, 20, own), std::out_of_range);
    EXPECT_EQ(ExtraLayerMaterial(kFirstOwnExtraLayer, own).name, "пеноизол");
    EXPECT_THROW(ExtraLayerMaterial(kFirstOwnExtraLayer + 1, own), std::out_of_range);
    EXPECT_THROW(ExtraLayerMaterial(-1, own), std::out_of_range);

    EnclosureRow row;
    row.extraLayerMaterial2 = 999; // no such material, but no thickness either
    EXPECT_TRUE(RowExtraLayers(row, own).empty());
    row.extraLayerThickness2 = 10;
    EXPECT_THROW(RowExtraLayers(row, own), std::out_of_range);
}

// A floor on ground: a typed U-value changes nothing (the zones hold), an extra layer adds its
// resistance to the floor's layers: 100 mm of an insulation is the same floor as 50 mm of it and an
// extra layer of 50 mm of the same conductivity.
TEST(ExtensionEnclosure, FloorOnGroundIgnoresTheUValueAndAddsTheExtraLayers)
{
    ProjectState s = FreezerAtFiftyKelvin();
    s.floorType = refdata::kFloorOnGround;
    EnclosureRow& floor = s.rows[Floor];
    floor.insulationMaterial = 2; // λ 0,05
    floor.insulationThickness = 100;
    const double whole = Recalculate(s).values.enclosureHeatGain[Floor];
    floor.uValue = 0.22;
    EXPECT_EQ(Recalculate(s).values.enclosureHeatGain[Floor], whole);

    s.ownMaterials = {{"тот же утеплитель", refdata::kFloorInsulationMaterials[2].conductivity, 1}};
    floor.insulationThickness = 50;
    floor.extraLayerMaterial1 = kFirstOwnExtraLayer;
    floor.extraLayerThickness1 = 50;
    EXPECT_NEAR(Recalculate(s).values.enclosureHeatGain[Floor], whole, 1e-12);
}

// Defrost by hand: 2 coolers × 6 kW × 4 defrosts × 30 min = 24 kWh a day, 0,3 of it into the room is
// 7,2 kWh, over 24 h 0,3 kW. Any of the four inputs zero: no defrost gain at all.
TEST(ExtensionOperational, DefrostGainByHand)
{
    ProjectState s;
    s.defrostHeaterPower = 6;
    s.defrostCoolerCount = 2;
    s.defrostsPerDay = 4;
    s.defrostDuration = 30;
    EXPECT_DOUBLE_EQ(DefrostHeatGain(s), 0.3);
    s.defrostRoomShare = 1;
    EXPECT_DOUBLE_EQ(DefrostHeatGain(s), 1.0);
    for (auto off :
         {&ProjectState::defrostHeaterPower, &ProjectState::defrostsPerDay, &ProjectState::defrostDuration}) {
        ProjectState without = s;
        without.*off = 0;
        EXPECT_EQ(DefrostHeatGain(without), 0);
    }
    s.defrostCoolerCount = 0;
    EXPECT_EQ(DefrostHeatGain(s), 0);
}

// In the pass the defrost gain is part of Q4 and of the gains the fans' share is taken of: with a
// 10 % share, 0,3 kW of defrost adds 0,3 + 0,03 kW to Q4.
TEST(ExtensionOperational, DefrostCountsInQ4AndInTheFansShare)
{
    ProjectState s = FreezerAtFiftyKelvin();
    s.fanDetailedCalculation = 0;
    s.fanSharePercent = 10;
    const RecalcValues before = Recalculate(s).values;
    s.defrostHeaterPower = 6;
    s.defrostCoolerCount = 2;
    s.defrostsPerDay = 4;
    s.defrostDuration = 30;
    const RecalcValues after = Recalculate(s).values;
    EXPECT_DOUBLE_EQ(after.defrostHeatGain, 0.3);
    EXPECT_NEAR(after.fanHeatGain - before.fanHeatGain, 0.03, 1e-12);
    EXPECT_NEAR(after.q4 - before.q4, 0.33, 1e-12);
    EXPECT_NEAR(after.totalHeatGain - before.totalHeatGain, 0.33, 1e-12);
}

// The chart of the load shows the defrost as a row of Q4, and the rows of Q4 still re-add to it.
TEST(ExtensionOperational, DefrostIsARowOfQ4InTheLoadBreakdown)
{
    ProjectState s = FreezerAtFiftyKelvin();
    s.defrostHeaterPower = 6;
    s.defrostCoolerCount = 2;
    s.defrostsPerDay = 4;
    s.defrostDuration = 30;
    const RecalcValues v = Recalculate(s).values;
    double q4Rows = 0;
    int defrostRows = 0;
    for (const LoadPart& part : BreakDownLoad(v).parts) {
        if (part.row && part.component == LoadComponent::Q4)
            q4Rows += part.gainKw;
        defrostRows += part.label == "оттайка" && part.gainKw == 0.3 ? 1 : 0;
    }
    EXPECT_NEAR(q4Rows, v.q4, 1e-12);
    EXPECT_EQ(defrostRows, 1);
}

// Staff at -20 °C give 390 W a head: 2 people for their own 12 h are 2·390·12/24000 = 0,39 kW, while
// the lights burn 8 h; without the flag the lighting hours count (0,26 kW) whatever the staff hours.
TEST(ExtensionOperational, StaffOwnHours)
{
    ProjectState s;
    s.roomTemperature = -20;
    s.staffCount = 2;
    s.lightingHours = 8;
    s.staffHours = 12;
    EXPECT_DOUBLE_EQ(StaffHeatGain(s), 0.26);
    s.staffOwnHours = 1;
    EXPECT_DOUBLE_EQ(StaffHours(s), 12);
    EXPECT_DOUBLE_EQ(StaffHeatGain(s), 0.39);
}

// A door open up to 24 h a day counts in full: 24 h is the whole day open (z = 1), 9,3 h is 9,3/24.
TEST(ExtensionOperational, DoorOpenTimeBeyondEightHours)
{
    ProjectState s = FreezerAtFiftyKelvin();
    s.doorTimeMode = 1;
    for (double hours : {9.3, 24.0}) {
        s.doorOpenTime = hours;
        EXPECT_DOUBLE_EQ(Recalculate(s).values.doorOpenShare, hours / 24) << hours;
    }
}

// The protocol of a project using the extensions: each extension value appears with its symbol, and
// the summands still add up to Q1 and Q4.
TEST(ExtensionProtocol, TracesEveryExtensionValueAndTheSumsHold)
{
    ProjectState s = FreezerAtFiftyKelvin();
    s.rows[WallA].uValue = 0.22;
    s.rows[WallB].extraLayerMaterial1 = kExtraLayerXps;
    s.rows[WallB].extraLayerThickness1 = 50;
    s.floorType = refdata::kFloorOnGround;
    s.rows[Floor].extraLayerThickness2 = 40;
    s.defrostHeaterPower = 6;
    s.defrostCoolerCount = 2;
    s.defrostsPerDay = 4;
    s.defrostDuration = 30;
    s.staffOwnHours = 1;
    s.staffHours = 12;
    CalcTrace trace;
    const RecalcValues v = Recalculate(s, &trace).values;

    std::map<std::string, double> sums;
    std::map<std::string, std::string> formulaOf; // by section and symbol
    for (const TraceLine& line : trace.lines()) {
        if (!line.partOf.empty())
            sums[line.partOf] += line.value;
        formulaOf[line.section + "|" + line.symbol] = line.formula;
    }
    EXPECT_NEAR(sums["Q1"], v.q1, 1e-9);
    EXPECT_NEAR(sums["Q4"], v.q4, 1e-9);
    EXPECT_EQ(formulaOf["Q1: стена А|k"], "задан для ограждения (панель)");
    EXPECT_EQ(formulaOf["Q1: стена Б|R_д1"], "R_д1 = δ_д1 / (1000·λ_д1)");
    EXPECT_EQ(formulaOf["Q1: стена Б|k"], "k = 1 / (1/α_н + R_к + R_и + R_д1 + 1/α_в)");
    EXPECT_EQ(formulaOf["Q1: пол на грунте, по зонам|R_пола"], "R_пола = R_к + R_и + R_д2");
    EXPECT_EQ(formulaOf["Q4: оттайка воздухоохладителей|Q_от"], "Q_от = N_от·n_во·m_от·τ_от/60 / 24·s_от");
    EXPECT_EQ(formulaOf["Q4: освещение, люди, ПТС, потребители|Q_л"], "Q_л = (270 − 6·t_к)·n_л·τ_л / 24000");
    EXPECT_EQ(formulaOf["Итог|Q4"], "Q4 = Q_дв + Q_осв + Q_л + Q_птс + Q_потр + Q_от + Q_в");
}
