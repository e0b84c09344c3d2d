// Enthalpy of the goods between their inlet and final temperatures: the product with the latent
// heat of the water that freezes below its cryoscopic point, and the packaging.
#pragma once

#include "calc/calc_trace.h"

namespace zeltar::calc {

// Share of the product's water that is frozen at t °C, for a cryoscopic point tcr °C:
// 0 at or above tcr, otherwise 1.105 / (1 + 0.31 / log10(tcr - t + 1)).
double FrozenWaterFraction(double temperature, double cryoscopicPoint);

// Goods described for the enthalpy sums.
struct GoodsProperties {
    int waterContentPercent = 0;      // W, % of the product mass
    double cryoscopicPoint = 0;       // tcr, °C
    double packagingHeatCapacity = 0; // J/(kg K)
};

// Enthalpies in J/kg, summed downward from a start temperature to -50 °C in steps of 0.01 K:
// H = sum [1470 (1 - W) + 4190 W (1 - w_f) + 2050 W w_f] dt + 333400 W dw_f, P = sum c_pack dt.
struct CumulativeEnthalpies {
    double product = 0;   // H
    double packaging = 0; // P
};

// The temperature is lowered by repeated subtraction of 0.01 K, at most 12000 steps; the sum stops
// after the step at which t <= -50 °C has been added.
CumulativeEnthalpies CumulativeEnthalpy(double startTemperature, const GoodsProperties& goods);

// Enthalpy differences in kJ/kg between the inlet and the final temperature, cut toward zero to
// one decimal (the values the goods gains use): dh = trunc((H(t_in) - H(t_final)) / 100) / 10.
// The four cumulative enthalpies go to `trace` when one is given.
struct EnthalpyDifferences {
    double product = 0;
    double packaging = 0;
};
EnthalpyDifferences GoodsEnthalpyDifferences(double inletTemperature, double finalTemperature,
                                             const GoodsProperties& goods, CalcTrace* trace = nullptr);

} // namespace zeltar::calc
