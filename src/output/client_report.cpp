#include "client_report.h"

#include <QCoreApplication>

#include <QAbstractItemModel>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "measurement_cells.h"
#include "output_target.h"
#include "report_layout.h"
#include "report_page.h"
#include "table_sheet.h"
#include "table_totals.h"

namespace rangedesk::output {
namespace {

using report::AlignmentOf;
using report::FieldIndex;
using report::PageMetrics;
using report::Refuse;
using report::Shown;

// Lines of every page that hold no record: the title (two), "Page i of n" and the space above.
constexpr int kTitleLines = 2;
constexpr int kFooterLines = 2;

NumberFormat LocaleNumbers() {
    return NumberFormat{QLocale().decimalPoint().toStdString()};
}

// The texts of the table's cells as the report prints them: the measurements in its units.
class ShownCells {
public:
    ShownCells(const QAbstractItemModel& table, UnitSystem units)
        : table_(table), units_(units), unit_(FieldsOf(table).Unit), numbers_(LocaleNumbers()) {
        for (int c = 0; c < table.columnCount(); ++c) {
            measurement_.push_back(KindOfField(table, c) == records::ColumnKind::Measurement);
        }
    }

    QString Text(int row, int field) const {
        const QString text = table_.index(row, field).data().toString();
        if (units_ == UnitSystem::AsMeasured || !measurement_[std::size_t(field)]) {
            return text;
        }
        const QByteArray cell = text.toUtf8();
        const QByteArray unit =
            unit_ < 0 ? QByteArray() : table_.index(row, unit_).data().toString().toUtf8();
        return QString::fromStdString(ShownCellText(std::string_view(cell.constData(), cell.size()),
                                                    std::string_view(unit.constData(), unit.size()),
                                                    units_, numbers_));
    }

private:
    const QAbstractItemModel& table_;
    const UnitSystem units_;
    const int unit_;
    const NumberFormat numbers_;
    std::vector<bool> measurement_;
};

QString RecordsText(int count) {
    return count == 1 ? QString("1 record") : QString("%1 records").arg(count);
}

QString TotalLine(const KindTotal& total) {
    QString line = QString("Total %1: %2 (%3")
                       .arg(KindWord(total.Kind), TotalText(total, LocaleNumbers()),
                            RecordsText(total.Records));
    if (!total.LeftOut.empty()) {
        line += QString("; %1 in other units left out").arg(total.LeftOut.size());
    }
    return line + ")";
}

QMap<QString, QString> HeaderValues(const ClientReportHeader& h) {
    return {{"company", h.Company}, {"contact", h.Contact},
            {"job", h.Job},         {"client", h.Client},
            {"address", h.Address}, {"date", QLocale().toString(h.Date, QLocale::LongFormat)}};
}

// Every line of the report, before it is cut into pages.
std::vector<ReportLine> ReportLines(const ReportDefinition& def, const QAbstractItemModel& table,
                                    const ClientReportHeader& header, int groupField,
                                    UnitSystem units) {
    std::vector<ReportLine> lines;
    const QMap<QString, QString> values = HeaderValues(header);
    for (const std::string& text : def.Header) {
        if (const auto line = FillPlaceholders(QString::fromStdString(text), values)) {
            lines.push_back({LineKind::Header, *line, -1});
        }
    }
    QString group;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString value =
            groupField < 0 ? QString() : table.index(row, groupField).data().toString();
        if (row == 0 || value != group) {
            group = value;
            lines.push_back({LineKind::Gap, {}, -1});
            if (def.Group) {
                lines.push_back(
                    {LineKind::GroupHeading,
                     QString::fromStdString(def.Group->Heading).replace("{value}", value), -1});
            }
            lines.push_back({LineKind::ColumnHeadings, {}, -1});
        }
        lines.push_back({LineKind::Row, {}, row});
    }
    if (def.TotalsHeading) {
        lines.push_back({LineKind::Gap, {}, -1});
        lines.push_back({LineKind::TotalsHeading, QString::fromStdString(*def.TotalsHeading), -1});
        for (const KindTotal& total : TableTotals(table, units)) {
            lines.push_back({LineKind::Total, TotalLine(total), -1});
        }
    }
    return lines;
}

struct Fonts {
    QFont plain;
    QFont bold;
    QFont title;
};

Fonts FontsOf(const ReportDefinition& def) {
    Fonts f;
    f.plain = QFont(QString::fromStdString(def.FontFamily));
    f.plain.setPointSizeF(def.FontPoints);
    f.bold = f.plain;
    f.bold.setBold(true);
    f.title = f.bold;
    f.title.setPointSizeF(def.FontPoints * 1.6);
    return f;
}

void PaintPages(const std::vector<std::vector<ReportLine>>& pages, const ReportDefinition& def,
                const std::vector<int>& fields, const ShownCells& cells, const Fonts& fonts,
                const PageMetrics& m, QPagedPaintDevice& device, QPainter& painter) {
    const int width = m.page.width();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            device.newPage();
        }
        int y = 0;
        painter.setFont(fonts.title);
        painter.drawText(QRect(0, y, width, m.line * kTitleLines), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(def.Title));
        y += m.line * kTitleLines;
        for (const ReportLine& line : pages[p]) {
            const QRect whole(0, y, width, m.line);
            switch (line.Kind) {
            case LineKind::Header:
            case LineKind::Total:
                painter.setFont(fonts.plain);
                painter.drawText(whole, Qt::AlignLeft | Qt::AlignVCenter, line.Text);
                break;
            case LineKind::GroupHeading:
            case LineKind::TotalsHeading:
                painter.setFont(fonts.bold);
                painter.drawText(whole, Qt::AlignLeft | Qt::AlignVCenter, line.Text);
                break;
            case LineKind::ColumnHeadings:
            case LineKind::Row: {
                painter.setFont(line.Kind == LineKind::Row ? fonts.plain : fonts.bold);
                int x = 0;
                for (std::size_t c = 0; c < def.Columns.size(); ++c) {
                    const QString text = line.Kind == LineKind::Row
                                             ? cells.Text(line.Row, fields[c])
                                             : QString::fromStdString(def.Columns[c].Caption);
                    painter.drawText(QRect(x + 2, y, m.widths[c] - 4, m.line),
                                     AlignmentOf(def.Columns[c].Alignment) | Qt::AlignVCenter,
                                     text);
                    x += m.widths[c];
                }
                if (line.Kind == LineKind::ColumnHeadings) {
                    painter.drawLine(0, y + m.line, x, y + m.line);
                }
                break;
            }
            case LineKind::Gap:
                break;
            }
            y += m.line;
        }
        painter.setFont(fonts.plain);
        painter.drawText(QRect(0, m.page.height() - m.line, width, m.line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString("Page %1 of %2").arg(p + 1).arg(pages.size()));
    }
}

} // namespace

