#include "report_page.h"

#include <QCoreApplication>

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
    const QString size = QString::fromStdString(def.PageSize);
    const QString top = QString("%1").arg(def.MarginTopMm);
    const QString bottom = QString("%1").arg(def.MarginBottomMm);
    return def.Landscape
               ? QCoreApplication::translate(
                     "ReportError",
                     "page %1 landscape with margins of %2 mm at the top and %3 mm at the bottom")
                     .arg(size, top, bottom)
               : QCoreApplication::translate(
                     "ReportError",
                     "page %1 portrait with margins of %2 mm at the top and %3 mm at the bottom")
                     .arg(size, top, bottom);
}

} // namespace

QString Shown(const std::string& text) {
    return QString::fromStdString(files::EscapeControls(text));
}

[[noreturn]] void Refuse(const std::filesystem::path& file, const QString& why) {
    throw ReportError(QCoreApplication::translate("ReportError", "Report definition %1, %2")
                          .arg(files::ShownPath(file), why)
                          .toStdString());
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
        Refuse(file, QCoreApplication::translate("ReportError", "the margins do not fit on the %1")
                         .arg(PageText(def)));
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
        Refuse(file, QCoreApplication::translate(
                         "ReportError",
                         "the %1 leaves no room for the title, the column headings and one row")
                         .arg(PageText(def)));
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
