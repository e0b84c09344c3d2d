// The report's drawing surface in layout units: scales every x by the horizontal factor and every
// y, font height and pen width by the vertical factor, and places texts left or right.
#pragma once

#include "report/canvas.h"
#include "report/print_scale.h"
#include "report/report_flow.h"
#include "report/report_fonts.h"
#include "report/report_surface.h"
#include "report/report_tables.h"

#include <span>
#include <string_view>
#include <vector>

namespace zeltar::report {

class ReportPage {
public:
    ReportPage(Canvas& canvas, Surface surface, ScaleFactors factors);

    Surface surface() const { return surface_; }
    // From now on every y goes through `flow` (the room for the extension lines); none: as laid out.
    void setFlow(const VerticalFlow* flow) { flow_ = flow; }
    // Width of `text` in the current font, in layout units.
    int textWidth(std::string_view text) const;

    void setFont(FontUse use);
    // Pen of a width in layout units (scaled), or of a width in the surface's own dots (not scaled).
    void setPen(int layoutWidth, Colour colour = kBlack);
    void setDevicePen(int dots, Colour colour = kBlack);
    void setBrush(Colour colour);

    // Opaque text; with Align::Right its right edge, measured in the current font on the surface,
    // stands at x.
    void text(Point at, std::string_view text, Align align = Align::Left);
    // Transparent text, left-placed: its glyphs only.
    void transparentText(Point at, std::string_view text);
    void line(Point from, Point to);
    void rule(const Rule& rule);
    void polyline(std::span<const Point> points);
    void polygon(std::span<const Point> points);
    void rectangle(const Box& box);
    void ellipse(const Box& box);

private:
    Point scaled(Point point) const;
    std::vector<Point> scaled(std::span<const Point> points) const;

    Canvas& canvas_;
    Surface surface_;
    ScaleFactors factors_;
    const VerticalFlow* flow_ = nullptr;
};

} // namespace zeltar::report
