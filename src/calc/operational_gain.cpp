#include "calc/operational_gain.h"

#include "calc/list_entry.h"
#include "calc/moist_air.h"
#include "calc/units.h"
#include "model/project_extensions.h"

#include <cmath>

namespace zeltar::calc {

using refdata::RoomGroup;

namespace {

constexpr double kDensityMargin = 0.001; // kg/m3 added to the denser air
// Exchange of air through an open door driven by the density difference between the two sides:
// the flow coefficient of the opening (it holds the gravity root and the contraction of the jet),
// the exponent of the density ratio in the density factor, and the allowance on the door gain for
// the air drawn in while the door swings.
constexpr double kDoorFlowCoefficient = 0.692;  // m^0.5/s
constexpr double kDensityRatioExponent = 0.333; // 1
constexpr double kDensityFactorExponent = 1.5;  // 1
constexpr double kDoorSwingAllowance = 1.1;     // 1
// Door open per tonne of goods carried through it, s/t, beside the time per vehicle pass.
constexpr double kStoreSecondsPerTonne = 48;
constexpr double kRailSecondsPerTonne = 60;
constexpr double kPassesPerLoadUnit = 2; // in loaded and out empty
// Heat of a person at work: q = a - b tr, W per person; more heat the colder the room.
constexpr double kStaffHeatAtZero = 270;  // a, W at 0 °C
constexpr double kStaffHeatPerDegree = 6; // b, W/K
// Daily averages in kW of powers in W running some hours a day: P tau / (24 h * 1000 W/kW).
constexpr double kWattHoursPerKilowattDay = kHoursPerDay * kWattsPerKilowatt;

} // namespace

double OpenDoorHeatFlow(const ProjectState& state, CalcTrace* trace)
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
    const double densityFactor =
        std::pow(2 / (1 + std::pow(denser / lighter, kDensityRatioExponent)), kDensityFactorExponent);
    const double height = state.doorHeight;
    const double flow = std::sqrt(std::fabs((1 - lighter / denser) * height)) * kDoorFlowCoefficient * height *
                        state.doorWidth * (outside.enthalpy - room.enthalpy) * roomDensity * densityFactor;
    if (trace) {
        trace->Add("температура за стеной А", "t_А", outsideTemperature, "°C");
        trace->Add("плотность воздуха за дверью", "ρ_н", outsideDensity, "кг/м³", "ρ = 352,96 / (t + 273,15)");
        trace->Add("плотность воздуха камеры", "ρ_к", roomDensity, "кг/м³", "ρ = 352,96 / (t + 273,15)");
        trace->Add("влагосодержание воздуха за дверью", "x_н", outside.moisture, "кг/кг",
                   "x = 0,622·φ·x_s / (0,622 + x_s − φ·x_s)");
        trace->Add("энтальпия воздуха за дверью", "h_н", outside.enthalpy / kJoulesPerKilojoule, "кДж/кг",
                   "h = 1,006·t + (1,86·t + 2500)·x");
        trace->Add("влагосодержание воздуха камеры", "x_к", room.moisture, "кг/кг",
                   "x = 0,622·φ·x_s / (0,622 + x_s − φ·x_s)");
        trace->Add("энтальпия воздуха камеры", "h_к", room.enthalpy / kJoulesPerKilojoule, "кДж/кг",
                   "h = 1,006·t + (1,86·t + 2500)·x");
        trace->Add("плотность более тяжёлого воздуха", "ρ1", denser, "кг/м³", "ρ1 = max(ρ_н, ρ_к) + 0,001");
        trace->Add("плотность более лёгкого воздуха", "ρ2", lighter, "кг/м³", "ρ2 = min(ρ_н, ρ_к)");
        trace->Add("коэффициент плотностей", "ψ", densityFactor, "", "ψ = (2 / (1 + (ρ1/ρ2)^0,333))^1,5");
        trace->Add("высота двери", "h_д", height, "м");
        trace->Add("ширина двери", "b_д", state.doorWidth, "м");
        trace->Add("теплоприток через открытую дверь", "Q_откр", flow / kWattsPerKilowatt, "кВт",
                   "Q_откр = √|(1 − ρ2/ρ1)·h_д|·0,692·h_д·b_д·(h_н − h_к)·ρ_к·ψ");
    }
    return flow;
}

double DailyGoodsFlow(RoomGroup group, const ProjectState& state, double netCapacity)
{
    if (group == RoomGroup::Store)
        return state.dailyTurnoverPercent / kPercent * netCapacity;
    return state.dailyTurnoverPercent / kPercent * netCapacity * state.equipmentRunningHours / kHoursPerDay;
}

double VehiclePassCount(double goodsFlowTonnes, double loadUnitMassKg)
{
    return kPassesPerLoadUnit * goodsFlowTonnes / (loadUnitMassKg / kKilogramsPerTonne);
}

double DoorOpenShareFromPasses(double passes, double goodsFlowTonnes, int doorType, RoomGroup group)
{
    const double secondsPerPass = ListEntry(refdata::kDoorTypes, doorType, "тип двери").secondsPerPass;
    const double secondsPerTonne = group == RoomGroup::Rail ? kRailSecondsPerTonne : kStoreSecondsPerTonne;
    return (passes * secondsPerPass + secondsPerTonne * goodsFlowTonnes) / kSecondsPerDay;
}

double DoorHeatGain(double openDoorHeatFlowW, double openShare, int doorProtection)
{
    const double efficiency = ListEntry(refdata::kDoorProtections, doorProtection, "защитное устройство").efficiency;
    return openDoorHeatFlowW * openShare * kDoorSwingAllowance * (1 - efficiency) / kWattsPerKilowatt;
}

double LightingHeatGain(const ProjectState& state)
{
    return state.lightingPowerDensity * state.lightingHours * state.roomLength * state.roomWidth /
           kWattHoursPerKilowattDay;
}

double StaffHours(const ProjectState& state)
{
    return state.staffOwnHours != 0 ? state.staffHours : state.lightingHours;
}

double StaffHeatGain(const ProjectState& state)
{
    return (kStaffHeatAtZero - kStaffHeatPerDegree * state.roomTemperature) * state.staffCount * StaffHours(state) /
           kWattHoursPerKilowattDay;
}

double DefrostHeatGain(const ProjectState& state)
{
    if (!DefrostUsed(state))
        return 0;
    return state.defrostHeaterPower * state.defrostCoolerCount * state.defrostsPerDay *
           (state.defrostDuration / kMinutesPerHour) / kHoursPerDay * state.defrostRoomShare;
}

double VehicleHeatGain(const ProjectState& state)
{
    return state.vehiclePower * state.vehicleHours / kHoursPerDay;
}

double ConsumerHeatGain(const ProjectState& state)
{
    return state.consumer1Power * state.consumer1Hours / kHoursPerDay +
           state.consumer2Power * state.consumer2Hours / kHoursPerDay;
}

double FanHeatGain(const ProjectState& state, double otherGainsKw)
{
    if (state.fanDetailedCalculation != 0)
        return state.fanCount * state.fanPower;
    return std::fabs(otherGainsKw * state.fanSharePercent / kPercent);
}

} // namespace zeltar::calc
