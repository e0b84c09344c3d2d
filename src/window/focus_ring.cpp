#include "window/focus_ring.h"

#include "window/window_style.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace zeltar::gui {

FocusRing::FocusRing(QWidget* area) : QWidget(area), area_(area)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused)
{
    // A list's open popup keeps the ring on the list.
    if (focused != nullptr && !area_->isAncestorOf(focused) && focused->window() != area_->window())
        return;
    if (target_ != nullptr)
        target_->removeEventFilter(this);
    target_ = focused != nullptr && area_->isAncestorOf(focused) ? focused : nullptr;
    if (target_ == nullptr) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    place();
}

void FocusRing::place()
{
    if (target_ == nullptr || !target_->isVisible()) {
        hide();
        return;
    }
    QWidget* parent = target_->parentWidget();
    if (parentWidget() != parent)
        setParent(parent);
    setGeometry(target_->geometry());
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange: place(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(kFocusRingColor, kFocusRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = kFocusRingWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace zeltar::gui
