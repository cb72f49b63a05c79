#include "numeric_text.h"

#include <QRegularExpression>

#include <algorithm>

namespace rangedesk::output {
namespace {

// The blank of a positive result's sign slot or a minus, digits, an optional decimal part, one
// blank and a unit of Latin letters, digits, "°" or "%" that starts with no digit (so
// "3 1/2 in" is no number).
const QRegularExpression
    kNumericText(QStringLiteral(R"(^( |-)?(\d+)(?:[.,](\d+))? ([A-Za-z°%][A-Za-z0-9°%]*)$)"));

const QRegularExpression kRecordNumber(QStringLiteral(R"(^(?:0|[1-9]\d{0,14})$)"));

// A double holds 15 significant digits exactly; a spreadsheet shows no more.
constexpr qsizetype kMaxDigits = 15;

bool AllZeros(const QString& digits) {
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
}

} // namespace

std::optional<NumericText> ParseNumericText(const QString& text) {
    const QRegularExpressionMatch m = kNumericText.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const QString sign = m.captured(1);
    const QString whole = m.captured(2);
    const QString decimals = m.captured(3);
    // Each of these would be shown otherwise: "7.50 m", "0.000 m", rounded digits.
    if ((whole.size() > 1 && whole.front() == u'0') ||
        (sign == "-" && AllZeros(whole) && AllZeros(decimals)) ||
        whole.size() + decimals.size() > kMaxDigits) {
        return std::nullopt;
    }
    bool ok = false;
    const QString number = (sign == "-" ? sign : QString()) + whole +
                           (decimals.isEmpty() ? QString() : "." + decimals);
    const double value = number.toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    QString format = sign == " " ? QStringLiteral("\" \"") : QString();
    format += decimals.isEmpty() ? QStringLiteral("0") : "0." + QString(decimals.size(), '0');
    format += "\" " + m.captured(4) + "\"";
    return NumericText{value, format};
}

std::optional<NumericText> ParseRecordNumber(const QString& text) {
    if (!kRecordNumber.match(text).hasMatch()) {
        return std::nullopt;
    }
    return NumericText{text.toDouble(), QStringLiteral("0")};
}

} // namespace rangedesk::output
