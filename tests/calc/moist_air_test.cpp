// Moist air over the saturation table, the cubic spline behind it and the linear lookup.
#include "calc/cubic_spline.h"
#include "calc/linear_lookup.h"
#include "calc/moist_air.h"
#include "refdata/saturation_moisture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace zeltar::calc;

namespace {

double Cubic(double t)
{
    return t * t * t - 2 * t * t + t + 3;
}

} // namespace

// Guards the end conditions and the elimination: with the third derivative at each end matched to
// the cubic through the four end knots, the spline of a cubic is that cubic, also when extrapolated.
TEST(CubicSpline, ReproducesACubicInsideAndBeyondTheKnots)
{
    std::vector<double> t{0, 1, 2, 3.5, 4, 6};
    std::vector<double> y;
    for (double x : t)
        y.push_back(Cubic(x));
    const CubicSpline spline(t, y);
    for (double x : {0.0, 0.3, 1.7, 2.9, 3.5, 3.75, 5.2, 6.0, -1.5, 7.5})
        EXPECT_NEAR(spline(x), Cubic(x), 1e-9) << "t = " << x;
}

// Guards the two-knot case, which has no tridiagonal system: a straight line.
TEST(CubicSpline, TwoKnotsGiveAStraightLine)
{
    const std::vector<double> t{1, 3};
    const std::vector<double> y{2, 6};
    const CubicSpline spline(t, y);
    EXPECT_DOUBLE_EQ(spline(2), 4);
    EXPECT_DOUBLE_EQ(spline(5), 10);
    EXPECT_DOUBLE_EQ(spline(0), 0);
}

// Guards the knot search: at every knot of the table the spline returns the table value exactly.
TEST(SaturationMoisture, IsExactAtEveryKnot)
{
    for (std::size_t i = 0; i < zeltar::refdata::kSaturationMoisture.size(); ++i) {
        const double t = zeltar::refdata::kSaturationFirstTemperature + static_cast<double>(i);
        EXPECT_EQ(SaturationMoisture(t), zeltar::refdata::kSaturationMoisture[i]) << "t = " << t;
    }
}

// Guards the coefficient formulas: value, slope and curvature agree from both sides of inner knots.
TEST(SaturationMoisture, IsSmoothAcrossKnots)
{
    const double h = 1e-3;
    for (double knot : {-40.0, -1.0, 0.0, 1.0, 20.0, 60.0, 90.0}) {
        const double left = SaturationMoisture(knot - h);
        const double right = SaturationMoisture(knot + h);
        const double at = SaturationMoisture(knot);
        const double slopeLeft = (at - SaturationMoisture(knot - 2 * h)) / (2 * h);
        const double slopeRight = (SaturationMoisture(knot + 2 * h) - at) / (2 * h);
        const double curvatureLeft = (at - 2 * left + SaturationMoisture(knot - 2 * h)) / (h * h);
        const double curvatureRight = (SaturationMoisture(knot + 2 * h) - 2 * right + at) / (h * h);
        EXPECT_NEAR(slopeLeft, slopeRight, 1e-2 * std::fabs(slopeLeft) + 1e-9) << "knot " << knot;
        EXPECT_NEAR(curvatureLeft, curvatureRight, 2e-2 * std::fabs(curvatureLeft) + 1e-6) << "knot " << knot;
    }
}

// Guards against clamping at the table ends: beyond them the end polynomials continue the curve.
TEST(SaturationMoisture, ExtrapolatesBeyondTheTable)
{
    EXPECT_GT(SaturationMoisture(96), SaturationMoisture(95));
    EXPECT_NE(SaturationMoisture(96), SaturationMoisture(95));
    EXPECT_LT(SaturationMoisture(-51), SaturationMoisture(-50));
    EXPECT_NE(SaturationMoisture(-51), SaturationMoisture(-50));
}

// Worked example: 20 °C and 50 % lie on a knot; the moisture and enthalpy formulas give 38 777 J/kg.
TEST(MoistAir, TwentyDegreesHalfSaturatedIs38777JoulesPerKilogram)
{
    const MoistAirState air = MoistAir(20, 0.5);
    EXPECT_NEAR(air.moisture, 0.0073535, 1e-7);
    EXPECT_EQ(std::lround(air.enthalpy), 38777);
}

// Guards the enthalpy of dry air: no moisture leaves 1006 J/(kg K) times the temperature.
TEST(MoistAir, DryAirHasOnlySensibleHeat)
{
    const MoistAirState air = MoistAir(-12.5, 0);
    EXPECT_EQ(air.moisture, 0);
    EXPECT_DOUBLE_EQ(air.enthalpy, 1006 * -12.5);
}

// Guards the lookup's ends (held, not extrapolated) and the interpolation from the upper knot.
TEST(LinearLookup, InterpolatesAndHoldsTheEndValues)
{
    const std::array<double, 5> x{0, 5, 10, 15, 20};
    const std::array<double, 5> y{0, 30, 94, 135, 194}; // bananas, W/t
    EXPECT_DOUBLE_EQ(LinearLookup(x, y, 2.5), 15);
    EXPECT_DOUBLE_EQ(LinearLookup(x, y, 10), 94);
    EXPECT_DOUBLE_EQ(LinearLookup(x, y, 12), 94 + (135 - 94) * 2 / 5.0);
    EXPECT_DOUBLE_EQ(LinearLookup(x, y, -3), 0);
    EXPECT_DOUBLE_EQ(LinearLookup(x, y, 25), 194);
}