PrintOutcome PrintClientReport(const QAbstractItemModel& records, const ClientReportHeader& header,
                               UnitSystem units, const std::filesystem::path& definitionFile,
                               QPagedPaintDevice& device) {
    const std::optional<ReportForTable> prepared =
        PrepareReportFor(records, definitionFile, kClientReportConnection);
    if (!prepared) {
        return PrintOutcome::NoRows;
    }
    const ReportDefinition* const def = &prepared->Definition;
    const std::vector<int>& fields = prepared->Fields;
    const int groupField = def->Group ? FieldIndex(records, def->Group->Field) : -1;
    if (def->Group && groupField < 0) {
        Refuse(definitionFile, QCoreApplication::translate("ReportError", "no field %1 to group by")
                                   .arg(Shown(def->Group->Field)));
    }
    report::PreparePage(*def, device, definitionFile);
    const Fonts fonts = FontsOf(*def);
    const PageMetrics metrics =
        report::Measure(*def, fonts.plain, device, definitionFile, kTitleLines + kFooterLines);
    const auto pages =
        Paginate(ReportLines(*def, records, header, groupField, units), metrics.rowsPerPage);
    const ShownCells cells(records, units);
    QPainter painter;
    if (!painter.begin(&device)) {
        throw ReportError(
            QCoreApplication::translate("ReportError", "The printer cannot be started")
                .toStdString());
    }
    PaintPages(pages, *def, fields, cells, fonts, metrics, device, painter);
    painter.end();
    return PrintOutcome::Printed;
}

PrintOutcome PrintClientReportToPdf(const QAbstractItemModel& records,
                                    const ClientReportHeader& header, UnitSystem units,
                                    const std::filesystem::path& definitionFile,
                                    const std::filesystem::path& pdf,
                                    const std::vector<std::filesystem::path>& protectedFiles) {
    OutputTarget target(pdf, SpecialFile::Refuse, protectedFiles);
    PrintOutcome outcome = PrintOutcome::NoRows;
    {
        QPdfWriter writer(&target.Device());
        writer.setTitle(header.Job.isEmpty() ? QString("RangeDesk report")
                                             : "RangeDesk report: " + header.Job);
        outcome = PrintClientReport(records, header, units, definitionFile, writer);
    }
    if (outcome == PrintOutcome::Printed) {
        target.Commit();
    }
    return outcome;
}

} // namespace rangedesk::output
