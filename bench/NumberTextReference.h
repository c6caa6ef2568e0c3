#pragma once

#include <QString>

// The number texts as the program first wrote and read them, kept as the oracle of the fast
// ones in core/NumberText.h.
namespace ReferenceNumberText {

QString PaddedNumberText(double value);
QString PaddedNumberText(float value);
QString PlainNumberText(double value);
QString PlainNumberText(float value);
double LeadingNumberValue(const QString& text);

} // namespace ReferenceNumberText
