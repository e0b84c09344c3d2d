// The printed report is laid out in 1/300 inch; the printer page scales it by a whole factor per
// axis, taken from the printer's resolution on that axis.
#pragma once

#include <optional>

namespace zeltar::report {

inline constexpr int kLayoutDotsPerInch = 300;

// Whole factor for a printer resolution in dots per inch: 300 -> 1, 600 -> 2, 1200 -> 4; any other
// resolution has none.
std::optional<int> ResolutionFactor(int dotsPerInch);

// Factors of both axes: x by the horizontal one; y, font heights and pen widths by the vertical one.
struct ScaleFactors {
    int horizontal = 1;
    int vertical = 1;
};

} // namespace zeltar::report
