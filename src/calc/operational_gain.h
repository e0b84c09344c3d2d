// Operational heat gains Q4: door openings, lighting, staff, handling vehicles, the two additional
// consumers and the evaporator fans. Each is a daily average in kW.
#pragma once

#include "calc/calc_trace.h"
#include "model/project_state.h"
#include "refdata/room_types.h"

namespace zeltar::calc {

// Heat flow in W through the fully open door: the density-driven exchange of the air on the outer
// side of wall A with the room air:
// Q_open = sqrt(|(1 - rho2/rho1) h|) * 0.692 * h * b * (h_out - h_room) * rho_room * psi,
// psi = (2 / (1 + (rho1/rho2)^0.333))^1.5, rho1 the denser air + 0.001 kg/m3, rho2 the lighter;
// h, b the door's height and width in m, h_out, h_room the air enthalpies in J/kg.
// The air states and densities go to `trace` when one is given.
double OpenDoorHeatFlow(const ProjectState& state, CalcTrace* trace = nullptr);

// Goods brought in per day in t: stores their daily turnover, chambers and rails the turnover
// spread over the processing time: G = B/100 * M (stores), G = B/100 * M * tau / 24 (others).
double DailyGoodsFlow(refdata::RoomGroup group, const ProjectState& state, double netCapacity);

// Vehicle passes per day (not rounded): in and out once per load unit: n = 2 G / (m / 1000).
double VehiclePassCount(double goodsFlowTonnes, double loadUnitMassKg);

// Share of the day the door stands open when it opens for each vehicle pass and per tonne of goods:
// z = (n t_pass + t_tonne G) / 86400, t_tonne 48 s/t (60 s/t on rails).
double DoorOpenShareFromPasses(double passes, double goodsFlowTonnes, int doorType, refdata::RoomGroup group);

// Door gain in kW from the open-door heat flow (W), the open share of the day and the protection:
// Q_door = Q_open z 1.1 (1 - eta) / 1000.
double DoorHeatGain(double openDoorHeatFlowW, double openShare, int doorProtection);

// Q_light = q F tau_light / 24000, q in W/m2, F the floor area in m2, kW.
double LightingHeatGain(const ProjectState& state);
// Hours a day the staff works, h: its own hours when the project gives them, else the lighting
// hours (the staff works while the lights are on).
double StaffHours(const ProjectState& state);
// Q_staff = (270 - 6 tr) n tau_staff / 24000, kW.
double StaffHeatGain(const ProjectState& state);
// Q_vehicle = N tau / 24, N in kW, kW.
double VehicleHeatGain(const ProjectState& state);
// Q_consumers = N1 tau1 / 24 + N2 tau2 / 24, kW.
double ConsumerHeatGain(const ProjectState& state);

// Defrost of the air coolers in kW, a daily average (0 unless DefrostUsed(state)):
// Q_defrost = P n N tau/60 / 24 * s, P the heater power of one cooler in kW, n the coolers, N the
// defrosts of each a day, tau the minutes of heating per defrost, s the share of the heat that
// enters the room. Of the heaters' heat, part melts the frost and leaves with the melt water, part
// warms the coil and the drip tray and reaches the room air. The default share 0,3
// (kDefaultDefrostRoomShare) is a common design assumption, not a measured value: the engineer sets
// it from the cooler maker's data where they give it. Like the other parts of Q4 the gain is not
// rounded to whole watts.
double DefrostHeatGain(const ProjectState& state);

// Fans in kW: the installed power of all fans in the detailed calculation, otherwise the share of
// every other gain (absolute value, so it stays positive when the other gains are negative):
// Q_fan = n N, or |Q_other s / 100|. The other gains include the defrost gain: the share stands for
// fans sized with the coolers, and the coolers are sized for the load they remove, defrost heat
// included (the fans stand still while a cooler defrosts, so the defrost gain itself has no fan
// term). Counting it errs on the safe side.
double FanHeatGain(const ProjectState& state, double otherGainsKw);

} // namespace zeltar::calc
