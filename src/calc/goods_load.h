// The goods in the room: respiration heat, the room's capacity by room type, the daily turnover,
// and the processing gains Q21 (product), Q22 (packaging), Q2 and the respiration gain Q5.
#pragma once

#include "calc/calc_trace.h"
#include "refdata/room_types.h"

#include <array>

namespace zeltar::calc {

// Group of a room type (stores, chambers, rails); the index must be one of the list.
refdata::RoomGroup RoomGroupOf(int roomType);

// Respiration heat in W/t at the room temperature: the product's curve over 0..20 °C (end values
// held outside), and 0 when the room is at or below the cryoscopic temperature.
double RespirationHeat(double roomTemperature, double cryoscopicTemperature,
                       const std::array<double, 5>& respirationCurve);

// Share of the floor area that can be stacked: 0.7 up to 100 m2, 0.75 to 250, 0.8 to 400, then 0.85.
double FloorUseFactor(double roomAreaM2);

struct CapacityInputs {
    refdata::RoomGroup group = refdata::RoomGroup::Store;
    double roomAreaM2 = 0;
    double stackHeightM = 0;
    double stackDensity = 0; // kg/m3
    int packagingSharePercent = 0;
    bool highTurnover = false; // stores only: raised turnover leaves 30 % of the stack free
};
struct RoomCapacity {
    double net = 0;           // t of goods
    double packagingMass = 0; // t
    double gross = 0;         // t, goods and packaging
};
// M = u F_used H rho / 1000 (u = 0.7 in stores with raised turnover, else 1), F_used = phi F;
// rails M = 0.2 F_used; packaging M_p = s M / 100; gross M + M_p, all in t.
RoomCapacity Capacity(const CapacityInputs& in, CalcTrace* trace = nullptr);

// Daily turnover in t/day as the field shows it: rounded to 0.1 t, halves to the even neighbour:
// G = round(M B / 10) / 10, B in % per day.
double DailyTurnoverTonnes(double netCapacity, double dailyTurnoverPercent);

struct GoodsGainInputs {
    refdata::RoomGroup group = refdata::RoomGroup::Store;
    RoomCapacity capacity;
    double dailyTurnoverPercent = 0;
    double equipmentRunningHours = 0;       // processing time of one load for chambers and rails
    double productEnthalpyDifference = 0;   // kJ/kg, cut
    double packagingEnthalpyDifference = 0; // kJ/kg, cut
    double respirationHeat = 0;             // W/t
};
struct GoodsGains {
    double product = 0;     // Q21, kW
    double packaging = 0;   // Q22, kW
    double processing = 0;  // Q2 = Q21 + Q22, kW
    double respiration = 0; // Q5, kW
};
// Stores process their daily turnover over 24 h; chambers and rails their whole load within the
// processing time: Q21 = B/100 M dh_p 1000 / 86400 (stores) or M dh_p 1000 / (3600 tau) (others),
// Q22 the same with the packaging mass and dh_k; Q5 = M q_resp / 1000. M in t, dh in kJ/kg.
GoodsGains GoodsProcessingGains(const GoodsGainInputs& in);

} // namespace zeltar::calc
