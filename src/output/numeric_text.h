#pragma once

#include <QString>

#include <optional>

namespace rangedesk::output {

// A measurement text that a spreadsheet can hold as a number and still show as the same
// text: its value and an Excel number format, e.g. "2.227 m" -> 2.227 with 0.000" m".
struct NumericText {
    double Value = 0;
    QString NumberFormat;
};

// A plain decimal with a unit ("2.227 m", "41.81 m2", "-1.6 °", " 1.234 m"), with "." or ","
// as the decimal separator. Fractions, feet-and-inch texts, the Chinese units, and empty
// or blank texts are not: they give nothing.
std::optional<NumericText> ParseNumericText(const QString& text);

} // namespace rangedesk::output
