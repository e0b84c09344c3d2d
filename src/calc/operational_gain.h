// Operational heat gains Q4: door openings, lighting, staff, handling vehicles, the two additional
// consumers and the evaporator fans. Each is a daily average in kW.
#pragma once

#include "model/project_state.h"
#include "refdata/room_types.h"

namespace zeltar::calc {

// Heat flow in W through the fully open door: the density-driven exchange of the air on the outer
// side of wall A with the room air.
double OpenDoorHeatFlow(const ProjectState& state);

// Goods brought in per day in t: stores their daily turnover, chambers and rails the turnover
// spread over the processing time.
double DailyGoodsFlow(refdata::RoomGroup group, const ProjectState& state, double netCapacity);

// Vehicle passes per day (not rounded): in and out once per load unit.
double VehiclePassCount(double goodsFlowTonnes, double loadUnitMassKg);

// Share of the day the door stands open when it opens for each vehicle pass and per tonne of goods.
double DoorOpenShareFromPasses(double passes, double goodsFlowTonnes, int doorType, refdata::RoomGroup group);

// Door gain in kW from the open-door heat flow (W), the open share of the day and the protection.
double DoorHeatGain(double openDoorHeatFlowW, double openShare, int doorProtection);

double LightingHeatGain(const ProjectState& state);  // kW
double StaffHeatGain(const ProjectState& state);     // kW; the staff works while the lights are on
double VehicleHeatGain(const ProjectState& state);   // kW
double ConsumerHeatGain(const ProjectState& state);  // kW

// Fans in kW: the installed power of all fans in the detailed calculation, otherwise the share of
// every other gain (absolute value, so it stays positive when the other gains are negative).
double FanHeatGain(const ProjectState& state, double otherGainsKw);

} // namespace zeltar::calc
