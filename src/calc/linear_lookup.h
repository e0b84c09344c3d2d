// Piecewise-linear lookup over ascending knots that holds the end values outside them. Used by the
// solar correction (latitude table) and the respiration heat (temperature curve).
#pragma once

#include <span>

namespace zeltar::calc {

// knots x1 < x2 < ... < xn and their values y1 ... yn (same length, at least one knot).
double LinearLookup(std::span<const double> knots, std::span<const double> values, double x);

} // namespace zeltar::calc
