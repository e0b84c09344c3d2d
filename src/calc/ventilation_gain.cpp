#include "calc/ventilation_gain.h"

#include "calc/whole_watts.h"

namespace zeltar::calc {

double VentilationMassFlow(double volumeM3, double airChangesPerDay, double roomAirDensity)
{
    return volumeM3 * airChangesPerDay * roomAirDensity / 86400;
}

Ventilation VentilationGain(const ProjectState& state)
{
    Ventilation v;
    v.roomAirDensity = AirDensity(state.roomTemperature);
    const double massFlow = VentilationMassFlow(state.roomLength * state.roomWidth * state.roomHeight,
                                                state.airExchangeRate, v.roomAirDensity);
    v.roomAir = MoistAir(state.roomTemperature, state.roomRelativeHumidity);
    v.outsideAir = MoistAir(state.outsideDesignTemperature, state.outsideRelativeHumidity);
    v.gain = WholeWattsInKilowatts((v.outsideAir.enthalpy - v.roomAir.enthalpy) * massFlow);
    return v;
}

} // namespace zeltar::calc
