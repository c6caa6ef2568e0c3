#include "recognition/AxisLabelText.h"

#include <cmath>

namespace {

// The label with its signs and exponents spelled one way: '-' for every minus, '*' for every
// times sign, '^' before an exponent written raised, and no spaces.
QString Plain(const QString& text) {
    static const QString raisedDigits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString plain;
    bool raised = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            continue;
        }
        const qsizetype digit = raisedDigits.indexOf(c);
        const bool raisedSign = c == QChar(0x207B) || c == QChar(0x207A);
        if (digit >= 0 || raisedSign) {
            if (!raised) {
                plain += QLatin1Char('^');
                raised = true;
            }
            plain += raisedSign ? (c == QChar(0x207B) ? QLatin1Char('-') : QLatin1Char('+'))
                                : QChar(QLatin1Char('0' + static_cast<char>(digit)));
            continue;
        }
        raised = false;
        if (c == QChar(0x2212) || c == QChar(0x2013) || c == QChar(0x2012) || c == QChar(0x2010)) {
            plain += QLatin1Char('-');
        } else if (c == QChar(0x00D7) || c == QChar(0x22C5) || c == QChar(0x00B7) ||
                   c == QLatin1Char('x') || c == QLatin1Char('X')) {
            plain += QLatin1Char('*');
        } else {
            plain += c;
        }
    }
    return plain;
}

class Cursor {
public:
    explicit Cursor(const QString& text) : m_text(text) {}
    bool AtEnd() const { return m_at >= m_text.size(); }
    QChar Peek(qsizetype ahead = 0) const {
        return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : QChar();
    }
    bool Take(QChar c) {
        if (Peek() == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool TakeText(const QString& text) {
        if (m_text.mid(m_at, text.size()) == text) {
            m_at += text.size();
            return true;
        }
        return false;
    }
    // Digits, with commas only between groups of three after a first group of one to three;
    // the digits without the commas.
    QString Digits() {
        QString digits;
        while (Peek().isDigit()) {
            digits += m_text[m_at++];
        }
        if (!digits.isEmpty() && digits.size() <= 3) {
            while (Peek() == QLatin1Char(',') && Peek(1).isDigit() && Peek(2).isDigit() &&
                   Peek(3).isDigit() && !Peek(4).isDigit()) {
                digits += m_text.mid(m_at + 1, 3);
                m_at += 4;
            }
        }
        return digits;
    }
    qsizetype Position() const { return m_at; }
    void Reset(qsizetype at) { m_at = at; }

private:
    const QString& m_text;
    qsizetype m_at = 0;
};

std::optional<int> Sign(Cursor& in) {
    if (in.Take(QLatin1Char('-'))) {
        return -1;
    }
    in.Take(QLatin1Char('+'));
    return 1;
}

// A whole exponent, signed.
std::optional<int> Exponent(Cursor& in) {
    const int sign = *Sign(in);
    const QString digits = in.Digits();
    if (digits.isEmpty() || digits.size() > 4) {
        return std::nullopt;
    }
    return sign * digits.toInt();
}

// "e3", "E-3", "^3", "*10^3", "*10e3", "*1e3": the power of ten that follows a mantissa.
std::optional<int> PowerOfTen(Cursor& in) {
    if (in.Take(QLatin1Char('e')) || in.Take(QLatin1Char('E'))) {
        return Exponent(in);
    }
    if (in.Take(QLatin1Char('*'))) {
        if (in.TakeText(QStringLiteral("10^")) || in.TakeText(QStringLiteral("10e"))) {
            return Exponent(in);
        }
        if (in.TakeText(QStringLiteral("1e")) || in.TakeText(QStringLiteral("1E"))) {
            return Exponent(in);
        }
    }
    return std::nullopt;
}

std::optional<double> Finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<AxisLabel> ReadAxisLabel(const QString& text) {
    const QString plain = Plain(text);
    if (plain.isEmpty()) {
        return std::nullopt;
    }
    Cursor in(plain);
    // "*10^3" or "*1e3": a factor for the whole axis.
    if (in.Peek() == QLatin1Char('*')) {
        const std::optional<int> power = PowerOfTen(in);
        if (!power || !in.AtEnd()) {
            return std::nullopt;
        }
        const std::optional<double> value = Finite(std::pow(10.0, *power));
        return value ? std::optional<AxisLabel>({AxisLabel::Kind::Multiplier, *value})
                     : std::nullopt;
    }
    const int sign = *Sign(in);
    // "10^3" alone: a power of ten.
    const qsizetype start = in.Position();
    if (in.TakeText(QStringLiteral("10^"))) {
        const std::optional<int> power = Exponent(in);
        if (power && in.AtEnd()) {
            const std::optional<double> value = Finite(sign * std::pow(10.0, *power));
            return value ? std::optional<AxisLabel>({AxisLabel::Kind::Number, *value})
                         : std::nullopt;
        }
        in.Reset(start);
    }
    QString mantissa = in.Digits();
    if (in.Take(QLatin1Char('.'))) {
        const QString fraction = in.Digits();
        if (mantissa.isEmpty() && fraction.isEmpty()) {
            return std::nullopt;
        }
        mantissa += QLatin1Char('.') + fraction;
    }
    if (mantissa.isEmpty()) {
        return std::nullopt;
    }
    int power = 0;
    if (!in.AtEnd()) {
        const std::optional<int> read = PowerOfTen(in);
        if (!read || !in.AtEnd()) {
            return std::nullopt;
        }
        power = *read;
    }
    bool number = false;
    const double digits = mantissa.toDouble(&number);
    if (!number) {
        return std::nullopt;
    }
    const std::optional<double> value = Finite(sign * digits * std::pow(10.0, power));
    return value ? std::optional<AxisLabel>({AxisLabel::Kind::Number, *value}) : std::nullopt;
}
