#include "calc/cubic_spline.h"

#include <cmath>
#include <cstddef>

namespace zeltar::calc {

CubicSpline::CubicSpline(std::span<const double> knots, std::span<const double> values)
    : n_(static_cast<int>(knots.size()))
{
    const int n = n_;
    const auto size = static_cast<std::size_t>(n + 1);
    x_.assign(size, 0);
    y_.assign(size, 0);
    b_.assign(size, 0);
    c_.assign(size, 0);
    d_.assign(size, 0);
    for (int i = 1; i <= n; ++i) {
        x_[i] = knots[static_cast<std::size_t>(i - 1)];
        y_[i] = values[static_cast<std::size_t>(i - 1)];
    }
    if (n < 2)
        return;
    auto& x = x_;
    auto& y = y_;
    auto& b = b_;
    auto& c = c_;
    auto& d = d_;
    if (n < 3) {
        b[1] = (y[2] - y[1]) / (x[2] - x[1]);
        c[1] = 0;
        d[1] = 0;
        b[2] = b[1];
        c[2] = 0;
        d[2] = 0;
        return;
    }

    SetUpSystem();
    SetEndConditions();
    SolveSystem();
    SetCoefficients();
}

// Tridiagonal system: d holds the knot spacings, b the diagonal, c the right-hand side
// (differences of the divided differences).
void CubicSpline::SetUpSystem()
{
    const int n = n_;
    auto& x = x_;
    auto& y = y_;
    auto& b = b_;
    auto& c = c_;
    auto& d = d_;
    d[1] = x[2] - x[1];
    c[2] = (y[2] - y[1]) / d[1];
    for (int i = 2; i <= n - 1; ++i) {
        d[i] = x[i + 1] - x[i];
        b[i] = 2 * (d[i - 1] + d[i]);
        c[i + 1] = (y[i + 1] - y[i]) / d[i];
        c[i] = c[i + 1] - c[i];
    }
}

// End conditions: third derivatives matched to the cubics through the four end knots.
void CubicSpline::SetEndConditions()
{
    const int n = n_;
    const auto& x = x_;
    auto& b = b_;
    auto& c = c_;
    const auto& d = d_;
    b[1] = -d[1];
    b[n] = -d[n - 1];
    c[1] = 0;
    c[n] = 0;
    if (n > 3) {
        c[1] = c[3] / (x[4] - x[2]) - c[2] / (x[3] - x[1]);
        c[n] = c[n - 1] / (x[n] - x[n - 2]) - c[n - 2] / (x[n - 1] - x[n - 3]);
        c[1] = c[1] * d[1] * d[1] / (x[4] - x[1]);
        c[n] = -c[n] * d[n - 1] * d[n - 1] / (x[n] - x[n - 3]);
    }
}

// Forward elimination and back substitution: c holds the solution.
void CubicSpline::SolveSystem()
{
    const int n = n_;
    auto& b = b_;
    auto& c = c_;
    const auto& d = d_;
    for (int i = 2; i <= n; ++i) {
        const double q = d[i - 1] / b[i - 1];
        b[i] = b[i] - q * d[i - 1];
        c[i] = c[i] - q * c[i - 1];
    }
    c[n] = c[n] / b[n];
    for (int i = n - 1; i >= 1; --i)
        c[i] = (c[i] - d[i] * c[i + 1]) / b[i];
}

// The polynomial coefficients of each segment.
void CubicSpline::SetCoefficients()
{
    const int n = n_;
    const auto& y = y_;
    auto& b = b_;
    auto& c = c_;
    auto& d = d_;
    b[n] = (y[n] - y[n - 1]) / d[n - 1] + d[n - 1] * (c[n - 1] + 2 * c[n]);
    for (int i = 1; i <= n - 1; ++i) {
        b[i] = (y[i + 1] - y[i]) / d[i] - d[i] * (c[i + 1] + 2 * c[i]);
        d[i] = (c[i + 1] - c[i]) / d[i];
        c[i] = 3 * c[i];
    }
    c[n] = 3 * c[n];
    d[n] = d[n - 1];
}

double CubicSpline::operator()(double t) const
{
    const int n = n_;
    if (n < 1)
        return 0;
    if (n < 2)
        return y_[1];
    if (std::isnan(t))
        return t; // the search below would never end
    int i = 1;
    if (!(x_[1] <= t && t <= x_[2])) {
        // Binary search for the knot at or below t.
        int j = n + 1;
        do {
            const int k = (i + j) / 2;
            if (t < x_[k])
                j = k;
            if (t >= x_[k])
                i = k;
        } while (j > i + 1);
    }
    const double u = t - x_[i];
    return y_[i] + u * (b_[i] + u * (c_[i] + u * d_[i]));
}

} // namespace zeltar::calc
