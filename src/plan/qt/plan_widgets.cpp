#include "plan/qt/plan_widgets.h"

#include "plan/qt/plan_painting.h"

#include <QMouseEvent>
#include <QPainter>

namespace zeltar::plan {

PlanWidget::PlanWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kPlanSize, kPlanSize);
}

void PlanWidget::setOrientation(int degrees)
{
    if (degrees == orientation_)
        return;
    orientation_ = degrees;
    update();
}

void PlanWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintPlan(painter, orientation_, palette().color(QPalette::Button), palette().color(QPalette::Window));
}

PictureWidget* CreateSectionSketch(QWidget* parent)
{
    auto* sketch = new PictureWidget([](QPainter& painter, const QWidget&) { PaintSectionSketch(painter); }, parent);
    sketch->setFixedSize(kSectionWidth, kSectionHeight);
    return sketch;
}

SurfaceTileWidget::SurfaceTileWidget(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind)
{
    setFixedSize(kTileSize, kTileSize);
    setCursor(Qt::PointingHandCursor);
}

void SurfaceTileWidget::setFlag(int flag)
{
    if (flag == flag_)
        return;
    flag_ = flag;
    update();
}

void SurfaceTileWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (kind_ == Kind::Sun)
        PaintSunTile(painter, flag_ == 1);
    else
        PaintFacingTile(painter, flag_ == 1, palette().color(QPalette::Link));
}

// A click is a left button released over the tile.
void SurfaceTileWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

} // namespace zeltar::plan
