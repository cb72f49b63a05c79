#include "grid_to_excel.h"

#include <QHeaderView>
#include <QTableView>

namespace rangedesk::app {

output::ExportFormat FormatOfFilter(const QString& filter) {
    if (filter == kExportFilters[1]) {
        return output::ExportFormat::Xlsx;
    }
    if (filter == kExportFilters[2]) {
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
        columns.push_back({logical, table.headerData(logical, Qt::Horizontal).toString(),
                           !header->isSectionHidden(logical), output::KindOfField(table, logical)});
    }
    return columns;
}

} // namespace rangedesk::app
