// The number texts as the program first wrote and read them, one std::string at a time: the
// baseline the benchmark sets the fast ones beside.

#include "NumberTextReference.h"

#include "core/AppError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace ReferenceNumberText {

namespace {

// Decimal exponents below this are written in exponent notation (0.0001 stays plain,
// 0.00001 becomes 1E-05).
constexpr int SmallestPlainExponent = -4;

template <typename T> QString UnsignedText(T magnitude, int significantDigits) {
    if (magnitude == 0) {
        return QStringLiteral("0");
    }
    if (std::isnan(magnitude)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(magnitude)) {
        return QStringLiteral("Infinity");
    }
    // Scientific form rounded to the wanted digits, e.g. "1.23450000000000e-05"; to_chars
    // never looks at the locale.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significantDigits - 1);
    std::string scientific(buffer, result.ptr);
    // Near the largest double, rounding up gives a number no double holds (1.79769313486232E+308)
    // and the text would not read back: those digits are cut instead of rounded.
    double readBack = 0;
    if (std::from_chars(scientific.data(), scientific.data() + scientific.size(), readBack).ec ==
        std::errc::result_out_of_range) {
        const auto exact =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(magnitude),
                          std::chars_format::scientific, 20);
        const std::string longer(buffer, exact.ptr);
        const auto cut = longer.find('e');
        // "d." and significantDigits - 1 further digits, then the exponent.
        scientific =
            longer.substr(0, static_cast<size_t>(significantDigits) + 1) + longer.substr(cut);
    }
    const auto ePos = scientific.find('e');
    std::string digits = scientific.substr(0, ePos);
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    const int exponent = std::stoi(scientific.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string text;
    if (exponent >= SmallestPlainExponent && exponent < significantDigits) {
        if (exponent < 0) {
            text = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        } else {
            const auto integerDigits = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                text = digits + std::string(integerDigits - digits.size(), '0');
            } else {
                text = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
            }
        }
    } else {
        text = digits.substr(0, 1);
        if (digits.size() > 1) {
            // Appended piece by piece: "." + a string trips a false overlap warning of GCC 12
            // at -O3.
            text += '.';
            text.append(digits, 1, std::string::npos);
        }
        const int absExponent = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (absExponent < 10) {
            text += '0';
        }
        text += std::to_string(absExponent);
    }
    return QString::fromLatin1(text.c_str());
}

template <typename T> QString SignedText(T value, int significantDigits, bool padded) {
    if (std::isnan(value)) {
        return padded ? QStringLiteral(" NaN") : QStringLiteral("NaN");
    }
    // -0.0 counts as non-negative, so it is written " 0" and never "-0".
    if (value < 0) {
        return QLatin1Char('-') + UnsignedText<T>(-value, significantDigits);
    }
    const QString text = UnsignedText<T>(value, significantDigits);
    return padded ? QLatin1Char(' ') + text : text;
}

constexpr int DoubleDigits = 15;
constexpr int FloatDigits = 7;

bool IsIgnoredBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

[[noreturn]] void ThrowOverflow() {
    throw AppError{ErrorNumber::Overflow, "Overflow", {}};
}

int DigitValue(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

double RadixValue(const QString& text, int start, int radix) {
    double value = 0;
    for (int i = start; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit < 0 || digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    if (std::isinf(value)) {
        ThrowOverflow();
    }
    return value;
}

long long SaturatedExponent(const std::string& signText, const std::string& digits) {
    constexpr long long Limit = 1'000'000'000;
    long long value = 0;
    for (const char c : digits) {
        value = std::min(Limit, value * 10 + (c - '0'));
    }
    return signText.back() == '-' ? -value : value;
}

} // namespace

QString PaddedNumberText(double value) {
    return SignedText(value, DoubleDigits, true);
}
QString PaddedNumberText(float value) {
    return SignedText(value, FloatDigits, true);
}
QString PlainNumberText(double value) {
    return SignedText(value, DoubleDigits, false);
}
QString PlainNumberText(float value) {
    return SignedText(value, FloatDigits, false);
}

double LeadingNumberValue(const QString& input) {
    QString text;
    text.reserve(input.size());
    for (const QChar c : input) {
        if (!IsIgnoredBlank(c)) {
            text.append(c);
        }
    }

    if (text.size() >= 2 && text[0] == QLatin1Char('&')) {
        const QChar kind = text[1].toUpper();
        if (kind == QLatin1Char('H')) {
            return RadixValue(text, 2, 16);
        }
        if (kind == QLatin1Char('O')) {
            return RadixValue(text, 2, 8);
        }
        return 0;
    }

    int pos = 0;
    std::string number;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        if (text[pos] == QLatin1Char('-')) {
            number += '-';
        }
        ++pos;
    }
    std::string integerDigits;
    while (pos < text.size() && IsDigit(text[pos])) {
        integerDigits += static_cast<char>(text[pos++].unicode());
    }
    std::string fractionDigits;
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            fractionDigits += static_cast<char>(text[pos++].unicode());
        }
    }
    if (integerDigits.empty() && fractionDigits.empty()) {
        return 0;
    }

    // The exponent only counts when at least one digit follows its letter and sign.
    long long exponentValue = 0;
    if (pos < text.size()) {
        const QChar letter = text[pos].toUpper();
        if (letter == QLatin1Char('E') || letter == QLatin1Char('D')) {
            int expPos = pos + 1;
            std::string signText = "+";
            if (expPos < text.size() &&
                (text[expPos] == QLatin1Char('+') || text[expPos] == QLatin1Char('-'))) {
                signText = static_cast<char>(text[expPos++].unicode());
            }
            std::string exponentDigits;
            while (expPos < text.size() && IsDigit(text[expPos])) {
                exponentDigits += static_cast<char>(text[expPos++].unicode());
            }
            if (!exponentDigits.empty()) {
                exponentValue = SaturatedExponent(signText, exponentDigits);
            }
        }
    }

    // Written as whole digits and an exponent, the number has no decimal point, so strtod
    // cannot be misled by the locale's decimal separator.
    number += integerDigits + fractionDigits;
    number += 'e' + std::to_string(exponentValue - static_cast<long long>(fractionDigits.size()));
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) {
        ThrowOverflow();
    }
    return value;
}

} // namespace ReferenceNumberText
