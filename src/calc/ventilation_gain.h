// Ventilation heat gain Q3: the room air replaced by outside air a number of times per day.
#pragma once

#include "calc/calc_trace.h"
#include "calc/moist_air.h"
#include "model/project_state.h"

namespace zeltar::calc {

// Mass flow of exchanged air in kg/s for a room volume in m3, air changes per day and the room air
// density in kg/m3: G = V n rho / 86400.
double VentilationMassFlow(double volumeM3, double airChangesPerDay, double roomAirDensity);

struct Ventilation {
    double roomAirDensity = 0; // kg/m3
    MoistAirState outsideAir;  // at the design temperature and humidity
    MoistAirState roomAir;
    double gain = 0; // Q3, kW
};
// Q3 rounded to whole watts: (h_outside - h_room) G, outside air at the design temperature.
// The volume, the flow and the air states go to `trace` when one is given.
Ventilation VentilationGain(const ProjectState& state, CalcTrace* trace = nullptr);

} // namespace zeltar::calc
