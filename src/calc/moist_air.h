// Moist air: moisture content and enthalpy per kg of dry air from temperature and relative
// humidity, over the saturation moisture table interpolated by a cubic spline. Used by the
// ventilation gain, the door-opening gain and the city selection.
#pragma once

namespace zeltar::calc {

struct MoistAirState {
    double moisture = 0; // x, kg of water per kg of dry air
    double enthalpy = 0; // h, J per kg of dry air
};

// Saturation moisture content x_s (kg/kg dry air) at t °C: the spline through the table (-50..95 °C),
// exact at the whole degrees of the table, extrapolated by the end polynomials outside it.
double SaturationMoisture(double temperature);

// Air at `temperature` °C and `relativeHumidity` (fraction, at most 0.99 from the fields):
// x = 0.622 phi x_s / (0.622 + x_s - phi x_s), h = 1006 t + (1860 t + 2500000) x.
MoistAirState MoistAir(double temperature, double relativeHumidity);

// Density of air in kg/m3 at `temperature` °C, the simple form the method uses: rho = 352.96 / (t + 273.15).
double AirDensity(double temperature);

} // namespace zeltar::calc
