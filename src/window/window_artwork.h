// Our own artwork of the window: the icons of the five commands and the logo, drawn with QPainter.
#pragma once

#include "window/window_layout.h"
#include "plan/qt/picture_widget.h"

#include <QIcon>

namespace zeltar::gui {

QIcon DrawCommandIcon(Command command);
// The window's icon: a snowflake on a dark blue tile (packaging/org.zeltar.Zeltar.svg draws the
// same for the desktop).
QIcon ProgramIcon();

// The logo area: a mark and two lines of lettering in dark blue; it does not react
// to input.
plan::PictureWidget* CreateLogo(QWidget* parent);

} // namespace zeltar::gui
