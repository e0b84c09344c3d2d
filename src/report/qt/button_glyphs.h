// Glyphs of the preview window's buttons, drawn by the program: an arrow back to the main window
// and a printer.
#pragma once

#include <QIcon>

namespace zeltar::report {

QIcon ReturnGlyph();
QIcon PrintGlyph();

} // namespace zeltar::report
