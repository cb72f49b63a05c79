#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

class QLocale;

namespace rangedesk::output {

// How a CSV file is written: RFC 4180 fields, UTF-8, CRLF line ends.
struct CsvOptions {
    QChar Separator = u',';
    // Texts a spreadsheet would run as a formula get a leading apostrophe.
    bool GuardFormulas = true;
};

// "," unless the locale writes decimals with a comma, then ";".
QChar CsvSeparatorFor(const QLocale& locale);
// The one rule for every CSV the program writes: the locale's separator, formulas guarded.
CsvOptions CsvOptionsFor(const QLocale& locale);

// True for a text a spreadsheet could run as a formula: one that begins with "=", "+", "-",
// "@", a tab or a carriage return, unless the whole text is a number with an optional unit as
// the meter writes it ("-1.6 °", "-2.227 m", "-10'08''1/2", "--- %"), which stays as it is.
bool LooksLikeFormula(const QString& text);

// One field: quoted when it holds the separator, a quote, CR or LF; quotes doubled.
QByteArray CsvField(const QString& text, const CsvOptions& options);

// One record with its CRLF.
QByteArray CsvRecord(const QStringList& fields, const CsvOptions& options);

// The UTF-8 byte-order mark that tells spreadsheet programs the encoding.
inline const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace rangedesk::output
