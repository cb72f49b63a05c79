#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rangedesk::output {

// Cells as a spreadsheet takes them from the clipboard: tab-separated text (a cell holding a
// tab or a line break, or starting with a quote, in quotes with its quotes doubled) and an
// HTML table.
struct ClipboardTable {
    QString Text;
    QString Html;
};

ClipboardTable ClipboardFromRows(const QList<QStringList>& rows);

} // namespace rangedesk::output
