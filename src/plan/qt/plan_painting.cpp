#include "plan/qt/plan_painting.h"

#include "plan/compass.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace zeltar::plan {

namespace {

// Filled and outlined box covering x1..x2-1, y1..y2-1 (right and bottom edges exclusive).
void DrawBox(QPainter& painter, int x1, int y1, int x2, int y2)
{
    painter.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void DrawEllipse(QPainter& painter, int x1, int y1, int x2, int y2)
{
    painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

QPen Pen(const QColor& color, int width)
{
    QPen pen(color);
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QPoint ToQt(Point p)
{
    return {p.x, p.y};
}

void FillTriangle(QPainter& painter, const QColor& color, Point a, Point b, Point c)
{
    painter.setPen(Pen(color, 1));
    painter.setBrush(color);
    painter.drawPolygon(QPolygon({ToQt(a), ToQt(b), ToQt(c)}));
}

// Frame shared by both tile kinds: a silver rounded square with a white edge, corners 8 x 8.
void PaintTileFrame(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Pen(Qt::white, 1));
    painter.setBrush(kSilver);
    painter.drawRoundedRect(QRect(0, 0, kTileSize - 1, kTileSize - 1), 4, 4);
}

} // namespace

void PaintCompass(QPainter& painter, int orientation, const QColor& lineColor)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Pen(lineColor, 1));
    painter.setBrush(kSilver);
    DrawEllipse(painter, 35, 35, 105, 105); // disc around the centre (70, 70)

    const Needle needle = NeedlePoints(orientation);
    FillTriangle(painter, kNeedleNorth, needle.north, needle.left, needle.right);
    FillTriangle(painter, kNeedleSouth, needle.south, needle.left, needle.right);
}

void PaintPlan(QPainter& painter, int orientation, const QColor& lineColor, const QColor& background)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Pen(lineColor, 1));
    painter.setBrush(background);
    DrawBox(painter, 10, 10, 130, 130); // the four walls
    DrawBox(painter, 50, 129, 90, 135); // the door, always in wall А (bottom)
    PaintCompass(painter, NormalizedOrientation(orientation), lineColor);
}

void PaintSectionSketch(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Pen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygon({{20, 10}, {20, 70}, {140, 70}, {140, 10}})); // walls and floor
    painter.drawPolyline(QPolygon({{10, 10}, {80, 0}, {150, 10}}));             // roof
    // Ground: white hatch lines over the unchanged background.
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(QBrush(Qt::white, Qt::BDiagPattern));
    DrawBox(painter, 1, 70, 159, 109);
}

void PaintSunTile(QPainter& painter, bool sunlit)
{
    PaintTileFrame(painter);
    if (sunlit) {
        painter.setPen(Pen(kSunYellow, 2));
        painter.drawLine(5, 15, 25, 15);
        painter.drawLine(15, 5, 15, 25);
        painter.drawLine(8, 8, 22, 22);
        painter.drawLine(8, 22, 22, 8);
        painter.setBrush(kSunYellow);
        DrawEllipse(painter, 10, 10, 20, 20);
        return;
    }
    painter.setPen(Pen(kCloudBlue, 2));
    painter.setBrush(kCloudBlue);
    DrawEllipse(painter, 1, 10, 12, 20);
    DrawEllipse(painter, 18, 10, 29, 20);
    DrawEllipse(painter, 10, 7, 20, 15);
    DrawEllipse(painter, 10, 15, 20, 23);
}

void PaintFacingTile(QPainter& painter, bool outsideFacing, const QColor& textColor)
{
    PaintTileFrame(painter);
    QFont font = painter.font();
    font.setPixelSize(11); // 8 pt at 96 dpi
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(textColor);
    // "НАР" (Cyrillic) for outside air; " BH" (a blank and Latin B, H) for another room.
    const QString text = outsideFacing ? QStringLiteral("НАР") : QStringLiteral(" BH");
    painter.drawText(QRect(2, 9, kTileSize - 2, kTileSize - 9), Qt::AlignLeft | Qt::AlignTop, text);
}

} // namespace zeltar::plan
