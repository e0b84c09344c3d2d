#include "window/window_artwork.h"

#include "window/window_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeltar::gui {

namespace {

constexpr int kIconSize = 24; // px

const QColor kPaper{250, 250, 245};
const QColor kFolder{230, 180, 60};
const QColor kGreen{40, 150, 60};
const QColor kRed{200, 40, 40};
const QColor kSteel{90, 100, 115};

// Six spokes with two small branches each, centred on `centre`.
void DrawSnowflake(QPainter& painter, QPointF centre, double radius, const QColor& color, double width)
{
    QPen pen(color, width, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    for (int spoke = 0; spoke < 6; ++spoke) {
        const double angle = spoke * std::numbers::pi / 3 - std::numbers::pi / 2;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre, centre + direction * radius);
        const QPointF branchRoot = centre + direction * (radius * 0.6);
        for (const double side : {-1.0, 1.0}) {
            const double branchAngle = angle + side * std::numbers::pi / 4;
            const QPointF branch(std::cos(branchAngle), std::sin(branchAngle));
            painter.drawLine(branchRoot, branchRoot + branch * (radius * 0.35));
        }
    }
}

void DrawPage(QPainter& painter, QRectF page)
{
    painter.setPen(QPen(kSteel, 1));
    painter.setBrush(kPaper);
    painter.drawRect(page);
    painter.setPen(QPen(kSteel.lighter(140), 1));
    for (double y = page.top() + 4; y < page.bottom() - 2; y += 3)
        painter.drawLine(QPointF(page.left() + 3, y), QPointF(page.right() - 3, y));
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& color)
{
    painter.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across(-along.y(), along.x());
    painter.drawLine(to, to - along * 5 + across * 4);
    painter.drawLine(to, to - along * 5 - across * 4);
}

void PaintLoad(QPainter& painter)
{
    painter.setPen(QPen(kFolder.darker(150), 1));
    painter.setBrush(kFolder);
    painter.drawRect(QRectF(2, 8, 18, 13));
    painter.drawRect(QRectF(2, 5, 8, 4));
    DrawArrow(painter, QPointF(20, 3), QPointF(12, 14), kGreen);
}

void PaintSave(QPainter& painter)
{
    painter.setPen(QPen(kDarkBlue.darker(130), 1));
    painter.setBrush(kDarkBlue.lighter(220));
    painter.drawRect(QRectF(3, 3, 18, 18));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(6, 3, 12, 7));
    painter.setBrush(kSteel);
    painter.drawRect(QRectF(7, 14, 10, 7));
}

void PaintPreview(QPainter& painter)
{
    DrawPage(painter, QRectF(3, 2, 13, 18));
    painter.setPen(QPen(kSteel, 2));
    painter.setBrush(QColor(200, 230, 255, 160));
    painter.drawEllipse(QPointF(15, 14), 5, 5);
    painter.setPen(QPen(kSteel, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 18), QPointF(22, 21));
}

void PaintPrint(QPainter& painter)
{
    DrawPage(painter, QRectF(6, 2, 12, 8));
    painter.setPen(QPen(kSteel.darker(130), 1));
    painter.setBrush(kSteel);
    painter.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(6, 15, 12, 7));
    painter.setPen(kGreen);
    painter.drawPoint(QPointF(19, 11));
}

void PaintExit(QPainter& painter)
{
    painter.setPen(QPen(kSteel.darker(130), 1));
    painter.setBrush(QColor(160, 110, 60));
    painter.drawRect(QRectF(3, 2, 11, 20));
    painter.setBrush(kFolder);
    painter.drawEllipse(QPointF(11, 12), 1.2, 1.2);
    DrawArrow(painter, QPointF(12, 12), QPointF(22, 12), kRed);
}

// Mark at (62, 0) 149 x 49 (window (84, 58)); lettering below it in the rest of the area.
void PaintLogo(QPainter& painter, const QWidget& area)
{
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF mark(62, 0, 149, 49);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDarkBlue);
    painter.drawRoundedRect(mark, 8, 8);
    DrawSnowflake(painter, QPointF(mark.left() + 26, mark.center().y()), 17, Qt::white, 2.2);
    QFont markFont = area.font();
    markFont.setPixelSize(24);
    markFont.setBold(true);
    painter.setFont(markFont);
    painter.setPen(Qt::white);
    painter.drawText(mark.adjusted(50, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ZELTAR"));

    QFont titleFont = area.font();
    titleFont.setPixelSize(34);
    titleFont.setBold(true);
    titleFont.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(titleFont);
    painter.setPen(kDarkBlue);
    painter.drawText(QRectF(0, 52, area.width(), 42), Qt::AlignCenter, QStringLiteral("ЗЕЛТАР"));

    QFont subtitleFont = area.font();
    subtitleFont.setPixelSize(12);
    painter.setFont(subtitleFont);
    painter.drawText(QRectF(0, 96, area.width(), 18), Qt::AlignCenter,
                     QStringLiteral("расчёт теплопритоков в холодильную камеру"));
}

} // namespace

QIcon DrawCommandIcon(Command command)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (command) {
    case Command::Load: PaintLoad(painter); break;
    case Command::Save: PaintSave(painter); break;
    case Command::Preview: PaintPreview(painter); break;
    case Command::Print: PaintPrint(painter); break;
    case Command::Exit: PaintExit(painter); break;
    }
    return QIcon(pixmap);
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kDarkBlue);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        DrawSnowflake(painter, QPointF(size / 2.0, size / 2.0), size * 0.38, Qt::white, std::max(1.0, size / 16.0));
        icon.addPixmap(pixmap);
    }
    return icon;
}

plan::PictureWidget* CreateLogo(QWidget* parent)
{
    return new plan::PictureWidget(PaintLogo, parent);
}

} // namespace zeltar::gui
