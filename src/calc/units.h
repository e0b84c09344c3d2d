// Unit factors the formulas of the method convert with. Each is exact by definition.
#pragma once

namespace zeltar::calc {

constexpr double kPercent = 100;                // % per whole: a share in % divided by this is a fraction
constexpr double kWattsPerKilowatt = 1000;      // W/kW: the gains are given in kW
constexpr double kJoulesPerKilojoule = 1000;    // J/kJ: enthalpy differences are given in kJ/kg
constexpr double kKilogramsPerTonne = 1000;     // kg/t: capacities and goods flows are in t
constexpr double kMillimetresPerMetre = 1000;   // mm/m: layer thicknesses are entered in mm
constexpr double kHoursPerDay = 24;             // h/day: operating hours are entered per day
constexpr double kSecondsPerHour = 3600;        // s/h
constexpr double kMinutesPerHour = 60;          // min/h: durations are entered in minutes
constexpr double kSecondsPerDay = 86400;        // s/day: daily amounts become flows per second
constexpr double kZeroCelsiusInKelvin = 273.15; // K at 0 °C

} // namespace zeltar::calc
