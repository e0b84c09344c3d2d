#include "report/report_page.h"

#include <vector>

namespace zeltar::report {

ReportPage::ReportPage(Canvas& canvas, Surface surface, ScaleFactors factors)
    : canvas_(canvas)
    , surface_(surface)
    , factors_(factors)
{}

Point ReportPage::scaled(Point point) const
{
    const int y = flow_ ? flow_->map(point.y) : point.y;
    return {point.x * factors_.horizontal, y * factors_.vertical};
}

int ReportPage::textWidth(std::string_view text) const
{
    return canvas_.textWidth(text) / factors_.horizontal;
}

void ReportPage::setFont(FontUse use)
{
    Font font = ReportFont(use, surface_);
    if (font.unit == FontHeightUnit::CellHeight)
        font.height *= factors_.vertical;
    canvas_.setFont(font);
}

void ReportPage::setPen(int layoutWidth, Colour colour)
{
    canvas_.setPen({layoutWidth * factors_.vertical, colour});
}

void ReportPage::setDevicePen(int dots, Colour colour)
{
    canvas_.setPen({dots, colour});
}

void ReportPage::setBrush(Colour colour)
{
    canvas_.setBrush({colour});
}

void ReportPage::text(Point at, std::string_view text, Align align)
{
    Point topLeft = scaled(at);
    if (align == Align::Right)
        topLeft.x -= canvas_.textWidth(text);
    canvas_.text(topLeft, text);
}

void ReportPage::transparentText(Point at, std::string_view text)
{
    canvas_.transparentText(scaled(at), text);
}

void ReportPage::line(Point from, Point to)
{
    canvas_.line(scaled(from), scaled(to));
}

void ReportPage::rule(const Rule& rule)
{
    line({rule.left, rule.y}, {rule.right, rule.y});
}

std::vector<Point> ReportPage::scaled(std::span<const Point> points) const
{
    std::vector<Point> onSurface;
    onSurface.reserve(points.size());
    for (Point point : points)
        onSurface.push_back(scaled(point));
    return onSurface;
}

void ReportPage::polyline(std::span<const Point> points)
{
    canvas_.polyline(scaled(points));
}

void ReportPage::polygon(std::span<const Point> points)
{
    canvas_.polygon(scaled(points));
}

void ReportPage::rectangle(const Box& box)
{
    canvas_.rectangle(scaled(box.topLeft), scaled(box.bottomRight));
}

void ReportPage::ellipse(const Box& box)
{
    canvas_.ellipse(scaled(box.topLeft), scaled(box.bottomRight));
}

} // namespace zeltar::report
