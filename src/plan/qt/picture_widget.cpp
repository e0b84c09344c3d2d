#include "plan/qt/picture_widget.h"

#include <QPainter>

namespace zeltar::plan {

PictureWidget::PictureWidget(Paint paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint_(painter, *this);
}

} // namespace zeltar::plan
