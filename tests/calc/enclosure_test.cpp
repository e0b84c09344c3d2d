// Enclosure gain Q1 (layers, floor on ground by zones) and the solar correction Q12.
#include "calc/enclosure_gain.h"
#include "calc/solar_gain.h"
#include "fields/number_text.h"
#include "plan/directions.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

using namespace zeltar;
using namespace zeltar::calc;

namespace {

constexpr int kWallReinforcedConcrete = 8; // λ 1.7
constexpr int kWallPolyurethane = 6;       // λ 0.035

} // namespace

// Guards the layer sum: surface resistances 1/23 and 1/10, the construction and insulation layers
// in mm over λ x 1000; a layer of zero thickness adds nothing.
TEST(EnclosureLayers, HeatTransferCoefficientAddsSurfaceAndLayerResistances)
{
    EnclosureRow row;
    row.structureMaterial = kWallReinforcedConcrete;
    row.insulationMaterial = kWallPolyurethane;
    row.structureThickness = 170;
    row.insulationThickness = 70;
    const LayerConductivities lambda = RowConductivities(WallA, row);
    EXPECT_DOUBLE_EQ(lambda.structure, 1.7);
    EXPECT_DOUBLE_EQ(lambda.insulation, 0.035);
    // 0.0435 + 0.1 + 170 / 1700 + 70 / 35 + 0.1 = 2.2435 m2 K/W.
    EXPECT_NEAR(HeatTransferCoefficient(row, lambda), 0.445736, 1e-6);

    row.structureThickness = 0;
    row.insulationThickness = 0;
    EXPECT_NEAR(HeatTransferCoefficient(row, lambda), 6.969697, 1e-6); // 1 / 0.14348
}

// Guards that each row reads its own lists: index 5 is polyurethane for the ceiling but polystyrene
// for the walls; index 11 of the floor construction is reinforced concrete.
TEST(EnclosureLayers, RowsReadTheirOwnMaterialLists)
{
    EnclosureRow row;
    row.structureMaterial = 5;
    row.insulationMaterial = 5;
    EXPECT_DOUBLE_EQ(RowConductivities(Ceiling, row).insulation, 0.035);
    EXPECT_DOUBLE_EQ(RowConductivities(WallB, row).insulation, 0.05);
    EXPECT_DOUBLE_EQ(RowConductivities(Ceiling, row).structure, 52); // steel
    EXPECT_DOUBLE_EQ(RowConductivities(WallB, row).structure, 3.5);  // granite
    row.structureMaterial = 11;
    EXPECT_DOUBLE_EQ(RowConductivities(Floor, row).structure, 1.7);
}

TEST(EnclosureLayers, AnIndexOutsideTheListIsRefusedNotRead)
{
    EnclosureRow row;
    row.structureMaterial = 19;
    EXPECT_THROW(RowConductivities(WallA, row), std::out_of_range);
    row.structureMaterial = -1;
    EXPECT_THROW(RowConductivities(Floor, row), std::out_of_range);
}

// Guards which plan dimension each row spans: walls A and C the width, B and D the length.
TEST(EnclosureLayers, RowAreasFollowThePlan)
{
    EXPECT_DOUBLE_EQ(RowArea(WallA, 20, 14, 3), 42);
    EXPECT_DOUBLE_EQ(RowArea(WallB, 20, 14, 3), 60);
    EXPECT_DOUBLE_EQ(RowArea(WallC, 20, 14, 3), 42);
    EXPECT_DOUBLE_EQ(RowArea(WallD, 20, 14, 3), 60);
    EXPECT_DOUBLE_EQ(RowArea(Ceiling, 20, 14, 3), 280);
    EXPECT_DOUBLE_EQ(RowArea(Floor, 20, 14, 3), 280);
}

// Guards the rounding to whole watts, halves to the even neighbour, and the sign of a row colder
// outside than inside.
TEST(EnclosureLayers, RowGainIsRoundedToWholeWattsHalfToEven)
{
    EXPECT_DOUBLE_EQ(LayeredRowGain(1, 12.5, 1, 0), 0.012);
    EXPECT_DOUBLE_EQ(LayeredRowGain(1, 13.5, 1, 0), 0.014);
    EXPECT_DOUBLE_EQ(LayeredRowGain(1, 14.9, 1, 0), 0.015);
    EXPECT_DOUBLE_EQ(LayeredRowGain(2, 10, -5, 0), -0.1);
    EXPECT_EQ(fields::ResultText(LayeredRowGain(1, 14.9, 1, 0)), "  0,01");
}

