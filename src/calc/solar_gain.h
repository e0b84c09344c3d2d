// Solar radiation correction Q12: the excess temperature difference of a sunlit wall or roof by the
// direction it faces, the site latitude and its outer surface, and the resulting extra gain.
#pragma once

#include "plan/directions.h"

namespace zeltar::calc {

// Table rows of the excess temperature difference.
enum class SolarExposure { South, SouthWestEast, WestEast, NorthWestEast, North, Horizontal };

// The table row of a wall facing `direction`.
SolarExposure WallExposure(plan::Direction direction);

// Excess temperature difference in K of a bare, sunlit surface at `latitude` degrees north.
double BaseSolarDifference(SolarExposure exposure, double latitude);

// Factor of the outer surface: the finish's factor, or for the first finish ("без покрытия
// (окраски)") the bare-surface factor of the row's construction material.
double SurfaceSolarFactor(int surfaceFinish, double bareMaterialFactor);

// Excess temperature difference of a row in K: base difference x surface factor x sunlit flag.
double SolarTemperatureDifference(double baseDifference, double surfaceFactor, int sunlit);

// Extra gain of a row in kW, rounded to whole watts: k A dt.
double SolarRowGain(double coefficient, double areaM2, double temperatureDifference);

} // namespace zeltar::calc
