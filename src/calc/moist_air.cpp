#include "calc/moist_air.h"

#include "calc/cubic_spline.h"
#include "calc/units.h"
#include "refdata/saturation_moisture.h"

#include <array>
#include <cstddef>

namespace zeltar::calc {

namespace {

constexpr double kVapourToAirMolarMass = 0.622;       // 1: molar mass of water vapour over that of dry air
constexpr double kDryAirHeatCapacity = 1006;          // J/(kg K), dry air at constant pressure
constexpr double kVapourHeatCapacity = 1860;          // J/(kg K), water vapour at constant pressure
constexpr double kLatentHeatOfVaporisation = 2500000; // J/kg, water at 0 °C
// rho = p / (R T): p / R of air at normal pressure (101325 Pa / 287.05 J/(kg K) = 353.0), as the
// method gives it.
constexpr double kAirDensityTimesTemperature = 352.96; // kg K/m3

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
    air.moisture = kVapourToAirMolarMass * phi * saturated / (kVapourToAirMolarMass + saturated - phi * saturated);
    // h = c_a t + (c_v t + r) x
    air.enthalpy = kDryAirHeatCapacity * temperature +
                   (kVapourHeatCapacity * temperature + kLatentHeatOfVaporisation) * air.moisture;
    return air;
}

double AirDensity(double temperature)
{
    return kAirDensityTimesTemperature / (temperature + kZeroCelsiusInKelvin);
}

} // namespace zeltar::calc
