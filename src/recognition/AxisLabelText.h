#pragma once

#include <QString>

#include <optional>

// What an axis label says, read from the page's own text or from OCR of the label.
struct AxisLabel {
    enum class Kind {
        Number,     // a tick's value: "2.5", "-3", "1e3", "10^3", "2×10^-4", "10⁻³"
        Multiplier, // a factor for every tick of the axis: "×10^3", "x1e-3"
    };
    Kind kind = Kind::Number;
    double value = 0;
};

// Reads a label: a sign (hyphen, minus sign or dash), digits with a decimal point (and commas
// only between groups of three digits), an exponent written as "e", "E", "^", superscript
// digits, or "×10" / "x10" / "*10" followed by one of them; a leading "×" or "x" makes it a
// multiplier. Spaces are ignored. Nothing for anything else, or a value beyond a double.
std::optional<AxisLabel> ReadAxisLabel(const QString& text);
