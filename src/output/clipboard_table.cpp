#include "clipboard_table.h"

namespace rangedesk::output {
namespace {

QString TextCell(QString cell) {
    if (!cell.contains(u'\t') && !cell.contains(u'\n') && !cell.contains(u'\r') &&
        !cell.startsWith(u'"')) {
        return cell; // a quote inside a cell is taken as it stands
    }
    cell.replace(u'"', QStringLiteral("\"\""));
    return u'"' + cell + u'"';
}

} // namespace

ClipboardTable ClipboardFromRows(const QList<QStringList>& rows) {
    ClipboardTable table;
    table.Html = QStringLiteral("<table>");
    for (const QStringList& row : rows) {
        QStringList cells;
        table.Html += QStringLiteral("<tr>");
        for (const QString& cell : row) {
            cells << TextCell(cell);
            table.Html += "<td>" + cell.toHtmlEscaped() + "</td>";
        }
        table.Text += cells.join(u'\t') + u'\n';
        table.Html += QStringLiteral("</tr>");
    }
    table.Html += QStringLiteral("</table>");
    return table;
}

} // namespace rangedesk::output
