// Our own artwork of the window: the icons of the five commands and the logo, drawn with QPainter.
#pragma once

#include "app/qt/window_layout.h"

#include <QIcon>
#include <QWidget>

namespace zeltar::gui {

QIcon DrawCommandIcon(Command command);
// The window's icon: a snowflake on a dark blue tile (zeltar.svg draws the same for the desktop).
QIcon ProgramIcon();

// The logo area: a mark and two lines of lettering in dark blue; it does not react to input.
class LogoWidget : public QWidget {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zeltar::gui
