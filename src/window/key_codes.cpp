#include "window/key_codes.h"

#include "fields/number_text.h"

#include <QKeyEvent>

namespace zeltar::gui {

namespace {

constexpr int kEnterCode = 13;
constexpr int kBackspaceCode = 8;
constexpr int kOtherKeyCode = 0;

} // namespace

int ReleaseKeyCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Comma:
    case Qt::Key_Period: return fields::kCommaKeyCode;
    case Qt::Key_Minus: return fields::kMinusKeyCode;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnterCode;
    case Qt::Key_Backspace: return kBackspaceCode;
    default: break;
    }
    // A layout may give its separator or minus key no key code of its own: its text tells.
    const QString text = event.text();
    if (text.size() == 1 && fields::IsDecimalSeparator(text.at(0).unicode()))
        return fields::kCommaKeyCode;
    if (text == QStringLiteral("-"))
        return fields::kMinusKeyCode;
    // Digits, Latin letters and the space bar: the code is the key's character, as on the keyboard.
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if ((event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9) ||
        (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) || event.key() == Qt::Key_Space)
        return keypad ? kOtherKeyCode : event.key();
    return kOtherKeyCode;
}

} // namespace zeltar::gui
