// The numbers of the load chart: the components re-add to the total, their shares to 100 %, the rows
// to their component, and a negative gain keeps its sign.
#include "calc/load_breakdown.h"
#include "model/startup_state.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zeltar;
using namespace zeltar::calc;

namespace {

// A store of 10 x 10 x 3 m holding 70 t, goods cooled from `inlet` to `final` °C in a room at 0 °C.
ProjectState StoreWithGoods(double inlet, double final)
{
    ProjectState s = StartupState("01.01.2025");
    s.roomLength = 10;
    s.roomWidth = 10;
    s.roomHeight = 3;
    s.stackHeight = 1;
    s.stackDensity = 1000;
    s.roomTemperature = 0;
    s.productInletTemperature = inlet;
    s.productFinalTemperature = final;
    return s;
}

double SumOf(const LoadBreakdown& b, bool rows, LoadComponent component, bool anyComponent)
{
    double sum = 0;
    for (const LoadPart& part : b.parts)
        if (part.row == rows && (anyComponent || part.component == component))
            sum += part.gainKw;
    return sum;
}

struct GoodsCase {
    const char* name;
    double inlet;
    double final;
};

class LoadBreakdownOfStore : public ::testing::TestWithParam<GoodsCase> {};

} // namespace

// Guards the sums over rooms whose goods are cooled, already cold, or come in colder and warm up
// (a negative Q2): the components re-add to Q сум., the shares of the components to 100 % and the
// rows of Q1 and Q4 to their components.
TEST_P(LoadBreakdownOfStore, PartsReAddToTheTotal)
{
    const RecalcValues v = Recalculate(StoreWithGoods(GetParam().inlet, GetParam().final)).values;
    const LoadBreakdown b = BreakDownLoad(v);
    ASSERT_GT(b.totalKw, 0);
    EXPECT_DOUBLE_EQ(b.totalKw, v.totalHeatGain);
    EXPECT_NEAR(SumOf(b, false, LoadComponent::Q1, true), b.totalKw, 1e-9);
    EXPECT_NEAR(SumOf(b, true, LoadComponent::Q1, false), v.q1, 1e-9);
    EXPECT_NEAR(SumOf(b, true, LoadComponent::Q4, false), v.q4, 1e-9);

    double shares = 0;
    int components = 0;
    for (const LoadPart& part : b.parts) {
        ASSERT_TRUE(part.percent.has_value()) << part.label;
        EXPECT_NEAR(*part.percent, part.gainKw / b.totalKw * 100, 1e-9) << part.label;
        if (!part.row) {
            shares += *part.percent;
            EXPECT_EQ(part.component, static_cast<LoadComponent>(components));
            EXPECT_EQ(part.label.rfind(std::string(kLoadComponentNames[components]) + " ", 0), 0u) << part.label;
            ++components;
        }
    }
    EXPECT_EQ(components, kLoadComponentCount);
    EXPECT_NEAR(shares, 100, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Goods, LoadBreakdownOfStore,
                         ::testing::Values(GoodsCase{"Cooled", 20, 0}, GoodsCase{"Unchanged", 0, 0},
                                           GoodsCase{"WarmedUp", -5, 0}),
                         [](const auto& param) { return std::string(param.param.name); });

// Guards the sign of goods that enter colder than they leave: Q2 stays negative in the breakdown,
// with a negative share, and the other shares grow past their kW's plain ratio to the positive sum.
TEST(LoadBreakdown, GoodsEnteringColderShowANegativeShare)
{
    const RecalcValues v = Recalculate(StoreWithGoods(-5, 0)).values;
    ASSERT_LT(v.q2, 0);
    const LoadBreakdown b = BreakDownLoad(v);
    const LoadPart& q2 = b.parts[8]; // after Q1, its six rows and Q12
    EXPECT_EQ(q2.component, LoadComponent::Q2);
    EXPECT_FALSE(q2.row);
    EXPECT_DOUBLE_EQ(q2.gainKw, v.q2);
    ASSERT_TRUE(q2.percent.has_value());
    EXPECT_LT(*q2.percent, 0);
}

// Guards the shares of a total that is not positive: no division by zero, no shares turned upside
// down by a negative total; the kW stay as they are.
TEST(LoadBreakdown, NoSharesOfANonPositiveTotal)
{
    EXPECT_EQ(SharePercent(1, 0), std::nullopt);
    EXPECT_EQ(SharePercent(1, -2), std::nullopt);
    EXPECT_EQ(SharePercent(0, 0), std::nullopt);
    EXPECT_DOUBLE_EQ(SharePercent(-1, 4).value(), -25);

    RecalcValues v;
    v.q1 = 2;
    v.q2 = -5;
    v.totalHeatGain = -3;
    const LoadBreakdown b = BreakDownLoad(v);
    for (const LoadPart& part : b.parts)
        EXPECT_FALSE(part.percent.has_value()) << part.label;
    EXPECT_DOUBLE_EQ(b.parts[8].gainKw, -5);
}
