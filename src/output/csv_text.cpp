#include "csv_text.h"

#include <QLocale>
#include <QRegularExpression>

namespace rangedesk::output {
namespace {

// A number as the meter writes it, signed or not: a decimal ("2.227", "0,5"), a fraction of an
// inch ("73 3/4", "12 1/1"), feet and inches ("10'08''1/2", "10'08'' 1/2"), or the "---" of a
// slope out of range; then the unit (m, ft, in, "ft in", 米, °, %, °C, squared or cubed) after
// blanks, and blanks. Anything else after a leading "-" is no reading of the meter's.
const QRegularExpression kMeterNumber(
    QStringLiteral(R"(^(?:-?(?:\d+(?:[.,]\d+)?|\d+ \d+/\d+|\d+'\d+''(?: ?\d+/\d+)?)|---))"
                   R"((?: +(?:ft in|m|ft|in|米|°C|°|%)[23]?)? *$)"));

} // namespace

CsvOptions CsvOptionsFor(const QLocale& locale) {
    return {CsvSeparatorFor(locale), true};
}

QChar CsvSeparatorFor(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

bool LooksLikeFormula(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.front();
    if (first == u'=' || first == u'+' || first == u'@' || first == u'\t' || first == u'\r') {
        return true;
    }
    return first == u'-' && !kMeterNumber.match(text).hasMatch();
}

QByteArray CsvField(const QString& text, const CsvOptions& options) {
    QString field = options.GuardFormulas && LooksLikeFormula(text) ? u'\'' + text : text;
    const bool quoted = field.contains(options.Separator) || field.contains(u'"') ||
                        field.contains(u'\r') || field.contains(u'\n');
    if (!quoted) {
        return field.toUtf8();
    }
    field.replace(u'"', QStringLiteral("\"\""));
    return '"' + field.toUtf8() + '"';
}

QByteArray CsvRecord(const QStringList& fields, const CsvOptions& options) {
    QByteArray record;
    const QByteArray separator = QString(options.Separator).toUtf8();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            record += separator;
        }
        record += CsvField(fields[i], options);
    }
    record += "\r\n";
    return record;
}

} // namespace rangedesk::output
