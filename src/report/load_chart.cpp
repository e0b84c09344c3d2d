#include "report/load_chart.h"

#include "fields/number_text.h"
#include "report/report_fonts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zeltar::report {

namespace {

constexpr int kDecimalsKw = 2;
constexpr double kTenths = 10;
constexpr double kFontShareOfLine = 0.62; // a text's cell height in a chart line
constexpr double kBarShareOfLine = 0.7;   // a bar's height in its line
constexpr double kLabelShareOfWidth = 0.34;
constexpr double kValueShareOfWidth = 0.22;
constexpr int kRowIndentChars = 2;
constexpr double kRowLightening = 0.55; // a row's shade: this much of the way to white
constexpr int kTitleLines = 2;
constexpr int kFootLines = 2;
constexpr int kLegendLines = 2;
constexpr int kMinimumFontHeight = 6;
const Colour kAxisGrey{90, 90, 90};

constexpr std::array<Colour, calc::kLoadComponentCount> kComponentColours{{
    {70, 110, 190},  // Q1 enclosure: blue
    {235, 170, 40},  // Q12 sun: amber
    {60, 160, 90},   // Q2 goods: green
    {120, 190, 220}, // Q3 outside air: light blue
    {200, 80, 70},   // Q4 operation: red
    {150, 110, 180}, // Q5 respiration: violet
}};

Colour Lighter(Colour c)
{
    auto towardWhite = [](std::uint8_t v) {
        return static_cast<std::uint8_t>(std::lround(v + (255 - v) * kRowLightening));
    };
    return {towardWhite(c.red), towardWhite(c.green), towardWhite(c.blue)};
}

std::string KwText(double kw)
{
    return fields::FormatGeneral(fields::CutToDecimals(kw, kDecimalsKw)) + " кВт";
}

Font ChartFont(int lineHeight, bool bold)
{
    return {kReportFontFace, std::max(kMinimumFontHeight, static_cast<int>(lineHeight * kFontShareOfLine)), bold,
            FontHeightUnit::CellHeight};
}

// Maps kW to x between the bars' left and right edges, with zero inside whenever a gain is negative.
struct BarScale {
    int left = 0;
    int right = 0;
    double lowest = 0;  // kW at `left`, never above zero
    double highest = 0; // kW at `right`, never below zero

    int x(double kw) const
    {
        const double span = highest - lowest;
        if (!(span > 0))
            return left;
        return left + static_cast<int>(std::lround((kw - lowest) / span * (right - left)));
    }
};

void Bar(Canvas& canvas, const BarScale& scale, double from, double to, int top, int height, Colour colour)
{
    const int x0 = scale.x(std::min(from, to));
    const int x1 = scale.x(std::max(from, to));
    canvas.setBrush({colour});
    canvas.setPen({1, colour});
    canvas.rectangle({x0, top}, {std::max(x1, x0 + 1), top + height});
}

void ZeroLine(Canvas& canvas, const BarScale& scale, int top, int bottom)
{
    canvas.setPen({1, kAxisGrey});
    canvas.line({scale.x(0), top}, {scale.x(0), bottom});
}

int LineHeight(const ChartArea& area, int lines)
{
    int height = std::max(1, area.height / std::max(lines, 1));
    if (area.maxLineHeight > 0)
        height = std::min(height, area.maxLineHeight);
    return height;
}

// The second page: the chart across the report's frame width, in its upper part.
constexpr Point kPrintedChartTopLeft{60, 80};
constexpr int kPrintedChartWidth = 2180; // 1/300 inch
constexpr int kPrintedChartHeight = 1900;
constexpr int kPrintedChartMaxLine = 80;
constexpr Point kPreviewChartTopLeft{25, 33};
constexpr int kPreviewChartWidth = 900; // px
constexpr int kPreviewChartHeight = 785;
constexpr int kPreviewChartMaxLine = 33;

} // namespace

ChartArea PrintedChartArea(ScaleFactors f)
{
    return {{kPrintedChartTopLeft.x * f.horizontal, kPrintedChartTopLeft.y * f.vertical},
            kPrintedChartWidth * f.horizontal,
            kPrintedChartHeight * f.vertical,
            kPrintedChartMaxLine * f.vertical};
}

ChartArea PreviewChartArea()
{
    return {kPreviewChartTopLeft, kPreviewChartWidth, kPreviewChartHeight, kPreviewChartMaxLine};
}

Colour ComponentColour(calc::LoadComponent component)
{
    return kComponentColours[static_cast<std::size_t>(component)];
}

std::string PartValueText(const calc::LoadPart& part)
{
    std::string text = KwText(part.gainKw);
    if (part.percent)
        text += "  " + fields::FormatGeneral(fields::RoundHalfEven(*part.percent * kTenths) / kTenths) + " %";
    return text;
}

