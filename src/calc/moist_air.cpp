#include "calc/moist_air.h"

#include "calc/cubic_spline.h"
#include "refdata/saturation_moisture.h"

#include <array>
#include <cstddef>

namespace zeltar::calc {

namespace {

// The table and its spline coefficients are built once, on first use, and never change.
const CubicSpline& SaturationSpline()
{
    static const CubicSpline spline = [] {
        std::array<double, refdata::kSaturationMoisture.size()> temperatures{};
        for (std::size_t i = 0; i < temperatures.size(); ++i)
            temperatures[i] = refdata::kSaturationFirstTemperature + static_cast<double>(i);
        return CubicSpline(temperatures, refdata::kSaturationMoisture);
    }();
    return spline;
}

} // namespace

double SaturationMoisture(double temperature)
{
    return SaturationSpline()(temperature);
}

MoistAirState MoistAir(double temperature, double relativeHumidity)
{
    const double saturated = SaturationMoisture(temperature);
    const double phi = relativeHumidity;
    MoistAirState air;
    // x = 0.622 p / (P - p) with the vapour pressure p = phi p_s and p_s / P = x_s / (0.622 + x_s).
    air.moisture = 0.622 * phi * saturated / (0.622 + saturated - phi * saturated);
    // Dry air 1006 J/(kg K), vapour 1860 J/(kg K), latent heat of vaporisation 2 500 000 J/kg.
    air.enthalpy = 1006 * temperature + (1860 * temperature + 2500000) * air.moisture;
    return air;
}

double AirDensity(double temperature)
{
    return 352.96 / (temperature + 273.15);
}

} // namespace zeltar::calc
