#include "calc/goods_enthalpy.h"

#include "fields/number_text.h"

#include <cmath>

namespace zeltar::calc {

namespace {

constexpr double kDryMatterHeatCapacity = 1470; // J/(kg K)
constexpr double kWaterHeatCapacity = 4190;     // J/(kg K)
constexpr double kIceHeatCapacity = 2050;       // J/(kg K)
constexpr double kLatentHeatOfFreezing = 333400; // J/kg
constexpr double kTemperatureStep = 0.01;       // K
constexpr double kLowestTemperature = -50;      // °C
constexpr int kMaxSteps = 12000;

} // namespace

double FrozenWaterFraction(double temperature, double cryoscopicPoint)
{
    if (temperature >= cryoscopicPoint)
        return 0;
    return 1.105 / (1 + 0.31 / std::log10(cryoscopicPoint - temperature + 1));
}

CumulativeEnthalpies CumulativeEnthalpy(double startTemperature, const GoodsProperties& goods)
{
    const double w = goods.waterContentPercent / 100.0;
    const double tcr = goods.cryoscopicPoint;
    double t = startTemperature;
    double frozenBefore = FrozenWaterFraction(t, tcr);
    CumulativeEnthalpies sum;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double frozenNow = FrozenWaterFraction(t, tcr);
        // Sensible heat of dry matter, liquid water and ice over one step, plus the latent heat of
        // the water that froze within it.
        sum.product = sum.product + kDryMatterHeatCapacity * kTemperatureStep * (1 - w)
                      + kWaterHeatCapacity * kTemperatureStep * w * (1 - frozenBefore)
                      + kIceHeatCapacity * kTemperatureStep * w * frozenBefore
                      + kLatentHeatOfFreezing * w * (frozenNow - frozenBefore);
        sum.packaging = sum.packaging + goods.packagingHeatCapacity * kTemperatureStep;
        if (t <= kLowestTemperature)
            break;
        frozenBefore = frozenNow;
        t = t - kTemperatureStep;
    }
    return sum;
}

EnthalpyDifferences GoodsEnthalpyDifferences(double inletTemperature, double finalTemperature,
                                             const GoodsProperties& goods)
{
    const CumulativeEnthalpies inlet = CumulativeEnthalpy(inletTemperature, goods);
    const CumulativeEnthalpies atFinal = CumulativeEnthalpy(finalTemperature, goods);
    // trunc((H1 - H2) / 100) / 10: the difference in kJ/kg cut to one decimal, on its decimal form.
    return {fields::CutToDecimals((inlet.product - atFinal.product) / 1000, 1),
            fields::CutToDecimals((inlet.packaging - atFinal.packaging) / 1000, 1)};
}

} // namespace zeltar::calc
