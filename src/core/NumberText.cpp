#include "core/NumberText.h"

#include "core/AppError.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>

namespace {

// Decimal exponents below this are written in exponent notation (0.0001 stays plain,
// 0.00001 becomes 1E-05).
constexpr int SmallestPlainExponent = -4;
constexpr int DoubleDigits = 15;
constexpr int FloatDigits = 7;

// Room for a sign, 15 digits, a point and up to 19 zeros of a plain small number, or an
// exponent: every text of these rules fits.
using TextBuffer = std::array<char, 48>;

QString Latin1Text(const char* text, std::size_t length) {
    return QString::fromLatin1(text, static_cast<qsizetype>(length));
}

// Writes a positive finite magnitude at `out` and returns the end. Everything happens in one
// buffer on the stack: sorting and saving write millions of these texts.
template <typename T> char* WriteMagnitude(char* out, T magnitude, int significantDigits) {
    if (magnitude == 0) {
        *out++ = '0';
        return out;
    }
    // Scientific form rounded to the wanted digits, e.g. "1.23450000000000e-05"; to_chars
    // never looks at the locale.
    char scientific[64];
    char* end = nullptr;
    char* ePos = nullptr;
    if constexpr (std::is_same_v<T, double>) {
        // Values read from a table's texts carry at most 15 digits, and the shortest text that
        // reads back as such a double is its rounding to 15 digits: it lies within half a unit
        // in the last place of a normal double, always less than half a unit of the 15th
        // digit. It is the faster one to get.
        if (magnitude >= std::numeric_limits<double>::min()) {
            end = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                std::chars_format::scientific)
                      .ptr;
            ePos = std::find(scientific, end, 'e');
            const auto mantissaLength = ePos - scientific;
            if ((mantissaLength > 1 ? mantissaLength - 1 : 1) > significantDigits) {
                end = nullptr;
            }
        }
    }
    if (end == nullptr) {
        end = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                            std::chars_format::scientific, significantDigits - 1)
                  .ptr;
        ePos = std::find(scientific, end, 'e');
    }
    int exponent = 0;
    std::from_chars(ePos + (ePos[1] == '+' ? 2 : 1), end, exponent);
    // Near the largest double, rounding up gives a number no double holds (1.79769313486232E+308)
    // and the text would not read back: those digits are cut instead of rounded.
    if (exponent >= std::numeric_limits<double>::max_exponent10) {
        double readBack = 0;
        if (std::from_chars(scientific, end, readBack).ec == std::errc::result_out_of_range) {
            char exact[64];
            char* exactEnd =
                std::to_chars(exact, exact + sizeof exact, static_cast<double>(magnitude),
                              std::chars_format::scientific, 20)
                    .ptr;
            const char* exactE = std::find(exact, exactEnd, 'e');
            // "d." and significantDigits - 1 further digits, then the exponent.
            end = std::copy(exact, exact + significantDigits + 1, scientific);
            end = std::copy(exactE, static_cast<const char*>(exactEnd), end);
            ePos = std::find(scientific, end, 'e');
        }
    }

    // The significant digits without the point and without trailing zeros.
    char digits[32];
    int count = 0;
    for (const char* c = scientific; c != ePos; ++c) {
        if (*c != '.') {
            digits[count++] = *c;
        }
    }
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }

    if (exponent >= SmallestPlainExponent && exponent < significantDigits) {
        if (exponent < 0) {
            *out++ = '0';
            *out++ = '.';
            out = std::fill_n(out, -exponent - 1, '0');
            return std::copy(digits, digits + count, out);
        }
        const int integerDigits = exponent + 1;
        if (count <= integerDigits) {
            out = std::copy(digits, digits + count, out);
            return std::fill_n(out, integerDigits - count, '0');
        }
        out = std::copy(digits, digits + integerDigits, out);
        *out++ = '.';
        return std::copy(digits + integerDigits, digits + count, out);
    }
    *out++ = digits[0];
    if (count > 1) {
        *out++ = '.';
        out = std::copy(digits + 1, digits + count, out);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    const int absExponent = std::abs(exponent);
    if (absExponent < 10) {
        *out++ = '0';
    }
    return std::to_chars(out, out + 4, absExponent).ptr;
}

