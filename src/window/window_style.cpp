#include "window/window_style.h"

namespace zeltar::gui {

QFont WindowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont BoldFont(int pixelSize)
{
    QFont font = WindowFont();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QPalette WindowPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, kWindowGrey);
    palette.setColor(QPalette::Button, kButtonFace);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Link, kHotTrack);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, kNavy);
        palette.setColor(QPalette::Inactive, role, kNavy);
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x70, 0x70, 0x70));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x70, 0x70, 0x70));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x50, 0x50, 0x58));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xE4, 0xE4, 0xE4));
    return palette;
}

QColor BackgroundColor(ControlColor color, const QColor& normal)
{
    switch (color) {
    case ControlColor::White: return Qt::white;
    case ControlColor::Red: return kWarningRed;
    case ControlColor::Yellow: return kLightYellow;
    case ControlColor::Default: break;
    }
    return normal;
}

} // namespace zeltar::gui
