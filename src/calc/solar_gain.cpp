#include "calc/solar_gain.h"

#include "calc/linear_lookup.h"
#include "calc/list_entry.h"
#include "calc/whole_watts.h"
#include "refdata/materials.h"
#include "refdata/solar_table.h"

#include <array>
#include <cstddef>

namespace zeltar::calc {

namespace {

// Table row of each direction, in the order of plan::Direction.
constexpr std::array<SolarExposure, plan::kDirectionCount> kExposureOfDirection{
    SolarExposure::South,         // south
    SolarExposure::SouthWestEast, // south-east
    SolarExposure::WestEast,      // east
    SolarExposure::NorthWestEast, // north-east
    SolarExposure::North,         // north
    SolarExposure::NorthWestEast, // north-west
    SolarExposure::WestEast,      // west
    SolarExposure::SouthWestEast, // south-west
};

constexpr const std::array<double, 10>& TableRow(SolarExposure exposure)
{
    switch (exposure) {
    case SolarExposure::South: return refdata::kSolarSouth;
    case SolarExposure::SouthWestEast: return refdata::kSolarSouthWestEast;
    case SolarExposure::WestEast: return refdata::kSolarWestEast;
    case SolarExposure::NorthWestEast: return refdata::kSolarNorthWestEast;
    case SolarExposure::North: return refdata::kSolarNorth;
    case SolarExposure::Horizontal: return refdata::kSolarHorizontal;
    }
    return refdata::kSolarHorizontal;
}

constexpr int kBareSurfaceFinish = 0; // "без покрытия (окраски)"

} // namespace

SolarExposure WallExposure(plan::Direction direction)
{
    return kExposureOfDirection[static_cast<std::size_t>(direction)];
}

double BaseSolarDifference(SolarExposure exposure, double latitude)
{
    return LinearLookup(refdata::kSolarLatitudes, TableRow(exposure), latitude);
}

double SurfaceSolarFactor(int surfaceFinish, double bareMaterialFactor)
{
    const refdata::SurfaceFinish& finish = ListEntry(refdata::kSurfaceFinishes, surfaceFinish, "покрытие");
    return surfaceFinish == kBareSurfaceFinish ? bareMaterialFactor : finish.solarFactor;
}

double SolarTemperatureDifference(double baseDifference, double surfaceFactor, int sunlit)
{
    return baseDifference * surfaceFactor * sunlit;
}

double SolarRowGain(double coefficient, double areaM2, double temperatureDifference)
{
    return WholeWattsInKilowatts(coefficient * areaM2 * temperatureDifference);
}

} // namespace zeltar::calc
