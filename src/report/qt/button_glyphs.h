// Glyphs of the preview window's buttons, drawn by the program: an arrow back to the main window
// and a printer, in the navy of the buttons' captions.
#pragma once

#include <QColor>
#include <QIcon>

namespace zeltar::report {

inline const QColor kButtonNavy{0, 0, 128}; // the buttons' captions and glyphs

QIcon ReturnGlyph();
QIcon PrintGlyph();

} // namespace zeltar::report
