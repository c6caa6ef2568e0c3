#pragma once

#include <QImage>
#include <QRect>

#include <optional>

// A label written with a raised exponent, such as "10" with a small "3" set high after it: the
// picture's regions of the base and of the exponent. OCR reads them apart, since it reads a
// line of one size.
struct RaisedParts {
    QRect base;
    QRect exponent;        // its digits
    bool negative = false; // a raised minus stands before them
};

// Nothing when no glyph after the last full-height one stands clear above the baseline.
std::optional<RaisedParts> FindRaisedExponent(const QImage& label);
