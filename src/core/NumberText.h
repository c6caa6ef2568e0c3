#pragma once

#include <QString>

#include <optional>

// The three number-text rules of the data table. Numbers are always written and read with
// "." as the decimal point, whatever the user's locale.
//
// Writing: at most 15 significant digits for a double and 7 for a float, no trailing zeros,
// no decimal point for whole numbers. Plain notation is used while the decimal exponent e of
// the rounded value lies in -5 < e < digits; otherwise exponent notation with "E", a sign
// and at least two exponent digits (0.00001 -> "1E-05", 1e15 -> "1E+15").

// Non-negative values get one leading blank, negative ones a minus sign.
QString PaddedNumberText(double value);
QString PaddedNumberText(float value);

// The same text without the leading blank.
QString PlainNumberText(double value);
QString PlainNumberText(float value);

// Whether a text is exactly what PlainNumberText writes for the double it reads as: a plain
// number (no exponent, no blanks) of at most 15 significant digits, without leading or
// trailing zeros, whose decimal exponent lies where plain notation is used. Such a text can be
// kept as it is where the program would write the value anew. Unsure cases answer false.
bool IsPlainNumberText(QStringView text);

// Reads the numeric prefix of a text, ignoring blanks, tabs and line feeds anywhere:
// optional sign, digits, optional "." and digits, optional exponent "E" or "D" with optional
// sign and digits; "&H" and "&O" prefixes read hexadecimal and octal integers. A text without
// a numeric prefix reads as 0. Throws AppError (6, "Overflow") when the number is too large
// for a double.
double LeadingNumberValue(const QString& text);

// The number a text holds when the whole text (blanks around it aside) is one finite number
// with "." as its decimal point, as a setting box or a typed value expects; nothing for
// "12abc", "1,5", "abc" or an empty text.
std::optional<double> WholeNumber(const QString& text);
