#include "calc/totals.h"

namespace zeltar::calc {

TemperatureWarnings GoodsTemperatureWarnings(double roomTemperature, double inletTemperature,
                                             double finalTemperature)
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
    const double runningShare = group == refdata::RoomGroup::Store ? runningHoursPerDay / 24 : 1.0;
    return (1 + reservePercent / 100) * totalHeatGainKw / runningShare;
}

} // namespace zeltar::calc
