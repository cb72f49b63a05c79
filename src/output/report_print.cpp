#include "report_print.h"

#include <QCoreApplication>

#include <QAbstractItemModel>
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

#include "file_error.h"
#include "file_names.h"
#include "output_target.h"
#include "regular_file.h"
#include "report_page.h"

namespace rangedesk::output {
namespace {

using report::AlignmentOf;
using report::FieldIndex;
using report::PageMetrics;
using report::Refuse;
using report::Shown;

// Lines of the page around the rows: the title (two), the date and a gap, the headings; then
// "Page i of n" and the space above it.
constexpr int kHeaderLines = 5;
constexpr int kFooterLines = 2;

void PaintPages(const QAbstractItemModel& table, const ReportDefinition& def,
                const std::vector<int>& fields, const QFont& font, const PageMetrics& m,
                QPagedPaintDevice& device, QPainter& painter) {
    const int rows = table.rowCount();
    const int pages = std::max(1, (rows + m.rowsPerPage - 1) / m.rowsPerPage);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    QFont bold = font;
    bold.setBold(true);
    QFont titleFont = bold;
    titleFont.setPointSizeF(def.FontPoints * 1.6);

    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            device.newPage();
        }
        int y = 0;
        painter.setFont(titleFont);
        painter.drawText(QRect(0, y, m.page.width(), m.line * 2), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(def.Title));
        y += m.line * 2;
        painter.setFont(font);
        painter.drawText(QRect(0, y, m.page.width(), m.line), Qt::AlignLeft | Qt::AlignVCenter,
                         date);
        y += m.line * 2;
        // Column headings on every page.
        painter.setFont(bold);
        int x = 0;
        for (std::size_t c = 0; c < def.Columns.size(); ++c) {
            painter.drawText(QRect(x + 2, y, m.widths[c] - 4, m.line),
                             AlignmentOf(def.Columns[c].Alignment) | Qt::AlignVCenter,
                             QString::fromStdString(def.Columns[c].Caption));
            x += m.widths[c];
        }
        y += m.line;
        painter.drawLine(0, y, x, y);
        painter.setFont(font);
        const int first = page * m.rowsPerPage;
        const int last = std::min(rows, first + m.rowsPerPage);
        for (int r = first; r < last; ++r) {
            x = 0;
            for (std::size_t c = 0; c < def.Columns.size(); ++c) {
                painter.drawText(QRect(x + 2, y, m.widths[c] - 4, m.line),
                                 AlignmentOf(def.Columns[c].Alignment) | Qt::AlignVCenter,
                                 table.index(r, fields[c]).data().toString());
                x += m.widths[c];
            }
            y += m.line;
        }
        painter.drawText(QRect(0, m.page.height() - m.line, m.page.width(), m.line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString("Page %1 of %2").arg(page + 1).arg(pages));
    }
}

} // namespace

QString NoRowsToPrintText() {
    return QCoreApplication::translate("ReportError", "Have No Data in Database,Can not to Print!");
}

ReportDefinition LoadReportDefinition(const std::filesystem::path& file) {
    QByteArray text;
    try {
        text = files::ReadRegularFile(file, kMaxReportDefinitionBytes);
    } catch (const files::FileError& e) {
        throw ReportError(
            QCoreApplication::translate("ReportError", "Cannot open the report definition %1: %2")
                .arg(e.File(), e.Reason())
                .toStdString());
    }
    try {
        return ParseReportDefinition(std::string_view(text.constData(), std::size_t(text.size())));
    } catch (const ReportError& e) {
        Refuse(file, QString::fromStdString(e.what()));
    }
}

std::optional<ReportDefinition> PrepareReport(const QAbstractItemModel& table,
                                              const std::filesystem::path& definitionFile) {
    ReportDefinition def = LoadReportDefinition(definitionFile);
    if (table.rowCount() == 0) {
        return std::nullopt;
    }
    return def;
}

std::optional<ReportForTable> PrepareReportFor(const QAbstractItemModel& table,
                                               const std::filesystem::path& definitionFile,
                                               const QString& connection) {
    std::optional<ReportDefinition> def = PrepareReport(table, definitionFile);
    if (!def) {
        return std::nullopt;
    }
    if (QString::fromStdString(def->Connection) != connection) {
        Refuse(definitionFile, QCoreApplication::translate(
                                   "ReportError", "the report reads the connection %1, not %2")
                                   .arg(Shown(def->Connection), connection));
    }
    std::vector<int> fields;
    for (const ReportColumn& column : def->Columns) {
        fields.push_back(FieldIndex(table, column.Field));
        if (fields.back() < 0) {
            Refuse(definitionFile,
                   QCoreApplication::translate("ReportError", "no field %1 in the data")
                       .arg(Shown(column.Field)));
        }
    }
    return ReportForTable{std::move(*def), std::move(fields)};
}

PrintOutcome PrintTable(const QAbstractItemModel& table,
                        const std::filesystem::path& definitionFile, QPagedPaintDevice& device) {
    const std::optional<ReportForTable> prepared =
        PrepareReportFor(table, definitionFile, kReportConnection);
    if (!prepared) {
        return PrintOutcome::NoRows;
    }
    const ReportDefinition* const def = &prepared->Definition;
    const std::vector<int>& fields = prepared->Fields;
    report::PreparePage(*def, device, definitionFile);
    QFont font(QString::fromStdString(def->FontFamily));
    font.setPointSizeF(def->FontPoints);
    const PageMetrics metrics =
        report::Measure(*def, font, device, definitionFile, kHeaderLines + kFooterLines);
    QPainter painter;
    if (!painter.begin(&device)) {
        throw ReportError(
            QCoreApplication::translate("ReportError", "The printer cannot be started")
                .toStdString());
    }
    PaintPages(table, *def, fields, font, metrics, device, painter);
    painter.end();
    return PrintOutcome::Printed;
}

PrintOutcome PrintTableToPdf(const QAbstractItemModel& table,
                             const std::filesystem::path& definitionFile,
                             const std::filesystem::path& pdf,
                             const std::vector<std::filesystem::path>& protectedFiles) {
    OutputTarget target(pdf, SpecialFile::Refuse, protectedFiles);
    PrintOutcome outcome = PrintOutcome::NoRows;
    {
        QPdfWriter writer(&target.Device());
        writer.setTitle("RangeDesk records");
        outcome = PrintTable(table, definitionFile, writer);
    }
    if (outcome == PrintOutcome::Printed) {
        target.Commit();
    }
    return outcome;
}

} // namespace rangedesk::output
