// Colours and fonts of the main window.
#pragma once

#include "app/form_model.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include <array>
#include <string_view>

namespace zeltar::gui {

inline const QColor kWindowGrey{0x94, 0x95, 0x96};
inline const QColor kDarkBlue{0x00, 0x3C, 0x68};    // command bar and header bar
inline const QColor kLightYellow{0xFF, 0xFF, 0xAA}; // fields and lists of the enclosure rows
inline const QColor kNavy{0x00, 0x00, 0x80};        // text
inline const QColor kWarningRed{0xFF, 0x00, 0x00};
inline const QColor kHotTrack{0x00, 0x66, 0xCC}; // the system's hot-tracked item colour
inline const QColor kButtonFace{0xF0, 0xF0, 0xF0};
inline const QColor kResultBackground{0xE3, 0xEA, 0xF2}; // results the user cannot type into
// The focus ring: a saturated blue that stands out on the yellow fields, the white and blue-grey
// results, the light buttons and the grey window alike.
inline const QColor kFocusRingColor{0x00, 0x40, 0xFF};
inline constexpr int kFocusRingWidth = 3; // px

// The city list and the three climate fields write in the hot-track colour.
inline constexpr std::array<Control, 4> kHotTrackControls{
    Control::City, Control::Latitude, Control::OutsideDesignTemperature, Control::OutsideRelativeHumidity};

// 8 pt sans serif at the 96 dpi the fixed layout is drawn for.
QFont WindowFont();
QFont BoldFont(int pixelSize);
// Grey background, navy text, white fields.
QPalette WindowPalette();
// Background of a field or list for the model's colour; `normal` for Default.
QColor BackgroundColor(ControlColor color, const QColor& normal);

} // namespace zeltar::gui