void DrawLoadChart(Canvas& canvas, const calc::LoadBreakdown& breakdown, ChartArea area, std::string_view title)
{
    const int lines = static_cast<int>(breakdown.parts.size()) + kTitleLines + kFootLines;
    const int lineHeight = LineHeight(area, lines);
    const int labelWidth = static_cast<int>(area.width * kLabelShareOfWidth);
    const int valueWidth = static_cast<int>(area.width * kValueShareOfWidth);
    const Font font = ChartFont(lineHeight, false);
    const Font bold = ChartFont(lineHeight, true);
    const int textDrop = (lineHeight - font.height) / 2;

    canvas.setPen({1, kBlack});
    canvas.setFont(bold);
    canvas.transparentText(area.topLeft, title);

    BarScale scale{area.topLeft.x + labelWidth, area.topLeft.x + area.width - valueWidth};
    for (const calc::LoadPart& part : breakdown.parts) {
        scale.lowest = std::min(scale.lowest, part.gainKw);
        scale.highest = std::max(scale.highest, part.gainKw);
    }
    const int barsTop = area.topLeft.y + kTitleLines * lineHeight;
    const int barHeight = static_cast<int>(lineHeight * kBarShareOfLine);
    const int indent = canvas.textWidth(std::string(kRowIndentChars, ' '));
    int y = barsTop;
    for (const calc::LoadPart& part : breakdown.parts) {
        const Colour colour = part.row ? Lighter(ComponentColour(part.component)) : ComponentColour(part.component);
        Bar(canvas, scale, 0, part.gainKw, y + (lineHeight - barHeight) / 2, barHeight, colour);
        canvas.setPen({1, kBlack});
        canvas.setFont(part.row ? font : bold);
        canvas.transparentText({area.topLeft.x + (part.row ? indent : 0), y + textDrop}, part.label);
        canvas.setFont(font);
        const std::string value = PartValueText(part);
        canvas.transparentText({area.topLeft.x + area.width - canvas.textWidth(value), y + textDrop}, value);
        y += lineHeight;
    }
    ZeroLine(canvas, scale, barsTop, y);

    canvas.setPen({1, kBlack});
    canvas.setFont(bold);
    const std::string total = "Q сум. = " + KwText(breakdown.totalKw);
    canvas.transparentText({area.topLeft.x, y + lineHeight / 2 + textDrop}, total);
}

void DrawStackedLoads(Canvas& canvas, std::span<const LoadBar> bars, ChartArea area)
{
    const int lines = static_cast<int>(bars.size()) + kLegendLines;
    const int lineHeight = LineHeight(area, lines);
    const Font font = ChartFont(lineHeight, false);
    const int textDrop = (lineHeight - font.height) / 2;
    const int labelWidth = static_cast<int>(area.width * kLabelShareOfWidth);
    const int valueWidth = static_cast<int>(area.width * kValueShareOfWidth / 2);

    canvas.setFont(font);
    int x = area.topLeft.x;
    const int swatch = font.height;
    for (int c = 0; c < calc::kLoadComponentCount; ++c) {
        const auto component = static_cast<calc::LoadComponent>(c);
        canvas.setBrush({ComponentColour(component)});
        canvas.setPen({1, ComponentColour(component)});
        canvas.rectangle({x, area.topLeft.y + textDrop}, {x + swatch, area.topLeft.y + textDrop + swatch});
        canvas.setPen({1, kBlack});
        const std::string_view name = calc::kLoadComponentNames[static_cast<std::size_t>(c)];
        canvas.transparentText({x + swatch + swatch / 3, area.topLeft.y + textDrop}, name);
        x += swatch + swatch / 3 + canvas.textWidth(name) + swatch;
    }

    BarScale scale{area.topLeft.x + labelWidth, area.topLeft.x + area.width - valueWidth};
    for (const LoadBar& bar : bars) {
        double negative = 0, positive = 0;
        for (double kw : bar.loads)
            (kw < 0 ? negative : positive) += kw;
        scale.lowest = std::min(scale.lowest, negative);
        scale.highest = std::max(scale.highest, positive);
    }
    const int barsTop = area.topLeft.y + kLegendLines * lineHeight;
    const int barHeight = static_cast<int>(lineHeight * kBarShareOfLine);
    int y = barsTop;
    for (const LoadBar& bar : bars) {
        double negative = 0, positive = 0;
        for (int c = 0; c < calc::kLoadComponentCount; ++c) {
            const double kw = bar.loads[static_cast<std::size_t>(c)];
            double& end = kw < 0 ? negative : positive;
            Bar(canvas, scale, end, end + kw, y + (lineHeight - barHeight) / 2, barHeight,
                ComponentColour(static_cast<calc::LoadComponent>(c)));
            end += kw;
        }
        canvas.setPen({1, kBlack});
        canvas.setFont(font);
        canvas.transparentText({area.topLeft.x, y + textDrop}, bar.label);
        const std::string value = KwText(bar.totalKw);
        canvas.transparentText({area.topLeft.x + area.width - canvas.textWidth(value), y + textDrop}, value);
        y += lineHeight;
    }
    ZeroLine(canvas, scale, barsTop, y);
}

} // namespace zeltar::report
