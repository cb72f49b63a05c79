#include "report_project.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rangedesk::output {
namespace {

QPageSize PageSizeNamed(const std::string& name) {
    if (name == "Letter") {
        return QPageSize(QPageSize::Letter);
    }
    if (name == "A5") {
        return QPageSize(QPageSize::A5);
    }
    return QPageSize(QPageSize::A4);
}

// The column of the table whose heading is the field's name; -1 when there is none.
int FieldIndex(const QAbstractItemModel& table, const std::string& field) {
    const QString name = QString::fromStdString(field);
    for (int c = 0; c < table.columnCount(); ++c) {
        if (table.headerData(c, Qt::Horizontal).toString() == name) {
            return c;
        }
    }
    return -1;
}

Qt::Alignment AlignmentOf(ColumnAlignment a) {
    switch (a) {
    case ColumnAlignment::Center:
        return Qt::AlignHCenter;
    case ColumnAlignment::Right:
        return Qt::AlignRight;
    case ColumnAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

void PreparePrinter(const ReportDefinition& def, QPagedPaintDevice& printer) {
    QPageLayout layout(
        PageSizeNamed(def.PageSize), def.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(def.MarginLeftMm, def.MarginTopMm, def.MarginRightMm, def.MarginBottomMm),
        QPageLayout::Millimeter);
    printer.setPageLayout(layout);
}

} // namespace

struct TReportProject::Metrics {
    QRect page;
    int line = 0;
    int rowsPerPage = 1;
    std::vector<int> widths;
};

void TReportProject::Open() {
    QFile file(projectFile_);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ReportError(QString("Cannot open the report definition %1: %2")
                              .arg(projectFile_, file.errorString())
                              .toStdString());
    }
    const QByteArray text = file.readAll();
    try {
        definition_ =
            ParseReportDefinition(std::string_view(text.constData(), std::size_t(text.size())));
    } catch (const ReportError& e) {
        throw ReportError(
            QString("Report definition %1, %2").arg(projectFile_, e.what()).toStdString());
    }
}

const ReportDefinition& TReportProject::Definition() const {
    if (!definition_) {
        throw ReportError("The report project is not open");
    }
    return *definition_;
}

TReportProject::Metrics TReportProject::Measure(QPainter& painter,
                                                QPagedPaintDevice& printer) const {
    const ReportDefinition& def = Definition();
    Metrics m;
    const int resolution = printer.logicalDpiX();
    m.page = printer.pageLayout().paintRectPixels(resolution);
    m.page.moveTo(0, 0);
    const QFontMetrics fm(painter.font(), &printer);
    m.line = static_cast<int>(std::ceil(fm.height() * 1.35));
    const int header = m.line * 5; // title (double), date, gap, headings
    const int footer = m.line * 2;
    m.rowsPerPage = std::max(1, (m.page.height() - header - footer) / m.line);
    double totalMm = 0;
    for (const auto& c : def.Columns) {
        totalMm += c.WidthMm;
    }
    const double pxPerMm = resolution / 25.4;
    const double scale = std::min(1.0, m.page.width() / (totalMm * pxPerMm));
    for (const auto& c : def.Columns) {
        m.widths.push_back(static_cast<int>(c.WidthMm * pxPerMm * scale));
    }
    return m;
}

void TReportProject::Execute(const TReportDataSetConnection& connection,
                             QPagedPaintDevice& printer) const {
    const ReportDefinition& def = Definition();
    if (connection.Name().toStdString() != def.Connection) {
        throw ReportError("The report reads the connection " + def.Connection + ", not " +
                          connection.Name().toStdString());
    }
    const QAbstractItemModel* table = connection.DataSet();
    const int rows = table ? table->rowCount() : 0;
    std::vector<int> fields;
    for (const ReportColumn& column : def.Columns) {
        fields.push_back(table ? FieldIndex(*table, column.Field) : -1);
        if (fields.back() < 0) {
            throw ReportError(QString("Report definition %1, no field %2 in the data")
                                  .arg(projectFile_, QString::fromStdString(column.Field))
                                  .toStdString());
        }
    }
    PreparePrinter(def, printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw ReportError("The printer cannot be started");
    }
    QFont font(QString::fromStdString(def.FontFamily));
    font.setPointSizeF(def.FontPoints);
    painter.setFont(font);
    const Metrics m = Measure(painter, printer);
    const int pages = std::max(1, (rows + m.rowsPerPage - 1) / m.rowsPerPage);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    QFont bold = font;
    bold.setBold(true);
    QFont titleFont = bold;
    titleFont.setPointSizeF(def.FontPoints * 1.6);

    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            printer.newPage();
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
                                 table->index(r, fields[c]).data().toString());
                x += m.widths[c];
            }
            y += m.line;
        }
        painter.drawText(QRect(0, m.page.height() - m.line, m.page.width(), m.line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString("Page %1 of %2").arg(page + 1).arg(pages));
    }
    painter.end();
}

} // namespace rangedesk::output
