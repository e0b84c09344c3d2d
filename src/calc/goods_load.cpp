#include "calc/goods_load.h"

#include "calc/linear_lookup.h"
#include "calc/list_entry.h"
#include "calc/units.h"
#include "fields/number_text.h"
#include "refdata/products.h"

namespace zeltar::calc {

using refdata::RoomGroup;

namespace {

// Share of the floor a stack can use (aisles and clearances left free), by the room's floor area.
constexpr double kSmallRoomArea = 100;  // m2, up to which kSmallRoomFloorUse holds
constexpr double kMediumRoomArea = 250; // m2
constexpr double kLargeRoomArea = 400;  // m2
constexpr double kSmallRoomFloorUse = 0.7;
constexpr double kMediumRoomFloorUse = 0.75;
constexpr double kLargeRoomFloorUse = 0.8;
constexpr double kLargestRoomFloorUse = 0.85;
constexpr double kRailLoadPerArea = 0.2; // t/m2 of used floor: hanging meat on rails
// Share of the stack volume in use in a store with raised turnover (30 % kept free to move goods).
constexpr double kHighTurnoverStackUse = 0.7;
constexpr double kTurnoverRounding = 10; // 1/t: the daily turnover is shown to 0.1 t

} // namespace

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
    if (roomAreaM2 <= kSmallRoomArea)
        return kSmallRoomFloorUse;
    if (roomAreaM2 <= kMediumRoomArea)
        return kMediumRoomFloorUse;
    if (roomAreaM2 <= kLargeRoomArea)
        return kLargeRoomFloorUse;
    return kLargestRoomFloorUse;
}

RoomCapacity Capacity(const CapacityInputs& in, CalcTrace* trace)
{
    const double floorUse = FloorUseFactor(in.roomAreaM2);
    const double usedArea = in.roomAreaM2 * floorUse;
    TraceValue(trace, "коэффициент использования площади", "φ", floorUse, "", "по площади F");
    TraceValue(trace, "грузовая площадь", "F_гр", usedArea, "м²", "F_гр = φ·F");
    RoomCapacity c;
    if (in.group == RoomGroup::Rail) {
        // Meat on rails: G = g_rail F_used, no packaging.
        c.net = kRailLoadPerArea * usedArea;
        TraceValue(trace, "нагрузка на подвесные пути", "g", kRailLoadPerArea, "т/м²");
        c.packagingMass = 0;
        c.gross = c.net;
        return c;
    }
    const double stackUse = in.group == RoomGroup::Store && in.highTurnover ? kHighTurnoverStackUse : 1.0;
    c.net = stackUse * usedArea * in.stackHeightM * in.stackDensity / kKilogramsPerTonne;
    TraceValue(trace, "доля объёма штабеля в работе", "u", stackUse, "", "0,7 при повышенном грузообороте склада");
    TraceValue(trace, "высота штабеля", "H_шт", in.stackHeightM, "м");
    TraceValue(trace, "плотность груза в штабеле", "ρ_шт", in.stackDensity, "кг/м³");
    c.packagingMass = in.packagingSharePercent * c.net / kPercent;
    c.gross = c.net + c.packagingMass;
    return c;
}

double DailyTurnoverTonnes(double netCapacity, double dailyTurnoverPercent)
{
    return fields::RoundHalfEven(netCapacity * dailyTurnoverPercent / (kPercent / kTurnoverRounding)) /
           kTurnoverRounding;
}

GoodsGains GoodsProcessingGains(const GoodsGainInputs& in)
{
    const double net = in.capacity.net;
    const double packaging = in.capacity.gross - in.capacity.net;
    const double dhp = in.productEnthalpyDifference;
    const double dhk = in.packagingEnthalpyDifference;
    GoodsGains g;
    if (in.group == RoomGroup::Store) {
        g.product = in.dailyTurnoverPercent / kPercent * net * dhp * kKilogramsPerTonne / kSecondsPerDay;
        g.packaging = packaging * in.dailyTurnoverPercent / kPercent * dhk * kKilogramsPerTonne / kSecondsPerDay;
    } else {
        const double processingSeconds = in.equipmentRunningHours * kSecondsPerHour;
        g.product = net * dhp * kKilogramsPerTonne / processingSeconds;
        g.packaging = packaging * dhk * kKilogramsPerTonne / processingSeconds;
    }
    g.respiration = net * in.respirationHeat / kWattsPerKilowatt;
    g.processing = g.product + g.packaging;
    return g;
}

} // namespace zeltar::calc
