#include "csv_text.h"

#include <QLocale>

namespace rangedesk::output {

QChar CsvSeparatorFor(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

bool LooksLikeFormula(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.front();
    if (first == u'=' || first == u'+' || first == u'@') {
        return true;
    }
    return first == u'-' && !(text.size() > 1 && text[1].isDigit());
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
