#include "calc/operational_gain.h"

#include "calc/list_entry.h"
#include "calc/moist_air.h"

#include <cmath>

namespace zeltar::calc {

using refdata::RoomGroup;

namespace {

constexpr double kDensityMargin = 0.001; // kg/m3 added to the denser air
// Exchange of air through an open door driven by the density difference between the two sides:
// the flow coefficient of the opening (it holds the gravity root and the contraction of the jet),
// the exponent of the density ratio in the density factor, and the allowance on the door gain for
// the air drawn in while the door swings.
constexpr double kDoorFlowCoefficient = 0.692;
constexpr double kDensityRatioExponent = 0.333;
constexpr double kDoorSwingAllowance = 1.1;
constexpr double kStoreSecondsPerTonne = 48;
constexpr double kRailSecondsPerTonne = 60;

} // namespace

double OpenDoorHeatFlow(const ProjectState& state)
{
    const double outsideTemperature = state.rows[WallA].outsideTemperature;
    const double outsideDensity = AirDensity(outsideTemperature);
    const double roomDensity = AirDensity(state.roomTemperature);
    const MoistAirState outside = MoistAir(outsideTemperature, state.outsideRelativeHumidity);
    const MoistAirState room = MoistAir(state.roomTemperature, state.roomRelativeHumidity);

    // rho1 is the denser air plus a margin, rho2 the lighter one.
    double denser = 0;
    double lighter = 0;
    if (outsideDensity >= roomDensity) {
        denser = outsideDensity + kDensityMargin;
        lighter = roomDensity;
    } else {
        denser = roomDensity + kDensityMargin;
        lighter = outsideDensity;
    }
    const double densityFactor = std::pow(2 / (1 + std::pow(denser / lighter, kDensityRatioExponent)), 1.5);
    const double height = state.doorHeight;
    return std::sqrt(std::fabs((1 - lighter / denser) * height)) * kDoorFlowCoefficient * height * state.doorWidth
           * (outside.enthalpy - room.enthalpy) * roomDensity * densityFactor;
}

double DailyGoodsFlow(RoomGroup group, const ProjectState& state, double netCapacity)
{
    if (group == RoomGroup::Store)
        return state.dailyTurnoverPercent / 100 * netCapacity;
    return state.dailyTurnoverPercent / 100 * netCapacity * state.equipmentRunningHours / 24;
}

double VehiclePassCount(double goodsFlowTonnes, double loadUnitMassKg)
{
    return 2 * goodsFlowTonnes / (loadUnitMassKg / 1000);
}

double DoorOpenShareFromPasses(double passes, double goodsFlowTonnes, int doorType, RoomGroup group)
{
    const double secondsPerPass = ListEntry(refdata::kDoorTypes, doorType, "тип двери").secondsPerPass;
    const double secondsPerTonne = group == RoomGroup::Rail ? kRailSecondsPerTonne : kStoreSecondsPerTonne;
    return (passes * secondsPerPass + secondsPerTonne * goodsFlowTonnes) / 86400;
}

double DoorHeatGain(double openDoorHeatFlowW, double openShare, int doorProtection)
{
    const double efficiency =
        ListEntry(refdata::kDoorProtections, doorProtection, "защитное устройство").efficiency;
    return openDoorHeatFlowW * openShare * kDoorSwingAllowance * (1 - efficiency) / 1000;
}

double LightingHeatGain(const ProjectState& state)
{
    return state.lightingPowerDensity * state.lightingHours * state.roomLength * state.roomWidth / 24000;
}

double StaffHeatGain(const ProjectState& state)
{
    // 270 - 6 tr W per person: more heat the colder the room.
    return (270 - 6 * state.roomTemperature) * state.staffCount * state.lightingHours / 24000;
}

double VehicleHeatGain(const ProjectState& state)
{
    return state.vehiclePower * state.vehicleHours / 24;
}

double ConsumerHeatGain(const ProjectState& state)
{
    return state.consumer1Power * state.consumer1Hours / 24 + state.consumer2Power * state.consumer2Hours / 24;
}

double FanHeatGain(const ProjectState& state, double otherGainsKw)
{
    if (state.fanDetailedCalculation != 0)
        return state.fanCount * state.fanPower;
    return std::fabs(otherGainsKw * state.fanSharePercent / 100);
}

} // namespace zeltar::calc
