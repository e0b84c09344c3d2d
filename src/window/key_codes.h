// Release codes of keys as the field cleanup knows them: every key that types a decimal separator
// (comma or full stop, main keyboard or numeric keypad, any layout) releases as the comma key, every
// minus key as the minus key.
#pragma once

class QKeyEvent;

namespace zeltar::gui {

int ReleaseKeyCode(const QKeyEvent& event);

} // namespace zeltar::gui
