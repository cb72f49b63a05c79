#include "report_project.h"

#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "load_data_columns.h"
#include "load_data_model.h"

namespace rangedesk::store {
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

int FieldIndex(const std::string& field) {
    const auto it = std::find(kLoadDataColumnNames.begin(), kLoadDataColumnNames.end(), field);
    return it == kLoadDataColumnNames.end() ? -1
                                            : static_cast<int>(it - kLoadDataColumnNames.begin());
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

void PreparePrinter(const ReportDefinition& def, QPrinter& printer) {
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
        ReportDefinition definition =
            ParseReportDefinition(std::string_view(text.constData(), std::size_t(text.size())));
        for (const ReportColumn& column : definition.Columns) {
            if (FieldIndex(column.Field) < 0) {
                throw ReportError("no field " + column.Field + " in the data");
            }
        }
        definition_ = std::move(definition);
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

TReportProject::Metrics TReportProject::Measure(QPainter& painter, QPrinter& printer) const {
    const ReportDefinition& def = Definition();
    Metrics m;
    m.page = printer.pageLayout().paintRectPixels(printer.resolution());
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
    const double pxPerMm = printer.resolution() / 25.4;
    const double scale = std::min(1.0, m.page.width() / (totalMm * pxPerMm));
    for (const auto& c : def.Columns) {
        m.widths.push_back(static_cast<int>(c.WidthMm * pxPerMm * scale));
    }
    return m;
}

void TReportProject::Execute(const TReportDataSetConnection& connection, QPrinter& printer) const {
    const ReportDefinition& def = Definition();
    if (connection.Name().toStdString() != def.Connection) {
        throw ReportError("The report reads the connection " + def.Connection + ", not " +
                          connection.Name().toStdString());
    }
    const LoadDataModel* table = connection.DataSet();
    const int rows = table ? table->rowCount() : 0;
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
            const LoadDataTexts& texts = table->RowAt(r);
            x = 0;
            for (std::size_t c = 0; c < def.Columns.size(); ++c) {
                const int field = FieldIndex(def.Columns[c].Field);
                painter.drawText(QRect(x + 2, y, m.widths[c] - 4, m.line),
                                 AlignmentOf(def.Columns[c].Alignment) | Qt::AlignVCenter,
                                 texts[static_cast<std::size_t>(field)]);
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

} // namespace rangedesk::store
