#include "grid_to_excel.h"

#include <QHeaderView>
#include <QTableView>

#include "column_titles.h"

namespace rangedesk::app {

QStringList ExportFilters() {
    QStringList filters;
    for (const QString& filter : kExportFilters) {
        filters << QCoreApplication::translate("ExportFilters", filter.toUtf8().constData());
    }
    return filters;
}

QString SourceFilter(const QString& filter) {
    const qsizetype at = ExportFilters().indexOf(filter);
    if (at >= 0) {
        return kExportFilters[at];
    }
    return kExportFilters.contains(filter) ? filter : kExportFilters.front();
}

output::ExportFormat FormatOfFilter(const QString& filter) {
    const QString source = SourceFilter(filter);
    if (source == kExportFilters[1]) {
        return output::ExportFormat::Xlsx;
    }
    if (source == kExportFilters[2]) {
        return output::ExportFormat::Csv;
    }
    return output::ExportFormat::Xls;
}

std::vector<output::SheetColumn> GridColumns(const QTableView& grid) {
    const QHeaderView* header = grid.horizontalHeader();
    const QAbstractItemModel& table = *grid.model();
    std::vector<output::SheetColumn> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        // A file's headings are the same whatever language the window shows.
        const QVariant source = table.headerData(logical, Qt::Horizontal, store::kSourceTitleRole);
        const QString title = source.isValid()
                                  ? source.toString()
                                  : table.headerData(logical, Qt::Horizontal).toString();
        columns.push_back({logical, title, !header->isSectionHidden(logical),
                           output::KindOfField(table, logical)});
    }
    return columns;
}

} // namespace rangedesk::app
