#include "calc/linear_lookup.h"

#include <cstddef>

namespace zeltar::calc {

double LinearLookup(std::span<const double> knots, std::span<const double> values, double x)
{
    const std::size_t n = knots.size();
    if (x <= knots[0])
        return values[0];
    if (x >= knots[n - 1])
        return values[n - 1];
    // The first segment [x(i-1), xi] that holds x, interpolated from its upper end.
    for (std::size_t i = 1; i < n; ++i) {
        if (knots[i - 1] <= x && x <= knots[i])
            return values[i] - (values[i] - values[i - 1]) * (knots[i] - x) / (knots[i] - knots[i - 1]);
    }
    return values[n - 1]; // not reached for ascending knots
}

} // namespace zeltar::calc
