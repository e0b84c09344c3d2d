// The report canvas on a QPainter: the printer page, a PDF or the preview image. Sizes are in the
// painter device's pixels (printer dots); a font's cell height is its ascent plus descent.
#pragma once

#include "report/canvas.h"

#include <QFont>

class QPainter;

namespace zeltar::report {

class PainterCanvas final : public Canvas {
public:
    // The painter must be active on its device for the canvas's lifetime.
    explicit PainterCanvas(QPainter& painter);

    void setFont(const Font& font) override;
    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override;
    int textWidth(std::string_view text) override;
    void text(Point topLeft, std::string_view text) override;
    void transparentText(Point topLeft, std::string_view text) override;
    void line(Point from, Point to) override;
    void polyline(std::span<const Point> points) override;
    void polygon(std::span<const Point> points) override;
    void rectangle(Point topLeft, Point bottomRight) override;
    void ellipse(Point topLeft, Point bottomRight) override;

private:
    void drawGlyphs(Point topLeft, const QString& text);

    QPainter& painter_;
    QFont designFont_; // the current face in kDesignPixels
    double scale_ = 1; // from the design size to the wanted size
};

} // namespace zeltar::report
