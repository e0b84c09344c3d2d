// Compass direction texts of the walls. The blanks are part of the texts: the solar correction
// recognises a wall's direction by exact comparison.
#pragma once

#include <array>
#include <string_view>

namespace zeltar::plan {

// Index 0 south, then clockwise in 45° steps: south-east, east, north-east, north, north-west,
// west, south-west.
inline constexpr std::array<std::string_view, 8> kDirectionNames{
    "     Ю", "   ЮВ", "     В", "   СВ", "     С", "   СЗ", "     З", "   ЮЗ",
};

} // namespace zeltar::plan
