// A canvas that records every drawing call with the font, pen and brush in force, and measures a
// text as half the font height per character, so that right placement can be checked exactly.
#pragma once

#include "fields/control_catalogue.h"
#include "report/canvas.h"
#include "report/report_source.h"

#include <map>
#include <string>
#include <vector>

namespace zeltar::report::testing {

enum class Call { Text, Line, Polyline, Polygon, Rectangle, Ellipse };

struct Drawn {
    Call call = Call::Text;
    std::vector<Point> points; // text: its top-left; line: both ends; box: both corners
    std::string text;
    Font font;
    Pen pen;
    Brush brush;
    bool opaque = true; // texts: the cell filled white
};

inline int CodePoints(std::string_view utf8)
{
    int count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

class RecordingCanvas final : public Canvas {
public:
    void setFont(const Font& font) override { font_ = font; }
    void setPen(const Pen& pen) override { pen_ = pen; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    int textWidth(std::string_view text) override { return MeasuredWidth(text, font_); }
    void text(Point topLeft, std::string_view text) override { record(Call::Text, {topLeft}, std::string(text)); }
    void transparentText(Point topLeft, std::string_view text) override
    {
        record(Call::Text, {topLeft}, std::string(text));
        drawn_.back().opaque = false;
    }
    void line(Point from, Point to) override { record(Call::Line, {from, to}); }
    void polyline(std::span<const Point> points) override { record(Call::Polyline, {points.begin(), points.end()}); }
    void polygon(std::span<const Point> points) override { record(Call::Polygon, {points.begin(), points.end()}); }
    void rectangle(Point topLeft, Point bottomRight) override { record(Call::Rectangle, {topLeft, bottomRight}); }
    void ellipse(Point topLeft, Point bottomRight) override { record(Call::Ellipse, {topLeft, bottomRight}); }

    static int MeasuredWidth(std::string_view text, const Font& font) { return CodePoints(text) * font.height / 2; }

    const std::vector<Drawn>& drawn() const { return drawn_; }
    const Brush& brush() const { return brush_; }
    std::vector<Drawn> texts() const
    {
        std::vector<Drawn> result;
        for (const Drawn& d : drawn_) {
            if (d.call == Call::Text)
                result.push_back(d);
        }
        return result;
    }
    // The one text drawn exactly so; fails the test through an empty result when there is none or
    // more than one.
    std::vector<Drawn> textsEqualTo(std::string_view text) const
    {
        std::vector<Drawn> result;
        for (const Drawn& d : drawn_) {
            if (d.call == Call::Text && d.text == text)
                result.push_back(d);
        }
        return result;
    }

private:
    void record(Call call, std::vector<Point> points, std::string text = {})
    {
        drawn_.push_back({call, std::move(points), std::move(text), font_, pen_, brush_});
    }

    Font font_;
    Pen pen_;
    Brush brush_;
    std::vector<Drawn> drawn_;
};

// The window's texts by control; controls not set show "".
class FakeSource final : public ReportSource {
public:
    std::map<Control, std::string> texts;
    int selectedRoomType = 0;

    std::string text(Control control) const override
    {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    int roomType() const override { return selectedRoomType; }
    std::vector<std::string> files; // the files the texts were read from
    std::vector<std::string> sourceFiles() const override { return files; }
    std::vector<ExtensionLine> extensions; // the lines of the extensions the project uses
    std::vector<ExtensionLine> extensionLines() const override { return extensions; }
};

} // namespace zeltar::report::testing
