// The drawing surface the report is laid out on: the printer page, the preview image, or a
// recorder in the tests. Coordinates and sizes are in the surface's own units (printer dots,
// image pixels); the canvas measures texts in the font it draws them with.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zeltar::report {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

// How a font's height is given: as the height of the character cell in surface units (ascent plus
// descent), or as a size in typographic points (1/72 inch, converted by the surface's resolution).
enum class FontHeightUnit { CellHeight, Points };

struct Font {
    std::string_view face;
    int height = 0;
    bool bold = false;
    FontHeightUnit unit = FontHeightUnit::CellHeight;
    friend bool operator==(const Font&, const Font&) = default;
};

struct Pen {
    int width = 1;
    Colour colour = kBlack;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Colour colour = kWhite;
    friend bool operator==(const Brush&, const Brush&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setFont(const Font& font) = 0;
    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;

    // Width of a UTF-8 text in the current font.
    virtual int textWidth(std::string_view text) = 0;
    // A UTF-8 text whose character cell has its top-left corner at `topLeft`, drawn opaque: the
    // cell is filled white together with the text, hiding what was drawn there before.
    virtual void text(Point topLeft, std::string_view text) = 0;
    // The same text drawn transparent: only its glyphs, so that texts set closer than their cells
    // are high keep each other's descenders and accents.
    virtual void transparentText(Point topLeft, std::string_view text) = 0;

    // Straight line with the current pen.
    virtual void line(Point from, Point to) = 0;
    // Open polyline through the points, with the current pen.
    virtual void polyline(std::span<const Point> points) = 0;
    // Closed polygon filled with the current brush and outlined with the current pen.
    virtual void polygon(std::span<const Point> points) = 0;
    // Rectangle and ellipse in the box from `topLeft` to `bottomRight`, filled with the brush and
    // outlined with the pen.
    virtual void rectangle(Point topLeft, Point bottomRight) = 0;
    virtual void ellipse(Point topLeft, Point bottomRight) = 0;
};

} // namespace zeltar::report
