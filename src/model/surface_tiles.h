// Texts and outer surface coefficients of the sun and outside/inside tiles of walls A to D and the
// ceiling, as the window shows them and the project file stores them.
#pragma once

#include "model/project_state.h"

#include <string_view>

namespace zeltar {

inline constexpr std::string_view kSunlitText = "   да";
inline constexpr std::string_view kShadedText = "  нет";
inline constexpr std::string_view kOutsideAirText = " нар";
inline constexpr std::string_view kInnerRoomText = "  вн";

inline constexpr std::string_view SunTextFor(int sunlit)
{
    return sunlit == 1 ? kSunlitText : kShadedText;
}
inline constexpr std::string_view FacingTextFor(int outsideFacing)
{
    return outsideFacing == 1 ? kOutsideAirText : kInnerRoomText;
}
// W/(m2 K): 23 towards outside air, 10 towards another room.
inline constexpr double OuterCoefficientFor(int outsideFacing)
{
    return outsideFacing == 1 ? kOutsideAirCoefficient : kInnerRoomCoefficient;
}

} // namespace zeltar
