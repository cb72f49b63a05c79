#include "numeric_text.h"

#include <QRegularExpression>

namespace rangedesk::output {
namespace {

// An optional blank (the sign slot of a positive result), an optional minus, digits, an
// optional decimal part, one blank and a unit of Latin letters, digits, "°" or "%" that starts
// with no digit (so "3 1/2 in" is no number).
const QRegularExpression
    kNumericText(QStringLiteral(R"(^( ?)(-?)(\d+)(?:[.,](\d+))? ([A-Za-z°%][A-Za-z0-9°%]*)$)"));

} // namespace

std::optional<NumericText> ParseNumericText(const QString& text) {
    const QRegularExpressionMatch m = kNumericText.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const QString decimals = m.captured(4);
    bool ok = false;
    const QString number =
        m.captured(2) + m.captured(3) + (decimals.isEmpty() ? QString() : "." + decimals);
    const double value = number.toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    QString format = m.captured(1).isEmpty() ? QString() : QStringLiteral("\" \"");
    format += decimals.isEmpty() ? QStringLiteral("0") : "0." + QString(decimals.size(), '0');
    format += "\" " + m.captured(5) + "\"";
    return NumericText{value, format};
}

} // namespace rangedesk::output
