#include "calc/goods_enthalpy.h"

#include "calc/units.h"

#include "fields/number_text.h"

#include <cmath>

namespace zeltar::calc {

namespace {

constexpr double kDryMatterHeatCapacity = 1470;  // J/(kg K), dry matter of the product
constexpr double kWaterHeatCapacity = 4190;      // J/(kg K), liquid water
constexpr double kIceHeatCapacity = 2050;        // J/(kg K), ice
constexpr double kLatentHeatOfFreezing = 333400; // J/kg, water freezing to ice
constexpr double kTemperatureStep = 0.01;        // K, step of the enthalpy sum
constexpr double kLowestTemperature = -50;       // °C, where the enthalpy sum ends
constexpr int kMaxSteps = 12000;                 // steps of the sum at most (-50 °C from 70 °C)
// Frozen share of the water below the cryoscopic point: w_f = a / (1 + b / log10(tcr - t + 1)).
constexpr double kFrozenShareLimit = 1.105; // a, 1: the share the curve tends to far below tcr
constexpr double kFrozenShareSlope = 0.31;  // b, 1: how slowly the water freezes below tcr

} // namespace

double FrozenWaterFraction(double temperature, double cryoscopicPoint)
{
    if (temperature >= cryoscopicPoint)
        return 0;
    return kFrozenShareLimit / (1 + kFrozenShareSlope / std::log10(cryoscopicPoint - temperature + 1));
}

CumulativeEnthalpies CumulativeEnthalpy(double startTemperature, const GoodsProperties& goods)
{
    const double w = goods.waterContentPercent / kPercent;
    const double tcr = goods.cryoscopicPoint;
    double t = startTemperature;
    double frozenBefore = FrozenWaterFraction(t, tcr);
    CumulativeEnthalpies sum;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double frozenNow = FrozenWaterFraction(t, tcr);
        // Sensible heat of dry matter, liquid water and ice over one step, plus the latent heat of
        // the water that froze within it.
        sum.product = sum.product + kDryMatterHeatCapacity * kTemperatureStep * (1 - w) +
                      kWaterHeatCapacity * kTemperatureStep * w * (1 - frozenBefore) +
                      kIceHeatCapacity * kTemperatureStep * w * frozenBefore +
                      kLatentHeatOfFreezing * w * (frozenNow - frozenBefore);
        sum.packaging = sum.packaging + goods.packagingHeatCapacity * kTemperatureStep;
        if (t <= kLowestTemperature)
            break;
        frozenBefore = frozenNow;
        t = t - kTemperatureStep;
    }
    return sum;
}

EnthalpyDifferences GoodsEnthalpyDifferences(double inletTemperature, double finalTemperature,
                                             const GoodsProperties& goods, CalcTrace* trace)
{
    const CumulativeEnthalpies inlet = CumulativeEnthalpy(inletTemperature, goods);
    const CumulativeEnthalpies atFinal = CumulativeEnthalpy(finalTemperature, goods);
    constexpr const char* kSum = "сумма от t до −50 °C шагами 0,01 К";
    TraceValue(trace, "энтальпия продукта при t_вх (от −50 °C)", "H_вх", inlet.product / kJoulesPerKilojoule, "кДж/кг",
               kSum);
    TraceValue(trace, "энтальпия продукта при t_кон (от −50 °C)", "H_кон", atFinal.product / kJoulesPerKilojoule,
               "кДж/кг", kSum);
    TraceValue(trace, "энтальпия тары при t_вх (от −50 °C)", "P_вх", inlet.packaging / kJoulesPerKilojoule, "кДж/кг",
               kSum);
    TraceValue(trace, "энтальпия тары при t_кон (от −50 °C)", "P_кон", atFinal.packaging / kJoulesPerKilojoule,
               "кДж/кг", kSum);
    // trunc((H1 - H2) / 100) / 10: the difference in kJ/kg cut to one decimal, on its decimal form.
    return {fields::CutToDecimals((inlet.product - atFinal.product) / kJoulesPerKilojoule, 1),
            fields::CutToDecimals((inlet.packaging - atFinal.packaging) / kJoulesPerKilojoule, 1)};
}

} // namespace zeltar::calc
