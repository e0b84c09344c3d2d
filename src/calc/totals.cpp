#include "calc/totals.h"

#include "calc/units.h"

namespace zeltar::calc {

TemperatureWarnings GoodsTemperatureWarnings(double roomTemperature, double inletTemperature, double finalTemperature)
{
    TemperatureWarnings w;
    const Warning goodsWarmed = inletTemperature < finalTemperature ? Warning::Red : Warning::White;
    w.productInletTemperature = goodsWarmed;
    w.productFinalTemperature = goodsWarmed;
    const Warning roomTooWarm = roomTemperature > finalTemperature ? Warning::Red : Warning::White;
    w.roomTemperature = roomTooWarm;
    w.productFinalTemperature = roomTooWarm;
    return w;
}

double EquipmentCapacity(double totalHeatGainKw, refdata::RoomGroup group, double runningHoursPerDay,
                         double reservePercent)
{
    const double runningShare = group == refdata::RoomGroup::Store ? runningHoursPerDay / kHoursPerDay : 1.0;
    return (1 + reservePercent / kPercent) * totalHeatGainKw / runningShare;
}

} // namespace zeltar::calc
