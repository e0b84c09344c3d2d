// Warning colours of the goods and room temperatures, the total heat gain and the capacity the
// equipment needs.
#pragma once

#include "calc/recalculate.h"
#include "refdata/room_types.h"

namespace zeltar::calc {

struct TemperatureWarnings {
    Warning roomTemperature = Warning::White;
    Warning productInletTemperature = Warning::White;
    Warning productFinalTemperature = Warning::White;
};
// Goods warmer at the end than at the inlet mark inlet and final; a room warmer than the final
// temperature marks room and final. The second test decides the final field's colour.
TemperatureWarnings GoodsTemperatureWarnings(double roomTemperature, double inletTemperature, double finalTemperature);

// Capacity in kW the equipment needs for a total gain in kW: the reserve added and, for stores,
// the load spread over the running hours (chambers and rails run through the processing time):
// Q0 = (1 + r/100) Q / (tau / 24) for stores, (1 + r/100) Q for the others.
double EquipmentCapacity(double totalHeatGainKw, refdata::RoomGroup group, double runningHoursPerDay,
                         double reservePercent);

} // namespace zeltar::calc
