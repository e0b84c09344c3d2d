#include "report/qt/painter_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace zeltar::report {

namespace {

constexpr double kPointsPerInch = 72;
// Texts are laid out in this size and scaled to the wanted one by the painter, because font
// engines round a font's size to whole device pixels, which would make a line longer or shorter
// at 300 than at 1200 dpi.
constexpr int kDesignPixels = 256;

QColor ToQColor(Colour colour)
{
    return {colour.red, colour.green, colour.blue};
}

QPolygon ToQPolygon(std::span<const Point> points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (Point point : points)
        polygon << QPoint(point.x, point.y);
    return polygon;
}

QRectF BoxRect(Point topLeft, Point bottomRight)
{
    return QRectF(QPointF(topLeft.x, topLeft.y), QPointF(bottomRight.x, bottomRight.y));
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterCanvas::setFont(const Font& font)
{
    designFont_ = QFont(QString::fromUtf8(font.face));
    designFont_.setBold(font.bold);
    // Unhinted glyphs advance by their design widths, which scale exactly.
    designFont_.setHintingPreference(QFont::PreferNoHinting);
    designFont_.setPixelSize(kDesignPixels);
    double emPixels = 0;
    if (font.unit == FontHeightUnit::Points) {
        emPixels = font.height * painter_.device()->logicalDpiY() / kPointsPerInch;
    } else {
        // The cell (ascent plus descent) is a face-dependent multiple of the em.
        const double cellPerEm = QFontMetricsF(designFont_, painter_.device()).height() / kDesignPixels;
        emPixels = font.height / cellPerEm;
    }
    scale_ = emPixels / kDesignPixels;
}

void PainterCanvas::setPen(const Pen& pen)
{
    painter_.setPen(QPen(ToQColor(pen.colour), pen.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void PainterCanvas::setBrush(const Brush& brush)
{
    painter_.setBrush(ToQColor(brush.colour));
}

int PainterCanvas::textWidth(std::string_view text)
{
    const QFontMetricsF metrics(designFont_, painter_.device());
    return static_cast<int>(std::lround(metrics.horizontalAdvance(QString::fromUtf8(text)) * scale_));
}

void PainterCanvas::text(Point topLeft, std::string_view text)
{
    const QString string = QString::fromUtf8(text);
    const QFontMetricsF metrics(designFont_, painter_.device());
    // Opaque: the character cell is filled white, then the text is drawn in black on it.
    painter_.fillRect(
        QRectF(topLeft.x, topLeft.y, metrics.horizontalAdvance(string) * scale_, metrics.height() * scale_), Qt::white);
    drawGlyphs(topLeft, string);
}

void PainterCanvas::transparentText(Point topLeft, std::string_view text)
{
    drawGlyphs(topLeft, QString::fromUtf8(text));
}

void PainterCanvas::drawGlyphs(Point topLeft, const QString& string)
{
    const QFontMetricsF metrics(designFont_, painter_.device());
    painter_.save();
    painter_.setFont(designFont_);
    painter_.setPen(Qt::black);
    painter_.translate(topLeft.x, topLeft.y + metrics.ascent() * scale_);
    painter_.scale(scale_, scale_);
    painter_.drawText(QPointF(0, 0), string);
    painter_.restore();
}

void PainterCanvas::line(Point from, Point to)
{
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void PainterCanvas::polyline(std::span<const Point> points)
{
    painter_.drawPolyline(ToQPolygon(points));
}

void PainterCanvas::polygon(std::span<const Point> points)
{
    painter_.drawPolygon(ToQPolygon(points));
}

void PainterCanvas::rectangle(Point topLeft, Point bottomRight)
{
    painter_.drawRect(BoxRect(topLeft, bottomRight));
}

void PainterCanvas::ellipse(Point topLeft, Point bottomRight)
{
    painter_.drawEllipse(BoxRect(topLeft, bottomRight));
}

} // namespace zeltar::report
