#include "app/qt/key_codes.h"

#include "fields/number_text.h"

#include <QKeyEvent>

namespace zeltar::gui {

namespace {

// Codes of the keypad's minus and decimal keys: never those of the main keyboard.
constexpr int kKeypadMinusCode = 109;
constexpr int kKeypadDecimalCode = 110;
constexpr int kEnterCode = 13;
constexpr int kBackspaceCode = 8;
constexpr int kOtherKeyCode = 0;

} // namespace

int ReleaseKeyCode(const QKeyEvent& event)
{
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
    case Qt::Key_Comma: return keypad ? kKeypadDecimalCode : fields::kCommaKeyCode;
    case Qt::Key_Minus: return keypad ? kKeypadMinusCode : fields::kMinusKeyCode;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnterCode;
    case Qt::Key_Backspace: return kBackspaceCode;
    default: break;
    }
    // Digits, Latin letters and the space bar: the code is the key's character, as on the keyboard.
    if ((event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9) || (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) ||
        event.key() == Qt::Key_Space)
        return keypad ? kOtherKeyCode : event.key();
    return kOtherKeyCode;
}

} // namespace zeltar::gui
