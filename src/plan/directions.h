// Compass directions a wall can face, and the texts the window shows for them (the blanks are part
// of the texts, as the project file stores them).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zeltar::plan {

// In the order of the texts: south, then clockwise in 45° steps.
enum class Direction { South, SouthEast, East, NorthEast, North, NorthWest, West, SouthWest };
inline constexpr int kDirectionCount = 8;

// Index 0 south, then clockwise in 45° steps: south-east, east, north-east, north, north-west,
// west, south-west.
inline constexpr std::array<std::string_view, 8> kDirectionNames{
    "     Ю", "   ЮВ", "     В", "   СВ", "     С", "   СЗ", "     З", "   ЮЗ",
};

inline constexpr std::string_view DirectionText(Direction direction)
{
    return kDirectionNames[static_cast<std::size_t>(direction)];
}

} // namespace zeltar::plan