// Worked example 20 x 14 m: the zone areas of the method, 296 m2 for a 280 m2 floor.
TEST(GroundZones, TwentyByFourteen)
{
    const GroundZoneAreas z = GroundZones(20, 14);
    EXPECT_DOUBLE_EQ(z.lengthStrips[0], 40);
    EXPECT_DOUBLE_EQ(z.lengthStrips[1], 28);
    EXPECT_DOUBLE_EQ(z.lengthStrips[2], 20);
    EXPECT_DOUBLE_EQ(z.widthStrips[0], 28);
    EXPECT_DOUBLE_EQ(z.widthStrips[1], 16);
    EXPECT_DOUBLE_EQ(z.widthStrips[2], 8);
    EXPECT_DOUBLE_EQ(z.centre, 16);
    const double total = 2 * (z.lengthStrips[0] + z.lengthStrips[1] + z.lengthStrips[2]) +
                         2 * (z.widthStrips[0] + z.widthStrips[1] + z.widthStrips[2]) + z.centre;
    EXPECT_DOUBLE_EQ(total, 296);
}

// A 4 x 4 m floor is zone I only.
TEST(GroundZones, FourByFourIsZoneOneOnly)
{
    const GroundZoneAreas z = GroundZones(4, 4);
    EXPECT_DOUBLE_EQ(z.lengthStrips[0], 8);
    EXPECT_DOUBLE_EQ(z.widthStrips[0], 8);
    for (int zone = 1; zone < 3; ++zone) {
        EXPECT_EQ(z.lengthStrips[zone], 0);
        EXPECT_EQ(z.widthStrips[zone], 0);
    }
    EXPECT_EQ(z.centre, 0);
}

// Guards the depth branches at and between 4, 8 and 12 m (the trapezoid edges and the centre).
TEST(GroundZones, BranchesAtFourEightAndTwelveMetres)
{
    const GroundZoneAreas edge = GroundZones(12, 8);
    EXPECT_DOUBLE_EQ(edge.lengthStrips[0], 24); // d1(8) = 2
    EXPECT_DOUBLE_EQ(edge.lengthStrips[1], 12); // (8 + 4) x d2(8) = 2, halved
    EXPECT_DOUBLE_EQ(edge.lengthStrips[2], 0);  // d3(8) = 0
    EXPECT_DOUBLE_EQ(edge.widthStrips[0], 16);  // d1(12) = 2
    EXPECT_DOUBLE_EQ(edge.widthStrips[1], 4);   // (4 + 0) x d2(12) = 2, halved
    EXPECT_DOUBLE_EQ(edge.widthStrips[2], 0);   // p(8, 8) = p(8, 12) = 0
    EXPECT_DOUBLE_EQ(edge.centre, 0);           // p(12, 12) = 0

    const GroundZoneAreas between = GroundZones(10, 6);
    EXPECT_DOUBLE_EQ(between.lengthStrips[0], 20); // d1(6) = 2
    EXPECT_DOUBLE_EQ(between.lengthStrips[1], 4);  // (6 + 2) x d2(6) = 1, halved
    EXPECT_DOUBLE_EQ(between.widthStrips[0], 12);  // d1(10) = 2
    EXPECT_DOUBLE_EQ(between.widthStrips[1], 2);   // (2 + 0) x d2(10) = 2, halved
    EXPECT_DOUBLE_EQ(between.widthStrips[2], 0);   // p(6, 8) = 0
    EXPECT_DOUBLE_EQ(GroundZones(6, 10).lengthStrips[2], 0);
    EXPECT_DOUBLE_EQ(GroundZones(14, 10).lengthStrips[2], 4); // (6 + 2) x d3(10) = 1, halved
}

// Guards the pairing of strips and walls (L-long strips under A and C, W-long under B and D), the
// centre at 5 % of the design difference, the layer factor and that nothing is rounded to watts.
TEST(GroundFloor, StripsTakeTheTemperaturesOfTheirWalls)
{
    ProjectState s;
    s.roomLength = 20;
    s.roomWidth = 14;
    s.roomTemperature = 0;
    s.outsideDesignTemperature = 30;
    s.rows[WallA].outsideTemperature = 10;
    s.rows[WallB].outsideTemperature = 20;
    s.rows[WallC].outsideTemperature = 0;
    s.rows[WallD].outsideTemperature = 0;
    s.rows[Floor].outsideTemperature = 500; // not used on ground
    // S_L = 0.4 x 40 + 0.2 x 28 + 0.1 x 20 = 23.6; S_W = 0.4 x 28 + 0.2 x 16 + 0.1 x 8 = 15.2
    // 10 K x 23.6 + 20 K x 15.2 + 0.05 x 30 K x 16 m2 = 564 W.
    EXPECT_NEAR(GroundFloorGain(s, 0), 0.564, 1e-12);
    // Resistance 1 m2 K/W: factor 1 / (1 + 1.25).
    EXPECT_NEAR(GroundFloorGain(s, 1), 0.250667, 1e-6);
}

