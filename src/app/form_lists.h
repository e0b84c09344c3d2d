// The entries of the window's 25 drop-down lists as the lists hold them: every entry padded with
// blanks to 30 characters, the last entry of each list unpadded.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeltar {

inline constexpr int kListTextWidth = 30; // characters of a padded entry

// Empty for a name that is no list.
std::vector<std::string> ListEntries(std::string_view comboBox);
// The entry's text, "" when the index lies outside the list (no selection).
std::string ListEntryText(std::string_view comboBox, int index);

} // namespace zeltar