template <typename T> QString SignedText(T value, int significantDigits, bool padded) {
    TextBuffer buffer;
    char* out = buffer.data();
    if (std::isnan(value)) {
        return padded ? QStringLiteral(" NaN") : QStringLiteral("NaN");
    }
    // -0.0 counts as non-negative, so it is written " 0" and never "-0".
    if (value < 0) {
        *out++ = '-';
    } else if (padded) {
        *out++ = ' ';
    }
    const T magnitude = std::fabs(value);
    if (std::isinf(magnitude)) {
        return Latin1Text(buffer.data(), static_cast<std::size_t>(out - buffer.data())) +
               QStringLiteral("Infinity");
    }
    out = WriteMagnitude(out, magnitude, significantDigits);
    return Latin1Text(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
}

bool IsIgnoredBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

[[noreturn]] void ThrowOverflow() {
    throw AppError{ErrorNumber::Overflow, "Overflow", {}};
}

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

// The characters of a text that count, blanks left out, one at a time.
class Reader {
public:
    explicit Reader(const QString& text)
        : m_next(reinterpret_cast<const char16_t*>(text.utf16())), m_end(m_next + text.size()) {
        SkipBlanks();
    }
    bool AtEnd() const { return m_next == m_end; }
    char16_t Peek() const { return AtEnd() ? u'\0' : *m_next; }
    void Take() {
        ++m_next;
        SkipBlanks();
    }

private:
    void SkipBlanks() {
        while (m_next != m_end && IsIgnoredBlank(*m_next)) {
            ++m_next;
        }
    }

    const char16_t* m_next;
    const char16_t* m_end;
};

double RadixValue(Reader& reader, int radix) {
    double value = 0;
    for (; !reader.AtEnd(); reader.Take()) {
        const int digit = DigitValue(reader.Peek());
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

bool IsPlainNumberText(QStringView text) {
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'-') {
        ++i;
    }
    const qsizetype integerStart = i;
    while (i < text.size() && IsDigit(text[i].unicode())) {
        ++i;
    }
    const qsizetype integerDigits = i - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == u'0')) {
        return false;
    }
    const bool zeroInteger = text[integerStart] == u'0';
    qsizetype significantDigits = zeroInteger ? 0 : integerDigits;
    if (i < text.size()) {
        if (text[i] != u'.') {
            return false;
        }
        ++i;
        const qsizetype fractionStart = i;
        while (i < text.size() && IsDigit(text[i].unicode())) {
            ++i;
        }
        if (i != text.size() || i == fractionStart || text[i - 1] == u'0') {
            return false;
        }
        qsizetype leadingZeros = 0;
        if (zeroInteger) {
            while (text[fractionStart + leadingZeros] == u'0') {
                ++leadingZeros;
            }
            // 0.0000123 is written 1.23E-05.
            if (-(leadingZeros + 1) < SmallestPlainExponent) {
                return false;
            }
        }
        significantDigits += i - fractionStart - leadingZeros;
    } else if (zeroInteger && text[0] == u'-') {
        return false; // -0 is written 0
    }
    return significantDigits <= DoubleDigits;
}

double LeadingNumberValue(const QString& text) {
    Reader reader(text);
    if (reader.Peek() == u'&') {
        reader.Take();
        const char16_t kind = reader.Peek();
        if (kind == u'H' || kind == u'h') {
            reader.Take();
            return RadixValue(reader, 16);
        }
        if (kind == u'O' || kind == u'o') {
            reader.Take();
            return RadixValue(reader, 8);
        }
        return 0;
    }

    // The number is gathered as whole digits and a decimal exponent, so that no decimal
    // separator of any locale can mislead the conversion: "-12.5E3" becomes "-125e2".
    std::string number;
    number.reserve(32);
    if (reader.Peek() == u'+' || reader.Peek() == u'-') {
        if (reader.Peek() == u'-') {
            number += '-';
        }
        reader.Take();
    }
    std::size_t digitCount = 0;
    for (; IsDigit(reader.Peek()); reader.Take()) {
        number += static_cast<char>(reader.Peek());
        ++digitCount;
    }
    long long fractionDigits = 0;
    if (reader.Peek() == u'.') {
        reader.Take();
        for (; IsDigit(reader.Peek()); reader.Take()) {
            number += static_cast<char>(reader.Peek());
            ++fractionDigits;
        }
    }
    if (digitCount == 0 && fractionDigits == 0) {
        return 0;
    }

    // The exponent only counts when at least one digit follows its letter and sign; it
    // saturates, as no double needs more than a few hundred.
    long long exponent = 0;
    const char16_t letter = reader.Peek();
    if (letter == u'E' || letter == u'e' || letter == u'D' || letter == u'd') {
        reader.Take();
        bool negative = false;
        if (reader.Peek() == u'+' || reader.Peek() == u'-') {
            negative = reader.Peek() == u'-';
            reader.Take();
        }
        constexpr long long Limit = 1'000'000'000;
        for (; IsDigit(reader.Peek()); reader.Take()) {
            exponent = std::min(Limit, exponent * 10 + (reader.Peek() - u'0'));
        }
        exponent = negative ? -exponent : exponent;
    }

    number += 'e';
    char exponentText[24];
    number.append(exponentText, std::to_chars(exponentText, exponentText + sizeof exponentText,
                                              exponent - fractionDigits)
                                    .ptr);
    double value = 0;
    const char* first = number.data();
    const char* last = first + number.size();
    // from_chars reads a leading "-" itself and, like strtod, rounds correctly; past the
    // range of a double it leaves the value alone, and strtod tells overflow from underflow.
    if (std::from_chars(first, last, value).ec != std::errc{}) {
        value = std::strtod(first, nullptr);
    }
    if (std::isinf(value)) {
        ThrowOverflow();
    }
    return value;
}

std::optional<double> WholeNumber(const QString& text) {
    // "1,000" is no number here: a comma would be read as a thousands separator otherwise.
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
