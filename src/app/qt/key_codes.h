// Release codes of keys as the field cleanup knows them: the main keyboard's comma and minus keys
// get their own codes; keys of the numeric keypad never do.
#pragma once

class QKeyEvent;

namespace zeltar::gui {

int ReleaseKeyCode(const QKeyEvent& event);

} // namespace zeltar::gui
