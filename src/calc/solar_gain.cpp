#include "calc/solar_gain.h"

#include "calc/linear_lookup.h"
#include "calc/list_entry.h"
#include "calc/whole_watts.h"
#include "plan/directions.h"
#include "refdata/materials.h"
#include "refdata/solar_table.h"

#include <array>
#include <cstddef>

namespace zeltar::calc {

namespace {

// Table row of each direction text, in the order of plan::kDirectionNames.
constexpr std::array<SolarExposure, 8> kExposureOfDirection{
    SolarExposure::South,         // "     Ю"
    SolarExposure::SouthWestEast, // "   ЮВ"
    SolarExposure::WestEast,      // "     В"
    SolarExposure::NorthWestEast, // "   СВ"
    SolarExposure::North,         // "     С"
    SolarExposure::NorthWestEast, // "   СЗ"
    SolarExposure::WestEast,      // "     З"
    SolarExposure::SouthWestEast, // "   ЮЗ"
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

std::optional<SolarExposure> WallExposure(std::string_view orientationText)
{
    for (std::size_t i = 0; i < plan::kDirectionNames.size(); ++i) {
        if (orientationText == plan::kDirectionNames[i])
            return kExposureOfDirection[i];
    }
    return std::nullopt;
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
