#pragma once

#include <QMap>
#include <QString>

#include <optional>
#include <vector>

namespace rangedesk::output {

// One line of a report before it is cut into pages.
enum class LineKind { Header, Gap, GroupHeading, ColumnHeadings, Row, TotalsHeading, Total };

struct ReportLine {
    LineKind Kind = LineKind::Gap;
    QString Text; // a header, heading or total
    int Row = -1; // the table's row of a Row
    bool operator==(const ReportLine&) const = default;
};

// The line with each "{name}" of `values` replaced; nothing when it names placeholders and
// every one of them is empty (a "Client: {client}" line of a job without a client).
std::optional<QString> FillPlaceholders(const QString& line, const QMap<QString, QString>& values);

// Cuts the lines into pages of at most `perPage` lines (at least 3): a group heading, column
// headings and the totals heading are never left at the bottom of a page without what follows
// them, a page that goes on with a group's rows starts with its column headings again, and no
// page starts with a gap.
std::vector<std::vector<ReportLine>> Paginate(const std::vector<ReportLine>& lines, int perPage);

} // namespace rangedesk::output
