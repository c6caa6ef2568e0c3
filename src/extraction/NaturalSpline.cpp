#include "extraction/NaturalSpline.h"

#include "core/AppError.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int DivisionByZero = 11;
constexpr int InvalidCall = 5;

// Stores a result in single precision, as the spline's arrays hold it; a result that is no
// longer a number is the arithmetic fault that stops the run.
float Store(double value) {
    const auto stored = static_cast<float>(value);
    if (!std::isfinite(stored)) {
        throw AppError{ErrorNumber::Overflow, QStringLiteral("Overflow"), {}};
    }
    return stored;
}

double Divide(double numerator, double denominator) {
    if (denominator == 0) {
        throw AppError{DivisionByZero, QStringLiteral("Division by zero"), {}};
    }
    return numerator / denominator;
}

} // namespace

std::vector<QPointF> NaturalSplineSamples(const std::vector<float>& knotsU,
                                          const std::vector<float>& knotsV, int m) {
    if (m < 0 || knotsU.size() != knotsV.size() || knotsU.size() < 4) {
        throw AppError{InvalidCall, QStringLiteral("Invalid procedure call or argument"), {}};
    }
    const int n = static_cast<int>(knotsU.size());
    // One-based arrays as the method is written: index 0 is unused.
    std::vector<float> u(static_cast<size_t>(n + 2)), v(u.size()), h(u.size()), s(u.size()),
        d(u.size()), r(u.size()), M(u.size()), c1(u.size()), c2(u.size()), c3(u.size());
    for (int i = 1; i <= n; ++i) {
        u[static_cast<size_t>(i)] = knotsU[static_cast<size_t>(i - 1)];
        v[static_cast<size_t>(i)] = knotsV[static_cast<size_t>(i - 1)];
    }
    const auto at = [](std::vector<float>& a, int i) -> float& {
        return a[static_cast<size_t>(i)];
    };
    // A stored value widened for the arithmetic between stores: two singles are never added
    // or subtracted in single precision.
    const auto wide = [](std::vector<float>& a, int i) {
        return static_cast<double>(a[static_cast<size_t>(i)]);
    };

    const float step = Store(Divide(wide(u, n) - wide(u, 1), m));
    for (int i = 1; i <= n - 1; ++i) {
        at(h, i) = Store(wide(u, i + 1) - wide(u, i));
        at(s, i) = Store(Divide(6.0 * (wide(v, i + 1) - wide(v, i)), at(h, i)));
    }
    at(d, 1) = 0;
    at(r, 1) = 0;
    at(d, 2) = Store(2.0 * (wide(h, 1) + wide(h, 2)));
    at(r, 2) = Store(wide(s, 2) - wide(s, 1));
    for (int i = 3; i <= n - 1; ++i) {
        at(d, i) = Store(2.0 * (wide(h, i - 1) + wide(h, i)) -
                         Divide(static_cast<double>(at(h, i - 1)) * at(h, i - 1), at(d, i - 1)));
        at(r, i) = Store((wide(s, i) - wide(s, i - 1)) -
                         Divide(static_cast<double>(at(h, i - 1)) * at(r, i - 1), at(d, i - 1)));
    }
    at(M, n) = 0;
    for (int i = n - 1; i >= 2; --i) {
        at(M, i) = Store(Divide(at(r, i) - static_cast<double>(at(h, i)) * at(M, i + 1), at(d, i)));
    }
    at(M, 1) = 0;
    for (int i = 1; i <= n - 1; ++i) {
        at(c3, i) = Store(Divide(wide(M, i + 1) - wide(M, i), 6.0 * at(h, i)));
        at(c2, i) = Store(at(M, i) / 2.0);
        at(c1, i) = Store(Divide(wide(v, i + 1) - wide(v, i), at(h, i)) -
                          (2.0 * at(M, i) + at(M, i + 1)) * at(h, i) / 6.0);
    }

    std::vector<QPointF> samples;
    samples.reserve(static_cast<size_t>(m));
    float w = at(u, 1);
    for (int k = 1; k <= m; ++k) {
        w = Store(static_cast<double>(w) + step);
        // The interval whose inner knot is the first one beyond w (binary search over the
        // ascending knots 2 .. n-1); none beyond: the last interval.
        const auto first = u.begin() + 2;
        const auto last = u.begin() + n; // knots 2 .. n-1
        const auto beyond = std::upper_bound(first, last, w);
        const int j = beyond == last ? n - 1 : static_cast<int>(beyond - u.begin()) - 1;
        const double t = static_cast<double>(w) - at(u, j);
        const float z = Store(((at(c3, j) * t + at(c2, j)) * t + at(c1, j)) * t + at(v, j));
        samples.emplace_back(w, z);
    }
    return samples;
}
