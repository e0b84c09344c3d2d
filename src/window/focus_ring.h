// The focus ring: a frame kFocusRingWidth pixels wide in kFocusRingColor drawn over the edge of
// the focused control of a window, whatever its kind (field, list, check box, button, tab button),
// so that the focus is seen at a glance. It is a transparent overlay: no control moves or
// changes size, and mouse clicks pass through it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace zeltar::gui {

class FocusRing : public QWidget {
    Q_OBJECT
public:
    // Follows the focus within `area` (the window's client).
    explicit FocusRing(QWidget* area);

    // The control the ring stands on (nullptr: hidden).
    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();

    QWidget* area_;
    QPointer<QWidget> target_;
};

} // namespace zeltar::gui
