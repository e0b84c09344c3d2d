// The picture of the load on the report canvas: the room's breakdown as one horizontal bar per
// component and row from a common zero line (negative gains to its left), and the stacked bars of
// an object's rooms by component. The same drawing serves the chart window and the printed page.
#pragma once

#include "calc/load_breakdown.h"
#include "report/canvas.h"
#include "report/print_scale.h"

#include <span>
#include <string>
#include <string_view>

namespace zeltar::report {

// The area the chart fills, in the canvas's units.
struct ChartArea {
    Point topLeft;
    int width = 0;
    int height = 0;
    int maxLineHeight = 0; // the tallest a chart line may grow when there are few; 0: no limit
};

// Colour of a component's bars, indexed by calc::LoadComponent; rows take a lighter shade.
Colour ComponentColour(calc::LoadComponent component);

// "1,23 кВт  12,3 %" ("−1,23 кВт  −4,5 %" for a negative gain; the kW alone without a share).
std::string PartValueText(const calc::LoadPart& part);

inline constexpr std::string_view kLoadChartTitle = "Структура теплопритоков камеры";

// The breakdown under `title`, with Q сум. at its foot.
void DrawLoadChart(Canvas& canvas, const calc::LoadBreakdown& breakdown, ChartArea area,
                   std::string_view title = kLoadChartTitle);

// The chart's place on the printed second page (1/300 inch scaled by the factors, from the printable
// area's corner) and on the preview image of that page (950 x 1330 pixels).
ChartArea PrintedChartArea(ScaleFactors factors);
ChartArea PreviewChartArea();

// One stacked bar: a room, or the object's total.
struct LoadBar {
    std::string label;
    calc::ComponentLoads loads{}; // kW by component
    double totalKw = 0;
};

// The bars one under the other with a legend of the components above them; positive parts stack
// to the right of the zero line, negative ones to its left.
void DrawStackedLoads(Canvas& canvas, std::span<const LoadBar> bars, ChartArea area);

} // namespace zeltar::report
