// Person numbers: four decimal digits as text, "0000" meaning nobody, compared by value.
#pragma once

#include <QString>
#include <QStringView>

namespace kinvale {

inline const QString kNobody = QStringLiteral("0000");
inline constexpr int kHighestPersonNumber = 9999;

// The value of the decimal digits at the start of text (after leading blanks), 0 when there are
// none: "0012", "12" and "012x" all give 12.
int NumberValue(QStringView text);
// The value written with four digits, zero-padded; larger values keep all their digits.
QString FormatPersonNumber(int value);

}  // namespace kinvale
