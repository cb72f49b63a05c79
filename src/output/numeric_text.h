#pragma once

#include <QString>

#include <optional>

namespace rangedesk::output {

// A text that a spreadsheet can hold as a number and still show as exactly the same text: its
// value and an Excel number format, e.g. "2.227 m" -> 2.227 with 0.000" m".
struct NumericText {
    double Value = 0;
    QString NumberFormat;
};

// A measurement: a plain decimal with a unit ("2.227 m", "41.81 m2", "-1.6 °", " 1.234 m" with
// the blank of the sign slot), with "." or "," as the decimal separator. Not: fractions,
// feet-and-inch texts, the Chinese units, empty or blank texts, and numbers a number format
// would show otherwise (a leading zero as in "007.50 m", a negative zero "-0.000 m", more
// than 15 digits, the precision of a double).
std::optional<NumericText> ParseNumericText(const QString& text);

// A record number: digits without a leading zero, at most 15 of them; "0" too.
std::optional<NumericText> ParseRecordNumber(const QString& text);

} // namespace rangedesk::output
