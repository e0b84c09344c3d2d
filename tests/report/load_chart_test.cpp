// The chart of the load on a recording canvas: bars from a common zero line, negative gains to its
// left and said with their sign, the stacked bars of an object's rooms.
#include "recording_canvas.h"
#include "report/load_chart.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zeltar::report {
namespace {

using testing::Call;
using testing::Drawn;
using testing::RecordingCanvas;

constexpr ChartArea kArea{{100, 50}, 1000, 800, 0};

std::vector<Drawn> Bars(const RecordingCanvas& canvas)
{
    std::vector<Drawn> bars;
    for (const Drawn& d : canvas.drawn())
        if (d.call == Call::Rectangle)
            bars.push_back(d);
    return bars;
}

int ZeroLineX(const RecordingCanvas& canvas)
{
    for (const Drawn& d : canvas.drawn())
        if (d.call == Call::Line && d.points[0].x == d.points[1].x)
            return d.points[0].x;
    ADD_FAILURE() << "no zero line";
    return 0;
}

calc::LoadBreakdown GoodsComingInColder()
{
    calc::RecalcValues v;
    v.enclosureHeatGain = {1, 1, 0, 0, 0.5, 0.5};
    v.q1 = 3;
    v.q2 = -1;
    v.q4 = 2;
    v.lightingHeatGain = 2;
    v.totalHeatGain = 4;
    return calc::BreakDownLoad(v);
}

} // namespace

struct ValueTextCase {
    double gain;
    double total;
    const char* expected;
};

class PartValueTexts : public ::testing::TestWithParam<ValueTextCase> {};

// Guards the texts beside the bars: kW cut to two decimals with a decimal comma, the share to one
// decimal, a negative gain and share with their sign, no share of a total that is not positive.
TEST_P(PartValueTexts, SayKwAndShare)
{
    const calc::LoadPart part{calc::LoadComponent::Q2, false, "Q2", GetParam().gain,
                              calc::SharePercent(GetParam().gain, GetParam().total)};
    EXPECT_EQ(PartValueText(part), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Parts, PartValueTexts,
                         ::testing::Values(ValueTextCase{1.239, 4, "1,23 кВт  31 %"},
                                           ValueTextCase{-1.5, 4, "-1,5 кВт  -37,5 %"},
                                           ValueTextCase{0.29, 3, "0,29 кВт  9,7 %"}, ValueTextCase{2, 0, "2 кВт"},
                                           ValueTextCase{0, -1, "0 кВт"}));

// Guards the bars' geometry: every part has a bar; a positive gain runs right from the zero line,
// the negative Q2 left of it; lengths are proportional to the kW.
TEST(LoadChart, NegativeGainRunsLeftOfTheZeroLine)
{
    RecordingCanvas canvas;
    const calc::LoadBreakdown breakdown = GoodsComingInColder();
    DrawLoadChart(canvas, breakdown, kArea);
    const std::vector<Drawn> bars = Bars(canvas);
    ASSERT_EQ(bars.size(), breakdown.parts.size());
    const int zero = ZeroLineX(canvas);
    EXPECT_GT(zero, kArea.topLeft.x);
    EXPECT_LT(zero, kArea.topLeft.x + kArea.width);

    const Drawn& q1 = bars[0];
    const Drawn& q2 = bars[8]; // after Q1, its six rows and Q12
    EXPECT_EQ(q1.points[0].x, zero);
    EXPECT_GT(q1.points[1].x, zero);
    EXPECT_EQ(q2.points[1].x, zero);
    EXPECT_LT(q2.points[0].x, zero);
    EXPECT_NEAR(q1.points[1].x - zero, 3 * (zero - q2.points[0].x), 2);

    EXPECT_EQ(canvas.textsEqualTo("-1 кВт  -25 %").size(), 1u);
    EXPECT_EQ(canvas.textsEqualTo("Q сум. = 4 кВт").size(), 1u);
    for (const Drawn& d : canvas.drawn())
        for (const Point& p : d.points) {
            EXPECT_GE(p.x, kArea.topLeft.x);
            EXPECT_LE(p.x, kArea.topLeft.x + kArea.width);
            EXPECT_LT(p.y, kArea.topLeft.y + kArea.height);
        }
}

// Guards the stacked bars: the positive components laid end to end right of the zero line in
// their order, the negative ones left of it, and the total's bar the longest.
TEST(StackedLoads, ComponentsStackFromTheZeroLine)
{
    LoadBar room{"1. Камера", {2, 0.5, -1, 1, 1.5, 0}, 4};
    LoadBar total{"Итого по объекту", {4, 1, -1, 2, 3, 0}, 9};
    const std::vector<LoadBar> bars{room, total};
    RecordingCanvas canvas;
    DrawStackedLoads(canvas, bars, kArea);
    const int zero = ZeroLineX(canvas);
    std::vector<Drawn> drawn = Bars(canvas);
    ASSERT_EQ(drawn.size(), 6u + 2 * 6u); // the legend's swatches, then six parts per bar
    drawn.erase(drawn.begin(), drawn.begin() + 6);

    EXPECT_EQ(drawn[0].points[0].x, zero);                 // Q1 starts at zero
    EXPECT_EQ(drawn[1].points[0].x, drawn[0].points[1].x); // Q12 goes on where Q1 ends
    EXPECT_EQ(drawn[2].points[1].x, zero);                 // Q2 negative: ends at zero
    EXPECT_LT(drawn[2].points[0].x, zero);
    EXPECT_EQ(drawn[3].points[0].x, drawn[1].points[1].x);     // Q3 after Q12, skipping Q2
    EXPECT_GT(drawn[6 + 4].points[1].x, drawn[4].points[1].x); // the total reaches further
    EXPECT_EQ(canvas.textsEqualTo("Итого по объекту").size(), 1u);
    EXPECT_EQ(canvas.textsEqualTo("9 кВт").size(), 1u);
}

} // namespace zeltar::report