// Worked example: latitude 56 on a south wall is 5.6 K; dark paint (1.45) makes 8.12, shown 8,1.
TEST(Solar, SouthWallAtLatitude56WithDarkPaint)
{
    const SolarExposure exposure = WallExposure(plan::Direction::South);
    EXPECT_NEAR(BaseSolarDifference(exposure, 56), 5.6, 1e-12);
    const double dt = SolarTemperatureDifference(BaseSolarDifference(exposure, 56), SurfaceSolarFactor(2, 1.6), 1);
    EXPECT_NEAR(dt, 8.12, 1e-12);
    EXPECT_EQ(fields::ResultText(dt, 1), "  8,1");
}

// Guards the table row of each direction: the diagonals share the rows of the sides they lie between.
TEST(Solar, EachDirectionTakesItsTableRow)
{
    using plan::Direction;
    const struct {
        Direction direction;
        SolarExposure exposure;
    } cases[] = {
        {Direction::South, SolarExposure::South},   {Direction::SouthEast, SolarExposure::SouthWestEast},
        {Direction::East, SolarExposure::WestEast}, {Direction::NorthEast, SolarExposure::NorthWestEast},
        {Direction::North, SolarExposure::North},   {Direction::NorthWest, SolarExposure::NorthWestEast},
        {Direction::West, SolarExposure::WestEast}, {Direction::SouthWest, SolarExposure::SouthWestEast},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WallExposure(c.direction), c.exposure) << plan::DirectionText(c.direction);
}

// Guards the latitude ends: the first column at 0 and below, the last at 90 and above.
TEST(Solar, LatitudesOutsideTheTableHoldTheEndColumns)
{
    EXPECT_DOUBLE_EQ(BaseSolarDifference(SolarExposure::South, -5), 1.6);
    EXPECT_DOUBLE_EQ(BaseSolarDifference(SolarExposure::North, 0), 5.2);
    EXPECT_DOUBLE_EQ(BaseSolarDifference(SolarExposure::WestEast, 95), 7.0);
    EXPECT_DOUBLE_EQ(BaseSolarDifference(SolarExposure::Horizontal, 90), 8.7);
}

// Guards the surface factor: the bare material's own factor only for the first finish, taken from
// the row's own list (a steel ceiling 0.71, not granite's 1.6 at the same wall index).
TEST(Solar, BareSurfaceUsesTheRowsOwnMaterialFactor)
{
    EXPECT_DOUBLE_EQ(SurfaceSolarFactor(0, SurfaceStructureMaterial(Ceiling, 5).bareSolarFactor), 0.71);
    EXPECT_DOUBLE_EQ(SurfaceSolarFactor(0, SurfaceStructureMaterial(WallA, 5).bareSolarFactor), 1.6);
    EXPECT_DOUBLE_EQ(SurfaceSolarFactor(0, SurfaceStructureMaterial(WallA, 11).bareSolarFactor), 1.85);
    EXPECT_DOUBLE_EQ(SurfaceSolarFactor(0, SurfaceStructureMaterial(Ceiling, 2).bareSolarFactor), 1.2);
    EXPECT_DOUBLE_EQ(SurfaceSolarFactor(6, 1.85), 0.71); // metal, whatever the material
    EXPECT_DOUBLE_EQ(SurfaceSolarFactor(1, 1.85), 1.0);
}

TEST(Solar, ARowOutOfTheSunHasNoDifferenceAndNoGain)
{
    const double dt = SolarTemperatureDifference(8.5, 1.79, 0);
    EXPECT_EQ(dt, 0);
    EXPECT_EQ(SolarRowGain(0.3, 100, dt), 0);
    EXPECT_DOUBLE_EQ(SolarRowGain(0.5, 25, 10), 0.125);  // 125 W, whole already
    EXPECT_DOUBLE_EQ(SolarRowGain(0.5, 25, 0.1), 0.001); // 1.25 W rounds to 1 W
}
