#include "calc/goods_load.h"

#include "calc/linear_lookup.h"
#include "calc/list_entry.h"
#include "fields/number_text.h"
#include "refdata/products.h"

namespace zeltar::calc {

using refdata::RoomGroup;

RoomGroup RoomGroupOf(int roomType)
{
    return ListEntry(refdata::kRoomTypes, roomType, "тип камеры").group;
}

double RespirationHeat(double roomTemperature, double cryoscopicTemperature,
                       const std::array<double, 5>& respirationCurve)
{
    if (!(roomTemperature > cryoscopicTemperature))
        return 0;
    return LinearLookup(refdata::kRespirationTemperatures, respirationCurve, roomTemperature);
}

double FloorUseFactor(double roomAreaM2)
{
    if (roomAreaM2 <= 100)
        return 0.7;
    if (roomAreaM2 <= 250)
        return 0.75;
    if (roomAreaM2 <= 400)
        return 0.8;
    return 0.85;
}

RoomCapacity Capacity(const CapacityInputs& in)
{
    const double usedArea = in.roomAreaM2 * FloorUseFactor(in.roomAreaM2);
    RoomCapacity c;
    if (in.group == RoomGroup::Rail) {
        // Meat on rails: 0.2 t of hanging meat per m2 of used floor, no packaging.
        c.net = 0.2 * usedArea;
        c.packagingMass = 0;
        c.gross = c.net;
        return c;
    }
    const double stackUse = in.group == RoomGroup::Store && in.highTurnover ? 0.7 : 1.0;
    c.net = stackUse * usedArea * in.stackHeightM * in.stackDensity / 1000;
    c.packagingMass = in.packagingSharePercent * c.net / 100;
    c.gross = c.net + c.packagingMass;
    return c;
}

double DailyTurnoverTonnes(double netCapacity, double dailyTurnoverPercent)
{
    return fields::RoundHalfEven(netCapacity * dailyTurnoverPercent / 10) / 10;
}

GoodsGains GoodsProcessingGains(const GoodsGainInputs& in)
{
    const double net = in.capacity.net;
    const double packaging = in.capacity.gross - in.capacity.net;
    const double dhp = in.productEnthalpyDifference;
    const double dhk = in.packagingEnthalpyDifference;
    GoodsGains g;
    if (in.group == RoomGroup::Store) {
        g.product = in.dailyTurnoverPercent / 100 * net * dhp * 1000 / 86400;
        g.packaging = packaging * in.dailyTurnoverPercent / 100 * dhk * 1000 / 86400;
    } else {
        const double processingSeconds = in.equipmentRunningHours * 3600;
        g.product = net * dhp * 1000 / processingSeconds;
        g.packaging = packaging * dhk * 1000 / processingSeconds;
    }
    g.respiration = net * in.respirationHeat / 1000;
    g.processing = g.product + g.packaging;
    return g;
}

} // namespace zeltar::calc
