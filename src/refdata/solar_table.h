// Solar excess temperature difference in K by the direction a surface faces and the site latitude.
#pragma once

#include <array>

namespace zeltar::refdata {

inline constexpr std::array<double, 10> kSolarLatitudes{0, 10, 20, 30, 40, 50, 60, 70, 80, 90};

inline constexpr std::array<double, 10> kSolarSouth{1.6, 1.8, 1.9, 2.7, 3.8, 5.0, 6.0, 6.8, 7.3, 7.0}; // south
inline constexpr std::array<double, 10> kSolarSouthWestEast{2.3, 2.8, 3.5, 4.3, 5.0,
                                                            5.7, 6.3, 6.8, 7.2, 7.0}; // south-west, south-east
inline constexpr std::array<double, 10> kSolarWestEast{4.1, 4.4, 4.9, 5.1, 5.2, 5.5, 5.6, 6.1, 6.9, 7.0}; // west, east
inline constexpr std::array<double, 10> kSolarNorthWestEast{4.9, 4.6, 4.5, 4.3, 3.9,
                                                            3.9, 3.8, 4.4, 6.2, 7.0}; // north-west, north-east
inline constexpr std::array<double, 10> kSolarNorth{5.2, 4.2, 3.2, 2.6, 2.4, 2.5, 2.6, 3.3, 5.9, 7.0}; // north
inline constexpr std::array<double, 10> kSolarHorizontal{8.5, 9.4, 10.1, 10.3, 10.2,
                                                         9.9, 9.3, 8.7,  8.7,  8.7}; // horizontal (ceiling)

} // namespace zeltar::refdata
