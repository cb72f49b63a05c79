#include "report_page.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>

#include "file_names.h"

namespace rangedesk::output::report {
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

QString PageText(const ReportDefinition& def) {
    return QString("page %1 %2 with margins of %3 mm at the top and %4 mm at the bottom")
        .arg(QString::fromStdString(def.PageSize), def.Landscape ? "landscape" : "portrait")
        .arg(def.MarginTopMm)
        .arg(def.MarginBottomMm);
}

} // namespace

QString Shown(const std::string& text) {
    return QString::fromStdString(files::EscapeControls(text));
}

[[noreturn]] void Refuse(const std::filesystem::path& file, const QString& why) {
    throw ReportError(
        QString("Report definition %1, %2").arg(files::ShownPath(file), why).toStdString());
}

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

void PreparePage(const ReportDefinition& def, QPagedPaintDevice& device,
                 const std::filesystem::path& file) {
    const QPageLayout layout(
        PageSizeNamed(def.PageSize), def.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(def.MarginLeftMm, def.MarginTopMm, def.MarginRightMm, def.MarginBottomMm),
        QPageLayout::Millimeter);
    if (!device.setPageLayout(layout)) {
        Refuse(file, "the margins do not fit on the " + PageText(def));
    }
}

PageMetrics Measure(const ReportDefinition& def, const QFont& font, QPagedPaintDevice& device,
                    const std::filesystem::path& file, int fixedLines) {
    PageMetrics m;
    const int resolution = device.logicalDpiX();
    m.page = device.pageLayout().paintRectPixels(resolution);
    m.page.moveTo(0, 0);
    const QFontMetrics fm(font, &device);
    m.line = static_cast<int>(std::ceil(fm.height() * 1.35));
    const int rowSpace = m.page.height() - m.line * fixedLines;
    if (m.line <= 0 || rowSpace < m.line) {
        Refuse(file, "the " + PageText(def) +
                         " leaves no room for the title, the column headings and one row");
    }
    m.rowsPerPage = rowSpace / m.line;
    double totalMm = 0;
    for (const auto& c : def.Columns) {
        totalMm += c.WidthMm;
    }
    // Columns wider than the page together are narrowed in proportion, so no row leaves it.
    const double pxPerMm = resolution / 25.4;
    const double scale = std::min(1.0, m.page.width() / (totalMm * pxPerMm));
    for (const auto& c : def.Columns) {
        m.widths.push_back(static_cast<int>(c.WidthMm * pxPerMm * scale));
    }
    return m;
}

} // namespace rangedesk::output::report
