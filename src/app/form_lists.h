// The entries of the window's 25 drop-down lists as the lists hold them: every entry padded with
// blanks to 30 characters, the last entry of each list unpadded.
#pragma once

#include "fields/control.h"

#include <string>
#include <vector>

namespace zeltar {

inline constexpr int kListTextWidth = 30; // characters of a padded entry

// Empty for a control that is no list.
std::vector<std::string> ListEntries(Control comboBox);
// The entry's text, "" when the index lies outside the list (no selection).
std::string ListEntryText(Control comboBox, int index);

} // namespace zeltar
