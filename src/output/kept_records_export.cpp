#include "kept_records_export.h"

#include <QAbstractItemModel>

#include "kept_record_columns.h"
#include "load_data_columns.h"

namespace rangedesk::output {
namespace {

// The table's column headed `name`; -1 when it has none.
int ColumnNamed(const QAbstractItemModel& table, const QString& name) {
    for (int c = 0; c < table.columnCount(); ++c) {
        if (table.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == name) {
            return c;
        }
    }
    return -1;
}

} // namespace

std::vector<SheetColumn> KeptRecordColumns(const QAbstractItemModel& table, DownloadColumn download,
                                           ExportFormat format, UnitSystem units) {
    const bool legacy = format == ExportFormat::Xls;
    QStringList names;
    if (download == DownloadColumn::First && !legacy) {
        names << records::kDownloadColumn;
    }
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        names << records::ColumnName(c);
    }
    if (!legacy) {
        names << records::kLabelColumn << records::kNoteColumn;
        if (units != UnitSystem::AsMeasured) {
            names << records::kDeductionColumn;
        }
    }
    std::vector<SheetColumn> columns;
    for (const QString& name : names) {
        const int c = ColumnNamed(table, name);
        if (c >= 0) {
            columns.push_back({c, name, true, KindOfField(table, c)});
        }
    }
    return columns;
}

ExportResult ExportKeptRecords(const QAbstractItemModel& table, DownloadColumn download,
                               ExportFormat format, const std::filesystem::path& target,
                               const ExportOptions& options) {
    return ExportRecords(table, KeptRecordColumns(table, download, format, options.Units), format,
                         target, options);
}

} // namespace rangedesk::output
