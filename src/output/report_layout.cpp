#include "report_layout.h"

#include <QRegularExpression>

namespace rangedesk::output {
namespace {

// The lines a kind of line needs on its page: itself and what may not be cut from it.
int LinesKeptTogether(LineKind kind) {
    switch (kind) {
    case LineKind::GroupHeading:
        return 3; // the heading, the column headings, one row
    case LineKind::ColumnHeadings:
    case LineKind::TotalsHeading:
        return 2;
    default:
        return 1;
    }
}

} // namespace

std::optional<QString> FillPlaceholders(const QString& line, const QMap<QString, QString>& values) {
    static const QRegularExpression placeholder(QStringLiteral(R"(\{([a-z]+)\})"));
    QString filled;
    qsizetype from = 0;
    bool named = false;
    bool anyValue = false;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(line)) {
        if (!values.contains(m.captured(1))) {
            continue; // not ours: printed as it stands
        }
        const QString value = values.value(m.captured(1));
        named = true;
        anyValue = anyValue || !value.trimmed().isEmpty();
        filled += line.mid(from, m.capturedStart() - from) + value;
        from = m.capturedEnd();
    }
    if (named && !anyValue) {
        return std::nullopt;
    }
    return filled + line.mid(from);
}

std::vector<std::vector<ReportLine>> Paginate(const std::vector<ReportLine>& lines, int perPage) {
    std::vector<std::vector<ReportLine>> pages(1);
    const ReportLine* headings = nullptr; // the column headings of the group being printed
    for (const ReportLine& line : lines) {
        std::vector<ReportLine>* page = &pages.back();
        if (line.Kind == LineKind::Gap && page->empty()) {
            continue;
        }
        if (!page->empty() && int(page->size()) + LinesKeptTogether(line.Kind) > perPage) {
            pages.emplace_back();
            page = &pages.back();
            if (line.Kind == LineKind::Gap) {
                continue;
            }
            if (line.Kind == LineKind::Row && headings) {
                page->push_back(*headings);
            }
        }
        if (line.Kind == LineKind::ColumnHeadings) {
            headings = &line;
        } else if (line.Kind == LineKind::TotalsHeading || line.Kind == LineKind::GroupHeading) {
            headings = nullptr;
        }
        page->push_back(line);
    }
    return pages;
}

} // namespace rangedesk::output
