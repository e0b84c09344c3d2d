#include "calc/ventilation_gain.h"

#include "calc/units.h"
#include "calc/whole_watts.h"

namespace zeltar::calc {

double VentilationMassFlow(double volumeM3, double airChangesPerDay, double roomAirDensity)
{
    return volumeM3 * airChangesPerDay * roomAirDensity / kSecondsPerDay;
}

Ventilation VentilationGain(const ProjectState& state, CalcTrace* trace)
{
    Ventilation v;
    v.roomAirDensity = AirDensity(state.roomTemperature);
    const double volume = state.roomLength * state.roomWidth * state.roomHeight;
    const double massFlow = VentilationMassFlow(volume, state.airExchangeRate, v.roomAirDensity);
    v.roomAir = MoistAir(state.roomTemperature, state.roomRelativeHumidity);
    v.outsideAir = MoistAir(state.outsideDesignTemperature, state.outsideRelativeHumidity);
    v.gain = WholeWattsInKilowatts((v.outsideAir.enthalpy - v.roomAir.enthalpy) * massFlow);
    if (trace) {
        trace->Add("расчётная наружная температура", "t_н", state.outsideDesignTemperature, "°C");
        trace->Add("относительная влажность наружного воздуха", "φ_н", state.outsideRelativeHumidity, "");
        trace->Add("влагосодержание наружного воздуха", "x_н", v.outsideAir.moisture, "кг/кг",
                   "x = 0,622·φ·x_s / (0,622 + x_s − φ·x_s)");
        trace->Add("энтальпия наружного воздуха", "h_н", v.outsideAir.enthalpy / kJoulesPerKilojoule, "кДж/кг",
                   "h = 1,006·t + (1,86·t + 2500)·x");
        trace->Add("температура в камере", "t_к", state.roomTemperature, "°C");
        trace->Add("относительная влажность в камере", "φ_к", state.roomRelativeHumidity, "");
        trace->Add("влагосодержание воздуха камеры", "x_к", v.roomAir.moisture, "кг/кг",
                   "x = 0,622·φ·x_s / (0,622 + x_s − φ·x_s)");
        trace->Add("энтальпия воздуха камеры", "h_к", v.roomAir.enthalpy / kJoulesPerKilojoule, "кДж/кг",
                   "h = 1,006·t + (1,86·t + 2500)·x");
        trace->Add("плотность воздуха камеры", "ρ_к", v.roomAirDensity, "кг/м³", "ρ = 352,96 / (t_к + 273,15)");
        trace->Add("объём камеры", "V", volume, "м³", "V = L·B·H");
        trace->Add("кратность воздухообмена", "n", state.airExchangeRate, "1/сут");
        trace->Add("расход воздуха", "G_в", massFlow, "кг/с", "G_в = V·n·ρ_к / 86400");
    }
    return v;
}

} // namespace zeltar::calc
