#include "report/qt/button_glyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace zeltar::report {

namespace {

constexpr int kGlyphSize = 20; // pixels

QPixmap EmptyGlyph()
{
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon ReturnGlyph()
{
    QPixmap pixmap = EmptyGlyph();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kButtonNavy);
    // An arrow pointing left: head and shaft.
    painter.drawPolygon(QPolygon(
        {QPoint(1, 10), QPoint(9, 3), QPoint(9, 7), QPoint(18, 7), QPoint(18, 13), QPoint(9, 13), QPoint(9, 17)}));
    return QIcon(pixmap);
}

QIcon PrintGlyph()
{
    QPixmap pixmap = EmptyGlyph();
    QPainter painter(&pixmap);
    painter.setPen(QPen(kButtonNavy, 1));
    // Sheet in the paper feed, printer body, printed sheet coming out.
    painter.setBrush(Qt::white);
    painter.drawRect(5, 1, 9, 6);
    painter.setBrush(kButtonNavy);
    painter.drawRect(1, 7, 17, 7);
    painter.setBrush(Qt::white);
    painter.drawRect(5, 12, 9, 6);
    painter.drawLine(7, 14, 12, 14);
    painter.drawLine(7, 16, 12, 16);
    return QIcon(pixmap);
}

} // namespace zeltar::report
