// Interpolating cubic spline with the end conditions of Forsythe, Malcolm and Moler (SPLINE and
// SEVAL): the third derivative at each end equals that of the cubic through the four end knots.
// Used for the saturation moisture content of air.
#pragma once

#include <span>
#include <vector>

namespace zeltar::calc {

class CubicSpline {
public:
    // knots t1 < t2 < ... < tn with values y1 ... yn (same length). With fewer than two knots
    // nothing is built and the spline evaluates to 0; two knots give a straight line.
    CubicSpline(std::span<const double> knots, std::span<const double> values);

    // Value at t. Outside the knots the end polynomials extrapolate (segment 1 below t1, the
    // polynomial of the last knot above tn).
    double operator()(double t) const;

private:
    // Arrays indexed 1..n as in the method (index 0 unused); on segment i the value is
    // y[i] + b[i] u + c[i] u^2 + d[i] u^3 with u = t - x[i].
    int n_ = 0;
    std::vector<double> x_, y_, b_, c_, d_;

    // The steps of the constructor for three knots and more, each on the arrays the one before
    // left: the tridiagonal system, its end conditions, its solution, the cubics' coefficients.
    void SetUpSystem();
    void SetEndConditions();
    void SolveSystem();
    void SetCoefficients();
};

} // namespace zeltar::calc
